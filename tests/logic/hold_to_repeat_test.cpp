// SPDX-License-Identifier: MIT
#include "frontend/hold_to_repeat.h"
#include "logic/fake_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using wave::FakeTime;
using wave::HoldEnd;
using wave::HoldToRepeat;
using wave::Micros;
using wave::SpinArrow;

Micros ms(double m) {
    return std::llround(m * 1000);
}

// What a spinner's front end would see, one line each: "450 up", "460 end Released".
class Recorder {
public:
    explicit Recorder(FakeTime& time)
        : time_(time), hold_(time, time,
                             {[this](SpinArrow a) { log(name(a)); },
                              [this](int pointer, SpinArrow) { return pointer != lost_pointer; },
                              [this](SpinArrow, HoldEnd why) { log("end " + name(why)); }}) {}

    void log(const std::string& what) {
        const Micros t = time_.now();
        char when[32];
        if (t % 1000 == 0) {
            std::snprintf(when, sizeof when, "%lld", static_cast<long long>(t / 1000));
        } else {
            std::snprintf(when, sizeof when, "%lld.%03lld", static_cast<long long>(t / 1000),
                          static_cast<long long>(t % 1000));
        }
        lines.push_back(std::string(when) + " " + what);
    }
    static std::string name(SpinArrow a) { return a == SpinArrow::Up ? "up" : "down"; }
    static std::string name(HoldEnd e) {
        return e == HoldEnd::Released ? "Released" : e == HoldEnd::Stopped ? "Stopped" : "Lost";
    }

    FakeTime& time_;
    HoldToRepeat hold_;
    std::vector<std::string> lines;
    int lost_pointer = -1; // the front end answers that this pointer holds nothing
};

struct Event {
    double at_ms;
    enum Kind { Press, Release, Stop, Lose } kind;
    int pointer = 1;
    SpinArrow arrow = SpinArrow::Up;
};

Event press(double at, int pointer = 1, SpinArrow arrow = SpinArrow::Up) {
    return {at, Event::Press, pointer, arrow};
}
Event release(double at, int pointer = 1) {
    return {at, Event::Release, pointer};
}
Event stop(double at) {
    return {at, Event::Stop};
}
// From then on the front end answers that the pointer no longer holds the arrow.
Event lose(double at, int pointer = 1) {
    return {at, Event::Lose, pointer};
}

struct HoldCase {
    const char* name;
    std::vector<Event> events;
    double until_ms;
    std::vector<std::string> seen;
};

class Hold : public testing::TestWithParam<HoldCase> {};

TEST_P(Hold, StepsAtThePressThenAt400ThenEvery50UntilTheHoldEnds) {
    const HoldCase& c = GetParam();
    FakeTime time;
    Recorder r(time);
    for (const Event& e : c.events) {
        time.run_until(ms(e.at_ms), r.hold_);
        switch (e.kind) {
        case Event::Press:
            r.hold_.press(e.pointer, e.arrow);
            break;
        case Event::Release:
            r.hold_.release(e.pointer);
            break;
        case Event::Stop:
            r.hold_.stop();
            break;
        case Event::Lose:
            r.lost_pointer = e.pointer;
            break;
        }
    }
    time.run_until(ms(c.until_ms), r.hold_);
    EXPECT_EQ(r.lines, c.seen);
    EXPECT_EQ(r.hold_.held().has_value(), false);
}

