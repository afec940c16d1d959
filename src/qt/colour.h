// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/window.h"

#include <QColor>

namespace desktop {

inline QColor to_qcolor(wave::Colour c) {
    const wave::Rgb rgb = wave::rgb_of(c);
    return {rgb.red, rgb.green, rgb.blue};
}

} // namespace desktop
