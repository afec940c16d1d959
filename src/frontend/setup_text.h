// SPDX-License-Identifier: MIT
#pragma once

#include "form/wave_settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wave {

// The set-up as a short text for after '#' in the page's address, e.g. the
// beats lesson
//
//     A=5cos1&B=5cos1.1&t=10
//
// Parts are joined by '&', in any order:
//   A=<amplitude><cos|sin><frequency>   also B, C, D: "5cos1.1" is 5 cos 1.1 Hz
//   t=<seconds>                         the time span
//   step_a=<1|0.5|0.2|0.1>              the steps of the amplitude and
//   step_f=<1|0.5|0.2|0.1>              frequency arrows
// Numbers are plain decimals with '.'. A part left out keeps its start value
// (a wave 0cos0, t=1, both steps 1); only t is always written, so the text is
// never empty.

// The steps an arrow can take, in tenths, in the order of their options:
// Option1..Option4 for step_f, Option5..Option8 for step_a.
inline constexpr std::array<std::int16_t, 4> kSteps{10, 5, 2, 1};

// Only the parts that differ from the start values, and t.
std::string setup_text(const WaveSettings& s);

// `loaded` after start-up with the set-up of `text` put in: a whole address
// (what follows its first '#') or the part after '#' alone. Values are
// rounded to tenths (whole seconds for t) and clamped to what the arrows can
// reach; a step goes to the nearest of 1, 0.5, 0.2, 0.1; a part that cannot
// be read, or names nothing, is left out. The result is always a state that
// presses could reach.
WaveSettings read_setup(std::string_view text, const WaveSettings& loaded);

// Whether wave k is as start-up leaves it, 0cos0, and so goes unsaid.
bool wave_at_start(const WaveSettings& s, std::size_t k);

// One wave as its part reads after '=': "5cos1.1".
std::string wave_text(const WaveSettings& s, std::size_t k);

// Tenths as a plain decimal: 109 -> "10.9", 10 -> "1", 0 -> "0".
std::string tenths_text(std::int64_t tenths);

// Up to here single precision holds every whole number, so presses reach each
// frequency in tenths and each span in seconds exactly; above it they skip.
inline constexpr std::int64_t kWholeFloatLimit = 16777216;

} // namespace wave