INSTANTIATE_TEST_SUITE_P(
    Holds, Hold,
    testing::Values(
        HoldCase{"ClickStepsOnce", {press(0), release(80)}, 1000, {"0 up", "80 end Released"}},
        HoldCase{"ReleasedJustBeforeTheFirstRepeat",
                 {press(10), release(409.999)},
                 1000,
                 {"10 up", "409.999 end Released"}},
        HoldCase{"HeldRepeatsAt400ThenEvery50",
                 {press(0, 1, SpinArrow::Down), release(560)},
                 1000,
                 {"0 down", "400 down", "450 down", "500 down", "550 down", "560 end Released"}},
        // The click's timer is still set when the hold begins; it must not
        // bring the hold's first repeat forward.
        HoldCase{"ClickThenHold200msLater",
                 {press(0), release(50), press(200), release(660)},
                 1000,
                 {"0 up", "50 end Released", "200 up", "600 up", "650 up", "660 end Released"}},
        HoldCase{"AnotherPointerLiftedLeavesTheHold",
                 {press(0, 1), release(100, 2), release(460, 1)},
                 1000,
                 {"0 up", "400 up", "450 up", "460 end Released"}},
        HoldCase{"AnotherPointerCannotTakeTheSpinner",
                 {press(0, 1), press(100, 2, SpinArrow::Down), release(200, 2), release(460, 1)},
                 1000,
                 {"0 up", "400 up", "450 up", "460 end Released"}},
        HoldCase{"APointerFreeAgainAfterTheHold",
                 {press(0, 1), release(20, 1), press(30, 2, SpinArrow::Down), release(440, 2)},
                 1000,
                 {"0 up", "20 end Released", "30 down", "430 down", "440 end Released"}},
        HoldCase{
            "APressWhoseReleaseWasLostStartsAgain",
            {press(0, 1), press(300, 1, SpinArrow::Down), release(760, 1)},
            1000,
            {"0 up", "300 end Released", "300 down", "700 down", "750 down", "760 end Released"}},
        HoldCase{"StopEndsTheHoldOfAnyPointer",
                 {press(0, 7), stop(420), release(500, 7)},
                 1000,
                 {"0 up", "400 up", "420 end Stopped"}},
        HoldCase{"StopWithoutAHoldDoesNothing", {stop(10)}, 1000, {}},
        HoldCase{"ArrowMovedFromUnderAStillPointer",
                 {press(0), lose(470), release(900)},
                 1000,
                 {"0 up", "400 up", "450 up", "500 end Lost"}},
        HoldCase{"AnotherPointerLostLeavesTheHold",
                 {press(0, 1), lose(100, 2), release(460, 1)},
                 1000,
                 {"0 up", "400 up", "450 up", "460 end Released"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(HoldTimer, QuickClicksShareOneTimer) {
    FakeTime time;
    Recorder r(time);
    for (int i = 0; i < 10; ++i) {
        time.run_until(ms(20 * i), r.hold_);
        r.hold_.press(1, SpinArrow::Up);
        time.run_until(ms(20 * i + 5), r.hold_);
        r.hold_.release(1);
    }
    time.run_until(ms(2000), r.hold_);
    EXPECT_EQ(r.lines.size(), 20u); // ten steps, ten ends, no repeat
    EXPECT_EQ(time.starts, 1);
}

// A browser's timer can run out a little early on the page's own clock.
struct EarlyCase {
    const char* name;
    double runs_out_ms;
    bool steps;
    const char* last; // the last step by 460 ms
};

class HoldEarlyTimer : public testing::TestWithParam<EarlyCase> {};

TEST_P(HoldEarlyTimer, StepsOnlyWhenNearlyDue) {
    FakeTime time;
    Recorder r(time);
    r.hold_.press(1, SpinArrow::Up);
    time.run_until(ms(GetParam().runs_out_ms), r.hold_);
    r.hold_.expired();
    EXPECT_EQ(r.lines.size(), GetParam().steps ? 2u : 1u);
    // Either way the hold goes on: 50 ms after the early step, or on time.
    time.run_until(ms(460), r.hold_);
    EXPECT_EQ(r.lines.back(), GetParam().last);
}

INSTANTIATE_TEST_SUITE_P(Early, HoldEarlyTimer,
                         testing::Values(EarlyCase{"HalfAMillisecond", 399.5, true, "449.500 up"},
                                         EarlyCase{"TwoMilliseconds", 398, false, "450 up"},
                                         EarlyCase{"TenMilliseconds", 390, false, "450 up"}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
