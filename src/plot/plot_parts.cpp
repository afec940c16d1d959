// SPDX-License-Identifier: MIT
#include "plot/plot_parts.h"

#include <cmath>
#include <cstdint>

namespace wave {

void draw_second_lines(PictureBox& plot, const WaveSettings& s) {
    const auto top = static_cast<float>(s.y_range);
    const auto bottom = static_cast<float>(-s.y_range);
    const int columns = plot.PixelColumns();

    // More seconds than pixel columns: every column holds at least one line,
    // so one line per column shows the same picture at a cost bounded by the
    // plot's width rather than by the span.
    if (columns > 0 && static_cast<double>(s.span_t) > columns) {
        const double column_width = plot_end(s) / columns;
        for (int col = 0; col < columns; ++col) {
            const auto x = static_cast<float>((col + 0.5) * column_width);
            plot.Line(x, top, x, bottom);
        }
        return;
    }

    // nearbyint rounds halves to even; 64 bits so no span can overflow the counter.
    const auto n = static_cast<std::int64_t>(std::nearbyint(s.span_t - 1.0f));
    for (std::int64_t i = 1; i <= n; ++i) {
        const auto x = static_cast<float>(static_cast<double>(2 * i) * s.pi);
        plot.Line(x, top, x, bottom);
    }
}

void draw_time_axis(PictureBox& plot, const WaveSettings& s) {
    plot.DrawStyle(LineStyle::Solid);
    plot.ForeColor(kAxisBlack);
    plot.Line(0.0f, 0.0f, static_cast<float>(plot_end(s)), 0.0f);
}

} // namespace wave
