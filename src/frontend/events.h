// SPDX-License-Identifier: MIT
#pragma once

#include "ui/layout.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace wave {

class Form1;

// What one control's events run, bound to one window; empty for an event the
// control does not raise.
struct ControlEvents {
    std::function<void()> Click;
    std::function<void()> SpinUp;
    std::function<void()> SpinDown;

    bool empty() const { return !Click && !SpinUp && !SpinDown; }
};

// One event procedure of the window. A row names a control; for an array it
// stands for every member, whose index the procedure receives.
struct EventRow {
    std::string_view control;
    std::function<void()> ControlEvents::*event;
    void (*procedure)(Form1& form, std::int16_t index);
};

std::span<const EventRow> event_table();

ControlEvents events_of(Form1& form, const ControlRef& control);

} // namespace wave
