// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/language.h"
#include "ui/layout.h"

#include <string>

namespace wave {

// What a screen reader says for a control, in the window's language; the
// Empty for a control the window
// does not have.
std::string spoken_name(const ControlRef& ref, Language language);

} // namespace wave
