// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// What the core's timed rules run on (a held arrow, a held touch): the front
// end's clock and timers, or a test's.
namespace wave {

// Microseconds on a front end's clock.
using Micros = std::int64_t;

// A clock that never goes back.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Micros now() const = 0;
};

// The machine's monotonic clock; in a browser, the page's performance.now().
const Clock& steady_clock();

// One pending expiry at a time: starting again replaces it. When it runs out
// the front end calls whoever started it (HoldToRepeat::expired, LongTouch::expired).
class Timer {
public:
    virtual ~Timer() = default;
    virtual void start(Micros delay) = 0;
};

} // namespace wave
