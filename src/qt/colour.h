// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"

#include <QColor>

namespace desktop {

// Colours arrive as 0x00BBGGRR: red in the low byte. As a 32-bit pixel, for
// writing into an image directly:
inline QRgb to_argb(wave::Colour c) {
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

inline QColor to_qcolor(wave::Colour c) {
    return QColor::fromRgb(to_argb(c));
}

} // namespace desktop
