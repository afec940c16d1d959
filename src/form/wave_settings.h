// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace wave {

// Everything the window knows about its waves. Amplitudes, frequencies and
// steps are whole numbers of tenths; index 4 of each array is never used.
struct WaveSettings {
    std::array<std::int16_t, 5> amp{};
    std::array<float, 5> freq{};
    std::int16_t y_range = 0;
    float span_t = 0.0f;
    std::int16_t step_a = 0;
    std::int16_t step_f = 0;
    double pi = 0.0;
    std::int16_t last_comp = 0;
    std::array<std::int16_t, 5> is_cos{}; // -1 cosine, 0 sine; any nonzero reads as cosine
    std::int16_t amp_max = 0;
};

// The stored truth values of the waveform flags. Not "True"/"False": Xlib
// defines macros of those names.
inline constexpr std::int16_t VbTrue = -1;
inline constexpr std::int16_t VbFalse = 0;

} // namespace wave
