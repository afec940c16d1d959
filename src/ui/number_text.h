// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace wave {

// How a caption shows a number: the shortest decimal form at the number's
// precision (7 significant digits for a float, 15 for a double), no exponent,
// no trailing zeros, "0." before a fraction.
std::string number_text(float value);
std::string number_text(double value);

} // namespace wave
