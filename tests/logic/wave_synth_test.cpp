// SPDX-License-Identifier: MIT
#include "frontend/setup_text.h"
#include "frontend/wave_synth.h"
#include "logic/null_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace wave {
namespace {

constexpr int kRate = 48000;

WaveSettings setup(const std::string& text) {
    NullForm f;
    f.form.Form_Load();
    return read_setup(text, f.form.settings);
}

std::vector<float> render(WaveSynth& synth, std::size_t samples, std::size_t block = 441) {
    std::vector<float> out(samples);
    for (std::size_t at = 0; at < samples; at += block) {
        synth.render(std::span<float>(out).subspan(at, std::min(block, samples - at)));
    }
    return out;
}

float peak(const std::vector<float>& x, std::size_t from, std::size_t to) {
    float p = 0.0f;
    for (std::size_t n = from; n < to; ++n) {
        p = std::max(p, std::abs(x.at(n)));
    }
    return p;
}

// The amplitude of the tone at `hz`, over a whole number of its periods.
double amplitude_at(const std::vector<float>& x, double hz) {
    std::complex<double> sum;
    for (std::size_t n = 0; n < x.size(); ++n) {
        sum += static_cast<double>(x[n]) *
               std::polar(1.0, -2.0 * std::numbers::pi * hz * static_cast<double>(n) / kRate);
    }
    return 2.0 * std::abs(sum) / static_cast<double>(x.size());
}

TEST(WaveSynth, PeaksStandAtTheMultipliedFrequenciesInTheAmplitudesRatios) {
    WaveSynth synth(kRate);
    synth.set(setup("A=8cos1&B=4sin3&C=2cos5&D=1.1sin7.5"));
    render(synth, kRate / 10); // past the fade-in
    const std::vector<float> second = render(synth, kRate);
    const double unit = WaveSynth::level(10);
    const std::pair<double, double> peaks[] = {{100, 8}, {300, 4}, {500, 2}, {750, 1.1}};
    for (const auto& [hz, amplitude] : peaks) {
        EXPECT_NEAR(amplitude_at(second, hz) / unit, amplitude, 0.01 * amplitude) << hz << " Hz";
    }
    for (double hz : {1.0, 10.0, 200.0, 400.0, 700.0, 1000.0}) {
        EXPECT_LT(amplitude_at(second, hz) / unit, 0.001) << hz << " Hz";
    }
}

// A = 5 cos 1 Hz and B = 5 cos 1.1 Hz beat every 10 s on the plot, so every
// 0.1 s heard: loud where the plot's E is (t = 0, 0.1, ...), silent between.
TEST(WaveSynth, BeatsSwellAndFadeEveryTenthOfASecond) {
    WaveSynth synth(kRate);
    synth.set(setup("A=5cos1&B=5cos1.1&t=10"));
    const std::vector<float> x = render(synth, kRate);
    const double both = 2.0 * WaveSynth::level(50);
    const std::size_t carrier = kRate / 105 + 1; // a period of the 105 Hz tone
    for (std::size_t k = 1; k < 10; ++k) {
        const std::size_t loud = k * kRate / 10;
        const std::size_t quiet = loud + kRate / 20;
        EXPECT_GT(peak(x, loud - carrier / 2, loud + carrier / 2), 0.97 * both) << k;
        EXPECT_LT(peak(x, quiet - kRate / 1000, quiet + kRate / 1000), 0.04 * both) << k;
    }
}

TEST(WaveSynth, NeverBeyondFullScale) {
    WaveSynth synth(kRate);
    synth.set(setup("A=10.9cos1&B=10.9cos1&C=10.9cos1&D=10.9cos1"));
    const std::vector<float> loudest = render(synth, kRate / 2);
    EXPECT_LE(peak(loudest, 0, loudest.size()), 1.0f);
    EXPECT_GT(peak(loudest, 0, loudest.size()), 0.95f) << "the loudest set-up uses the range";

    std::mt19937_64 rng(3);
    WaveSettings s = setup("");
    for (int change = 0; change < 300 && !HasFailure(); ++change) {
        const std::size_t k = rng() % 4;
        s.amp[k] = static_cast<std::int16_t>(rng() % 110);
        s.freq[k] = static_cast<float>(rng() % 40);
        s.is_cos[k] = rng() % 2 ? VbTrue : VbFalse;
        synth.set(s);
        const std::vector<float> x = render(synth, 1 + rng() % 400, 1 + rng() % 200);
        EXPECT_LE(peak(x, 0, x.size()), 1.0f) << "change " << change;
    }
}

TEST(WaveSynth, SilenceIsExactlyZero) {
    for (const char* text :
         {"", "A=0cos1&B=0sin2&C=0cos3&D=0sin4", "A=10.9cos0&B=5sin0", "A=10cos200&B=10sin1000"}) {
        WaveSynth synth(kRate);
        synth.set(setup(text));
        const std::vector<float> x = render(synth, kRate / 5);
        EXPECT_EQ(peak(x, 0, x.size()), 0.0f) << text;
        EXPECT_TRUE(synth.silent()) << text;
    }
    WaveSynth synth(kRate);
    synth.set(setup("A=10.9cos1&B=3sin2.2"));
    render(synth, kRate / 10);
    synth.fade_out();
    render(synth, kRate / 100);
    EXPECT_TRUE(synth.silent());
    const std::vector<float> after = render(synth, 1000);
    EXPECT_EQ(peak(after, 0, after.size()), 0.0f);
}

// 50 ms after a change the sound is exactly the new set-up's, on the clock
// that began with the first sample.
TEST(WaveSynth, AChangeIsHeardWithinFiftyMilliseconds) {
    WaveSynth synth(kRate);
    synth.set(setup("A=5cos1&B=5cos1.1"));
    const std::size_t before = 12345;
    render(synth, before, 500);
    synth.set(setup("A=10sin2&B=5cos1.1&C=3cos0.5"));
    const std::vector<float> after = render(synth, kRate / 20, 480);
    for (std::size_t i = after.size() - kRate / 100; i < after.size(); ++i) {
        const double turn = 2.0 * std::numbers::pi * static_cast<double>(before + i) / kRate;
        const double want = WaveSynth::level(100) * std::sin(turn * 200) +
                            WaveSynth::level(50) * std::cos(turn * 110) +
                            WaveSynth::level(30) * std::cos(turn * 50);
        ASSERT_NEAR(after[i], want, 1e-5) << "sample " << i;
    }
}

struct ChangeCase {
    const char* name;
    const char* from;
    const char* to;
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

class WaveSynthChange : public testing::TestWithParam<ChangeCase> {};

// The steepest a set-up's tones and their ramps can move between samples.
double slope_bound(const WaveSettings& s) {
    double bound = 0.0;
    for (std::size_t k = 0; k < 4; ++k) {
        const double hz = s.freq[k] / 10.0 * kPitchFactor;
        if (hz < 20000.0) {
            bound += WaveSynth::level(s.amp[k]) * (2.0 * std::numbers::pi * hz / kRate +
                                                   1.0 / (WaveSynth::kRampSeconds * kRate));
        }
    }
    return bound;
}

// A jump would move by up to a whole wave's level in one sample.
TEST_P(WaveSynthChange, HasNoClick) {
    WaveSynth synth(kRate);
    const WaveSettings from = setup(GetParam().from);
    const WaveSettings to = setup(GetParam().to);
    synth.set(from);
    std::vector<float> x = render(synth, 4321, 333);
    synth.set(to);
    const std::vector<float> rest = render(synth, kRate / 10, 333);
    x.insert(x.end(), rest.begin(), rest.end());
    const double bound = 1.01 * (slope_bound(from) + slope_bound(to));
    ASSERT_LT(bound, 0.25 * WaveSynth::level(109)) << "the bound must be able to see a click";
    for (std::size_t n = 1; n < x.size(); ++n) {
        ASSERT_LE(std::abs(x[n] - x[n - 1]), bound) << "sample " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WaveSynthChange,
    testing::Values(ChangeCase{"start_playing", "", "A=10.9cos1"},
                    ChangeCase{"amplitude_up", "A=1cos1", "A=10.9cos1"},
                    ChangeCase{"cosine_to_sine", "A=10.9cos1", "A=10.9sin1"},
                    ChangeCase{"frequency_step", "A=10.9cos1", "A=10.9cos1.1"},
                    ChangeCase{"frequency_jump", "A=10.9cos1", "A=10.9cos3.7"},
                    ChangeCase{"all_off", "A=10.9cos1&B=10.9sin2&C=10.9cos3&D=10.9sin4", ""},
                    ChangeCase{"into_hearing", "A=10.9cos300", "A=10.9cos1"}),
    [](const testing::TestParamInfo<ChangeCase>& row) { return row.param.name; });

} // namespace
} // namespace wave
