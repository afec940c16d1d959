// SPDX-License-Identifier: MIT
#include "frontend/apply_setup.h"
#include "ui/number_text.h"

namespace wave {

void apply_setup(Form1& form, const FormControls& controls, const WaveSettings& s) {
    form.settings = s;
    for (std::size_t k = 0; k < 4; ++k) {
        // The captions the spinners' handlers write.
        controls.Labela.at(k)->Caption(number_text(s.amp.at(k) / 10.0));
        controls.Labelb.at(k)->Caption(number_text(s.freq.at(k) / 10.0f));
        (s.is_cos.at(k) != 0 ? controls.switch_c : controls.switch_s).at(k)->Value(true);
    }
    // The span's own handler writes the time labels, sets every scale and
    // redraws every plot: it is given the last press onto the span.
    if (s.span_t > 1.0f) {
        form.settings.span_t = s.span_t - 1.0f;
        form.SpinButton1_SpinUp();
    } else {
        form.settings.span_t = 2.0f;
        form.SpinButton1_SpinDown();
    }
}

std::array<std::string_view, 2> step_options(const WaveSettings& s) {
    auto pick = [](std::int16_t step, std::array<std::string_view, 4> names) {
        switch (step) {
        case 5:
            return names[1];
        case 2:
            return names[2];
        case 1:
            return names[3];
        default:
            return names[0];
        }
    };
    return {pick(s.step_a, {"Option5", "Option6", "Option7", "Option8"}),
            pick(s.step_f, {"Option1", "Option2", "Option3", "Option4"})};
}

} // namespace wave
