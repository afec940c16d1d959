// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "ui/number_text.h"

namespace wave {

void Form1::SpinButton3_SpinDown(std::int16_t Index) {
    const auto k = static_cast<std::size_t>(Index);
    std::int16_t& amp = settings.amp.at(k);
    // The result is tested: the amplitude can reach 0 but never pass it.
    if (amp - settings.step_a >= 0) {
        amp = static_cast<std::int16_t>(amp - settings.step_a);
        c.Labela.at(k)->Caption(number_text(amp / 10.0));
        get_curve(Index);
        get_curve2();
    }
}

void Form1::SpinButton3_SpinUp(std::int16_t Index) {
    const auto k = static_cast<std::size_t>(Index);
    std::int16_t& amp = settings.amp.at(k);
    // The value before the step is tested, so 95 + 10 still gives 105.
    if (amp < settings.amp_max) {
        amp = static_cast<std::int16_t>(amp + settings.step_a);
        c.Labela.at(k)->Caption(number_text(amp / 10.0));
        get_curve(Index);
        get_curve2();
    }
}

void Form1::SpinButton4_SpinDown(std::int16_t Index) {
    const auto k = static_cast<std::size_t>(Index);
    float& freq = settings.freq.at(k);
    const auto step = static_cast<float>(settings.step_f);
    if (freq - step >= 0.0f) {
        freq = freq - step;
        c.Labelb.at(k)->Caption(number_text(freq / 10.0f));
        get_curve(Index);
        get_curve2();
    }
}

void Form1::SpinButton4_SpinUp(std::int16_t Index) {
    const auto k = static_cast<std::size_t>(Index);
    float& freq = settings.freq.at(k);
    freq = freq + static_cast<float>(settings.step_f);
    c.Labelb.at(k)->Caption(number_text(freq / 10.0f));
    get_curve(Index);
    get_curve2();
}

} // namespace wave
