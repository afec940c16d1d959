// SPDX-License-Identifier: MIT
#include "frontend/setup_text.h"
#include "frontend/wave_synth.h"
#include "logic/null_controls.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
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

// A playing synth, past the fade-in.
WaveSynth playing(const std::string& text) {
    WaveSynth synth(kRate);
    synth.set(setup(text));
    render(synth, kRate / 10);
    return synth;
}

// The amplitude of the component at `hz` over a whole number of its periods.
double amplitude_at(const std::vector<float>& x, double hz, int rate = kRate) {
    std::complex<double> sum;
    for (std::size_t n = 0; n < x.size(); ++n) {
        sum += static_cast<double>(x[n]) *
               std::polar(1.0, -2.0 * std::numbers::pi * hz * static_cast<double>(n) / rate);
    }
    return 2.0 * std::abs(sum) / static_cast<double>(x.size());
}

TEST(WaveSynth, PeaksStandAtTheMultipliedFrequenciesInTheAmplitudesRatios) {
    WaveSynth synth = playing("A=8cos1&B=4sin3&C=2cos5&D=1.1sin7.5");
    const std::vector<float> second = render(synth, kRate);
    const double unit = WaveSynth::level(10); // amplitude 1
    EXPECT_NEAR(amplitude_at(second, 100) / unit, 8.0, 0.08);
    EXPECT_NEAR(amplitude_at(second, 300) / unit, 4.0, 0.04);
    EXPECT_NEAR(amplitude_at(second, 500) / unit, 2.0, 0.02);
    EXPECT_NEAR(amplitude_at(second, 750) / unit, 1.1, 0.011);
    for (double hz : {1.0, 10.0, 200.0, 400.0, 700.0, 800.0, 1000.0}) {
        EXPECT_LT(amplitude_at(second, hz) / unit, 0.001) << hz << " Hz";
    }
}

// A = 5 cos 1 Hz and B = 5 cos 1.1 Hz beat every 10 s on the plot, so every
// 0.1 s heard: loud where the plot's E is loud (t = 0, 0.1, ...), silent
// between.
TEST(WaveSynth, BeatsSwellAndFadeEveryTenthOfASecond) {
    WaveSynth synth(kRate);
    synth.set(setup("A=5cos1&B=5cos1.1&t=10"));
    const std::vector<float> x = render(synth, kRate);
    const double both = 2.0 * WaveSynth::level(50);
    auto peak_near = [&](double t, std::ptrdiff_t reach) {
        const auto mid = static_cast<std::ptrdiff_t>(t * kRate);
        float peak = 0.0f;
        for (std::ptrdiff_t n = mid - reach; n <= mid + reach; ++n) {
            peak = std::max(peak, std::abs(x.at(static_cast<std::size_t>(n))));
        }
        return peak;
    };
    for (int k = 1; k < 10; ++k) {
        // Over a period of the 105 Hz carrier; over a millisecond.
        EXPECT_GT(peak_near(0.1 * k, 229), 0.97 * both) << "swell " << k;
        EXPECT_LT(peak_near(0.1 * k + 0.05, 48), 0.04 * both) << "fade " << k;
    }
    // The loudness itself varies at 10 Hz and at no other slow rate.
    std::vector<float> power(x.begin(), x.end());
    for (float& p : power) {
        p *= p;
    }
    double strongest = 0.0;
    int at = 0;
    for (int hz = 1; hz <= 60; ++hz) {
        if (const double a = amplitude_at(power, hz); a > strongest) {
            strongest = a;
            at = hz;
        }
    }
    EXPECT_EQ(at, 10);
}

TEST(WaveSynth, FourHighestWavesInStepStayWithinFullScale) {
    WaveSynth synth = playing("A=10.9cos1&B=10.9cos1&C=10.9cos1&D=10.9cos1");
    const std::vector<float> x = render(synth, kRate / 2);
    const float peak = std::abs(*std::max_element(
        x.begin(), x.end(), [](float a, float b) { return std::abs(a) < std::abs(b); }));
    EXPECT_LE(peak, 1.0f);
    EXPECT_GT(peak, 0.95f) << "the loudest set-up should use the range";
}

