// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/clock.h"

#include <functional>
#include <optional>

namespace wave {

// A touch held still opens the window's menu, where the platform does not:
// kHold without wandering further than kSlop from where it began. One touch
// at a time; the front end starts none on a spinner's arrows, which take a
// held touch as a held press.
class LongTouch {
public:
    static constexpr Micros kHold = 500'000;
    static constexpr double kSlop = 10; // logical pixels

    // open: where the touch began, in the front end's own coordinates.
    LongTouch(Timer& timer, std::function<void(double x, double y)> open);

    void down(int pointer, double x, double y);
    void move(int pointer, double x, double y);
    // Lifted or cancelled.
    void up(int pointer);
    // The front end's timer ran out.
    void expired();

private:
    struct Touch {
        int pointer;
        double x, y;
    };

    Timer& timer_;
    std::function<void(double, double)> open_;
    std::optional<Touch> touch_;
};

} // namespace wave
