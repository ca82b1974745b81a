#include "currency.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// Halves to even, for a value already scaled to the target unit.
qint64 roundHalfEven(long double v)
{
    long double fl = std::floor(v);
    long double diff = v - fl;
    qint64 base = qint64(fl);
    if (diff > 0.5L)
        return base + 1;
    if (diff < 0.5L)
        return base;
    return (base % 2 == 0) ? base : base + 1;
}

QString groupThousands(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char('.');
        out += digits.at(i);
    }
    return out;
}

} // namespace

Currency Currency::fromDouble(double value)
{
    return fromRaw(roundHalfEven(static_cast<long double>(value) * Scale));
}

std::optional<Currency> Currency::parse(const QString &input)
{
    QString t = input.trimmed();
    if (t.startsWith(QLatin1String("R$")))
        t = t.mid(2).trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-'))) {
        negative = true;
        t = t.mid(1).trimmed();
    } else if (t.startsWith(QLatin1Char('+'))) {
        t = t.mid(1).trimmed();
    }
    static const QRegularExpression plain(QStringLiteral("^(\\d+)(?:,(\\d*))?$"));
    static const QRegularExpression grouped(QStringLiteral("^(\\d{1,3}(?:\\.\\d{3})+)(?:,(\\d*))?$"));
    QRegularExpressionMatch m = plain.match(t);
    if (!m.hasMatch())
        m = grouped.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    QString whole = m.captured(1);
    whole.remove(QLatin1Char('.'));
    if (whole.size() > 14)
        return std::nullopt;
    QString frac = m.captured(2);
    qint64 raw = whole.toLongLong() * Scale;
    raw += frac.left(4).leftJustified(4, QLatin1Char('0')).toLongLong();
    if (frac.size() > 4) {
        // Decide on the digits themselves: halves go to the even neighbour.
        const QString rest = frac.mid(4);
        const QChar first = rest.at(0);
        const bool beyondHalf = rest.mid(1).contains(QRegularExpression(QStringLiteral("[1-9]")));
        if (first > QLatin1Char('5') || (first == QLatin1Char('5') && (beyondHalf || raw % 2 != 0)))
            ++raw;
    }
    return fromRaw(negative ? -raw : raw);
}

Currency Currency::roundedToCents() const
{
    const qint64 a = m_raw < 0 ? -m_raw : m_raw;
    const qint64 r = ((a + 50) / 100) * 100;
    return fromRaw(m_raw < 0 ? -r : r);
}

QString Currency::format() const
{
    const qint64 c = cents();
    const qint64 a = c < 0 ? -c : c;
    QString s = groupThousands(QString::number(a / 100)) + QLatin1Char(',')
                + QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
    return c < 0 ? QLatin1Char('-') + s : s;
}

QString Currency::formatReais() const
{
    return QStringLiteral("R$ ") + format();
}

QString Currency::plainText() const
{
    const qint64 a = m_raw < 0 ? -m_raw : m_raw;
    QString s = QString::number(a / Scale);
    QString frac = QStringLiteral("%1").arg(a % Scale, 4, 10, QLatin1Char('0'));
    while (frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    if (!frac.isEmpty())
        s += QLatin1Char(',') + frac;
    return m_raw < 0 ? QLatin1Char('-') + s : s;
}

QString Currency::fixed2() const
{
    const qint64 c = cents();
    const qint64 a = c < 0 ? -c : c;
    QString s = QString::number(a / 100) + QLatin1Char(',')
                + QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
    return c < 0 ? QLatin1Char('-') + s : s;
}
