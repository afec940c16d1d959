// SPDX-License-Identifier: MIT
#pragma once

#include "form/wave_settings.h"
#include "ui/controls.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace wave {

inline constexpr Colour kGridGreen = 0xFF00;
inline constexpr Colour kAxisBlack = 0x0;
inline constexpr Colour kWaveRed = 0xFF;
inline constexpr Colour kSumBlue = 0xFF0000;

// x of the right edge: 2 * span_t in single precision, times pi in double.
inline double plot_end(const WaveSettings& s) {
    return s.pi * static_cast<double>(2.0f * s.span_t);
}

// Dotted lines at 1 .. span_t - 1 seconds, from +y_range to -y_range.
void draw_second_lines(PictureBox& plot, const WaveSettings& s);

// Solid black line along y = 0 across the plot.
void draw_time_axis(PictureBox& plot, const WaveSettings& s);

// One component's term of a sample, its amplitude and frequency worked out
// once rather than per sample: amp / 10 in double, freq / 10 in single.
struct ComponentTerm {
    double amplitude;
    double frequency;
    bool cosine;

    ComponentTerm(const WaveSettings& s, std::size_t i)
        : amplitude(s.amp.at(i) / 10.0), frequency(static_cast<double>(s.freq.at(i) / 10.0f)),
          cosine(s.is_cos.at(i) != 0) {}

    double at(double x) const {
        const double arg = frequency * x;
        return amplitude * (cosine ? std::cos(arg) : std::sin(arg));
    }
};

// Where a plot takes its samples: x = 0, h, 2h, ... (accumulated, not
// multiplied) while x <= the right edge, with h = span_t * pi / 200.
template <typename Visit> void for_each_sample_x(const WaveSettings& s, Visit visit) {
    const double xe = plot_end(s);
    const double h = static_cast<double>(s.span_t) * s.pi / 200.0;
    for (double x = 0.0; x <= xe; x += h) {
        visit(x);
    }
}

// One connected polyline through the samples, y_at(n) giving the value of
// the n-th.
template <typename SampleAt>
void draw_samples(PictureBox& plot, const WaveSettings& s, SampleAt y_at) {
    std::vector<float> xs;
    std::vector<float> ys;
    // Every span gives 400 or 401 samples: no growing on the way.
    xs.reserve(402);
    ys.reserve(402);
    for_each_sample_x(s, [&](double x) {
        xs.push_back(static_cast<float>(x));
        ys.push_back(static_cast<float>(y_at(ys.size())));
    });
    plot.Polyline(xs.data(), ys.data(), xs.size());
}

} // namespace wave
