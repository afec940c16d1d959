// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"
#include "ui/plot_surface.h"

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace desktop {

// A plot on screen. The logic draws into the surface, which keeps the
// drawing until the next Cls; the widget shows its pixels inside a sunken
// edge, sizes it to the widget's device pixels, and repaints the rows that
// changed when asked to present them.
class PictureBoxWidget : public QWidget {
    Q_OBJECT

public:
    PictureBoxWidget(wave::Colour background, QWidget* parent);

    wave::PlotSurface& surface() { return surface_; }

    // Sizes the surface to the widget's drawing area in device pixels. A
    // hidden widget hears of its size only when shown, and the logic draws
    // before that: whoever places the widget calls this.
    void fit();

    // Repaints the rows drawn since the last time, once per event.
    void present();

    // The drawing as it stands, in device pixels; valid until the next stroke.
    const QImage& image();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    wave::PlotSurface surface_;
    QImage view_; // over the surface's pixels
    bool keyboardFocus_ = false;
};

} // namespace desktop
