#pragma once

#include "ui/controls.h"

#include <QColor>

// Colours arrive as 0x00BBGGRR: red in the low byte.
inline QColor to_qcolor(Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}
