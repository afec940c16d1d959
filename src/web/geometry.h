// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/window.h"

#include <algorithm>

// The page's arithmetic, kept free of the browser so it can be checked anywhere.
namespace web {

// Uniform scale that makes the app box, the window's client area, fill the
// viewport, larger or smaller.
inline double fill_scale(double viewport_width, double viewport_height) {
    if (viewport_width <= 0 || viewport_height <= 0) {
        return 1.0;
    }
    return std::min(viewport_width / wave::kClientWidth, viewport_height / wave::kClientHeight);
}

// Where the box's top-left corner goes when the window's outer rectangle
// (left/top/width/height in CSS pixels) has its client area centred in it.
inline double client_offset(double outer_start, double outer_size, double client_size) {
    return outer_start + (outer_size - client_size) / 2;
}

} // namespace web
