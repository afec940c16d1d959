// SPDX-License-Identifier: MIT
#include "qt/picture_box_widget.h"

#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace desktop {

using namespace wave;

PictureBoxWidget::PictureBoxWidget(Colour background, QWidget* parent)
    : QWidget(parent), surface_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitSurface();
}

QSize PictureBoxWidget::deviceSize(qreal ratio) const {
    const int w = std::max(1, width() - 2 * kBorder);
    const int h = std::max(1, height() - 2 * kBorder);
    return {static_cast<int>(std::lround(w * ratio)), static_cast<int>(std::lround(h * ratio))};
}

// A hidden widget hears of its new size only when shown; plots are drawn
// before that, so every entry point checks.
void PictureBoxWidget::fitSurface() {
    // Asked once: the ratio comes from the screen, a walk up to the window.
    const qreal ratio = devicePixelRatioF();
    const QSize size = deviceSize(ratio);
    surface_.Resize(size.width(), size.height(), ratio);
    changed();
}

// One repaint per batch of strokes: asking for each would cost more than
// drawing the stroke.
void PictureBoxWidget::changed() {
    if (!updateAsked_ && surface_.generation() != shown_) {
        updateAsked_ = true;
        update();
    }
}

const QImage& PictureBoxWidget::image() {
    fitSurface();
    const auto* bits = reinterpret_cast<const uchar*>(surface_.pixels());
    if (view_.constBits() != bits || view_.width() != surface_.width() ||
        view_.height() != surface_.height()) {
        view_ = QImage(bits, surface_.width(), surface_.height(), surface_.width() * 4,
                       QImage::Format_RGBX8888);
    }
    view_.setDevicePixelRatio(surface_.pixel_ratio());
    return view_;
}

void PictureBoxWidget::Scale(float x1, float y1, float x2, float y2) {
    fitSurface();
    surface_.Scale(x1, y1, x2, y2);
}

void PictureBoxWidget::Cls() {
    fitSurface();
    surface_.Cls();
    changed();
}

void PictureBoxWidget::DrawStyle(LineStyle style) {
    surface_.DrawStyle(style);
}

void PictureBoxWidget::ForeColor(Colour colour) {
    surface_.ForeColor(colour);
}

void PictureBoxWidget::Line(float x1, float y1, float x2, float y2) {
    surface_.Line(x1, y1, x2, y2);
    changed();
}

void PictureBoxWidget::Line(float x2, float y2) {
    surface_.Line(x2, y2);
    changed();
}

void PictureBoxWidget::PSet(float x, float y) {
    surface_.PSet(x, y);
    changed();
}

int PictureBoxWidget::PixelColumns() const {
    return deviceSize(devicePixelRatioF()).width();
}

void PictureBoxWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitSurface();
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    // Asking again while this paint is on its way would only paint twice.
    updateAsked_ = true;
    QPainter p(this);
    p.drawImage(QPoint(kBorder, kBorder), image());
    shown_ = surface_.generation();
    updateAsked_ = false;

    // A sunken edge two pixels deep, the same on every desktop. Filled
    // rectangles, not lines: a line is centred on its coordinate, which at a
    // scale of 2 puts half of it on the plot's own pixels.
    const int w = width();
    const int h = height();
    const QColor shadow(0x80, 0x80, 0x80);
    const QColor dark(0x40, 0x40, 0x40);
    const QColor light(0xD4, 0xD0, 0xC8);
    p.fillRect(QRect(0, 0, w - 1, 1), shadow);
    p.fillRect(QRect(0, 0, 1, h - 1), shadow);
    p.fillRect(QRect(0, h - 1, w, 1), Qt::white);
    p.fillRect(QRect(w - 1, 0, 1, h), Qt::white);
    // Keyboard focus recolours the inner ring: the drawing itself stays untouched.
    const bool ring = hasFocus() && keyboardFocus_;
    const QColor focus = palette().color(QPalette::Highlight);
    p.fillRect(QRect(1, 1, w - 3, 1), ring ? focus : dark);
    p.fillRect(QRect(1, 1, 1, h - 3), ring ? focus : dark);
    p.fillRect(QRect(1, h - 2, w - 2, 1), ring ? focus : light);
    p.fillRect(QRect(w - 2, 1, 1, h - 2), ring ? focus : light);
}

void PictureBoxWidget::focusInEvent(QFocusEvent* event) {
    // As buttons do: the focus is shown when it came from the keyboard.
    const Qt::FocusReason reason = event->reason();
    keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                     reason == Qt::ShortcutFocusReason;
    QWidget::focusInEvent(event);
}

void PictureBoxWidget::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    QWidget::focusOutEvent(event);
}

} // namespace desktop
