#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <map>
#include <vector>

class RibbonTextMeasurer;

// One visible piece of the ribbon: a picture or a text label, placed in twips.
struct RibbonElement
{
    enum class Kind { Picture, Label };

    Kind kind = Kind::Picture;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool visible = false;
    QString tag;
    quint64 z = 0; // stacking order: higher lies in front

    // Pictures
    QImage picture;
    bool stretch = false;

    // Labels
    QString caption;
    quint32 foreColor = 0;
    QFont font;
    bool centred = false;
    bool autoSize = false;
    bool transparent = false;
    QString toolTipText;

    QRectF rect() const { return QRectF(left, top, width, height); }
    bool contains(const QPointF &twips) const;

    // A picture without stretch takes the picture's size.
    void setPicture(const QImage &image);
    // An auto-sizing label takes the size of its text.
    void setCaption(const QString &text, const RibbonTextMeasurer &measurer);
};

// An indexed family of elements. Element 0 is the template every created
// element copies; created elements start hidden.
class ElementFamily
{
public:
    ElementFamily(const char *name, const RibbonElement &element0);

    const char *name() const { return m_name; }
    bool exists(int index) const { return m_items.count(index) != 0; }
    RibbonElement &operator[](int index) { return m_items.at(index); }
    const RibbonElement &operator[](int index) const { return m_items.at(index); }
    int highest() const { return m_items.rbegin()->first; }
    const std::map<int, RibbonElement> &items() const { return m_items; }

    // False when the index is taken (or negative); the family is unchanged then.
    bool create(int index, quint64 z);
    // False for the template or a missing index.
    bool destroy(int index);

    bool isVisible(int index) const { return exists(index) && m_items.at(index).visible; }
    void setVisible(int index, bool visible);

private:
    const char *m_name;
    std::map<int, RibbonElement> m_items;
};

// Every element family of the ribbon, named as the layout refers to them.
class RibbonElements
{
public:
    RibbonElements();
    RibbonElements(const RibbonElements &) = delete;
    RibbonElements &operator=(const RibbonElements &) = delete;

    ElementFamily Barra2, BarraLeft, BarraRight;
    ElementFamily Tab_left, Tab_center, Tab_right;
    ElementFamily Tab_left_over, Tab_center_over, Tab_right_over;
    ElementFamily Tab_caption, TabMouse;
    ElementFamily Cat_Left_off, Cat_Center_off, Cat_Right_off;
    ElementFamily Cat_Left_on, Cat_Center_on, Cat_Right_on;
    ElementFamily Cat_Caption;
    ElementFamily Cat_Dlg, Cat_Dlg_on, Cat_Dlg_over;
    ElementFamily CatMouse;
    ElementFamily Button_left, Button_center, Button_right;
    ElementFamily Button_left_over, Button_center_over, Button_right_over;
    ElementFamily Button_Icon, Button_Caption;
    ElementFamily Glip_off, Glip_on;
    ElementFamily ButMouse;

    const std::vector<ElementFamily *> &all() const { return m_all; }

    bool create(ElementFamily &family, int index) { return family.create(index, ++m_top); }
    void bringToFront(ElementFamily &family, int index);

    // The topmost visible element under a point, as family and index.
    struct Hit
    {
        const ElementFamily *family = nullptr;
        int index = -1;
        bool operator==(const Hit &) const = default;
    };
    Hit topmostAt(const QPointF &twips) const;

private:
    std::vector<ElementFamily *> m_all;
    quint64 m_top = 0;
};
