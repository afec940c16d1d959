// SPDX-License-Identifier: MIT
#include "web/spinner.h"

#include "web/dom.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace web {

using emscripten::val;
using wave::SpinArrow;

namespace {

std::vector<Spinner*>& spinners() {
    static std::vector<Spinner*> all;
    return all;
}

int pointer_of(const val& event) {
    return event[key("pointerId")].as<int>();
}

} // namespace

Spinner::Spinner(val element, std::function<void()> up, std::function<void()> down)
    : element_(std::move(element)),
      up_button_(element_.call<val>("querySelector", val("button.up"))),
      down_button_(element_.call<val>("querySelector", val("button.down"))), up_(std::move(up)),
      down_(std::move(down)), timer_([this] { hold_.expired(); }),
      hold_(wave::steady_clock(), timer_,
            {[this](SpinArrow arrow) { step(arrow); },
             [this](int, SpinArrow arrow) { return still_held(arrow); },
             [this](SpinArrow arrow, wave::HoldEnd) {
                 button(arrow)[key("classList")].call<void>("remove", key("held"));
             }}) {
    for (const SpinArrow arrow : {SpinArrow::Up, SpinArrow::Down}) {
        const val target = button(arrow);
        listen(target, "pointerdown", [this, arrow](const val& e) { press(arrow, e); });
        listen(target, "pointermove", [this](const val& e) {
            if (pointer_of(e) == pointer_) {
                pointer_x_ = e[key("clientX")].as<double>();
                pointer_y_ = e[key("clientY")].as<double>();
            }
        });
        listen(target, "pointerleave", [this](const val& e) { hold_.release(pointer_of(e)); });
        // A pointer pressed at pointerdown. A click no pointer made (Enter
        // or Space on the arrow, a screen reader's "activate", click()) is
        // one press of its own.
        listen(target, "click", [this, arrow](const val& e) {
            if (e[key("detail")].as<int>() == 0) {
                step(arrow);
            }
        });
    }
    listen(element_, "pointercancel", [this](const val& e) { hold_.release(pointer_of(e)); });
    // A long touch would open the context menu.
    listen(element_, "contextmenu", [](const val& e) { e.call<void>("preventDefault"); });
    listen(element_, "keydown", [this](const val& e) {
        const std::string key = e["key"].as<std::string>();
        if (key == "ArrowUp" || key == "ArrowDown") {
            e.call<void>("preventDefault");
            step(key == "ArrowUp" ? SpinArrow::Up : SpinArrow::Down);
        }
    });
    if (spinners().empty()) {
        listen(browser_window(), "pointerup", [](const val& e) { release_all(pointer_of(e)); });
        listen(browser_window(), "blur", [](const val&) { stop_all(); });
        listen(document(), "visibilitychange", [](const val&) { stop_all(); });
    }
    spinners().push_back(this);
}

Spinner::~Spinner() {
    std::erase(spinners(), this);
}

void Spinner::release_all(int pointer) {
    for (Spinner* spinner : spinners()) {
        spinner->hold_.release(pointer);
    }
}

void Spinner::stop_all() {
    for (Spinner* spinner : spinners()) {
        spinner->hold_.stop();
    }
}

const val& Spinner::button(SpinArrow arrow) const {
    return arrow == SpinArrow::Up ? up_button_ : down_button_;
}

void Spinner::press(SpinArrow arrow, const val& event) {
    // The main button of a mouse; touch and pen report 0 too.
    if (event[key("button")].as<int>() != 0) {
        return;
    }
    // Neither the button nor a text selection takes the press: the spinner
    // itself takes the focus, as on the desktop.
    event.call<void>("preventDefault");
    const val& target = button(arrow);
    const val id = event[key("pointerId")];
    // A touch is captured by the element it began on, which would hide its
    // leaving the arrow.
    if (target.call<bool>("hasPointerCapture", id)) {
        target.call<void>("releasePointerCapture", id);
    }
    // Focusing brings the page's style up to date first: only when it moves.
    if (!document()[key("activeElement")].strictlyEquals(element_)) {
        val options = val::object();
        options.set("preventScroll", true);
        element_.call<void>("focus", options);
    }
    const double x = event[key("clientX")].as<double>();
    const double y = event[key("clientY")].as<double>();
    if (hold_.press(id.as<int>(), arrow)) {
        pointer_ = id.as<int>();
        pointer_x_ = x;
        pointer_y_ = y;
        target[key("classList")].call<void>("add", key("held"));
    }
}

// The arrow can move from under a still finger (the viewport shrinks as a
// tablet turns), and no pointer event says so.
bool Spinner::still_held(SpinArrow arrow) const {
    const val box = button(arrow).call<val>("getBoundingClientRect");
    return pointer_x_ >= box[key("left")].as<double>() &&
           pointer_x_ < box[key("right")].as<double>() &&
           pointer_y_ >= box[key("top")].as<double>() &&
           pointer_y_ < box[key("bottom")].as<double>();
}

void Spinner::step(SpinArrow arrow) const {
    if (arrow == SpinArrow::Up) {
        up_();
    } else {
        down_();
    }
}

} // namespace web
