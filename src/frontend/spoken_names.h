// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/hold_to_repeat.h"
#include "frontend/language.h"
#include "ui/layout.h"

#include <optional>
#include <string>

namespace wave {

// What a screen reader says for a control, in the window's language. Empty
// for a control the window does not have.
std::string spoken_name(const ControlRef& ref, Language language);

// The name of one arrow of a spinner, for a toolkit whose arrows take a press
// of their own (a screen reader's "activate"). Empty for any other control.
std::string spoken_arrow(const ControlRef& spinner, SpinArrow arrow, Language language);

// A spinner's value as a screen reader reads it: the text of the label its
// presses write, and the least value its handlers let a press reach.
struct SpinnerValue {
    ControlRef label;
    int minimum;
};
std::optional<SpinnerValue> spinner_value(const ControlRef& spinner);

} // namespace wave
