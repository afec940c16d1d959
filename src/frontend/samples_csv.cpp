// SPDX-License-Identifier: MIT
#include "frontend/samples_csv.h"
#include "frontend/setup_text.h"
#include "plot/plot_parts.h"
#include "ui/number_text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace wave {

namespace {

constexpr std::size_t kWaves = 4;

// The shortest decimal that reads back as the same float, in the captions'
// form. The digits are counted in the C library's own %e and read back by it,
// so the locale's decimal point never decides anything, nor reaches the file.
void append(std::string& out, float value) {
    if (!std::isfinite(value)) {
        out += '0';
        return;
    }
    int digits = 1;
    for (; digits < 9; ++digits) {
        std::array<char, 48> buf{};
        std::snprintf(buf.data(), buf.size(), "%.*e", digits - 1, static_cast<double>(value));
        if (static_cast<float>(std::strtod(buf.data(), nullptr)) == value) {
            break;
        }
    }
    out += decimal_text(static_cast<double>(value), digits);
}

// j * span / 400 s exactly: a quarter of a hundredth of a second per unit.
void append_time(std::string& out, std::int64_t quarter_hundredths) {
    out += std::to_string(quarter_hundredths / 400);
    std::string fraction = std::to_string(10000 + quarter_hundredths % 400 * 25).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (!fraction.empty()) {
        out += '.' + fraction;
    }
}

} // namespace

std::string samples_csv(const WaveSettings& s) {
    std::array<ComponentTerm, kWaves> terms{ComponentTerm(s, 0), ComponentTerm(s, 1),
                                            ComponentTerm(s, 2), ComponentTerm(s, 3)};
    std::string out = "t,A,B,C,D,E\r\n";
    std::int64_t j = 0;
    const std::int64_t span = std::isfinite(s.span_t) ? std::llround(s.span_t) : 1;
    for_each_sample_x(s, [&](double x) {
        // The sample's time as the plot means it, j * span / 400 s: the
        // accumulated x differs from it only in its last bits, which would
        // print as 0.0025000000000000005.
        append_time(out, j++ * span);
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
