// SPDX-License-Identifier: MIT
#pragma once

#include "form/wave_settings.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <tuple>
#include <vector>

namespace wave {

// Each wave's term at every sample of the plots, kept with the settings it
// was worked out from. A press changes one wave; its plot and the sum read
// the new values, and the sum reads the other waves' values unchanged
// instead of working out their cosines again. The same expressions on the
// same numbers: every value is bit for bit what a fresh computation gives.
class WaveSamples {
public:
    // The terms of wave i, worked out again only if a setting they depend on
    // has changed since they were last asked for.
    const std::vector<double>& of(const WaveSettings& s, std::size_t i);

private:
    // Everything a wave's terms depend on, as bits, so a value that reads
    // the same but is not cannot pass for it.
    struct Inputs {
        std::int16_t amp = 0;
        std::uint32_t freq = 0;
        bool cosine = false;
        std::uint32_t span = 0;
        std::uint64_t pi = 0;
        bool operator==(const Inputs&) const = default;
    };
    static Inputs inputs(const WaveSettings& s, std::size_t i);

    static constexpr std::size_t kWaves = std::tuple_size_v<decltype(WaveSettings::amp)>;
    std::array<std::optional<Inputs>, kWaves> inputs_{}; // none until first worked out
    std::array<std::vector<double>, kWaves> values_;
};

} // namespace wave
