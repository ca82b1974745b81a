#pragma once

#include "ribbon_element.h"
#include "ribbon_text_measurer.h"
#include "vex_image_list.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <QWidget>

#include <array>
#include <memory>


struct TabEntry
{
    QString Key;
    QString Caption;
};

struct CatEntry
{
    QString Key;
    QString TabKey;
    QString Caption;
    int Dlg = 0;
};

struct ButtonEntry
{
    QString Key;
    QString CatKey;
    QString Caption;
    QString Tip;
    QImage Icon;
    int Flag = 0;
};

// One stored skin per theme, handed to hosts that skin their windows to match.
struct VexSkin
{
    QString name;
    QString themeType;
};

// The ribbon bar: tabs, their category groups and the groups' buttons.
// Everything is placed in twips; colours are &HBBGGRR values.
class VexRibbon : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMaxTabs = 31;
    static constexpr int kMaxCats = 31;
    static constexpr int kMaxButtons = 91;

    explicit VexRibbon(QWidget *parent = nullptr);
    ~VexRibbon() override;

    void Refresh();
    // Each answers 0, or throws RibbonError when the entry cannot be stored;
    // a refused entry leaves the tables as they were.
    int AddTab(const QString &key, const QString &caption);
    int AddCat(const QString &key, const QString &tabKey, const QString &caption, int dlg);
    int AddButton(const QString &key, const QString &catKey, const QString &caption, int icon,
                  int flag, const QString &tip = QString());

    int Theme() const { return m_themeValue; }
    void setTheme(int theme);
    bool ButtonCenter() const { return m_centerButtons; }
    void setButtonCenter(bool center);
    const VexSkin &LoadSkin() const;
    QImage LoadBackground() const;
    void Resize();
    void setImageList(VexImageList *list) { m_hostImageList = list; }
    quint32 BackColor() const { return m_backColor; }
    quint32 ForeColor() const { return m_foreColor; }

    // The host's property store.
    void InitProperties();
    void ReadProperties(const QVariantMap &bag);
    void WriteProperties(QVariantMap &bag) const;

    int TabCount() const { return m_tabCount; }
    int CatCount() const { return m_catCount; }
    int ButtonCount() const { return m_buttonCount; }
    const TabEntry &tab(int index) const { return m_tabs.at(index); }
    const CatEntry &cat(int index) const { return m_cats.at(index); }
    const ButtonEntry &button(int index) const { return m_buttons.at(index); }
    QString CurrentTab() const { return m_currentTab; }
    quint32 TabCaptionColor() const { return m_tabCaptionColor; }
    quint32 TabCaptionColorSelected() const { return m_tabCaptionColorSelected; }

    const RibbonElements &elements() const { return m_el; }
    void setTextMeasurer(std::unique_ptr<RibbonTextMeasurer> measurer);

signals:
    void TabClick(const QString &key, const QString &caption);
    void CatClick(const QString &key, const QString &caption);
    void ButtonClick(const QString &key, const QString &caption);
    // The container's notice that a persisted property changed.
    void propertyChanged(const QString &name);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    using Hit = RibbonElements::Hit;

    // Themes
    void ApplyTheme(int theme);
    void repaintExisting(ElementFamily &family, const QImage &picture);
    void recolourExisting();

    // Layout
    void DrawTabs();
    void DrawCats();
    int DrawButtons(const QString &catKey, int x, int catIndex);
    void placeTab(int i, bool selected);
    void placeCat(int i, const CatEntry &entry);
    void placeButton(int j, int previous, const ButtonEntry &b, int x, int catIndex);
    void destroyAbove0(std::initializer_list<ElementFamily *> families);
    void create(std::initializer_list<ElementFamily *> families, int index);
    void bringToFront(std::initializer_list<ElementFamily *> families, int index);
    void setCaption(RibbonElement &element, const QString &text);

    // Pointer
    Hit hitAt(const QPointF &pixels) const;
    void HoverTab(int index);
    void HoverCat(int index);
    void HoverButton(int index);
    void hideTabHover(int i);
    void hideCatLit(int i);
    void hideButtonLit(int i);
    void pointerMoved(const Hit &hit);
    void clicked(const Hit &hit);
    void selectTab(int index);
    void showPressed(int index, bool pressed);

    static QString oneLine(const QString &text);

    RibbonElements m_el;
    std::array<TabEntry, kMaxTabs> m_tabs;
    std::array<CatEntry, kMaxCats> m_cats;
    std::array<ButtonEntry, kMaxButtons> m_buttons;
    int m_tabCount = 0;
    int m_catCount = 0;
    int m_buttonCount = 0;
    int m_selectedTab = 0;
    QString m_currentTab;
    int m_themeValue = 0;
    bool m_centerButtons = false;
    QPointer<VexImageList> m_hostImageList;
    quint32 m_tabCaptionColor = 0xFFFFFF;
    quint32 m_tabCaptionColorSelected = 0x000000;
    quint32 m_backColor = 0x464646;
    quint32 m_foreColor = 0xFFFFFF;
    std::array<VexSkin, 3> m_skins;
    std::unique_ptr<RibbonTextMeasurer> m_measurer;
    Hit m_pressed;
};
