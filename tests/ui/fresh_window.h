// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"
#include "form/wave_settings.h"
#include "frontend/apply_setup.h"
#include "qt/main_window.h"

namespace desktop {

using namespace wave;

// Brings a window to the given record, as opening it as a set-up would, with
// every plot drawn anew from it.
inline void redraw_from(MainWindow& window, const WaveSettings& s) {
    apply_setup(window.form(), window.controls(), s);
}

} // namespace desktop
