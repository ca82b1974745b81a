#include "vex_ribbon.h"

#include <QList>

#include <cmath>

namespace {

constexpr int kFirstTabLeft = 90;
constexpr int kCaptionTop = 60;
constexpr int kCatRowTop = 360;
constexpr int kCatCaptionTop = 1400;
constexpr int kFirstCatLeft = 120;
constexpr int kButtonBelowFrame = 60;
constexpr int kButtonGap = 30;
constexpr int kIconBelowFrame = 90;
constexpr int kGlyphInset = 15;
constexpr int kGlyphAboveFoot = 60;

bool isSet(int value) { return value == -1; }

} // namespace

void VexRibbon::setCaption(RibbonElement &element, const QString &text)
{
    element.setCaption(text, *m_measurer);
}

void VexRibbon::destroyAbove0(std::initializer_list<ElementFamily *> families)
{
    int highest = 0;
    for (const ElementFamily *family : families)
        highest = std::max(highest, family->highest());
    for (int i = 1; i <= highest; ++i)
        for (ElementFamily *family : families)
            family->destroy(i);
}

void VexRibbon::create(std::initializer_list<ElementFamily *> families, int index)
{
    for (ElementFamily *family : families)
        m_el.create(*family, index);
}

void VexRibbon::bringToFront(std::initializer_list<ElementFamily *> families, int index)
{
    for (ElementFamily *family : families)
        m_el.bringToFront(*family, index);
}

void VexRibbon::DrawTabs()
{
    RibbonElements &e = m_el;
    const auto tabFamilies = {&e.Tab_caption,     &e.Tab_left,      &e.Tab_center,
                              &e.Tab_right,       &e.Tab_left_over, &e.Tab_center_over,
                              &e.Tab_right_over,  &e.TabMouse};
    destroyAbove0(tabFamilies);
    const int selected = m_selectedTab < m_tabCount ? m_selectedTab : 0;
    for (int i = 0; i < m_tabCount; ++i) {
        if (i != 0)
            create(tabFamilies, i);
        placeTab(i, i == selected);
    }
}

void VexRibbon::placeTab(int i, bool selected)
{
    RibbonElements &e = m_el;
    e.Tab_left[i].left = i == 0 ? kFirstTabLeft : e.Tab_right[i - 1].left + e.Tab_right[i].width;
    e.TabMouse[i].left = e.Tab_left[i].left;
    e.Tab_caption[i].top = kCaptionTop;
    for (ElementFamily *family : {&e.Tab_center, &e.Tab_left, &e.Tab_right, &e.Tab_center_over,
                                  &e.Tab_left_over, &e.Tab_right_over, &e.TabMouse})
        (*family)[i].top = 0;

    setCaption(e.Tab_caption[i], m_tabs[i].Caption);
    e.Tab_center[i].width = e.Tab_caption[i].width;
    e.Tab_center[i].left = e.Tab_left[i].left + e.Tab_left[i].width;
    e.Tab_caption[i].left = e.Tab_center[i].left;
    e.Tab_right[i].left = e.Tab_center[i].left + e.Tab_center[i].width;

    e.Tab_center_over[i].width = e.Tab_center[i].width;
    e.Tab_center_over[i].left = e.Tab_center[i].left;
    e.Tab_left_over[i].left = e.Tab_left[i].left;
    e.Tab_right_over[i].left = e.Tab_right[i].left;
    e.TabMouse[i].width = e.Tab_left[i].width + e.Tab_right[i].width + e.Tab_center[i].width;

    e.Tab_caption[i].foreColor = selected ? m_tabCaptionColorSelected : m_tabCaptionColor;
    e.Tab_caption[i].visible = true;
    for (ElementFamily *family : {&e.Tab_center, &e.Tab_left, &e.Tab_right})
        (*family)[i].visible = selected;
    for (ElementFamily *family : {&e.Tab_center_over, &e.Tab_left_over, &e.Tab_right_over})
        (*family)[i].visible = false;
    e.TabMouse[i].visible = true;

    bringToFront({&e.Tab_center, &e.Tab_left, &e.Tab_right, &e.Tab_center_over, &e.Tab_left_over,
                  &e.Tab_right_over, &e.Tab_caption, &e.TabMouse},
                 i);
}

