// SPDX-License-Identifier: MIT
#include "qt/picture_box_widget.h"

#include "frontend/window.h"
#include "qt/colour.h"

#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace desktop {

using wave::kPlotBorder;

PictureBoxWidget::PictureBoxWidget(wave::Colour background, QWidget* parent)
    : QWidget(parent), surface_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    fit();
}

void PictureBoxWidget::fit() {
    // Asked once: the ratio comes from the screen, a walk up to the window.
    const qreal ratio = devicePixelRatioF();
    surface_.Resize(wave::device_pixels(width() - 2 * kPlotBorder, ratio),
                    wave::device_pixels(height() - 2 * kPlotBorder, ratio), ratio);
}

void PictureBoxWidget::present() {
    fit();
    surface_.pixels();
    const wave::PlotSurface::RowSpan rows = surface_.take_changed_rows();
    if (rows.first > rows.last) {
        return;
    }
    // Device rows to the logical ones that hold them.
    const qreal ratio = surface_.pixel_ratio();
    const int top = kPlotBorder + static_cast<int>(std::floor(rows.first / ratio));
    const int bottom = kPlotBorder + static_cast<int>(std::ceil((rows.last + 1) / ratio));
    update(0, top, width(), bottom - top);
}

const QImage& PictureBoxWidget::image() {
    fit();
    const auto* bits = reinterpret_cast<const uchar*>(surface_.pixels());
    if (view_.constBits() != bits || view_.width() != surface_.width() ||
        view_.height() != surface_.height()) {
        view_ = QImage(bits, surface_.width(), surface_.height(), surface_.width() * 4,
                       QImage::Format_RGBX8888);
    }
    view_.setDevicePixelRatio(surface_.pixel_ratio());
    return view_;
}

void PictureBoxWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit();
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(kPlotBorder, kPlotBorder), image());

    // A sunken edge two pixels deep, the same on every desktop. Filled
    // rectangles, not lines: a line is centred on its coordinate, which at a
    // scale of 2 puts half of it on the plot's own pixels.
    const int w = width();
    const int h = height();
    const wave::Edge& edge = wave::kPlotEdge;
    p.fillRect(QRect(0, 0, w - 1, 1), to_qcolor(edge.outer_top_left));
    p.fillRect(QRect(0, 0, 1, h - 1), to_qcolor(edge.outer_top_left));
    p.fillRect(QRect(0, h - 1, w, 1), to_qcolor(edge.outer_bottom_right));
    p.fillRect(QRect(w - 1, 0, 1, h), to_qcolor(edge.outer_bottom_right));
    // Keyboard focus recolours the inner ring: the drawing itself stays untouched.
    const bool ring = hasFocus() && keyboardFocus_;
    const QColor focus = palette().color(QPalette::Highlight);
    p.fillRect(QRect(1, 1, w - 3, 1), ring ? focus : to_qcolor(edge.inner_top_left));
    p.fillRect(QRect(1, 1, 1, h - 3), ring ? focus : to_qcolor(edge.inner_top_left));
    p.fillRect(QRect(1, h - 2, w - 2, 1), ring ? focus : to_qcolor(edge.inner_bottom_right));
    p.fillRect(QRect(w - 2, 1, 1, h - 2), ring ? focus : to_qcolor(edge.inner_bottom_right));
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
