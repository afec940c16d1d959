// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"
#include "ui/layout.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace wave {

// The window itself, as every front end and test shows it.
inline constexpr std::string_view kWindowTitle = "波の合成";
inline constexpr int kClientWidthTwips = 6900;
inline constexpr int kClientHeightTwips = 6990;
// The client area in logical pixels: 460 x 466.
inline constexpr int kClientWidth = kClientWidthTwips / kTwipsPerPixel;
inline constexpr int kClientHeight = kClientHeightTwips / kTwipsPerPixel;
inline constexpr Colour kWindowBack = 0xC0C0C0; // silver

// A colour's channels: colours come as 0x00BBGGRR, red in the low byte.
struct Rgb {
    int red, green, blue;
};
constexpr Rgb rgb_of(Colour c) {
    return {static_cast<int>(c & 0xFFu), static_cast<int>((c >> 8) & 0xFFu),
            static_cast<int>((c >> 16) & 0xFFu)};
}

// A picture box's sunken edge, in logical pixels: its drawing area and the
// controls it holds lie inside it.
inline constexpr int kPlotBorder = 2;
// Device pixels for a length in logical pixels (CSS pixels of the unscaled
// page) at the screen's ratio; never zero.
inline int device_pixels(double logical, double ratio) {
    return std::max(1, static_cast<int>(std::lround(logical * ratio)));
}
// A picture box whose row names no colour of its own.
inline constexpr Colour kPlotBack = 0xFFFFFF;

// An edge two pixels deep: the outer ring's top and left sides, its bottom
// and right, then the inner ring's.
struct Edge {
    Colour outer_top_left, outer_bottom_right, inner_top_left, inner_bottom_right;
};
// A picture box's, sunken.
inline constexpr Edge kPlotEdge{0x808080, 0xFFFFFF, 0x404040, 0xC8D0D4};
// A frame's, etched: a dark line with a light one inside it, as the desktop's
// style draws it from its palette.
inline constexpr Edge kFrameEdge{0x808080, 0xFFFFFF, 0xFFFFFF, 0x808080};

// The window's outer size as the logic set it, remembered: the window manager
// or the page owns the real frame. A front end moves the window in Left and Top.
class RememberedWindow : public Window {
public:
    float Width() const override { return width_; }
    float Height() const override { return height_; }
    void Width(float twips) override { width_ = twips; }
    void Height(float twips) override { height_ = twips; }

private:
    float width_ = 0, height_ = 0;
};

} // namespace wave
