// SPDX-License-Identifier: MIT
#include "qt/spin_button.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWindow>

namespace desktop {

namespace {

// 255 x 375 twips at 15 twips to the pixel.
constexpr QSize kDefaultSize(17, 25);

} // namespace

// One arrow: Qt's own press, hold and repeat, drawn by the spinner around it.
class SpinButton::Arrow : public QAbstractButton {
public:
    explicit Arrow(QWidget* parent) : QAbstractButton(parent) {
        setFocusPolicy(Qt::NoFocus);
        setAutoRepeat(true);
        setAutoRepeatDelay(SpinButton::kFirstRepeatMs);
        setAutoRepeatInterval(SpinButton::kRepeatMs);
    }

    // A press whose release will never come ends as if the pointer had come
    // up off the arrow: no click, no further repeat.
    void endPress() {
        const QPointF outside(-1, -1);
        QMouseEvent up(QEvent::MouseButtonRelease, outside, mapToGlobal(outside), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
        // Straight to the handler: the release is this arrow's alone.
        mouseReleaseEvent(&up);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {}
};

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent), up_(new Arrow(this)), down_(new Arrow(this)) {
    setFocusPolicy(Qt::StrongFocus);
    resize(kDefaultSize);
    // Each press, and each repeat of a held arrow, arrives as pressed().
    connect(up_, &QAbstractButton::pressed, this, [this] { step(&SpinButton::SpinUp); });
    connect(down_, &QAbstractButton::pressed, this, [this] { step(&SpinButton::SpinDown); });
}

QSize SpinButton::sizeHint() const {
    return kDefaultSize;
}

void SpinButton::resizeEvent(QResizeEvent* event) {
    const int top = height() / 2;
    up_->setGeometry(0, 0, width(), top);
    down_->setGeometry(0, top, width(), height() - top);
    QWidget::resizeEvent(event);
}

// A press is believed only while the window is still on the screen: a window
// taken off it loses the pointer, and no release may ever follow.
void SpinButton::step(void (SpinButton::*signal)()) {
    const QWindow* shown = window()->windowHandle();
    if (shown && shown->isExposed()) {
        emit(this->*signal)();
    } else {
        endHold();
    }
}

void SpinButton::endHold() {
    up_->endPress();
    down_->endPress();
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        emit SpinUp();
        break;
    case Qt::Key_Down:
        emit SpinDown();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SpinButton::focusOutEvent(QFocusEvent* event) {
    endHold();
    QWidget::focusOutEvent(event);
}

void SpinButton::hideEvent(QHideEvent* event) {
    endHold();
    QWidget::hideEvent(event);
}

void SpinButton::changeEvent(QEvent* event) {
    const bool disabled = event->type() == QEvent::EnabledChange && !isEnabled();
    const bool deactivated = event->type() == QEvent::ActivationChange && !isActiveWindow();
    if (disabled || deactivated) {
        endHold();
    }
    QWidget::changeEvent(event);
}

void SpinButton::drawArrow(QPainter& painter, const Arrow& arrow,
                           QStyle::PrimitiveElement element) const {
    const bool sunken = arrow.isDown();

    QStyleOption panel;
    panel.initFrom(this);
    panel.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    panel.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
    panel.rect = arrow.geometry();
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &panel, &painter, this);

    QStyleOption indicator = panel;
    // The arrow sinks with its button so a press is seen even on flat styles.
    indicator.rect =
        panel.rect.adjusted(3, 2, -3, -2).translated(sunken ? QPoint(1, 1) : QPoint(0, 0));
    style()->drawPrimitive(element, &indicator, &painter, this);
}

void SpinButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawArrow(painter, *up_, QStyle::PE_IndicatorArrowUp);
    drawArrow(painter, *down_, QStyle::PE_IndicatorArrowDown);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        focus.backgroundColor = palette().color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace desktop
