// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/window.h"
#include "ui/layout.h"

#include <string>

// The page's CSS values, written the same by the page and by the site build.
namespace web {

std::string css_px(double pixels);
// 0x00BBGGRR as "#rrggbb".
std::string css_colour(wave::Colour colour);
// A two-pixel edge drawn inside a box, as its box-shadow.
std::string css_edge(const wave::Edge& edge);
// The table's faces as CSS fonts over the faces the site bundles, at another
// size in pixels when one is given.
std::string css_font(wave::FontId font, double pixels = 0);

} // namespace web
