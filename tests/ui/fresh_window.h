// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"
#include "form/wave_settings.h"
#include "qt/main_window.h"

namespace desktop {

using namespace wave;

// Brings a window's record to the given one and has every plot drawn anew
// from it: one span press from the neighbouring second rescales and redraws
// all five, and leaves the span as the record has it.
inline void redraw_from(MainWindow& window, const WaveSettings& s) {
    Form1& form = window.form();
    form.settings = s;
    if (s.span_t > 1.0f) {
        form.settings.span_t = s.span_t - 1.0f;
        form.SpinButton1_SpinUp();
    } else {
        form.settings.span_t = 2.0f;
        form.SpinButton1_SpinDown();
    }
}

} // namespace desktop
