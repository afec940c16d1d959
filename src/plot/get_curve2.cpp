#include "plot/plot_parts.h"
#include "ui/form1.h"

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
    draw_samples(plot, s, [&s](double x) {
        // The running sum is single precision; each term is double.
        float y = 0.0f;
        for (std::int16_t k = 0; k <= s.last_comp; ++k) {
            const auto i = static_cast<std::size_t>(k);
            const double a = s.amp.at(i) / 10.0;
            const float f = s.freq.at(i) / 10.0f;
            const double arg = static_cast<double>(f) * x;
            const double term = s.is_cos.at(i) != 0 ? a * std::cos(arg) : a * std::sin(arg);
            y = static_cast<float>(static_cast<double>(y) + term);
        }
        return static_cast<double>(y);
    });
}
