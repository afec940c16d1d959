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
    void solid(int x1, int y1, int x2, int y2, std::uint32_t colour);
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
    void put(int x, int y, std::uint32_t colour) {
        if (x >= 0 && x < width_ && y >= 0 && y < height_) {
            pixels_[static_cast<std::ptrdiff_t>(y) * stride_ + x] = colour;
        }
    }

    std::uint32_t* pixels_;
    std::ptrdiff_t stride_;
    int width_;
    int height_;
};

} // namespace wave
