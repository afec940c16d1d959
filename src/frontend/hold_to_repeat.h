// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/clock.h"

#include <functional>
#include <optional>

namespace wave {

enum class SpinArrow { Up, Down };

enum class HoldEnd {
    Released, // release(): the pointer came up, was cancelled or left the arrow
    Stopped,  // stop(): the spinner lost the focus, was hidden or disabled
    Lost,     // the front end answered that the pointer no longer holds the arrow
};

// A spinner's held arrow: a press steps at once, again kFirstRepeat later,
// then every kRepeat, for as long as the pointer that pressed holds the arrow.
// A spinner has one hold at a time; a hold belongs to its pointer, and only
// that pointer's release ends it.
class HoldToRepeat {
public:
    static constexpr Micros kFirstRepeat = 400'000;
    static constexpr Micros kRepeat = 50'000;

    struct Actions {
        std::function<void(SpinArrow)> step;
        // Asked before each repeat: does the pointer still hold the arrow?
        // An arrow can move from under a still finger, or the window leave the
        // screen, with no event to say so. Unset: always.
        std::function<bool(int pointer, SpinArrow)> still_held;
        // Every end of a hold, however it came. Unset: nothing to do.
        std::function<void(SpinArrow, HoldEnd)> ended;
    };

    HoldToRepeat(const Clock& clock, Timer& timer, Actions actions);
    HoldToRepeat(const HoldToRepeat&) = delete;
    HoldToRepeat& operator=(const HoldToRepeat&) = delete;

    // True when the press starts a hold; its step has been taken by then.
    // While another pointer holds an arrow the press is ignored.
    bool press(int pointer, SpinArrow arrow);
    // Ends the hold of this pointer, if it has one.
    void release(int pointer);
    // Ends whichever hold there is.
    void stop();
    // The front end's timer ran out.
    void expired();

    std::optional<SpinArrow> held() const { return held_; }

private:
    void end(HoldEnd why);

    const Clock& clock_;
    Timer& timer_;
    Actions actions_;
    std::optional<SpinArrow> held_;
    int pointer_ = 0;
    Micros next_ = 0;                 // when the held arrow steps again
    std::optional<Micros> timer_due_; // the timer set and not yet run out
};

} // namespace wave
