// SPDX-License-Identifier: MIT
#include "frontend/samples_csv.h"
#include "frontend/setup_text.h"
#include "plot/plot_parts.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace wave {

namespace {

constexpr std::size_t kWaves = 4;

// The shortest decimal that reads back as the same float, written out without
// an exponent. The browser's C++ library has no to_chars for floating point,
// so the digits come from %e, taken digit by digit: the locale's decimal
// point, whatever it is, never reaches the file.
void append(std::string& out, float value) {
    const float size = std::abs(value);
    if (!(size > 0.0f) || !std::isfinite(size)) {
        out += '0';
        return;
    }
    std::string digits;
    int exponent = 0;
    for (int precision = 1; precision <= 9; ++precision) {
        std::array<char, 48> buf{};
        std::snprintf(buf.data(), buf.size(), "%.*e", precision - 1, static_cast<double>(size));
        const std::string_view text(buf.data());
        const std::size_t e = text.find('e');
        digits.clear();
        for (char ch : text.substr(0, e)) {
            if (ch >= '0' && ch <= '9') {
                digits += ch;
            }
        }
        exponent = std::atoi(buf.data() + e + 1);
        const int shift = exponent - precision + 1;
        const auto whole_digits = static_cast<double>(std::stoll(digits));
        const double read_back = shift >= 0 ? whole_digits * std::pow(10.0, shift)
                                            : whole_digits / std::pow(10.0, -shift);
        if (static_cast<float>(read_back) == size) {
            break;
        }
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    if (value < 0.0f) {
        out += '-';
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return;
    }
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
        out += digits;
        out.append(whole - digits.size(), '0');
    } else {
        out += digits.substr(0, whole);
        out += '.';
        out += digits.substr(whole);
    }
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
