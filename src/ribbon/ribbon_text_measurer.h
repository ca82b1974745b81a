#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

// Size in twips of an auto-sizing label's text. Lines are separated by CR LF
// (or a lone LF); the width is that of the widest line.
class RibbonTextMeasurer
{
public:
    virtual ~RibbonTextMeasurer() = default;
    virtual QSizeF textSize(const QString &text, const QFont &font) const = 0;
};

// Measures with the font's own metrics, in whole pixels of 15 twips.
class FontTextMeasurer : public RibbonTextMeasurer
{
public:
    QSizeF textSize(const QString &text, const QFont &font) const override;
};

// The caption split into its display lines.
QStringList ribbonCaptionLines(const QString &text);
