// SPDX-License-Identifier: MIT
#pragma once

#include <QStyle>
#include <QWidget>

namespace desktop {

// Two stacked arrows that only report presses; the value they change lives
// with whoever listens. A held arrow repeats its event until the press ends,
// however it ends: a release, or the window losing the pointer, the focus or
// its place on the screen.
class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Hold times before the first repeat and between later ones.
    static constexpr int kFirstRepeatMs = 400;
    static constexpr int kRepeatMs = 50;

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

    void step(void (SpinButton::*signal)());
    void endHold();
    void drawArrow(QPainter& painter, const Arrow& arrow, QStyle::PrimitiveElement element) const;

    Arrow* up_;
    Arrow* down_;
};

} // namespace desktop
