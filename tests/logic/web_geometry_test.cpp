// SPDX-License-Identifier: MIT
#include "web/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace {

struct ViewportCase {
    const char* name;
    double width, height;
};

void PrintTo(const ViewportCase& c, std::ostream* os) {
    *os << c.name;
}

class AppBoxPlacement : public ::testing::TestWithParam<ViewportCase> {};

// The start-up's arithmetic (outer window 7020 x 7395 twips centred on the
// viewport), then the box scaled about its centre, must fill the viewport in
// one direction and stay inside it in the other.
TEST_P(AppBoxPlacement, CentredAndFilling) {
    const ViewportCase& c = GetParam();
    const double outer_w = 7020.0 / 15, outer_h = 7395.0 / 15;
    const double left = web::client_offset((c.width - outer_w) / 2, outer_w, wave::kClientWidth);
    const double top = web::client_offset((c.height - outer_h) / 2, outer_h, wave::kClientHeight);
    const double s = web::fill_scale(c.width, c.height);
    const double shown_left = left + wave::kClientWidth / 2 * (1 - s);
    const double shown_top = top + wave::kClientHeight / 2 * (1 - s);
    const double shown_w = wave::kClientWidth * s, shown_h = wave::kClientHeight * s;

    EXPECT_NEAR(shown_left + shown_w / 2, c.width / 2, 1e-9);
    EXPECT_NEAR(shown_top + shown_h / 2, c.height / 2, 1e-9);
    EXPECT_LE(shown_w, c.width + 1e-9);
    EXPECT_LE(shown_h, c.height + 1e-9);
    EXPECT_TRUE(std::abs(shown_w - c.width) < 1e-9 || std::abs(shown_h - c.height) < 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Viewports, AppBoxPlacement,
    ::testing::Values(ViewportCase{"Laptop", 1366, 768}, ViewportCase{"FullHd", 1920, 1080},
                      ViewportCase{"Portrait", 768, 1024},
                      ViewportCase{"SmallerThanTheBox", 320, 240},
                      ViewportCase{"ExactlyTheBox", wave::kClientWidth, wave::kClientHeight}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FillScale, AnEmptyViewportLeavesTheBoxAsItIs) {
    EXPECT_EQ(web::fill_scale(0, 768), 1.0);
    EXPECT_EQ(web::fill_scale(1366, 0), 1.0);
}

struct DeviceCase {
    const char* name;
    double css, ratio;
    int expected;
};

class DevicePixels : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(DevicePixels, RoundsToWholePixelsAndNeverZero) {
    const DeviceCase& c = GetParam();
    EXPECT_EQ(wave::device_pixels(c.css, c.ratio), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ratios, DevicePixels,
                         ::testing::Values(DeviceCase{"One", 301, 1.0, 301},
                                           DeviceCase{"Two", 301, 2.0, 602},
                                           DeviceCase{"HalfRoundsUp", 69, 1.5, 104},
                                           DeviceCase{"FractionRoundsDown", 133, 1.648, 219},
                                           DeviceCase{"TinyKeepsOnePixel", 1, 0.1, 1}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
