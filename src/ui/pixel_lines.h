// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

namespace wave {

// One-pixel lines and points written straight into 32-bit pixels, the same
// pixels a raster painter such as Qt's gives for a cosmetic one-pixel pen
// without antialiasing, with endpoints on whole device pixels: square caps for solid
// lines, flat caps and a one-on one-off pattern for dotted ones. A plot draws
// hundreds of two-pixel segments; through a painter each costs more than the
// sample it shows.
class PixelLines {
public:
    PixelLines(std::uint32_t* pixels, std::ptrdiff_t pixelsPerLine, int width, int height)
        : pixels_(pixels), stride_(pixelsPerLine), width_(width), height_(height) {}

    void point(int x, int y, std::uint32_t colour);
    void solid(int x1, int y1, int x2, int y2, std::uint32_t colour) {
        // A wave at one sample a pixel or closer is hundreds of segments at
        // most a pixel long each way; such a segment inks its two ends and
        // nothing else, and the walk below would cost more than the sample.
        if (static_cast<unsigned>(x2 - x1 + 1) <= 2 && static_cast<unsigned>(y2 - y1 + 1) <= 2 &&
            inside(x1, y1) && inside(x2, y2)) {
            pixels_[static_cast<std::ptrdiff_t>(y1) * stride_ + x1] = colour;
            pixels_[static_cast<std::ptrdiff_t>(y2) * stride_ + x2] = colour;
            return;
        }
        segment(x1, y1, x2, y2, colour, false);
    }
    void dotted(int x1, int y1, int x2, int y2, std::uint32_t colour);
    // A dotted line from y1 to y2 in every column from left to right, the
    // same pixels as dotted() column by column, written row by row: a long
    // span's grid has a line in every column, and walking each one down its
    // column touches a new cache line per dot.
    void dottedColumns(int left, int right, int y1, int y2, std::uint32_t colour);

    int height() const { return height_; }

private:
    void segment(int x1, int y1, int x2, int y2, std::uint32_t colour, bool dotted);
    bool clip(double& x1, double& y1, double& x2, double& y2) const;
    // Ends in 26.6 fixed point, already clipped.
    void walk(int x1, int y1, int x2, int y2, std::uint32_t colour, bool dotted);
    bool inside(int x, int y) const {
        return static_cast<unsigned>(x) < static_cast<unsigned>(width_) &&
               static_cast<unsigned>(y) < static_cast<unsigned>(height_);
    }
    void put(int x, int y, std::uint32_t colour) {
        if (inside(x, y)) {
            pixels_[static_cast<std::ptrdiff_t>(y) * stride_ + x] = colour;
        }
    }

    std::uint32_t* pixels_;
    std::ptrdiff_t stride_;
    int width_;
    int height_;
};

} // namespace wave
