// SPDX-License-Identifier: MIT
#include "ui/user_scale.h"

#include <gtest/gtest.h>

using namespace wave;

namespace {

// A component plot: 301 x 69 pixels, x 0..6.28318, y +10 (top) .. -10 (bottom).
const UserScale kPlot{0, 10, 6.28318, -10, 301, 69};

struct MapCase {
    const char* name;
    double x, y;
    PixelPoint pixel;
};

class UserScaleToPixel : public testing::TestWithParam<MapCase> {};

TEST_P(UserScaleToPixel, Maps) {
    const MapCase& c = GetParam();
    EXPECT_EQ(kPlot.toPixel(c.x, c.y), c.pixel);
}

INSTANTIATE_TEST_SUITE_P(
    Points, UserScaleToPixel,
    testing::Values(MapCase{"TopLeft", 0, 10, {0, 0}}, MapCase{"AxisOnTheMiddleRow", 0, 0, {0, 34}},
                    // The far edges belong to the last column and row, not beyond.
                    MapCase{"BottomRightEdge", 6.28318, -10, {300, 68}},
                    MapCase{"OneSecondOfThreeIsAThird", 6.28318 / 3, 0, {100, 34}},
                    MapCase{"AboveTheTopIsOutside", 0, 10.5, {0, -2}},
                    MapCase{"BelowTheBottomIsOutside", 0, -10.5, {0, 70}},
                    MapCase{"HugeValuesStayWithinInt", 1e300, -1e300, {1 << 24, 1 << 24}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(UserScale, EveryPixelCentreMapsBackToItsPixel) {
    for (int col = 0; col < kPlot.columns; ++col) {
        for (int row = 0; row < kPlot.rows; ++row) {
            const UserPoint p = kPlot.fromPixel(col, row);
            ASSERT_EQ(kPlot.toPixel(p.x, p.y), (PixelPoint{col, row})) << col << "," << row;
        }
    }
}

TEST(UserScale, YGrowsUpwards) {
    EXPECT_LT(kPlot.toPixel(0, 5).row, kPlot.toPixel(0, -5).row);
    EXPECT_GT(kPlot.fromPixel(0, 0).y, kPlot.fromPixel(0, 68).y);
}

} // namespace
