// SPDX-License-Identifier: MIT
#include "form/wave_samples.h"
#include "plot/plot_parts.h"
#include "plot/vector_state.h"

#include <bit>

namespace wave {

WaveSamples::Inputs WaveSamples::inputs(const WaveSettings& s, std::size_t i) {
    return {s.amp.at(i), std::bit_cast<std::uint32_t>(s.freq.at(i)), s.is_cos.at(i) != 0,
            std::bit_cast<std::uint32_t>(s.span_t), std::bit_cast<std::uint64_t>(s.pi)};
}

const std::vector<double>& WaveSamples::of(const WaveSettings& s, std::size_t i) {
    const Inputs now = inputs(s, i);
    std::vector<double>& values = values_.at(i);
    if (known_.at(i) && inputs_.at(i) == now) {
        return values;
    }
    values.clear();
    // The toolkit ran just before, and may have left 256-bit state in use.
    clear_upper_vector_state();
    const ComponentTerm term(s, i);
    for_each_sample_x(s, [&](double x) { values.push_back(term.at(x)); });
    inputs_[i] = now;
    known_[i] = true;
    return values;
}

} // namespace wave
