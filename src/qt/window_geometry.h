// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/window.h"

class QWidget;

namespace desktop {

// The window's outer size and position in twips. The outer size is remembered
// as set (the window manager owns the frame); the position moves the window.
class WindowGeometry : public wave::RememberedWindow {
public:
    explicit WindowGeometry(QWidget& window) : window_(window) {}

    void Left(float twips) override;
    void Top(float twips) override;

private:
    QWidget& window_;
};

// The primary screen's size, and the corner of its available area, in twips.
class ScreenSize : public wave::Screen {
public:
    float Width() const override;
    float Height() const override;
    float AvailableLeft() const override;
    float AvailableTop() const override;
};

} // namespace desktop