TEST(WaveSynth, RandomChangesNeverGoBeyondFullScale) {
    std::mt19937_64 rng(3);
    WaveSynth synth(kRate);
    WaveSettings s = setup("");
    for (int change = 0; change < 300; ++change) {
        const std::size_t k = rng() % 4;
        s.amp[k] = static_cast<std::int16_t>(rng() % 110);
        s.freq[k] = static_cast<float>(rng() % 40);
        s.is_cos[k] = rng() % 2 ? VbTrue : VbFalse;
        synth.set(s);
        for (float v : render(synth, 1 + rng() % 400, 1 + rng() % 200)) {
            ASSERT_LE(std::abs(v), 1.0f) << "change " << change;
        }
    }
}

struct SilentCase {
    const char* name;
    const char* setup;
};

void PrintTo(const SilentCase& c, std::ostream* os) {
    *os << c.name;
}

class WaveSynthSilence : public testing::TestWithParam<SilentCase> {};

TEST_P(WaveSynthSilence, IsExactlyZero) {
    WaveSynth synth(kRate);
    synth.set(setup(GetParam().setup));
    for (float v : render(synth, kRate / 5)) {
        ASSERT_EQ(v, 0.0f);
    }
    EXPECT_TRUE(synth.silent());
}

INSTANTIATE_TEST_SUITE_P(
    Table, WaveSynthSilence,
    testing::Values(SilentCase{"start", ""},
                    SilentCase{"all_amplitudes_zero", "A=0cos1&B=0sin2&C=0cos3&D=0sin4"},
                    SilentCase{"constant_only", "A=10.9cos0&B=5sin0"},
                    SilentCase{"beyond_hearing", "A=10cos200&B=10sin1000"}),
    [](const testing::TestParamInfo<SilentCase>& row) { return row.param.name; });

TEST(WaveSynth, FadingOutEndsInExactSilence) {
    WaveSynth synth = playing("A=10.9cos1&B=3sin2.2");
    synth.fade_out();
    render(synth, kRate / 100);
    EXPECT_TRUE(synth.silent());
    for (float v : render(synth, 1000)) {
        ASSERT_EQ(v, 0.0f);
    }
}

// After a change and 50 ms the sound is exactly the new set-up's, on the
// clock that began with the first sample.
TEST(WaveSynth, AChangeIsHeardWithinFiftyMilliseconds) {
    WaveSynth synth(kRate);
    synth.set(setup("A=5cos1&B=5cos1.1"));
    const std::size_t before = 12345;
    render(synth, before, 500);
    synth.set(setup("A=10sin2&B=5cos1.1&C=3cos0.5"));
    const std::vector<float> after = render(synth, kRate / 20, 480);
    for (std::size_t i = after.size() - kRate / 100; i < after.size(); ++i) {
        const double t = static_cast<double>(before + i) / kRate;
        const double turn = 2.0 * std::numbers::pi * t;
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

double slope_bound(const WaveSettings& s) {
    double bound = 0.0;
    for (std::size_t k = 0; k < 4; ++k) {
        const double hz = s.freq[k] / 10.0 * kPitchFactor;
        if (hz >= 20000.0) {
            continue; // never played
        }
        bound += WaveSynth::level(s.amp[k]) *
                 (2.0 * std::numbers::pi * hz / kRate + 1.0 / (WaveSynth::kRampSeconds * kRate));
    }
    return bound;
}

// Without the glide a change would jump by up to a whole wave's level; with it
// no step between samples is steeper than the two set-ups' waves and ramps.
TEST_P(WaveSynthChange, HasNoClick) {
    const ChangeCase& c = GetParam();
    WaveSynth synth(kRate);
    const WaveSettings from = setup(c.from);
    const WaveSettings to = setup(c.to);
    synth.set(from);
    std::vector<float> x = render(synth, 4321, 333);
    synth.set(to);
    const std::vector<float> rest = render(synth, kRate / 10, 333);
    x.insert(x.end(), rest.begin(), rest.end());
    const double bound = 1.01 * (slope_bound(from) + slope_bound(to));
    double steepest = 0.0;
    for (std::size_t n = 1; n < x.size(); ++n) {
        steepest = std::max(steepest, static_cast<double>(std::abs(x[n] - x[n - 1])));
    }
    EXPECT_LE(steepest, bound);
    EXPECT_GT(bound, 0.0);
    EXPECT_LT(bound, 0.25 * WaveSynth::level(109)) << "the bound must be able to see a click";
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
