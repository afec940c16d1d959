// SPDX-License-Identifier: MIT
#include "frontend/wave_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wave {

namespace {

constexpr std::size_t kWaves = 4;
constexpr std::int64_t kHighestAmp = 109; // tenths: 9.9 + one step of 1
constexpr double kHearingLimit = 20000.0;
// Far above any device's; it keeps step * clock within 64 bits.
constexpr int kHighestRate = 1000000;

} // namespace

WaveSynth::WaveSynth(int sample_rate)
    : rate_(std::clamp(sample_rate, 1, kHighestRate)), modulus_(10 * std::int64_t{rate_}),
      ramp_(std::max<std::int64_t>(1, std::llround(rate_ * kRampSeconds))) {
    // Enough that the audio thread never allocates: one voice per wave, and a
    // few fading out.
    voices_.reserve(32);
}

double WaveSynth::level(std::int64_t amp_tenths) {
    return kPeak * static_cast<double>(std::clamp<std::int64_t>(amp_tenths, 0, kHighestAmp)) /
           static_cast<double>(kWaves * kHighestAmp);
}

void WaveSynth::set(const WaveSettings& s) {
    for (std::size_t k = 0; k < kWaves; ++k) {
        // Far past hearing already; the bound only keeps llround defined.
        const float f = std::isfinite(s.freq.at(k)) ? std::clamp(s.freq.at(k), 0.0f, 1e9f) : 0.0f;
        wanted_[k] = Target{std::llround(f), s.amp.at(k), s.is_cos.at(k) != 0};
    }
    pending_ = wanted_ != playing_;
}

void WaveSynth::fade_out() {
    wanted_ = {};
    pending_ = wanted_ != playing_;
}

void WaveSynth::ramp(Voice& v, double tc, double ts) const {
    v.tc = tc;
    v.ts = ts;
    v.left = ramp_;
    v.dc = (tc - v.c) / static_cast<double>(ramp_);
    v.ds = (ts - v.s) / static_cast<double>(ramp_);
}

void WaveSynth::apply(std::size_t k, const Target& t) {
    // A constant is no sound, and a tone past hearing or past half the rate
    // would come back as a false lower one: both are left out.
    const double hz = static_cast<double>(t.freq_tenths) / 10.0 * static_cast<double>(kPitchFactor);
    const bool audible = t.freq_tenths > 0 && t.amp_tenths > 0 && hz < kHearingLimit &&
                         hz < static_cast<double>(rate_) / 2.0;
    const double gain = level(t.amp_tenths);
    const double tc = t.cosine ? gain : 0.0;
    const double ts = t.cosine ? 0.0 : gain;
    const std::int64_t step = (t.freq_tenths % modulus_) * kPitchFactor % modulus_;

    bool kept = false;
    for (Voice& v : voices_) {
        if (v.component != k || !v.current) {
            continue;
        }
        if (audible && v.step == step) {
            ramp(v, tc, ts);
            kept = true;
        } else {
            v.current = false;
            ramp(v, 0.0, 0.0);
        }
    }
    if (audible && !kept) {
        Voice v{k, true, step, step * clock_ % modulus_, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0};
        ramp(v, tc, ts);
        voices_.push_back(v);
    }
}

void WaveSynth::render(std::span<float> out) {
    if (pending_) {
        for (std::size_t k = 0; k < kWaves; ++k) {
            if (wanted_[k] != playing_[k]) {
                apply(k, wanted_[k]);
            }
        }
        playing_ = wanted_;
        pending_ = false;
    }
    const double turn = 2.0 * std::numbers::pi / static_cast<double>(modulus_);
    for (float& sample : out) {
        double y = 0.0;
        for (Voice& v : voices_) {
            const double angle = turn * static_cast<double>(v.phase);
            y += v.c * std::cos(angle) + v.s * std::sin(angle);
            v.phase += v.step;
            if (v.phase >= modulus_) {
                v.phase -= modulus_;
            }
            if (v.left > 0) {
                --v.left;
                // The ramp ends on its target exactly, so silence is 0.0.
                v.c = v.left == 0 ? v.tc : v.c + v.dc;
                v.s = v.left == 0 ? v.ts : v.s + v.ds;
            }
        }
        sample = static_cast<float>(y);
        clock_ = clock_ + 1 == modulus_ ? 0 : clock_ + 1;
    }
    std::erase_if(voices_, [](const Voice& v) {
        return !v.current && v.left == 0 && v.c == 0.0 && v.s == 0.0;
    });
}

} // namespace wave
