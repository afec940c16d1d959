// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"
#include "qt/window_geometry.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace desktop {

class PictureBoxWidget;

// The one window. The core's front-end layer builds its controls from the
// layout table and binds their events to the logic object Form1 (which owns
// the wave settings and draws into the plots' surfaces); after each event the
// window presents what the plots drew. It keeps no wave state of its own.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    wave::Form1& form() { return *form_; }
    // What the logic reaches by name, as the window lent it.
    const wave::FormControls& controls() const { return controls_; }
    // Shows what the plots drew since the last time.
    void present();

private:
    WindowGeometry geometry_{*this};
    ScreenSize screen_;
    wave::FormControls controls_;
    std::unique_ptr<wave::Form1> form_;
    std::vector<PictureBoxWidget*> plots_;
};

} // namespace desktop
