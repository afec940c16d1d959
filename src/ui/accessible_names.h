// SPDX-License-Identifier: MIT
#pragma once

#include "ui/layout.h"

#include <string>

namespace wave {

// What a screen reader says for each control of the window, in English. Empty
// for a control the window does not have.
std::string accessible_name(const ControlRef& ref);

} // namespace wave
