// SPDX-License-Identifier: MIT
#include "ui/pixel_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace wave {

// Positions run in 26.6 fixed point along the main axis and 16.16 across it,
// as the raster engine's do; every rounding below is the one it makes, since
// a pixel off would show as a changed picture.

namespace {

constexpr int kHalf = 32; // half a pixel in 26.6

int to_26_6(double v) {
    return static_cast<int>(v * 64.0);
}

// Both divisions truncate; the narrow one is the faster.
std::int64_t slope_16_16(int across, int along) {
    if (std::abs(across) > 0x7FFF) {
        return (static_cast<std::int64_t>(across) << 16) / along;
    }
    return static_cast<std::int64_t>(across * 65536 / along);
}

// Within the one pixel beyond each edge that clipping keeps: such ends are
// whole pixels already in fixed point, and need no clipping.
bool near(int v, int size) {
    return v >= -1 && v <= size + 1;
}

} // namespace

void PixelLines::point(int x, int y, std::uint32_t colour) {
    put(x, y, colour);
}

void PixelLines::dotted(int x1, int y1, int x2, int y2, std::uint32_t colour) {
    segment(x1, y1, x2, y2, colour, true);
}

void PixelLines::segment(int x1, int y1, int x2, int y2, std::uint32_t colour, bool dotted) {
    if (x1 == x2 && y1 == y2) {
        put(x1, y1, colour);
        return;
    }
    if (near(x1, width_) && near(x2, width_) && near(y1, height_) && near(y2, height_)) {
        walk(x1 * 64, y1 * 64, x2 * 64, y2 * 64, colour, dotted);
        return;
    }
    double fx1 = x1;
    double fy1 = y1;
    double fx2 = x2;
    double fy2 = y2;
    if (clip(fx1, fy1, fx2, fy2)) {
        walk(to_26_6(fx1), to_26_6(fy1), to_26_6(fx2), to_26_6(fy2), colour, dotted);
    }
}

void PixelLines::dottedColumns(int left, int right, int y1, int y2, std::uint32_t colour) {
    // Only a line within reach of the edges is walked without clipping, and
    // only then are its rows the same in every column.
    if (y1 == y2 || !near(y1, height_) || !near(y2, height_)) {
        for (int x = left; x <= right; ++x) {
            dotted(x, y1, x, y2, colour);
        }
        return;
    }
    // The rows dotted() takes in a vertical line: every other row down from
    // the upper end, one lower when the dots are anchored at a lower start
    // an even number of rows away.
    int along = y1 < y2 ? y1 : y2;
    const int end = y1 < y2 ? y2 : y1;
    if (y1 > y2 && (end - along) % 2 == 0) {
        ++along;
    }
    if (along < 0) {
        along += (-along + 1) / 2 * 2;
    }
    const int stop = end < height_ ? end : height_;
    const int first = left > 0 ? left : 0;
    const int last = right < width_ - 1 ? right : width_ - 1;
    if (first > last) {
        return;
    }
    for (; along < stop; along += 2) {
        std::uint32_t* row = pixels_ + static_cast<std::ptrdiff_t>(along) * stride_;
        std::fill(row + first, row + last + 1, colour);
    }
}

namespace {

// Cuts a segment where its a coordinate leaves [lo, hi], moving b along
// the segment; false when it lies wholly outside.
bool cut(double& a1, double& b1, double& a2, double& b2, double lo, double hi) {
    if (a1 < lo) {
        if (a2 <= lo) {
            return false;
        }
        b1 += (b2 - b1) / (a2 - a1) * (lo - a1);
        a1 = lo;
    } else if (a1 > hi) {
        if (a2 >= hi) {
            return false;
        }
        b1 += (b2 - b1) / (a2 - a1) * (hi - a1);
        a1 = hi;
    }
    if (a2 < lo) {
        b2 += (b2 - b1) / (a2 - a1) * (lo - a2);
        a2 = lo;
    } else if (a2 > hi) {
        b2 += (b2 - b1) / (a2 - a1) * (hi - a2);
        a2 = hi;
    }
    return true;
}

} // namespace

