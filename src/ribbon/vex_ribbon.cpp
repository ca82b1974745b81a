#include "vex_ribbon.h"

#include "ribbon_error.h"
#include "ribbon_pictures.h"
#include "ribbon_units.h"
#include "vex_image_list.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace {

// The top of the band lies above the control and is cut off.
constexpr int kBandHiddenTwips = 390;
constexpr int kBandWidthTwips = 30720;

RibbonError subscriptOutOfRange()
{
    return RibbonError(RibbonError::SubscriptOutOfRange, QStringLiteral("Subscript out of range"),
                       QStringLiteral("VexRibbon"));
}

} // namespace

VexRibbon::VexRibbon(QWidget *parent)
    : QWidget(parent),
      m_skins{VexSkin{QStringLiteral("Skin1"), RibbonPictures::themeType(0)},
              VexSkin{QStringLiteral("Skin2"), RibbonPictures::themeType(1)},
              VexSkin{QStringLiteral("Skin3"), RibbonPictures::themeType(2)}},
      m_measurer(std::make_unique<FontTextMeasurer>())
{
    m_el.Barra2[0].top = -kBandHiddenTwips;
    m_el.BarraLeft[0].top = m_el.Barra2[0].top;
    m_el.BarraRight[0].top = m_el.Barra2[0].top;
    m_el.Barra2[0].width = kBandWidthTwips;
    m_el.TabMouse[0].transparent = true;
    m_el.CatMouse[0].transparent = true;
    m_el.ButMouse[0].transparent = true;

    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Resize();
    InitProperties();
}

VexRibbon::~VexRibbon() = default;

void VexRibbon::setTextMeasurer(std::unique_ptr<RibbonTextMeasurer> measurer)
{
    if (measurer)
        m_measurer = std::move(measurer);
}

QString VexRibbon::oneLine(const QString &text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return line;
}

void VexRibbon::Refresh()
{
    Resize();
    DrawTabs();
    DrawCats();
    update();
}

void VexRibbon::Resize()
{
    setFixedHeight(int((m_el.Barra2[0].height - kBandHiddenTwips) / kTwipsPerPixel));
}

int VexRibbon::AddTab(const QString &key, const QString &caption)
{
    if (m_tabCount >= kMaxTabs)
        throw subscriptOutOfRange();
    m_tabs[m_tabCount] = TabEntry{key, oneLine(caption)};
    ++m_tabCount;
    if (m_currentTab.isEmpty())
        m_currentTab = key;
    return 0;
}

int VexRibbon::AddCat(const QString &key, const QString &tabKey, const QString &caption, int dlg)
{
    if (m_catCount >= kMaxCats)
        throw subscriptOutOfRange();
    m_cats[m_catCount] = CatEntry{key, tabKey, oneLine(caption), dlg};
    ++m_catCount;
    return 0;
}

int VexRibbon::AddButton(const QString &key, const QString &catKey, const QString &caption,
                         int icon, int flag, const QString &tip)
{
    if (m_buttonCount >= kMaxButtons)
        throw subscriptOutOfRange();
    if (!m_hostImageList)
        throw RibbonError(RibbonError::ObjectNotSet,
                          QStringLiteral("Object variable or With block variable not set"),
                          QStringLiteral("VexRibbon"));
    // Taken before anything is stored, so a bad index leaves no half entry.
    const QImage picture = m_hostImageList->picture(icon);
    ButtonEntry &entry = m_buttons[m_buttonCount];
    entry.Key = key;
    entry.CatKey = catKey;
    entry.Caption = caption;
    entry.Tip = oneLine(tip.isEmpty() ? caption : tip);
    entry.Icon = picture;
    entry.Flag = flag;
    ++m_buttonCount;
    return 0;
}

void VexRibbon::setTheme(int theme)
{
    if (theme < 0 || theme > 2)
        theme = 0;
    m_themeValue = theme;
    emit propertyChanged(QStringLiteral("Theme"));
    ApplyTheme(theme);
    update();
}

void VexRibbon::setButtonCenter(bool center)
{
    m_centerButtons = center;
    emit propertyChanged(QStringLiteral("ButtonCenter"));
}

const VexSkin &VexRibbon::LoadSkin() const
{
    if (m_themeValue >= 1 && m_themeValue <= 2)
        return m_skins[m_themeValue];
    return m_skins[0];
}

QImage VexRibbon::LoadBackground() const
{
    const QImage picture = RibbonPictures::picture(m_themeValue, RibbonPictures::Background);
    if (picture.isNull())
        throw RibbonError(RibbonError::ResourceNotFound,
                          QStringLiteral("Resource with identifier '141' not found"),
                          QCoreApplication::applicationName() + QStringLiteral(".cLoadResPicture"));
    return picture;
}

void VexRibbon::InitProperties()
{
    m_themeValue = 0;
    m_centerButtons = false;
}

void VexRibbon::ReadProperties(const QVariantMap &bag)
{
    bool ok = false;
    const int theme = bag.value(QStringLiteral("Theme"), 0).toInt(&ok);
    m_themeValue = ok ? theme : 0;
    m_centerButtons = bag.value(QStringLiteral("ButtonCenter"), false).toBool();
}

void VexRibbon::WriteProperties(QVariantMap &bag) const
{
    bag.insert(QStringLiteral("Theme"), m_themeValue);
    bag.insert(QStringLiteral("ButtonCenter"), m_centerButtons);
    bag.insert(QStringLiteral("BackColor"), m_backColor);
    bag.insert(QStringLiteral("ForeColor"), m_foreColor);
}

void VexRibbon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), ribbonColor(m_backColor, palette()));

    std::vector<const RibbonElement *> shown;
    for (const ElementFamily *family : m_el.all())
        for (const auto &item : family->items())
            if (item.second.visible)
                shown.push_back(&item.second);
    std::sort(shown.begin(), shown.end(),
              [](const RibbonElement *a, const RibbonElement *b) { return a->z < b->z; });

    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const RibbonElement *e : shown) {
        const QRectF target(e->left / kTwipsPerPixel, e->top / kTwipsPerPixel,
                            e->width / kTwipsPerPixel, e->height / kTwipsPerPixel);
        if (e->kind == RibbonElement::Kind::Picture) {
            if (!e->picture.isNull())
                painter.drawImage(target, e->picture);
        } else if (!e->caption.isEmpty()) {
            painter.setFont(e->font);
            painter.setPen(ribbonColor(e->foreColor, palette()));
            const int align = Qt::AlignTop | Qt::TextDontClip | (e->centred ? Qt::AlignHCenter : Qt::AlignLeft);
            painter.drawText(target, align, ribbonCaptionLines(e->caption).join(QLatin1Char('\n')));
        }
    }
}
