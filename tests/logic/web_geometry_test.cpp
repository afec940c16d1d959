// SPDX-License-Identifier: MIT
#include "web/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

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

TEST(OverflowShift, NoneWhileTheBoxFitsRoundingIncluded) {
    EXPECT_EQ(web::overflow_shift(768.0000001, 768), 0.0);
    EXPECT_EQ(web::overflow_shift(758.1, 1366), 0.0);
    EXPECT_DOUBLE_EQ(web::overflow_shift(758, 683), 37.5);
}

// Each row: (devicePixelRatio, viewport CSS width) in turn, and the zoom after the last.
struct ZoomCase {
    const char* name;
    std::vector<std::pair<double, double>> seen;
    double zoom;
};

class PageZoomSteps : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(PageZoomSteps, ZoomIsTheRatioOverTheOneAtLoadUnlessTheScreenChanged) {
    web::PageZoom zoom;
    double last = 0;
    for (const auto& [ratio, width] : GetParam().seen) {
        last = zoom.update(ratio, width);
    }
    EXPECT_DOUBLE_EQ(last, GetParam().zoom);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, PageZoomSteps,
    ::testing::Values(ZoomCase{"AtLoad", {{1, 1366}}, 1},
                      ZoomCase{"Ctrl200", {{1, 1366}, {2, 683}}, 2},
                      ZoomCase{"Ctrl110RoundedWidth", {{1, 1366}, {1.1, 1242}}, 1.1},
                      ZoomCase{"Ctrl50", {{2, 960}, {1, 1920}}, 0.5},
                      ZoomCase{"ZoomedThenBack", {{1, 1366}, {2, 683}, {1, 1366}}, 1},
                      ZoomCase{"ResizedAtOneRatio", {{1, 1366}, {1, 700}}, 1},
                      ZoomCase{"MovedToADenserScreen", {{1, 1366}, {2, 1366}}, 1},
                      ZoomCase{"ZoomedThenMoved", {{1, 1366}, {2, 683}, {4, 683}}, 2},
                      ZoomCase{"PhoneTurned", {{3, 390}, {3, 844}, {3, 390}}, 1}),
    [](const auto& row) { return std::string(row.param.name); });

std::size_t plan_index(const std::string& name) {
    const auto& plan = wave::window_plan();
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (plan[i].name == name) {
            return i;
        }
    }
    ADD_FAILURE() << name << " is not in the plan";
    return 0;
}

struct ReachCase {
    const char* spinner;
    web::Reach reach;
};

class SpinnerReach : public ::testing::TestWithParam<ReachCase> {};

// The layout's gaps are 7 pixels on every side but the frames' inner edges.
TEST_P(SpinnerReach, GapsToLabelsAndFramesWholeToButtonsHalved) {
    const web::Reach r = web::spinner_reach(wave::window_plan(), plan_index(GetParam().spinner));
    const web::Reach& want = GetParam().reach;
    EXPECT_DOUBLE_EQ(r.left, want.left);
    EXPECT_DOUBLE_EQ(r.top, want.top);
    EXPECT_DOUBLE_EQ(r.right, want.right);
    EXPECT_DOUBLE_EQ(r.bottom, want.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Spinners, SpinnerReach,
    ::testing::Values(
        // Below it the frequency spinner, above it its frame's edge.
        ReachCase{"SpinButton3(0)", {7, 14, 7, 3.5}}, ReachCase{"SpinButton4(2)", {7, 3.5, 7, 6}},
        // The band under A's: the frame above it is no nearer than its own edge.
        ReachCase{"SpinButton3(1)", {7, 14, 7, 3.5}},
        // RESET to its right, and the "step a" frame below, which is not its frame's.
        ReachCase{"SpinButton1", {7, 22, 3.5, 7}}),
    [](const auto& row) {
        std::string name = row.param.spinner;
        std::erase_if(name, [](char ch) { return ch == '(' || ch == ')'; });
        return name;
    });

TEST(SpinnerReach, NoArrowAreaCoversAnotherControlOrAnotherArrowArea) {
    const auto& plan = wave::window_plan();
    std::vector<web::Box> rects;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        rects.push_back(web::window_box(plan, i));
    }
    std::vector<std::pair<std::size_t, web::Box>> areas;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (plan[i].row->kind != wave::ControlKind::SpinButton) {
            continue;
        }
        const web::Reach r = web::spinner_reach(plan, i);
        const web::Box& s = rects[i];
        const double middle = (s.top + s.bottom) / 2;
        areas.push_back({i, {s.left - r.left, s.top - r.top, s.right + r.right, middle}});
        areas.push_back({i, {s.left - r.left, middle, s.right + r.right, s.bottom + r.bottom}});
    }
    const auto overlap = [](const web::Box& a, const web::Box& b) {
        return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    for (const auto& [spinner, area] : areas) {
        std::vector<bool> ancestor(plan.size(), false);
        for (int c = plan[spinner].container; c >= 0;
             c = plan[static_cast<std::size_t>(c)].container) {
            ancestor[static_cast<std::size_t>(c)] = true;
        }
        for (std::size_t j = 0; j < plan.size(); ++j) {
            if (j != spinner && !ancestor[j]) {
                EXPECT_FALSE(overlap(area, rects[j]))
                    << plan[spinner].name << " over " << plan[j].name;
            }
        }
        for (const auto& [other, other_area] : areas) {
            if (other != spinner) {
                EXPECT_FALSE(overlap(area, other_area))
                    << plan[spinner].name << " and " << plan[other].name;
            }
        }
    }
}

} // namespace
