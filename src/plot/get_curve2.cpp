#include "plot/plot_parts.h"
#include "ui/form1.h"

#include <array>
#include <cmath>

void Form1::get_curve2() {
    PictureBox& plot = *c.Gr;
    const WaveSettings& s = settings;

    plot.DrawStyle(LineStyle::Dotted);
    plot.ForeColor(kGridGreen);
    if (s.span_t >= 2.0f) {
        draw_second_lines(plot, s);
    }
    draw_time_axis(plot, s);

    plot.DrawStyle(LineStyle::Solid);
    plot.ForeColor(kSumBlue);
    // Each term's amplitude and frequency, worked out once rather than per sample.
    struct Term {
        double amplitude;
        double frequency;
        bool cosine;
    };
    std::array<Term, 4> terms{};
    const std::size_t count = s.last_comp < 0 ? 0 : static_cast<std::size_t>(s.last_comp) + 1;
    for (std::size_t i = 0; i < count; ++i) {
        terms.at(i) = {s.amp.at(i) / 10.0, static_cast<double>(s.freq.at(i) / 10.0f),
                       s.is_cos.at(i) != 0};
    }
    draw_samples(plot, s, [&terms, count](double x) {
        // The running sum is single precision; each term is double.
        float y = 0.0f;
        for (std::size_t i = 0; i < count; ++i) {
            const Term& t = terms[i];
            const double arg = t.frequency * x;
            const double term =
                t.cosine ? t.amplitude * std::cos(arg) : t.amplitude * std::sin(arg);
            y = static_cast<float>(static_cast<double>(y) + term);
        }
        return static_cast<double>(y);
    });
}
