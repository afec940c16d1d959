// SPDX-License-Identifier: MIT
#include "frontend/apply_setup.h"
#include "frontend/setup_text.h"
#include "ui/number_text.h"

#include <algorithm>

namespace wave {

namespace {

// A step's option among its four: the first for a step no option offers.
std::size_t option_for(std::int16_t step) {
    const auto* at = std::find(kSteps.begin(), kSteps.end(), step);
    return at == kSteps.end() ? 0 : static_cast<std::size_t>(at - kSteps.begin());
}

} // namespace

void apply_setup(Form1& form, const FormControls& controls, const WaveSettings& s) {
    form.settings = s;
    for (std::size_t k = 0; k < 4; ++k) {
        // The captions the spinners' handlers write.
        controls.Labela.at(k)->Caption(number_text(s.amp.at(k) / 10.0));
        controls.Labelb.at(k)->Caption(number_text(s.freq.at(k) / 10.0f));
        (s.is_cos.at(k) != 0 ? controls.switch_c : controls.switch_s).at(k)->Value(true);
    }
    // Selected without a click: the record has the steps already.
    controls.step_options.at(option_for(s.step_f))->Value(true);
    controls.step_options.at(kSteps.size() + option_for(s.step_a))->Value(true);
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

} // namespace wave
