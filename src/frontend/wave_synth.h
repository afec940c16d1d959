// SPDX-License-Identifier: MIT
#pragma once

#include "form/wave_settings.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace wave {

// Every frequency is heard this many times higher. At x100 a 1 Hz wave sounds
// at 100 Hz and the smallest step, 0.1 Hz, becomes 10 Hz: two waves that far
// apart are heard as beats, a loudness that swells and fades ten times a
// second, whereas from about 15 to 20 Hz apart the ear hears roughness, not
// beats, so a larger factor would lose the beats lesson. A smaller one would
// push 1 Hz below what classroom speakers play. And a power of ten lets the
// class read the heard pitch off the label: 1.1 Hz is 110 Hz.
inline constexpr std::int64_t kPitchFactor = 100;

// The sum E as sound, in blocks of mono float samples. Each component plays
// a * cos or a * sin of one clock that starts with the first sample, as the
// plot's time axis starts at 0, so waves of equal frequency add as the plot
// adds them, loud in step and weaker a quarter turn apart, however the
// learner reached them. A change is taken at the start of the
// next block and glides over kRampSeconds: gains ramp, a cosine turns into a
// sine by fading one into the other, and a new frequency fades in on the
// common clock while the old one fades out, so nothing jumps.
//
// Not thread-safe: a front end that renders on an audio thread hands the
// settings over under its own lock.
class WaveSynth {
public:
    static constexpr double kRampSeconds = 0.005;
    // The level at which four waves of the highest amplitude, all in step, just
    // reach this peak; a fixed scale, so a larger amplitude is always louder.
    static constexpr double kPeak = 0.98;

    explicit WaveSynth(int sample_rate);

    void set(const WaveSettings& s);
    // Every wave to silence; silent() once it is there.
    void fade_out();
    void render(std::span<float> out);
    bool silent() const { return voices_.empty() && !pending_; }

    int sample_rate() const { return rate_; }
    // The level of amplitude a (in tenths) in the output.
    static double level(std::int64_t amp_tenths);

private:
    struct Target {
        std::int64_t freq_tenths = 0;
        std::int64_t amp_tenths = 0;
        bool cosine = true;
        bool operator==(const Target&) const = default;
    };
    struct Voice {
        std::size_t component;
        bool current;       // the one that plays the component's frequency now
        std::int64_t step;  // phase per sample, in 1/modulus of a turn
        std::int64_t phase; // in [0, modulus)
        double c, s;        // gains of the cosine and the sine
        double tc, ts;      // where the ramp ends
        double dc, ds;
        std::int64_t left; // samples of the ramp still to go
    };

    void apply(std::size_t k, const Target& t);
    void ramp(Voice& v, double tc, double ts) const;

    int rate_;
    std::int64_t modulus_; // a turn: ten per second's sample (freq is in tenths)
    std::int64_t ramp_;
    std::int64_t clock_ = 0; // samples since the start, mod modulus_
    std::array<Target, 4> playing_{};
    std::array<Target, 4> wanted_{};
    bool pending_ = false;
    std::vector<Voice> voices_;
};

} // namespace wave
