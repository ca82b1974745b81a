#include "ribbon_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace RibbonPictures {
namespace {

struct Look
{
    QColor stripTop, stripBottom, bodyTop, bodyBottom, bodyLine;
    QColor frameBorder, frameTop, frameBottom, bandTop, bandBottom;
    QColor litBorder, litTop, litBottom, litBandTop, litBandBottom;
    QColor tabBorder, tabTop, tabOverBorder, tabOverTop, tabOverBottom;
    QColor glyph, glip, backgroundTop, backgroundBottom;
};

const Look &look(int theme)
{
    static const Look black{
        QColor(0x0b, 0x0b, 0x0b), QColor(0x2a, 0x2a, 0x2a), QColor(0xf0, 0xf0, 0xf0),
        QColor(0xc4, 0xc6, 0xc9), QColor(0x6a, 0x6a, 0x6a),
        QColor(0x9c, 0x9e, 0xa2), QColor(255, 255, 255, 70), QColor(255, 255, 255, 20),
        QColor(0x62, 0x62, 0x62), QColor(0x46, 0x46, 0x46),
        QColor(0x80, 0x82, 0x86), QColor(255, 255, 255, 150), QColor(255, 255, 255, 60),
        QColor(0x72, 0x72, 0x72), QColor(0x56, 0x56, 0x56),
        QColor(0x8a, 0x8a, 0x8a), QColor(0xfc, 0xfc, 0xfc), QColor(0x80, 0x80, 0x80),
        QColor(0x58, 0x58, 0x58), QColor(0x36, 0x36, 0x36),
        QColor(0xff, 0xff, 0xff), QColor(0x10, 0x10, 0x10), QColor(0x5a, 0x5a, 0x5a),
        QColor(0x1c, 0x1c, 0x1c)};
    static const Look blue{
        QColor(0xbf, 0xdb, 0xff), QColor(0xb4, 0xd0, 0xf4), QColor(0xe3, 0xee, 0xfb),
        QColor(0xc2, 0xd8, 0xf1), QColor(0x8d, 0xb2, 0xe3),
        QColor(0x9a, 0xbb, 0xe3), QColor(255, 255, 255, 90), QColor(255, 255, 255, 30),
        QColor(0xc6, 0xda, 0xf3), QColor(0xb1, 0xcb, 0xec),
        QColor(0x6d, 0x9c, 0xd8), QColor(255, 255, 255, 180), QColor(255, 255, 255, 80),
        QColor(0xd8, 0xe7, 0xfa), QColor(0xc2, 0xd8, 0xf5),
        QColor(0x8d, 0xb2, 0xe3), QColor(0xff, 0xff, 0xff), QColor(0x9e, 0xc0, 0xea),
        QColor(0xe8, 0xf1, 0xfd), QColor(0xcd, 0xe0, 0xf8),
        QColor(0x3e, 0x6a, 0xb8), QColor(0x15, 0x42, 0x8b), QColor(0xd6, 0xe5, 0xf7),
        QColor(0x8e, 0xb0, 0xda)};
    static const Look silver{
        QColor(0xe6, 0xe9, 0xee), QColor(0xd6, 0xda, 0xe1), QColor(0xf6, 0xf7, 0xf9),
        QColor(0xdc, 0xdf, 0xe5), QColor(0xa9, 0xae, 0xb8),
        QColor(0xb4, 0xb8, 0xc1), QColor(255, 255, 255, 90), QColor(255, 255, 255, 30),
        QColor(0xdd, 0xe0, 0xe6), QColor(0xcc, 0xd0, 0xd8),
        QColor(0x94, 0x9a, 0xa6), QColor(255, 255, 255, 180), QColor(255, 255, 255, 80),
        QColor(0xe9, 0xeb, 0xef), QColor(0xd6, 0xd9, 0xe0),
        QColor(0xa9, 0xae, 0xb8), QColor(0xff, 0xff, 0xff), QColor(0xb6, 0xbb, 0xc4),
        QColor(0xfa, 0xfb, 0xfc), QColor(0xe2, 0xe5, 0xea),
        QColor(0x5c, 0x62, 0x6a), QColor(0x4c, 0x52, 0x5a), QColor(0xf2, 0xf3, 0xf5),
        QColor(0xd0, 0xd4, 0xdd)};
    switch (theme) {
    case 1: return blue;
    case 2: return silver;
    default: return black;
    }
}

// Rows of the band that lie above the control, and the row where the
// category area begins (the tab strip is 24 pixels high).
constexpr int kBandHidden = 26;
constexpr int kBandBody = kBandHidden + 24;
constexpr int kCaptionBandTop = 68;
constexpr int kCaptionBandBottom = 87;

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void fillVertical(QPainter &p, const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.fillRect(rect, gradient);
}

QImage band(const Look &l, int width)
{
    QImage image = blank(width, 142);
    QPainter p(&image);
    fillVertical(p, QRectF(0, 0, width, kBandBody), l.stripTop, l.stripBottom);
    fillVertical(p, QRectF(0, kBandBody, width, 142 - kBandBody), l.bodyTop, l.bodyBottom);
    p.fillRect(QRectF(0, kBandBody, width, 1), l.bodyLine);
    p.fillRect(QRectF(0, 141, width, 1), l.bodyLine);
    return image;
}

// The ends of the band round off its lower corners.
QImage bandEnd(const Look &l, bool left)
{
    QImage image = band(l, 7);
    const int edge = left ? 0 : 6;
    const int inner = left ? 1 : 5;
    image.setPixel(edge, 141, 0);
    image.setPixel(edge, 140, 0);
    image.setPixel(inner, 141, 0);
    return image;
}

QPainterPath roundedTop(const QRectF &rect, double radius)
{
    QPainterPath path;
    path.moveTo(rect.bottomLeft());
    path.lineTo(rect.left(), rect.top() + radius);
    path.quadTo(rect.topLeft(), QPointF(rect.left() + radius, rect.top()));
    path.lineTo(rect.right() - radius, rect.top());
    path.quadTo(rect.topRight(), QPointF(rect.right(), rect.top() + radius));
    path.lineTo(rect.bottomRight());
    return path;
}

// A tab drawn whole, to be cut into its left, middle and right pieces.
QImage tab(const Look &l, int width, bool selected)
{
    QImage image = blank(width, 24);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(0.5, 1.5, width - 1, 23);
    const QPainterPath path = roundedTop(rect, 3);
    QLinearGradient gradient(0, 1, 0, 24);
    gradient.setColorAt(0, selected ? l.tabTop : l.tabOverTop);
    gradient.setColorAt(1, selected ? l.bodyTop : l.tabOverBottom);
    p.fillPath(path, gradient);
    p.setPen(QPen(selected ? l.tabBorder : l.tabOverBorder, 1));
    p.drawPath(path);
    return image;
}

// A category frame drawn whole: border, translucent body, caption band.
QImage frame(const Look &l, int width, bool lit)
{
    QImage image = blank(width, 89);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0.5, 0.5, width - 1, 88);
    QPainterPath path;
    path.addRoundedRect(outer, 3, 3);
    fillVertical(p, QRectF(0, 0, width, 89), lit ? l.litTop : l.frameTop,
                 lit ? l.litBottom : l.frameBottom);
    p.setClipPath(path);
    fillVertical(p, QRectF(0, kCaptionBandTop, width, kCaptionBandBottom - kCaptionBandTop + 2),
                 lit ? l.litBandTop : l.bandTop, lit ? l.litBandBottom : l.bandBottom);
    p.setClipping(false);
    p.setPen(QPen(lit ? l.litBorder : l.frameBorder, 1));
    p.drawPath(path);
    return image;
}