void VexRibbon::DrawCats()
{
    RibbonElements &e = m_el;
    for (ElementFamily *family : {&e.Cat_Center_off, &e.Cat_Center_on, &e.Cat_Left_off,
                                  &e.Cat_Left_on, &e.Cat_Right_off, &e.Cat_Right_on, &e.CatMouse})
        (*family)[0].top = kCatRowTop;
    e.Cat_Caption[0].top = kCatCaptionTop;

    QList<CatEntry> groups;
    for (int c = 0; c < m_catCount; ++c) {
        if (!m_currentTab.isEmpty() && m_cats[c].TabKey == m_currentTab)
            groups.append(m_cats[c]);
    }

    destroyAbove0({&e.Cat_Left_off, &e.Cat_Left_on, &e.Cat_Right_off, &e.Cat_Right_on,
                   &e.Cat_Center_off, &e.Cat_Center_on, &e.Cat_Caption, &e.CatMouse, &e.Cat_Dlg,
                   &e.Cat_Dlg_on, &e.Cat_Dlg_over});
    destroyAbove0({&e.Button_left, &e.Button_center, &e.Button_right, &e.Button_left_over,
                   &e.Button_center_over, &e.Button_right_over, &e.Button_Caption, &e.Button_Icon,
                   &e.Glip_on, &e.Glip_off, &e.ButMouse});

    for (ElementFamily *family :
         {&e.Button_left, &e.Button_center, &e.Button_right, &e.Button_Caption, &e.Button_Icon,
          &e.ButMouse, &e.Cat_Left_off, &e.Cat_Left_on, &e.Cat_Right_off, &e.Cat_Right_on,
          &e.Cat_Center_off, &e.Cat_Center_on, &e.Cat_Caption, &e.CatMouse, &e.Cat_Dlg,
          &e.Cat_Dlg_on, &e.Cat_Dlg_over})
        (*family)[0].visible = false;

    for (int i = 0; i < groups.size(); ++i)
        placeCat(i, groups.at(i));

    update();

    // Buttons above the group frames brought forward after them, none lit.
    const int last = e.ButMouse.highest();
    for (int j = 0; j <= last; ++j) {
        for (ElementFamily *family : {&e.Button_left, &e.Button_right, &e.Button_center,
                                      &e.Button_left_over, &e.Button_right_over,
                                      &e.Button_center_over}) {
            family->setVisible(j, false);
            m_el.bringToFront(*family, j);
        }
        bringToFront({&e.Button_Icon, &e.Button_Caption, &e.Glip_off, &e.Glip_on, &e.ButMouse}, j);
    }
}

void VexRibbon::placeCat(int i, const CatEntry &entry)
{
    RibbonElements &e = m_el;
    if (i != 0) {
        create({&e.Cat_Left_off, &e.Cat_Left_on, &e.Cat_Right_off, &e.Cat_Right_on,
                &e.Cat_Center_off, &e.Cat_Center_on, &e.Cat_Caption, &e.CatMouse, &e.Cat_Dlg,
                &e.Cat_Dlg_on, &e.Cat_Dlg_over},
               i);
        e.Cat_Left_off[i].left = e.Cat_Right_off[i - 1].left + e.Cat_Right_off[i].width;
    } else {
        e.Cat_Left_off[0].left = kFirstCatLeft;
    }
    e.CatMouse[i].left = e.Cat_Left_off[i].left;
    setCaption(e.Cat_Caption[i], entry.Caption);
    e.Cat_Caption[i].tag = entry.Key;
    RibbonElement &middle = e.Cat_Center_off[i];
    middle.left = e.Cat_Left_off[i].left + e.Cat_Left_off[i].width;

    const int span = DrawButtons(entry.Key, int(std::nearbyint(middle.left)), i);
    const bool glyph = isSet(entry.Dlg);
    middle.width = e.Cat_Caption[i].width + (glyph ? e.Cat_Dlg[i].width : 0);
    if (middle.width < span) {
        middle.width = span;
        e.Cat_Caption[i].left = (middle.width - e.Cat_Caption[i].width) / 2 + middle.left;
    } else {
        e.Cat_Caption[i].left = middle.left;
    }
    e.Cat_Right_off[i].left = middle.left + middle.width;

    e.Cat_Center_on[i].width = middle.width;
    e.Cat_Center_on[i].left = middle.left;
    e.Cat_Left_on[i].left = e.Cat_Left_off[i].left;
    e.Cat_Right_on[i].left = e.Cat_Right_off[i].left;
    e.CatMouse[i].width = e.Cat_Left_off[i].width + e.Cat_Right_off[i].width + middle.width;

    for (ElementFamily *family :
         {&e.Cat_Caption, &e.Cat_Center_off, &e.Cat_Left_off, &e.Cat_Right_off, &e.CatMouse})
        (*family)[i].visible = true;
    bringToFront({&e.Cat_Center_off, &e.Cat_Left_off, &e.Cat_Right_off, &e.Cat_Center_on,
                  &e.Cat_Left_on, &e.Cat_Right_on, &e.Cat_Caption, &e.CatMouse},
                 i);

    const RibbonElement &right = e.Cat_Right_off[i];
    for (ElementFamily *family : {&e.Cat_Dlg, &e.Cat_Dlg_on, &e.Cat_Dlg_over}) {
        RibbonElement &g = (*family)[i];
        g.left = right.left - e.Cat_Dlg[i].width + kGlyphInset;
        g.top = right.top + right.height - (e.Cat_Dlg[i].height + kGlyphAboveFoot);
        g.visible = false;
    }
    e.Cat_Dlg[i].visible = glyph;
    bringToFront({&e.Cat_Dlg, &e.Cat_Dlg_on, &e.Cat_Dlg_over}, i);
}

