// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "ui/number_text.h"

#include <algorithm>

namespace wave {

void Form1::Form_Load() {
    WaveSettings& s = settings;
    s.pi = 3.14159;
    s.y_range = 10;
    s.span_t = 1.0f;
    s.last_comp = 3;
    s.amp_max = 100;
    for (std::size_t i = 0; i <= 3; ++i) {
        c.switch_c.at(i)->Value(true);
        c.switch_s.at(i)->Value(false);
        s.amp.at(i) = 0;
        s.freq.at(i) = 0.0f;
        s.is_cos.at(i) = VbTrue;
    }
    // The step options already stand on "1" in the layout.
    s.step_a = 10;
    s.step_f = 10;

    c.labelt->Caption(number_text(s.span_t));
    c.value_t->Caption(number_text(s.span_t));

    c.window->Height(7395.0f);
    c.window->Width(7020.0f);
    place_window();

    const std::int16_t last = s.last_comp;
    for (std::int16_t i = 0; i <= last; ++i) {
        const auto k = static_cast<std::size_t>(i);
        c.Labela.at(k)->Caption(number_text(s.amp.at(k) / 10.0));
        c.Labelb.at(k)->Caption(number_text(s.freq.at(k) / 10.0f));
        set_component_scale(i);
        get_curve(i);
    }
    set_sum_scale();
    get_curve2();
}

void Form1::place_window() {
    // Halves of a twip are kept: no integer division here. A window larger
    // than the screen keeps its top-left corner, and so its title bar, where
    // the learner can reach it.
    c.window->Top(
        std::max((c.screen->Height() - c.window->Height()) / 2.0f, c.screen->AvailableTop()));
    c.window->Left(
        std::max((c.screen->Width() - c.window->Width()) / 2.0f, c.screen->AvailableLeft()));
}

} // namespace wave
