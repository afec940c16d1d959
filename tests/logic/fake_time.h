// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/clock.h"

#include <optional>

namespace wave {

// A clock that moves only when told, and a timer that runs out on it.
class FakeTime : public Clock, public Timer {
public:
    Micros now() const override { return now_; }
    void start(Micros delay) override {
        due_ = now_ + delay;
        ++starts;
    }
    // Runs every expiry up to `to`, each at its own time, into whoever
    // started the timer.
    template <typename Owner> void run_until(Micros to, Owner& owner) {
        while (due_ && *due_ <= to) {
            now_ = *due_;
            due_.reset();
            owner.expired();
        }
        now_ = to;
    }
    int starts = 0;

private:
    Micros now_ = 0;
    std::optional<Micros> due_;
};

} // namespace wave