int VexRibbon::DrawButtons(const QString &catKey, int x, int catIndex)
{
    RibbonElements &e = m_el;
    QList<int> members;
    for (int b = 0; b < m_buttonCount; ++b) {
        if (m_buttons[b].CatKey == catKey)
            members.append(b);
    }
    // The templates stay hidden: they are never a button of their own.
    for (ElementFamily *family : {&e.Button_left, &e.Button_center, &e.Button_right})
        (*family)[0].visible = false;

    const int first = e.ButMouse.highest() + 1;
    int acc = 0;
    for (int n = 0; n < members.size(); ++n) {
        const int j = first + n;
        placeButton(j, n == 0 ? -1 : j - 1, m_buttons[members.at(n)], x, catIndex);
        acc += int(std::nearbyint(e.ButMouse[j].width)) + kButtonGap;
    }
    return acc - kButtonGap;
}

void VexRibbon::placeButton(int j, int previous, const ButtonEntry &b, int x, int catIndex)
{
    RibbonElements &e = m_el;
    create({&e.Button_left, &e.Button_center, &e.Button_right, &e.Button_left_over,
            &e.Button_center_over, &e.Button_right_over, &e.Button_Caption, &e.Button_Icon,
            &e.Glip_on, &e.Glip_off, &e.ButMouse},
           j);
    RibbonElement &hit = e.ButMouse[j];
    RibbonElement &centre = e.Button_center[j];
    RibbonElement &icon = e.Button_Icon[j];
    RibbonElement &caption = e.Button_Caption[j];
    hit.tag = b.Key;
    centre.tag = QString::number(catIndex);

    hit.top = e.Cat_Left_off[0].top + kButtonBelowFrame;
    for (ElementFamily *family : {&e.Button_left, &e.Button_center, &e.Button_right,
                                  &e.Button_left_over, &e.Button_center_over, &e.Button_right_over})
        (*family)[j].top = hit.top;

    hit.left = previous < 0 ? x : e.ButMouse[previous].left + e.ButMouse[previous].width + kButtonGap;
    e.Button_left[j].left = hit.left;
    e.Button_left_over[j].left = hit.left;
    centre.left = hit.left + e.Button_left[j].width;
    e.Button_center_over[j].left = centre.left;

    setCaption(caption, b.Caption);
    icon.setPicture(b.Icon);

    const double t = centre.top;
    const double h = centre.height;
    const double iconH = icon.height;
    const double captionH = caption.height;
    if (m_centerButtons) {
        const double gap = h - (iconH + captionH);
        icon.top = isSet(b.Flag) ? t + (gap - captionH / 2) / 2 : t + gap / 2;
    } else {
        icon.top = t + kIconBelowFrame;
    }
    caption.top = icon.top + iconH;
    e.Glip_off[j].top = caption.top + captionH + (captionH - e.Glip_off[j].height) / 2;
    e.Glip_on[j].top = e.Glip_off[j].top;

    double w = 0;
    if (caption.width > icon.width) {
        caption.left = centre.left;
        icon.left = centre.left + (caption.width - icon.width) / 2;
        w = caption.width;
    } else {
        icon.left = centre.left;
        caption.left = centre.left + (icon.width - caption.width) / 2;
        w = icon.width;
    }
    e.Glip_off[j].left = caption.left + (caption.width - e.Glip_on[j].width) / 2;
    e.Glip_on[j].left = e.Glip_off[j].left;

    centre.width = w;
    e.Button_center_over[j].width = w;
    e.Button_right[j].left = centre.left + w;
    e.Button_right_over[j].left = centre.left + w;
    hit.width = e.Button_left[j].width + w + e.Button_right[j].width;
    hit.toolTipText = b.Tip;

    icon.visible = true;
    caption.visible = true;
    hit.visible = true;
    if (isSet(b.Flag)) {
        e.Glip_off[j].visible = true;
        bringToFront({&e.Glip_off, &e.Glip_on}, j);
    }
}
