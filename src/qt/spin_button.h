// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/hold_to_repeat.h"

#include <QStyle>
#include <QTimer>
#include <QWidget>

namespace desktop {

// Two stacked arrows that only report presses; the value they change lives
// with whoever listens. A held arrow repeats its event by the core's hold
// rules until the press ends, however it ends: a release, or the window
// losing the pointer, the focus or its place on the screen.
class SpinButton : public QWidget, private wave::Timer {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

signals:
    void SpinUp();
    void SpinDown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class Arrow;

    // The hold's timer.
    void start(wave::Micros delay) override;

    Arrow& arrow(wave::SpinArrow which) const;
    void endHold();
    void drawArrow(QPainter& painter, const Arrow& arrow, QStyle::PrimitiveElement element) const;

    Arrow* up_;
    Arrow* down_;
    QTimer* repeat_;
    wave::HoldToRepeat hold_;
};

} // namespace desktop
