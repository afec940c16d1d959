// SPDX-License-Identifier: MIT
#pragma once

#include "ui/qt/window_geometry.h"

#include <QWidget>

#include <memory>

class Form1;
struct FormControls;

// The one window. It builds its controls from the layout table, lends them to
// the logic object Form1 (which owns the wave settings and draws), connects
// each control's signal to Form1's event procedure, and runs the start-up
// sequence before it is first shown. It keeps no wave state of its own.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Form1& form() { return *form_; }
    const WindowGeometry& windowGeometry() const { return geometry_; }

private:
    template <typename T>
    T* control(const char* name, int index = -1) const;
    FormControls controls();
    void connectEvents();

    WindowGeometry geometry_{*this};
    ScreenSize screen_;
    std::unique_ptr<Form1> form_;
};
