// SPDX-License-Identifier: MIT
#pragma once

#include "ui/layout.h"

namespace wave {

// The faces the layout names: "Times New Roman", "ＭＳ Ｐゴシック", "ＭＳ ゴシック".
enum class Face { Times, GothicP, Gothic };

// What a font of the layout is, in pixels: 9.75 pt and 8.25 pt are 13 and 11
// pixels at 96 dpi, where the twips were measured.
struct FontStyle {
    Face face;
    int pixels;
    bool bold;
    bool italic;
};

// Not for FontId::NoFont, which names no font.
FontStyle font_style(FontId id);

} // namespace wave
