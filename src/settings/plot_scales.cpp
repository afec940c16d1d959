// SPDX-License-Identifier: MIT
#include "form/form1.h"

namespace wave {

// 2 * span_t is exact in single precision; the product with pi is not.
float Form1::right_edge() const {
    return static_cast<float>(settings.pi * static_cast<double>(2.0f * settings.span_t));
}

void Form1::set_component_scale(std::int16_t i) {
    const auto y = static_cast<float>(settings.y_range);
    c.Grph.at(static_cast<std::size_t>(i))->Scale(0.0f, y, right_edge(), -y);
}

void Form1::set_sum_scale() {
    const auto y = static_cast<float>(2 * settings.y_range);
    c.Gr->Scale(0.0f, y, right_edge(), -y);
}

} // namespace wave
