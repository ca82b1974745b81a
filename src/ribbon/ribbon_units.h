#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// The ribbon places everything in twips, 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

// Colours are &HBBGGRR values; the top bit marks a system colour.
inline constexpr quint32 kSystemWindowText = 0x80000008u;

QColor ribbonColor(quint32 value, const QPalette &palette);
