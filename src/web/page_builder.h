// SPDX-License-Identifier: MIT
#pragma once

#include "ui/layout.h"

#include <emscripten/val.h>

#include <string>
#include <vector>

namespace web {

struct BuiltControl {
    const wave::ControlRow* row;
    emscripten::val element; // carries data-name
    emscripten::val inner;   // a plot's canvas, an option's radio input; else undefined
};

// The 72 controls as page elements inside app, from the layout table: one
// element per row, placed inside its container's element, in table order.
std::vector<BuiltControl> build_controls(const emscripten::val& app);

// The table's faces as CSS fonts over the faces the site bundles.
std::string css_font(wave::FontId font);

// Picture boxes draw a border this deep; what they hold is placed inside it.
inline constexpr int kPlotBorder = 2;

} // namespace web
