#include "vex_ribbon.h"

#include "ribbon_pictures.h"
#include "ribbon_units.h"

#include <utility>

namespace {

struct ThemeColours
{
    quint32 catCaption;
    quint32 tabCaption;
    quint32 tabCaptionSelected;
    quint32 buttonCaption;
    quint32 back;
    quint32 fore;
};

constexpr ThemeColours kColours[] = {
    {0xFFFFFF, 0xFFFFFF, 0x000000, kSystemWindowText, 0x464646, 0xFFFFFF}, // BLACK
    {0xB86A3E, 0x8B4215, 0x8B4215, 0x8B4215, 0xDAB08E, 0x8B4215},          // BLUE
    {0x6A625C, 0x6A625C, 0x6A625C, 0x6A625C, 0xDDD4D0, 0x6A625C},          // SILVER
};

} // namespace

void VexRibbon::ApplyTheme(int theme)
{
    const bool known = theme >= 0 && theme <= 2;
    if (known) {
        const ThemeColours &c = kColours[theme];
        m_el.Cat_Caption[0].foreColor = c.catCaption;
        m_tabCaptionColor = c.tabCaption;
        m_tabCaptionColorSelected = c.tabCaptionSelected;
        m_el.Button_Caption[0].foreColor = c.buttonCaption;
        m_backColor = c.back;
        m_foreColor = c.fore;
    }

    using namespace RibbonPictures;
    const std::pair<ElementFamily *, int> pictures[] = {
        {&m_el.Barra2, Band},
        {&m_el.BarraLeft, BandLeft},
        {&m_el.BarraRight, BandRight},
        {&m_el.Cat_Dlg, DlgGlyph},
        {&m_el.Cat_Dlg_on, DlgGlyphLit},
        {&m_el.Cat_Dlg_over, DlgGlyphOver},
        {&m_el.Cat_Left_off, CatLeftOff},
        {&m_el.Cat_Center_off, CatCenterOff},
        {&m_el.Cat_Right_off, CatRightOff},
        {&m_el.Cat_Left_on, CatLeftOn},
        {&m_el.Cat_Center_on, CatCenterOn},
        {&m_el.Cat_Right_on, CatRightOn},
        {&m_el.Tab_left, TabLeft},
        {&m_el.Tab_center, TabCenter},
        {&m_el.Tab_right, TabRight},
        {&m_el.Tab_left_over, TabLeftOver},
        {&m_el.Tab_center_over, TabCenterOver},
        {&m_el.Tab_right_over, TabRightOver},
        {&m_el.Glip_off, GlipOff},
        {&m_el.Glip_on, GlipOn},
        {&m_el.Button_left_over, ButtonLeftPressed},
        {&m_el.Button_center_over, ButtonCenterPressed},
        {&m_el.Button_right_over, ButtonRightPressed},
        {&m_el.Button_left, ButtonLeftLit},
        {&m_el.Button_center, ButtonCenterLit},
        {&m_el.Button_right, ButtonRightLit},
    };
    const int pictureTheme = known ? theme : 0;
    for (const auto &[family, id] : pictures)
        repaintExisting(*family, picture(pictureTheme, id));
    recolourExisting();
}

// Elements already laid out take the new look in place, so a theme switch
// never leaves a ribbon half in the old theme; nothing moves.
void VexRibbon::repaintExisting(ElementFamily &family, const QImage &picture)
{
    for (const auto &item : family.items())
        family[item.first].setPicture(picture);
}

void VexRibbon::recolourExisting()
{
    for (const auto &item : m_el.Cat_Caption.items())
        m_el.Cat_Caption[item.first].foreColor = m_el.Cat_Caption[0].foreColor;
    for (const auto &item : m_el.Button_Caption.items())
        m_el.Button_Caption[item.first].foreColor = m_el.Button_Caption[0].foreColor;
    for (const auto &item : m_el.Tab_caption.items()) {
        const bool selected = m_el.Tab_center.isVisible(item.first);
        m_el.Tab_caption[item.first].foreColor =
            selected ? m_tabCaptionColorSelected : m_tabCaptionColor;
    }
}
