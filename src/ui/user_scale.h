// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cmath>

namespace wave {

struct PixelPoint {
    int col;
    int row;
    bool operator==(const PixelPoint&) const = default;
};

struct UserPoint {
    double x;
    double y;
};

// Maps a plot's user coordinates (x1 left, x2 right, y1 top, y2 bottom) onto
// a grid of columns x rows. The far edges x2 and y2 land on the last column
// and row, so a wave touching the bottom edge shows on it.
struct UserScale {
    double x1 = 0, y1 = 0, x2 = 1, y2 = 1;
    int columns = 1, rows = 1;

    PixelPoint toPixel(double x, double y) const {
        return {cell((x - x1) / (x2 - x1) * columns, columns),
                cell((y - y1) / (y2 - y1) * rows, rows)};
    }

    // The user coordinates of a pixel's centre.
    UserPoint fromPixel(int col, int row) const {
        return {x1 + (col + 0.5) * (x2 - x1) / columns, y1 + (row + 0.5) * (y2 - y1) / rows};
    }

private:
    static int cell(double p, int n) {
        if (p == n) {
            return n - 1;
        }
        // Far outside the plot is clipped later; keep it within int.
        constexpr double limit = 1 << 24;
        if (std::isnan(p)) {
            return -static_cast<int>(limit);
        }
        return static_cast<int>(std::floor(std::clamp(p, -limit, limit)));
    }
};

} // namespace wave
