// SPDX-License-Identifier: MIT
#include "form/wave_samples.h"
#include "plot/plot_parts.h"
#include "plot/vector_state.h"

#include <cstring>

namespace wave {

namespace {

// std::bit_cast is missing from the browser build's library.
template <typename Bits, typename Value> Bits bits_of(Value v) {
    static_assert(sizeof(Bits) == sizeof(Value));
    Bits b{};
    std::memcpy(&b, &v, sizeof b);
    return b;
}

} // namespace

WaveSamples::Inputs WaveSamples::inputs(const WaveSettings& s, std::size_t i) {
    return {s.amp.at(i), bits_of<std::uint32_t>(s.freq.at(i)), s.is_cos.at(i) != 0,
            bits_of<std::uint32_t>(s.span_t), bits_of<std::uint64_t>(s.pi)};
}

const std::vector<double>& WaveSamples::of(const WaveSettings& s, std::size_t i) {
    const Inputs now = inputs(s, i);
    std::vector<double>& values = values_.at(i);
    if (inputs_.at(i) == now) {
        return values;
    }
    values.clear();
    // The toolkit ran just before, and may have left 256-bit state in use.
    clear_upper_vector_state();
    const ComponentTerm term(s, i);
    for_each_sample_x(s, [&](double x) { values.push_back(term.at(x)); });
    inputs_[i] = now;
    return values;
}

} // namespace wave
