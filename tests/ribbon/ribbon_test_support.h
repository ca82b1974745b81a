#pragma once

#include "ribbon_text_measurer.h"
#include "vex_image_list.h"
#include "vex_ribbon.h"

#include <QPoint>
#include <QString>

#include <memory>

// Every character 90 twips wide and lines 240 high at the 9.75 pt caption
// font; 60 and 180 at the 6.75 pt button font.
class FixedTextMeasurer : public RibbonTextMeasurer
{
public:
    QSizeF textSize(const QString &text, const QFont &font) const override;
};

// A square icon of the given side in pixels, coloured after its number.
QImage sampleIcon(int number, int side = 32);

// A ribbon as a cashier window would fill it: three tabs, categories with and
// without the dialog launcher, one- and two-line and dropdown buttons.
struct SampleHost
{
    explicit SampleHost(int theme = 1, bool fixedText = true);

    VexImageList images;
    std::unique_ptr<VexRibbon> ribbon;
};

// Text dump of every element: family(index), geometry in twips, looks.
QString dumpElements(const VexRibbon &ribbon);

// The pixel at the centre of element (family, index).
QPoint centreOf(const ElementFamily &family, int index);

// Compares with the golden file tests/ribbon/golden/<name>; writes it instead
// when CAIXA_UPDATE_GOLDEN is set.
bool matchesGolden(const QString &text, const QString &name, QString *difference);
