// SPDX-License-Identifier: MIT
#include "frontend/samples_csv.h"
#include "frontend/setup_text.h"
#include "plot/plot_parts.h"

#include <array>
#include <charconv>
#include <cmath>

namespace wave {

namespace {

constexpr std::size_t kWaves = 4;

// to_chars never looks at the locale.
void append(std::string& out, float value) {
    std::array<char, 32> buf{};
    // -0 would read as "-0" in a sheet.
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), value + 0.0f).ptr;
    out.append(buf.data(), end);
}

void append(std::string& out, double value) {
    std::array<char, 32> buf{};
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), value).ptr;
    out.append(buf.data(), end);
}

} // namespace

std::string samples_csv(const WaveSettings& s) {
    std::array<ComponentTerm, kWaves> terms{ComponentTerm(s, 0), ComponentTerm(s, 1),
                                            ComponentTerm(s, 2), ComponentTerm(s, 3)};
    std::string out = "t,A,B,C,D,E\r\n";
    std::int64_t j = 0;
    for_each_sample_x(s, [&](double x) {
        // The sample's time as the plot means it, j * span / 400 s: the
        // accumulated x differs from it only in its last bits, which would
        // print as 0.0025000000000000005.
        append(out, static_cast<double>(j++) * static_cast<double>(s.span_t) / 400.0);
        // The sum runs in single precision over double terms, as the large plot's.
        float sum = 0.0f;
        for (std::size_t k = 0; k < kWaves; ++k) {
            const double term = terms[k].at(x);
            out += ',';
            append(out, static_cast<float>(term));
            if (static_cast<std::int16_t>(k) <= s.last_comp) {
                sum = static_cast<float>(static_cast<double>(sum) + term);
            }
        }
        out += ',';
        append(out, sum);
        out += "\r\n";
    });
    return out;
}

std::string samples_file_name(const WaveSettings& s) {
    std::string name = "waves";
    for (std::size_t k = 0; k < kWaves; ++k) {
        if (!wave_at_start(s, k)) {
            name += '_';
            name += static_cast<char>('A' + k);
            name += wave_text(s, k);
        }
    }
    return name + "_t" + std::to_string(std::isfinite(s.span_t) ? std::llround(s.span_t) : 0) +
           ".csv";
}

} // namespace wave
