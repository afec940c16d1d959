// SPDX-License-Identifier: MIT
#include "ui/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace wave {

namespace {

std::string fixed_text(double value, int significant_digits) {
    if (value == 0.0) {
        return "0";
    }
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }

    // %e rounds to the wanted digits once; the decimal point is placed by hand
    // so that no exponent ever reaches the learner.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant_digits - 1, value);
    const std::string scientific(buffer);
    const auto e_pos = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e_pos + 1);

    std::string digits;
    for (std::size_t i = 0; i < e_pos; ++i) {
        if (scientific[i] >= '0' && scientific[i] <= '9') {
            digits += scientific[i];
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string text = value < 0 ? "-" : "";
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto integer_digits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integer_digits) {
        text += digits;
        text.append(integer_digits - digits.size(), '0');
    } else {
        text += digits.substr(0, integer_digits);
        text += '.';
        text += digits.substr(integer_digits);
    }
    return text;
}

} // namespace

std::string number_text(float value) {
    return fixed_text(static_cast<double>(value), 7);
}

std::string number_text(double value) {
    return fixed_text(value, 15);
}

} // namespace wave