// The frame of a lit or pressed button, drawn whole.
QImage buttonFrame(int width, bool pressed)
{
    QImage image = blank(width, 66);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF rect(0.5, 0.5, width - 1, 65);
    QPainterPath path;
    path.addRoundedRect(rect, 2, 2);
    QLinearGradient gradient(0, 0, 0, 66);
    if (pressed) {
        gradient.setColorAt(0, QColor(0xf8, 0xd2, 0x9a));
        gradient.setColorAt(0.45, QColor(0xf6, 0xb5, 0x67));
        gradient.setColorAt(1, QColor(0xfb, 0xd6, 0x7c));
    } else {
        gradient.setColorAt(0, QColor(0xff, 0xfa, 0xdc));
        gradient.setColorAt(0.45, QColor(0xff, 0xe6, 0x94));
        gradient.setColorAt(1, QColor(0xff, 0xf1, 0xb8));
    }
    p.fillPath(path, gradient);
    p.setPen(QPen(pressed ? QColor(0xc2, 0x9b, 0x5c) : QColor(0xdb, 0xc2, 0x7a), 1));
    p.drawPath(path);
    return image;
}

// The dialog launcher: a corner with an arrow pointing down and right.
QImage dlgGlyph(const Look &l, int variant)
{
    QImage image = blank(15, 14);
    QPainter p(&image);
    if (variant == 2) {
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath box;
        box.addRoundedRect(QRectF(0.5, 0.5, 14, 13), 2, 2);
        p.fillPath(box, QColor(0xff, 0xe6, 0x94));
        p.setPen(QColor(0xc2, 0x9b, 0x5c));
        p.drawPath(box);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    const QColor ink = variant == 0 ? l.glyph : (variant == 2 ? QColor(0x30, 0x30, 0x30) : l.glip);
    p.setPen(ink);
    p.drawLine(3, 3, 8, 3);
    p.drawLine(3, 3, 3, 8);
    p.drawLine(6, 6, 10, 10);
    p.drawLine(7, 10, 10, 10);
    p.drawLine(10, 7, 10, 10);
    return image;
}

QImage glip(const Look &l, bool lit)
{
    QImage image = blank(5, 4);
    const QRgb ink = (lit ? QColor(0x20, 0x20, 0x20) : l.glip).rgba();
    for (int x = 0; x < 5; ++x)
        image.setPixel(x, 0, ink);
    for (int x = 1; x < 4; ++x)
        image.setPixel(x, 1, ink);
    image.setPixel(2, 2, ink);
    return image;
}

QImage background(const Look &l, int theme)
{
    if (theme == 2) {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.fill(l.backgroundBottom);
        return image;
    }
    QImage image = blank(499, 157);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillVertical(p, QRectF(0, 0, 499, 157), l.backgroundTop, l.backgroundBottom);
    QRadialGradient glow(QPointF(380, 20), 220);
    glow.setColorAt(0, QColor(255, 255, 255, 70));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);
    return image;
}

