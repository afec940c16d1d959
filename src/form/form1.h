// SPDX-License-Identifier: MIT
#pragma once

#include "form/wave_samples.h"
#include "form/wave_settings.h"
#include "ui/controls.h"

#include <array>
#include <cstdint>

namespace wave {

// The controls the window's logic reaches by name.
struct FormControls {
    std::array<PictureBox*, 4> Grph{};
    PictureBox* Gr = nullptr;
    std::array<Label*, 4> Labela{};
    std::array<Label*, 4> Labelb{};
    Label* labelt = nullptr;
    Label* value_t = nullptr;
    std::array<OptionButton*, 4> switch_c{};
    std::array<OptionButton*, 4> switch_s{};
    // Option1..Option8: the logic only hears their clicks; a set-up selects them.
    std::array<OptionButton*, 8> step_options{};
    Window* window = nullptr;
    Screen* screen = nullptr;
};

// The window's logic: one settings record, the start-up sequence, the two
// drawing routines and the event procedures. Every change flows one way:
// event -> settings -> captions -> get_curve(i)... -> get_curve2(). The
// controls are borrowed; whoever builds the window owns them.
class Form1 {
public:
    explicit Form1(const FormControls& controls) : c(controls) {}

    WaveSettings settings{};

    // src/settings
    void Form_Load();

    // src/plot
    void get_curve(std::int16_t index);
    void get_curve2();

    // src/handlers
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void SpinButton3_SpinUp(std::int16_t Index);
    void SpinButton3_SpinDown(std::int16_t Index);
    void SpinButton4_SpinUp(std::int16_t Index);
    void SpinButton4_SpinDown(std::int16_t Index);
    void switch_c_Click(std::int16_t Index);
    void switch_s_Click(std::int16_t Index);
    void SpinButton1_SpinUp();
    void SpinButton1_SpinDown();
    void Command1_Click();

    // Centres the window on the screen, as start-up does; a front end whose
    // screen can change size (a page's viewport) asks again.
    void place_window();

private:
    // The scales and redraws shared by start-up, the time span and RESET.
    void set_component_scale(std::int16_t i);
    void set_sum_scale();
    float right_edge() const;
    void redraw_span();

    FormControls c;
    WaveSamples samples_;
};

} // namespace wave
