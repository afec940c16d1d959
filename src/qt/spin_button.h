// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/hold_to_repeat.h"

#include <QStyle>
#include <QWidget>

#include <functional>
#include <memory>

namespace desktop {

// What a hold runs on: the machine's clock and Qt's timers, unless a test
// brings its own.
struct HoldTime {
    const wave::Clock& clock;
    // A timer that calls `expired` when it runs out.
    std::function<std::unique_ptr<wave::Timer>(std::function<void()> expired)> timer;
};
const HoldTime& real_hold_time();

// Two stacked arrows that only report presses; the value they change lives
// with whoever listens. A held arrow repeats its event by the core's hold
// rules until the press ends, however it ends: a release, or the window
// losing the pointer, the focus or its place on the screen.
class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr, const HoldTime& time = real_hold_time());

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

    Arrow& arrow(wave::SpinArrow which) const;
    void endHold();
    void drawArrow(QPainter& painter, const Arrow& arrow, QStyle::PrimitiveElement element) const;

    Arrow* up_;
    Arrow* down_;
    std::unique_ptr<wave::Timer> repeat_;
    wave::HoldToRepeat hold_;
};

} // namespace desktop