// Left edge, middle and right edge widths of the three-piece pictures.
struct Pieces
{
    int left, middle, right;
};

QImage piece(const QImage &whole, const Pieces &widths, int position)
{
    switch (position) {
    case 0: return whole.copy(0, 0, widths.left, whole.height());
    case 1: return whole.copy(widths.left, 0, widths.middle, whole.height());
    default:
        return whole.copy(widths.left + widths.middle, 0, widths.right, whole.height());
    }
}

QImage threePiece(const Look &l, int id)
{
    if (id >= CatLeftOff && id <= CatRightOff) {
        const Pieces w{4, 5, 5};
        return piece(frame(l, w.left + w.middle + w.right, false), w, id - CatLeftOff);
    }
    if (id >= CatLeftOn && id <= CatRightOn) {
        const Pieces w{4, 4, 5};
        return piece(frame(l, w.left + w.middle + w.right, true), w, id - CatLeftOn);
    }
    if (id >= TabLeft && id <= TabRight) {
        const Pieces w{10, 18, 10};
        return piece(tab(l, w.left + w.middle + w.right, true), w, id - TabLeft);
    }
    if (id >= TabLeftOver && id <= TabRightOver) {
        const Pieces w{10, 37, 10};
        return piece(tab(l, w.left + w.middle + w.right, false), w, id - TabLeftOver);
    }
    const Pieces w{3, 49, 3};
    if (id >= ButtonLeftPressed && id <= ButtonRightPressed)
        return piece(buttonFrame(w.left + w.middle + w.right, true), w, id - ButtonLeftPressed);
    return piece(buttonFrame(w.left + w.middle + w.right, false), w, id - ButtonLeftLit);
}

} // namespace

QString themeType(int theme)
{
    switch (theme) {
    case 0: return QStringLiteral("BLACK");
    case 1: return QStringLiteral("BLUE");
    case 2: return QStringLiteral("SILVER");
    default: return QString();
    }
}

QImage picture(int theme, int id)
{
    if (theme < 0 || theme > 2)
        return QImage();
    const Look &l = look(theme);
    switch (id) {
    case Band: return band(l, 11);
    case BandLeft: return bandEnd(l, true);
    case BandRight: return bandEnd(l, false);
    case DlgGlyph: return dlgGlyph(l, 0);
    case DlgGlyphLit: return dlgGlyph(l, 1);
    case DlgGlyphOver: return dlgGlyph(l, 2);
    case GlipOff: return glip(l, false);
    case GlipOn: return glip(l, true);
    case Background: return background(l, theme);
    default: break;
    }
    if (id >= CatLeftOff && id <= ButtonRightLit)
        return threePiece(l, id);
    return QImage();
}

} // namespace RibbonPictures
