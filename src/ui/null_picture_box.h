// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"

namespace wave {

// A picture box that draws and shows nothing, for a window whose logic is
// all that matters: what it costs, what it would draw afresh, what it says.
class NullPictureBox : public PictureBox {
public:
    void Scale(float, float, float, float) override {}
    void Cls() override {}
    void DrawStyle(LineStyle) override {}
    void ForeColor(Colour) override {}
    void Line(float, float, float, float) override {}
    void Line(float, float) override {}
    void PSet(float, float) override {}
    int PixelColumns() const override { return 301; }
};

} // namespace wave
