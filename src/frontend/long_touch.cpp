// SPDX-License-Identifier: MIT
#include "frontend/long_touch.h"

#include <cmath>
#include <utility>

namespace wave {

LongTouch::LongTouch(Timer& timer, std::function<void(double, double)> open)
    : timer_(timer), open_(std::move(open)) {}

// The timer is not stopped when a touch ends: it may run out for nothing,
// and a new touch starts it again from its own beginning.
void LongTouch::down(int pointer, double x, double y) {
    touch_ = Touch{pointer, x, y};
    timer_.start(kHold);
}

void LongTouch::move(int pointer, double x, double y) {
    if (touch_ && touch_->pointer == pointer && std::hypot(x - touch_->x, y - touch_->y) > kSlop) {
        touch_.reset();
    }
}

void LongTouch::up(int pointer) {
    if (touch_ && touch_->pointer == pointer) {
        touch_.reset();
    }
}

void LongTouch::expired() {
    if (touch_) {
        const Touch held = *touch_;
        touch_.reset();
        open_(held.x, held.y);
    }
}

} // namespace wave
