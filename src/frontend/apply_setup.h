// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"

namespace wave {

// Puts a set-up (from read_setup) into a loaded window as presses would have
// left it: the record, every value label, the waveform switches, the step
// options, the scales and every plot. `controls` are the ones the window was
// built with.
void apply_setup(Form1& form, const FormControls& controls, const WaveSettings& s);

} // namespace wave
