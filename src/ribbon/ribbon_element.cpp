#include "ribbon_element.h"

#include "ribbon_text_measurer.h"
#include "ribbon_units.h"

namespace {

RibbonElement picture(double left, double top, double width, double height, bool stretch = false)
{
    RibbonElement e;
    e.kind = RibbonElement::Kind::Picture;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.stretch = stretch;
    return e;
}

RibbonElement shownPicture(double left, double top, double width, double height, bool stretch)
{
    RibbonElement e = picture(left, top, width, height, stretch);
    e.visible = true;
    return e;
}

// Hit areas: labels without text.
RibbonElement hitArea(double left, double top, double width, double height)
{
    RibbonElement e;
    e.kind = RibbonElement::Kind::Label;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    return e;
}

RibbonElement caption(double left, double top, double width, double height, double points,
                      quint32 foreColor, bool centred)
{
    RibbonElement e = hitArea(left, top, width, height);
    e.font = QFont(QStringLiteral("Verdana"));
    e.font.setPointSizeF(points);
    e.font.setWeight(QFont::Normal);
    e.foreColor = foreColor;
    e.centred = centred;
    e.autoSize = true;
    e.transparent = true;
    return e;
}

} // namespace

bool RibbonElement::contains(const QPointF &twips) const
{
    return twips.x() >= left && twips.x() < left + width && twips.y() >= top
        && twips.y() < top + height;
}

void RibbonElement::setPicture(const QImage &image)
{
    picture = image;
    if (!stretch && !image.isNull()) {
        width = image.width() * kTwipsPerPixel;
        height = image.height() * kTwipsPerPixel;
    }
}

void RibbonElement::setCaption(const QString &text, const RibbonTextMeasurer &measurer)
{
    caption = text;
    if (autoSize) {
        const QSizeF size = measurer.textSize(text, font);
        width = size.width();
        height = size.height();
    }
}

ElementFamily::ElementFamily(const char *name, const RibbonElement &element0)
    : m_name(name)
{
    m_items.emplace(0, element0);
}

bool ElementFamily::create(int index, quint64 z)
{
    if (index < 0 || exists(index))
        return false;
    RibbonElement element = m_items.at(0);
    element.visible = false;
    element.z = z;
    m_items.emplace(index, element);
    return true;
}

bool ElementFamily::destroy(int index)
{
    if (index == 0)
        return false;
    return m_items.erase(index) != 0;
}

void ElementFamily::setVisible(int index, bool visible)
{
    if (exists(index))
        m_items.at(index).visible = visible;
}

RibbonElements::RibbonElements()
    : Barra2("Barra2", shownPicture(0, 0, 405, 2130, true)),
      BarraLeft("BarraLeft", shownPicture(0, 0, 165, 2130, false)),
      BarraRight("BarraRight", shownPicture(480, 0, 165, 2130, false)),
      Tab_left("Tab_left", picture(1680, 120, 150, 360)),
      Tab_center("Tab_center", picture(1920, 120, 270, 360, true)),
      Tab_right("Tab_right", picture(2280, 120, 150, 360)),
      Tab_left_over("Tab_left_over", picture(1680, 600, 150, 360)),
      Tab_center_over("Tab_center_over", picture(1920, 600, 270, 360, true)),
      Tab_right_over("Tab_right_over", picture(2280, 600, 150, 360)),
      Tab_caption("Tab_caption", caption(840, 180, 690, 240, 9.75, 0x000000, false)),
      TabMouse("TabMouse", hitArea(2520, 120, 735, 360)),
      Cat_Left_off("Cat_Left_off", picture(5040, 150, 60, 1335)),
      Cat_Center_off("Cat_Center_off", picture(5160, 150, 75, 1335, true)),
      Cat_Right_off("Cat_Right_off", picture(5400, 150, 75, 1335)),
      Cat_Left_on("Cat_Left_on", picture(5760, 150, 60, 1335)),
      Cat_Center_on("Cat_Center_on", picture(5880, 150, 60, 1335, true)),
      Cat_Right_on("Cat_Right_on", picture(6120, 150, 75, 1335)),
      Cat_Caption("Cat_Caption", caption(5040, 1200, 630, 240, 9.75, 0xFFFFFF, false)),
      Cat_Dlg("Cat_Dlg", picture(3600, 1320, 225, 210)),
      Cat_Dlg_on("Cat_Dlg_on", picture(3840, 1320, 225, 210)),
      Cat_Dlg_over("Cat_Dlg_over", picture(4080, 1320, 225, 210)),
      CatMouse("CatMouse", hitArea(4560, 150, 375, 1350)),
      Button_left("Button_left", picture(960, 1800, 45, 990)),
      Button_center("Button_center", picture(1080, 1800, 735, 990, true)),
      Button_right("Button_right", picture(1920, 1800, 45, 990)),
      Button_left_over("Button_left_over", picture(2520, 1800, 45, 990)),
      Button_center_over("Button_center_over", picture(2640, 1800, 735, 990, true)),
      Button_right_over("Button_right_over", picture(3480, 1800, 45, 990)),
      Button_Icon("Button_Icon", picture(1320, 1920, 615, 495)),
      Button_Caption("Button_Caption",
                     caption(1440, 2520, 510, 180, 6.75, kSystemWindowText, true)),
      Glip_off("Glip_off", picture(2160, 1560, 75, 60)),
      Glip_on("Glip_on", picture(2280, 1560, 75, 60)),
      ButMouse("ButMouse", hitArea(2040, 1800, 375, 990))
{
    m_all = {&Barra2,          &BarraLeft,      &BarraRight,         &Tab_left,
             &Tab_center,      &Tab_right,      &Tab_left_over,      &Tab_center_over,
             &Tab_right_over,  &Tab_caption,    &TabMouse,           &Cat_Left_off,
             &Cat_Center_off,  &Cat_Right_off,  &Cat_Left_on,        &Cat_Center_on,
             &Cat_Right_on,    &Cat_Caption,    &Cat_Dlg,            &Cat_Dlg_on,
             &Cat_Dlg_over,    &CatMouse,       &Button_left,        &Button_center,
             &Button_right,    &Button_left_over, &Button_center_over, &Button_right_over,
             &Button_Icon,     &Button_Caption, &Glip_off,           &Glip_on,
             &ButMouse};
    for (ElementFamily *family : m_all)
        bringToFront(*family, 0);
}

void RibbonElements::bringToFront(ElementFamily &family, int index)
{
    if (family.exists(index))
        family[index].z = ++m_top;
}

RibbonElements::Hit RibbonElements::topmostAt(const QPointF &twips) const
{
    Hit hit;
    quint64 best = 0;
    for (const ElementFamily *family : m_all) {
        for (const auto &[index, element] : family->items()) {
            if (element.visible && element.z > best && element.contains(twips)) {
                best = element.z;
                hit = Hit{family, index};
            }
        }
    }
    return hit;
}
