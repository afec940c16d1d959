// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "plot/plot_parts.h"

#include <vector>

namespace wave {

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
    std::vector<const std::vector<double>*> waves;
    for (std::int16_t k = 0; k <= s.last_comp; ++k) {
        waves.push_back(&samples_.of(s, static_cast<std::size_t>(k)));
    }
    draw_samples(plot, s, [&waves](std::size_t n) {
        // The running sum is single precision; each term is double.
        float y = 0.0f;
        for (const std::vector<double>* terms : waves) {
            y = static_cast<float>(static_cast<double>(y) + (*terms)[n]);
        }
        return static_cast<double>(y);
    });
}

} // namespace wave
