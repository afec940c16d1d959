// SPDX-License-Identifier: MIT
#pragma once

#include "form/wave_settings.h"

#include <string>

namespace wave {

// The waves as a spreadsheet reads them: a header "t,A,B,C,D,E", then one row
// per sample of the large plot, at the same positions and with the same
// values the plots draw: t in seconds, A..D as each component plot draws it,
// E as the large plot sums it. ASCII (so UTF-8), '.' decimals in any locale,
// CRLF line ends.
std::string samples_csv(const WaveSettings& s);

// A file name that says the set-up: "waves_A5cos1_B5cos1.1_t10.csv". Only
// letters, digits, '.' and '_'.
std::string samples_file_name(const WaveSettings& s);

} // namespace wave
