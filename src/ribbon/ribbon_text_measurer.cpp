#include "ribbon_text_measurer.h"

#include "ribbon_units.h"

#include <QFontMetrics>
#include <QStringList>

QStringList ribbonCaptionLines(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return plain.split(QLatin1Char('\n'));
}

QSizeF FontTextMeasurer::textSize(const QString &text, const QFont &font) const
{
    const QFontMetrics metrics(font);
    const QStringList lines = ribbonCaptionLines(text);
    int widest = 0;
    for (const QString &line : lines)
        widest = qMax(widest, metrics.horizontalAdvance(line));
    const int height = metrics.height() * static_cast<int>(lines.size());
    return QSizeF(widest * kTwipsPerPixel, height * kTwipsPerPixel);
}
