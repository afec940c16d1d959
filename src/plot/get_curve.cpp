// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "plot/plot_parts.h"

namespace wave {

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
    const std::vector<double>& terms = samples_.of(s, k);
    draw_samples(plot, s, [&terms](std::size_t n) { return terms[n]; });
}

} // namespace wave
