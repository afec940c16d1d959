// SPDX-License-Identifier: MIT
#include "web/css.h"

#include "frontend/fonts.h"
#include "frontend/window.h"

#include <array>
#include <cstddef>
#include <cstdio>

namespace web {

using namespace wave;

std::string css_px(double pixels) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.6gpx", pixels);
    return text.data();
}

std::string css_colour(Colour colour) {
    std::array<char, 8> text{};
    const Rgb rgb = rgb_of(colour);
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text.data();
}

std::string css_edge(const Edge& edge) {
    // The first shadow lies on top: each ring's second side yields at the corners.
    return "inset 1px 1px " + css_colour(edge.outer_top_left) + ",inset -1px -1px " +
           css_colour(edge.outer_bottom_right) + ",inset 2px 2px " +
           css_colour(edge.inner_top_left) + ",inset -2px -2px " +
           css_colour(edge.inner_bottom_right);
}

std::string css_font(FontId font, double pixels) {
    if (font == FontId::NoFont) {
        return {};
    }
    // The faces the site bundles, in the order of Face.
    static constexpr std::array<const char*, 3> kFamilies{
        "'Wave Serif', serif", "'Wave PGothic', sans-serif", "'Wave Gothic', sans-serif"};
    const FontStyle style = font_style(font);
    return std::string(style.italic ? "italic " : "") + (style.bold ? "bold " : "") +
           css_px(pixels > 0 ? pixels : style.pixels) + " " +
           kFamilies.at(static_cast<std::size_t>(style.face));
}

} // namespace web
