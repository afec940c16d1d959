// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "ui/number_text.h"

namespace wave {

namespace {
constexpr std::int16_t kLastComponent = 3;
}

void Form1::SpinButton1_SpinDown() {
    if (settings.span_t > 1.0f) {
        settings.span_t = settings.span_t - 1.0f;
        redraw_span();
    }
}

void Form1::SpinButton1_SpinUp() {
    settings.span_t = settings.span_t + 1.0f;
    redraw_span();
}

// Both time labels, then each plot rescaled right before it is redrawn.
void Form1::redraw_span() {
    c.labelt->Caption(number_text(settings.span_t));
    c.value_t->Caption(number_text(settings.span_t));
    for (std::int16_t i = 0; i <= kLastComponent; ++i) {
        set_component_scale(i);
        get_curve(i);
    }
    set_sum_scale();
    get_curve2();
}

} // namespace wave
