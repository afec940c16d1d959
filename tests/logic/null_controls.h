// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"
#include "ui/controls.h"
#include "ui/null_picture_box.h"

#include <array>

namespace wave {

// Controls that show nothing, for a window whose logic is all that matters:
// what it costs on its own, or what it would draw afresh.
class NullLabel : public Label {
public:
    void Caption(const std::string&) override {}
};

class NullOption : public OptionButton {
public:
    void Value(bool) override {}
};

class NullWindow : public Window {
public:
    float Width() const override { return 7020; }
    float Height() const override { return 7395; }
    void Width(float) override {}
    void Height(float) override {}
    void Left(float) override {}
    void Top(float) override {}
};

class NullScreen : public Screen {
public:
    float Width() const override { return 15360; }
    float Height() const override { return 11520; }
};

struct NullForm {
    std::array<NullPictureBox, 5> plots;
    std::array<NullLabel, 10> labels;
    std::array<NullOption, 8> options;
    NullWindow window;
    NullScreen screen;
    Form1 form{controls()};

    FormControls controls() {
        FormControls c;
        for (std::size_t i = 0; i < 4; ++i) {
            c.Grph[i] = &plots[i];
            c.Labela[i] = &labels[i];
            c.Labelb[i] = &labels[4 + i];
            c.switch_c[i] = &options[i];
            c.switch_s[i] = &options[4 + i];
        }
        c.Gr = &plots[4];
        c.labelt = &labels[8];
        c.value_t = &labels[9];
        c.window = &window;
        c.screen = &screen;
        return c;
    }
};

} // namespace wave
