// SPDX-License-Identifier: MIT
#include "frontend/hold_to_repeat.h"

#include <utility>

namespace wave {

namespace {

// A browser's timer may run out a little before its time on the page's own
// clock; waiting again for a fraction of a millisecond would only add a timer.
constexpr Micros kEarlyEnough = 1'000;

} // namespace

HoldToRepeat::HoldToRepeat(const Clock& clock, Timer& timer, Actions actions)
    : clock_(clock), timer_(timer), actions_(std::move(actions)) {}

bool HoldToRepeat::press(int pointer, SpinArrow arrow) {
    if (held_ && pointer != pointer_) {
        return false;
    }
    // The same pointer pressing again lost its release on the way (lifted
    // outside the window): the new press is the one that counts.
    if (held_) {
        end(HoldEnd::Released);
    }
    held_ = arrow;
    pointer_ = pointer;
    const Micros now = clock_.now();
    next_ = now + kFirstRepeat;
    // Quick clicks would each set a timer and leave it to run out: one timer
    // serves them all, and when it runs out early for this press it waits on.
    if (!timer_due_ || *timer_due_ > next_) {
        timer_due_ = next_;
        timer_.start(kFirstRepeat);
    }
    actions_.step(arrow);
    return true;
}

void HoldToRepeat::release(int pointer) {
    if (held_ && pointer == pointer_) {
        end(HoldEnd::Released);
    }
}

void HoldToRepeat::stop() {
    if (held_) {
        end(HoldEnd::Stopped);
    }
}

// A timer still set when its hold ends runs out here doing nothing.
void HoldToRepeat::expired() {
    timer_due_.reset();
    if (!held_) {
        return;
    }
    const Micros now = clock_.now();
    if (next_ - now > kEarlyEnough) {
        timer_due_ = next_;
        timer_.start(next_ - now);
        return;
    }
    const SpinArrow arrow = *held_;
    if (actions_.still_held && !actions_.still_held(pointer_, arrow)) {
        end(HoldEnd::Lost);
        return;
    }
    next_ = now + kRepeat;
    timer_due_ = next_;
    timer_.start(kRepeat);
    actions_.step(arrow);
}

void HoldToRepeat::end(HoldEnd why) {
    const SpinArrow arrow = *held_;
    held_.reset();
    if (actions_.ended) {
        actions_.ended(arrow, why);
    }
}

} // namespace wave
