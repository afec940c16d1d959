// SPDX-License-Identifier: MIT
#include "web/spinner.h"

#include "web/dom.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace web {

using namespace wave;

using emscripten::val;

namespace {

std::vector<Spinner*>& spinners() {
    static std::vector<Spinner*> all;
    return all;
}

} // namespace

Spinner::Spinner(val element, std::function<void()> up, std::function<void()> down)
    : element_(std::move(element)),
      up_button_(element_.call<val>("querySelector", val("button.up"))),
      down_button_(element_.call<val>("querySelector", val("button.down"))), up_(std::move(up)),
      down_(std::move(down)), timer_([this] { repeat(); }) {
    for (const Arrow arrow : {Arrow::Up, Arrow::Down}) {
        const val target = button(arrow);
        listen(target, "pointerdown", [this, arrow](const val& e) { press(arrow, e); });
        listen(target, "pointerleave", [this](const val& e) {
            if (e[key("pointerId")].as<int>() == pointer_) {
                release();
            }
        });
    }
    listen(element_, "pointercancel", [this](const val&) { release(); });
    // A long touch would open the context menu.
    listen(element_, "contextmenu", [](const val& e) { e.call<void>("preventDefault"); });
    listen(element_, "keydown", [this](const val& e) {
        const std::string key = e["key"].as<std::string>();
        if (key == "ArrowUp" || key == "ArrowDown") {
            e.call<void>("preventDefault");
            fire(key == "ArrowUp" ? Arrow::Up : Arrow::Down);
        }
    });
    if (spinners().empty()) {
        listen(browser_window(), "pointerup", [](const val&) { release_all(); });
        listen(browser_window(), "blur", [](const val&) { release_all(); });
        listen(document(), "visibilitychange", [](const val&) { release_all(); });
    }
    spinners().push_back(this);
}

Spinner::~Spinner() {
    std::erase(spinners(), this);
}

void Spinner::release_all() {
    for (Spinner* spinner : spinners()) {
        spinner->release();
    }
}

const val& Spinner::button(Arrow arrow) const {
    return arrow == Arrow::Up ? up_button_ : down_button_;
}

void Spinner::press(Arrow arrow, const val& event) {
    // The main button of a mouse; touch and pen report 0 too.
    if (event[key("button")].as<int>() != 0 || held_ != Arrow::None) {
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
    held_ = arrow;
    pointer_ = id.as<int>();
    target[key("classList")].call<void>("add", key("held"));
    // Quick clicks would each set a timer and clear it again: one timer
    // serves them all, and learns from here when the first repeat is due.
    next_repeat_ = emscripten_get_now() + kFirstRepeatMs;
    if (!timer_.running()) {
        timer_.start(kFirstRepeatMs);
    }
    fire(arrow);
}

void Spinner::repeat() {
    if (held_ == Arrow::None) {
        return;
    }
    // Set for an earlier press: a millisecond early counts as due.
    const double wait = next_repeat_ - emscripten_get_now();
    if (wait > 1) {
        timer_.start(wait);
        return;
    }
    next_repeat_ += kRepeatMs;
    timer_.start(kRepeatMs);
    fire(held_);
}

// A timer still set runs out doing nothing.
void Spinner::release() {
    if (held_ != Arrow::None) {
        button(held_)[key("classList")].call<void>("remove", key("held"));
        held_ = Arrow::None;
        pointer_ = -1;
    }
}

void Spinner::fire(Arrow arrow) const {
    if (arrow == Arrow::Up) {
        up_();
    } else if (arrow == Arrow::Down) {
        down_();
    }
}

} // namespace web
