// SPDX-License-Identifier: MIT
#include "web/events.h"

#include <emscripten/bind.h>
#include <emscripten/eventloop.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace web {

namespace {

std::vector<EventHandler>& handlers() {
    static std::vector<EventHandler> all;
    return all;
}

std::function<void()>& hook() {
    static std::function<void()> after;
    return after;
}

void finish() {
    if (hook()) {
        hook()();
    }
}

void dispatch(int id, emscripten::val event) {
    handlers().at(static_cast<std::size_t>(id))(event);
    finish();
}

} // namespace

emscripten::val callback(EventHandler handler) {
    static const emscripten::val entry = emscripten::val::module_property("wave_event");
    handlers().push_back(std::move(handler));
    const int id = static_cast<int>(handlers().size() - 1);
    return entry.call<emscripten::val>("bind", emscripten::val::null(), id);
}

const emscripten::val& ignore_outcome() {
    static const emscripten::val handler = callback([](const emscripten::val&) {});
    return handler;
}

void listen(const emscripten::val& target, const char* type, EventHandler handler) {
    // Not passive: spinners and keys cancel the browser's own response.
    static const emscripten::val options = [] {
        emscripten::val o = emscripten::val::object();
        o.set("passive", false);
        return o;
    }();
    target.call<void>("addEventListener", emscripten::val(type), callback(std::move(handler)),
                      options);
}

void after_each_event(std::function<void()> after) {
    hook() = std::move(after);
}

Timer::Timer(std::function<void()> action) : action_(std::move(action)) {}

Timer::~Timer() {
    stop();
}

void Timer::start(wave::Micros delay) {
    stop();
    id_ = emscripten_set_timeout(&Timer::expired, static_cast<double>(delay) / 1000, this);
}

void Timer::stop() {
    if (id_ != 0) {
        emscripten_clear_timeout(id_);
        id_ = 0;
    }
}

void Timer::expired(void* self) {
    auto* timer = static_cast<Timer*>(self);
    timer->id_ = 0;
    timer->action_();
    finish();
}

} // namespace web

EMSCRIPTEN_BINDINGS(wave_events) {
    emscripten::function("wave_event", &web::dispatch);
}
