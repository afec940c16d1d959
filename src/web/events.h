// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/clock.h"

#include <emscripten/val.h>

#include <functional>

// DOM events and timers reach C++ through here. After each one has run, the
// hook set by the page runs too (it puts the changed plots on their canvases),
// so every event is handled to its end before control returns to the browser.
namespace web {

using EventHandler = std::function<void(const emscripten::val& event)>;

// A JavaScript function that calls handler with its first argument. The
// handler lives as long as the page.
emscripten::val callback(EventHandler handler);

// A promise's outcome nobody waits for; a rejection left alone would reach the console.
const emscripten::val& ignore_outcome();

void listen(const emscripten::val& target, const char* type, EventHandler handler);

void after_each_event(std::function<void()> hook);

// The core's timer on the page's: one pending call at a time, and starting
// again replaces it.
class Timer : public wave::Timer {
public:
    explicit Timer(std::function<void()> action);
    ~Timer() override;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void start(wave::Micros delay) override;
    void stop();
    bool running() const { return id_ != 0; }

private:
    static void expired(void* self);

    std::function<void()> action_;
    long id_ = 0;
};

} // namespace web
