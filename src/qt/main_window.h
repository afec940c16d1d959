// SPDX-License-Identifier: MIT
#pragma once

#include "qt/window_geometry.h"

#include <QWidget>

#include <memory>

namespace wave {
class Form1;
struct FormControls;
} // namespace wave

namespace desktop {

// The one window. It builds its controls from the layout table, lends them to
// the logic object Form1 (which owns the wave settings and draws), connects
// each control's signal to Form1's event procedure, and runs the start-up
// sequence before it is first shown. It keeps no wave state of its own.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    wave::Form1& form() { return *form_; }
    const WindowGeometry& windowGeometry() const { return geometry_; }
    wave::FormControls controls();

private:
    template <typename T> T* control(const char* name, int index = -1) const;
    void connectEvents();

    WindowGeometry geometry_{*this};
    ScreenSize screen_;
    std::unique_ptr<wave::Form1> form_;
};

} // namespace desktop
