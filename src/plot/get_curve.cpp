#include "plot/plot_parts.h"
#include "ui/form1.h"

#include <cmath>

void Form1::get_curve(std::int16_t index) {
    const auto k = static_cast<std::size_t>(index);
    PictureBox& plot = *c.Grph.at(k);
    const WaveSettings& s = settings;

    plot.Cls();
    // The sum is drawn again by get_curve2, which never clears.
    c.Gr->Cls();

    plot.DrawStyle(LineStyle::Dotted);
    plot.ForeColor(kGridGreen);
    if (s.span_t > 1.0f) {
        draw_second_lines(plot, s);
    }
    draw_time_axis(plot, s);

    plot.ForeColor(kWaveRed);
    const auto f = static_cast<double>(s.freq.at(k) / 10.0f);
    const double a = s.amp.at(k) / 10.0;
    const bool cosine = s.is_cos.at(k) != 0;
    draw_samples(plot, s, [f, a, cosine](double x) {
        const double arg = f * x;
        const double w = cosine ? std::cos(arg) : std::sin(arg);
        return a * w;
    });
}
