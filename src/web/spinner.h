// SPDX-License-Identifier: MIT
#pragma once

#include "web/events.h"

#include <emscripten/val.h>

#include <functional>

namespace web {

// Two stacked arrow buttons that only report presses. A held arrow fires at
// the press, again after 400 ms, then every 50 ms, until the pointer leaves
// it, is lifted or cancelled, or the page loses the focus.
class Spinner {
public:
    // element holds button.up and button.down.
    Spinner(emscripten::val element, std::function<void()> up, std::function<void()> down);
    ~Spinner();
    Spinner(const Spinner&) = delete;
    Spinner& operator=(const Spinner&) = delete;

    static constexpr double kFirstRepeatMs = 400;
    static constexpr double kRepeatMs = 50;

private:
    enum class Arrow { None, Up, Down };

    void press(Arrow arrow, const emscripten::val& event);
    void repeat();
    void release();
    void fire(Arrow arrow) const;
    const emscripten::val& button(Arrow arrow) const;
    // A release anywhere on the page ends whichever hold there is: one
    // listener for all spinners, not one each on every release.
    static void release_all();

    emscripten::val element_;
    emscripten::val up_button_;
    emscripten::val down_button_;
    std::function<void()> up_;
    std::function<void()> down_;
    Timer timer_;
    Arrow held_ = Arrow::None;
    double next_repeat_ = 0; // when the held arrow fires again, in the page's clock (ms)
    int pointer_ = -1;
};

} // namespace web
