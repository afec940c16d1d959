// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/hold_to_repeat.h"
#include "web/events.h"

#include <emscripten/val.h>

#include <functional>

namespace web {

// Two stacked arrow buttons that only report presses; a held arrow repeats by
// the core's hold rules, each hold its own pointer's.
class Spinner {
public:
    // element holds button.up and button.down.
    Spinner(emscripten::val element, std::function<void()> up, std::function<void()> down);
    ~Spinner();
    Spinner(const Spinner&) = delete;
    Spinner& operator=(const Spinner&) = delete;

private:
    void press(wave::SpinArrow arrow, const emscripten::val& event);
    void step(wave::SpinArrow arrow) const;
    bool still_held(wave::SpinArrow arrow) const;
    const emscripten::val& button(wave::SpinArrow arrow) const;
    // One listener on the page for all spinners, not one each.
    static void release_all(int pointer);
    static void stop_all();

    emscripten::val element_;
    emscripten::val up_button_;
    emscripten::val down_button_;
    std::function<void()> up_;
    std::function<void()> down_;
    Timer timer_;
    wave::HoldToRepeat hold_;
    int pointer_ = -1;     // the pointer of the latest hold
    double pointer_x_ = 0; // where it was last seen, in the viewport
    double pointer_y_ = 0;
};

} // namespace web
