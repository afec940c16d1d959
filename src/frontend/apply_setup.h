// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"

#include <array>
#include <string_view>

namespace wave {

// Puts a set-up (from read_setup) into a loaded window as presses would have
// left it: the record, every value label, the waveform switches, the scales
// and every plot. `controls` are the ones the window was built with.
void apply_setup(Form1& form, const FormControls& controls, const WaveSettings& s);

// The step options a front end selects for it: "Option5".."Option8" for
// step_a, "Option1".."Option4" for step_f.
std::array<std::string_view, 2> step_options(const WaveSettings& s);

} // namespace wave
