#include "vex_ribbon.h"

#include "ribbon_units.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

VexRibbon::Hit VexRibbon::hitAt(const QPointF &pixels) const
{
    return m_el.topmostAt(pixels * kTwipsPerPixel);
}

void VexRibbon::hideTabHover(int i)
{
    if (!m_el.Tab_center_over.isVisible(i))
        return;
    m_el.Tab_center_over.setVisible(i, false);
    m_el.Tab_left_over.setVisible(i, false);
    m_el.Tab_right_over.setVisible(i, false);
}

void VexRibbon::HoverTab(int index)
{
    const int last = m_el.TabMouse.highest();
    for (int i = 0; i <= last; ++i) {
        if (i != index) {
            hideTabHover(i);
        } else if (!m_el.Tab_center.isVisible(index)) {
            m_el.Tab_center_over.setVisible(index, true);
            m_el.Tab_left_over.setVisible(index, true);
            m_el.Tab_right_over.setVisible(index, true);
        }
    }
}

void VexRibbon::hideCatLit(int i)
{
    if (!m_el.Cat_Center_on.isVisible(i))
        return;
    m_el.Cat_Center_on.setVisible(i, false);
    m_el.Cat_Left_on.setVisible(i, false);
    m_el.Cat_Right_on.setVisible(i, false);
    if (m_el.Cat_Dlg.isVisible(i)) {
        m_el.Cat_Dlg_on.setVisible(i, false);
        m_el.Cat_Dlg_over.setVisible(i, false);
    }
}

void VexRibbon::HoverCat(int index)
{
    const int last = m_el.CatMouse.highest();
    for (int i = 0; i <= last; ++i) {
        if (i != index) {
            hideCatLit(i);
            continue;
        }
        m_el.Cat_Center_on.setVisible(index, true);
        m_el.Cat_Left_on.setVisible(index, true);
        m_el.Cat_Right_on.setVisible(index, true);
        if (m_el.Cat_Dlg.isVisible(index)) {
            m_el.Cat_Dlg_on.setVisible(index, true);
            m_el.Cat_Dlg_over.setVisible(index, false);
        }
    }
}

void VexRibbon::hideButtonLit(int i)
{
    if (!m_el.Button_center.isVisible(i))
        return;
    m_el.Button_left.setVisible(i, false);
    m_el.Button_right.setVisible(i, false);
    m_el.Button_center.setVisible(i, false);
    if (m_el.Glip_off.isVisible(i))
        m_el.Glip_on.setVisible(i, false);
}

void VexRibbon::HoverButton(int index)
{
    const int last = m_el.ButMouse.highest();
    for (int i = 0; i <= last; ++i) {
        if (i != index) {
            hideButtonLit(i);
        } else if (!m_el.Button_left.isVisible(index)) {
            m_el.Button_left.setVisible(index, true);
            m_el.Button_center.setVisible(index, true);
            m_el.Button_right.setVisible(index, true);
            if (m_el.Glip_off.isVisible(index))
                m_el.Glip_on.setVisible(index, true);
        }
    }
}

void VexRibbon::pointerMoved(const Hit &hit)
{
    const ElementFamily *family = hit.family;
    const int i = hit.index;
    if (family == &m_el.Barra2 || family == &m_el.BarraLeft || family == &m_el.BarraRight) {
        HoverTab(-1);
        HoverCat(-1);
        HoverButton(-1);
    } else if (family == &m_el.TabMouse) {
        HoverTab(i);
        HoverCat(-1);
        HoverButton(-1);
    } else if (family == &m_el.CatMouse || family == &m_el.Cat_Dlg
               || family == &m_el.Cat_Dlg_on) {
        HoverTab(-1);
        HoverCat(i);
        HoverButton(-1);
        if (family == &m_el.Cat_Dlg_on)
            m_el.Cat_Dlg_over.setVisible(i, true);
    } else if (family == &m_el.ButMouse) {
        HoverTab(-1);
        bool ok = false;
        const int cat = m_el.Button_center[i].tag.toInt(&ok);
        if (ok)
            HoverCat(cat);
        HoverButton(i);
    } else {
        return;
    }
    update();
}

void VexRibbon::showPressed(int index, bool pressed)
{
    m_el.Button_left_over.setVisible(index, pressed);
    m_el.Button_center_over.setVisible(index, pressed);
    m_el.Button_right_over.setVisible(index, pressed);
    update();
}

void VexRibbon::selectTab(int index)
{
    if (index < 0 || index >= m_tabCount)
        return;
    HoverTab(-1);
    const int last = m_el.TabMouse.highest();
    for (int i = 0; i <= last; ++i) {
        const bool selected = i == index;
        m_el.Tab_center.setVisible(i, selected);
        m_el.Tab_left.setVisible(i, selected);
        m_el.Tab_right.setVisible(i, selected);
        m_el.Tab_caption[i].foreColor = selected ? m_tabCaptionColorSelected : m_tabCaptionColor;
    }
    m_selectedTab = index;
    m_currentTab = m_tabs[index].Key;
    DrawCats();
    update();
    emit TabClick(m_tabs[index].Key, m_tabs[index].Caption);
}

void VexRibbon::clicked(const Hit &hit)
{
    const int i = hit.index;
    if (hit.family == &m_el.TabMouse)
        selectTab(i);
    else if (hit.family == &m_el.Cat_Dlg_over)
        emit CatClick(m_el.Cat_Caption[i].tag, m_el.Cat_Caption[i].caption);
    else if (hit.family == &m_el.ButMouse)
        emit ButtonClick(m_el.ButMouse[i].tag, m_el.Button_Caption[i].caption);
}

void VexRibbon::mouseMoveEvent(QMouseEvent *event)
{
    pointerMoved(hitAt(event->position()));
}

void VexRibbon::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = hitAt(event->position());
    if (m_pressed.family == &m_el.ButMouse)
        showPressed(m_pressed.index, true);
}

void VexRibbon::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const Hit pressed = m_pressed;
    m_pressed = Hit{};
    if (pressed.family == &m_el.ButMouse)
        showPressed(pressed.index, false);
    if (pressed.family && hitAt(event->position()) == pressed)
        clicked(pressed);
}

// The pointer leaving the control is taken as a move onto the bar: nothing
// stays lit under a pointer that is gone.
void VexRibbon::leaveEvent(QEvent *)
{
    pointerMoved(Hit{&m_el.Barra2, 0});
}

bool VexRibbon::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    const Hit hit = hitAt(help->pos());
    const RibbonElement *element = hit.family ? &(*hit.family)[hit.index] : nullptr;
    if (element && !element->toolTipText.isEmpty()) {
        QToolTip::showText(help->globalPos(), element->toolTipText, this);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
}