// Cut to one pixel beyond each edge, in floating point so far-off ends
// cannot overflow the fixed point that follows.
bool PixelLines::clip(double& x1, double& y1, double& x2, double& y2) const {
    return cut(x1, y1, x2, y2, -1, width_ + 1) && cut(y1, x1, y2, x2, -1, height_ + 1);
}

void PixelLines::walk(int x1, int y1, int x2, int y2, std::uint32_t colour, bool dotted) {
    // Square caps reach half a pixel past both ends; flat caps stop at them.
    const bool caps = !dotted;

    const bool steep = std::abs(x2 - x1) < std::abs(y2 - y1);
    if (!steep) {
        // Walk along x; the same code serves y with the axes swapped.
        if (x1 == x2) {
            return;
        }
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    const bool reversed = y1 > y2;
    if (reversed) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const std::int64_t inc = slope_16_16(x2 - x1, y2 - y1);
    std::int64_t across = static_cast<std::int64_t>(x1) * 1024;
    if (caps) {
        y1 -= kHalf;
        across -= inc >> 1;
        y2 += kHalf;
    }
    int along = (y1 + kHalf) >> 6;
    const int end = (y2 + kHalf) >> 6;
    if (along == end) {
        return;
    }
    // The first step is taken from the pixel's centre when the line climbs
    // across its axis, from its edge otherwise: an asymmetry the pixels keep.
    const int lead = inc > 0 ? kHalf : 0;
    across += ((static_cast<std::int64_t>(along) * 64 + lead - y1) * inc) >> 6;

    // Dots are anchored where the line starts; walked from its far end, the
    // first pixel is a dot when the count leaves the start on one.
    int stride = 1;
    if (dotted) {
        if (reversed && (end - along) % 2 == 0) {
            ++along;
            across += inc;
        }
        stride = 2;
    }
    const std::int64_t delta = inc * stride;
    if (inc == 0) {
        // Straight along an axis: one bounds test for the whole line.
        const auto a = static_cast<int>(across >> 16);
        const int size = steep ? height_ : width_;
        if (a < 0 || a >= (steep ? width_ : height_)) {
            return;
        }
        if (along < 0) {
            along += (-along + stride - 1) / stride * stride;
        }
        const int stop = end < size ? end : size;
        const std::ptrdiff_t jump = steep ? stride_ * stride : stride;
        std::uint32_t* p = steep ? pixels_ + static_cast<std::ptrdiff_t>(along) * stride_ + a
                                 : pixels_ + static_cast<std::ptrdiff_t>(a) * stride_ + along;
        for (; along < stop; along += stride, p += jump) {
            *p = colour;
        }
        return;
    }
    // Wholly inside, as nearly every segment of a wave is: no test per pixel.
    const int count = dotted ? (end - along + 1) / 2 : end - along;
    const auto first = static_cast<int>(across >> 16);
    const auto last = static_cast<int>((across + (count - 1) * delta) >> 16);
    const int low = first < last ? first : last;
    const int high = first < last ? last : first;
    if (along >= 0 && low >= 0 && end <= (steep ? height_ : width_) &&
        high < (steep ? width_ : height_)) {
        if (steep) {
            std::uint32_t* row = pixels_ + static_cast<std::ptrdiff_t>(along) * stride_;
            const std::ptrdiff_t jump = stride_ * stride;
            for (int n = 0; n < count; ++n, row += jump, across += delta) {
                row[across >> 16] = colour;
            }
        } else {
            std::uint32_t* column = pixels_ + along;
            for (int n = 0; n < count; ++n, column += stride, across += delta) {
                column[(across >> 16) * stride_] = colour;
            }
        }
        return;
    }
    if (steep) {
        for (; along < end; along += stride, across += delta) {
            put(static_cast<int>(across >> 16), along, colour);
        }
    } else {
        for (; along < end; along += stride, across += delta) {
            put(along, static_cast<int>(across >> 16), colour);
        }
    }
}

} // namespace wave
