// SPDX-License-Identifier: MIT
#include "frontend/long_touch.h"
#include "logic/fake_time.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using wave::FakeTime;
using wave::LongTouch;
using wave::Micros;

// At a time in ms: a touch goes down, moves, or comes up; x and y in pixels.
struct Step {
    int ms;
    char what; // 'd' down, 'm' move, 'u' up
    int pointer;
    double x = 0, y = 0;
};

struct Case {
    const char* name;
    std::vector<Step> steps;
    int run_to_ms;
    std::vector<std::string> opened; // "at 500: 3,4"
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class LongTouchCases : public testing::TestWithParam<Case> {};

TEST_P(LongTouchCases, OpensTheMenuOnlyForATouchHeldStill) {
    FakeTime timer;
    std::vector<std::string> opened;
    LongTouch touch(timer, [&](double x, double y) {
        opened.push_back("at " + std::to_string(timer.now() / 1000) + ": " +
                         std::to_string(static_cast<int>(x)) + "," +
                         std::to_string(static_cast<int>(y)));
    });
    const auto run_to = [&](int ms) { timer.run_until(Micros{ms} * 1000, touch); };
    for (const Step& s : GetParam().steps) {
        run_to(s.ms);
        if (s.what == 'd') {
            touch.down(s.pointer, s.x, s.y);
        } else if (s.what == 'm') {
            touch.move(s.pointer, s.x, s.y);
        } else {
            touch.up(s.pointer);
        }
    }
    run_to(GetParam().run_to_ms);
    EXPECT_EQ(opened, GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    Touches, LongTouchCases,
    testing::Values(
        Case{"HeldStill", {{0, 'd', 1, 3, 4}}, 2000, {"at 500: 3,4"}},
        Case{"Tapped", {{0, 'd', 1, 3, 4}, {120, 'u', 1}}, 2000, {}},
        Case{"LiftedJustBefore", {{0, 'd', 1}, {499, 'u', 1}}, 2000, {}},
        // Within the slop the touch still counts as still, and opens where it began.
        Case{"WanderedWithinTheSlop",
             {{0, 'd', 1, 100, 100}, {200, 'm', 1, 106, 108}},
             2000,
             {"at 500: 100,100"}},
        Case{"WanderedBeyondIt", {{0, 'd', 1, 100, 100}, {200, 'm', 1, 107, 108}}, 2000, {}},
        Case{"CameBackTooLate",
             {{0, 'd', 1, 100, 100}, {100, 'm', 1, 130, 100}, {200, 'm', 1, 100, 100}},
             2000,
             {}},
        // A second touch begins its own half second; the first one's timer is spent on nothing.
        Case{"TouchedAgain",
             {{0, 'd', 1}, {100, 'u', 1}, {300, 'd', 2, 7, 8}},
             2000,
             {"at 800: 7,8"}},
        Case{"AnotherPointerLiftedOrMoved",
             {{0, 'd', 1, 5, 5}, {100, 'u', 9}, {200, 'm', 9, 90, 90}},
             2000,
             {"at 500: 5,5"}}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
