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
    std::vector<ComponentTerm> terms;
    for (std::int16_t k = 0; k <= s.last_comp; ++k) {
        terms.emplace_back(s, static_cast<std::size_t>(k));
    }
    draw_samples(plot, s, [&terms](double x) {
        // The running sum is single precision; each term is double.
        float y = 0.0f;
        for (const ComponentTerm& term : terms) {
            y = static_cast<float>(static_cast<double>(y) + term.at(x));
        }
        return static_cast<double>(y);
    });
}

} // namespace wave
