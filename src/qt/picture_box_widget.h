// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"
#include "ui/plot_surface.h"

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace desktop {

// A plot on screen: the drawing is the surface's, kept until the next Cls,
// so it survives covering and repaints; the widget shows its pixels inside a
// sunken edge and tells it of every change of size or pixel density.
class PictureBoxWidget : public QWidget, public wave::PictureBox {
    Q_OBJECT

public:
    PictureBoxWidget(wave::Colour background, QWidget* parent);

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void DrawStyle(wave::LineStyle style) override;
    void ForeColor(wave::Colour colour) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x2, float y2) override;
    void PSet(float x, float y) override;
    int PixelColumns() const override;

    // The drawing as it stands, in device pixels; valid until the next stroke.
    const QImage& image();

    static constexpr int kBorder = 2; // the sunken 3D edge, in logical pixels

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QSize deviceSize(qreal ratio) const;
    void fitSurface();
    void changed();

    wave::PlotSurface surface_;
    QImage view_;             // over the surface's pixels
    std::uint64_t shown_ = 0; // the surface's generation last painted
    bool updateAsked_ = false;
    bool keyboardFocus_ = false;
};

} // namespace desktop
