#pragma once

#include <QImage>
#include <QString>

// The pictures of the three ribbon themes, drawn on demand. Ids and pixel
// sizes are the ones the ribbon's templates expect.
namespace RibbonPictures {

enum Id {
    Band = 101, BandLeft = 102, BandRight = 103,
    DlgGlyph = 118, DlgGlyphLit = 119, DlgGlyphOver = 120,
    CatLeftOff = 121, CatCenterOff = 122, CatRightOff = 123,
    CatLeftOn = 124, CatCenterOn = 125, CatRightOn = 126,
    TabLeft = 127, TabCenter = 128, TabRight = 129,
    TabLeftOver = 130, TabCenterOver = 131, TabRightOver = 132,
    GlipOff = 133, GlipOn = 134,
    ButtonLeftPressed = 135, ButtonCenterPressed = 136, ButtonRightPressed = 137,
    ButtonLeftLit = 138, ButtonCenterLit = 139, ButtonRightLit = 140,
    Background = 141
};

// "BLACK", "BLUE" or "SILVER" for themes 0, 1 and 2; "" for any other value.
QString themeType(int theme);

// Null for a theme or id that has no picture.
QImage picture(int theme, int id);

} // namespace RibbonPictures
