#include "ribbon_units.h"

QColor ribbonColor(quint32 value, const QPalette &palette)
{
    if (value & 0x80000000u) {
        switch (value & 0xFFu) {
        case 5: return palette.color(QPalette::Base);
        case 15: return palette.color(QPalette::Button);
        case 18: return palette.color(QPalette::ButtonText);
        default: return palette.color(QPalette::WindowText);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
