#include "ui/qt/spin_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>

namespace {

// 255 x 375 twips at 15 twips to the pixel.
constexpr QSize kDefaultSize(17, 25);

} // namespace

SpinButton::SpinButton(QWidget* parent) : QWidget(parent), repeat_(new QTimer(this)) {
    setFocusPolicy(Qt::StrongFocus);
    resize(kDefaultSize);
    connect(repeat_, &QTimer::timeout, this, &SpinButton::repeat);
}

QSize SpinButton::sizeHint() const {
    return kDefaultSize;
}

QRect SpinButton::upRect() const {
    return QRect(0, 0, width(), height() / 2);
}

QRect SpinButton::downRect() const {
    const int top = height() / 2;
    return QRect(0, top, width(), height() - top);
}

QRect SpinButton::arrowRect(Arrow arrow) const {
    const QRect half = arrow == Arrow::Up ? upRect() : downRect();
    return half.adjusted(3, 2, -3, -2);
}

SpinButton::Arrow SpinButton::arrowAt(const QPoint& pos) const {
    if (upRect().contains(pos)) {
        return Arrow::Up;
    }
    if (downRect().contains(pos)) {
        return Arrow::Down;
    }
    return Arrow::None;
}

void SpinButton::fire(Arrow arrow) {
    if (arrow == Arrow::Up) {
        emit SpinUp();
    } else if (arrow == Arrow::Down) {
        emit SpinDown();
    }
}

void SpinButton::repeat() {
    if (held_ == Arrow::None) {
        repeat_->stop();
        return;
    }
    if (repeat_->interval() != kRepeatMs) {
        repeat_->setInterval(kRepeatMs);
    }
    if (pointerOnHeld_) {
        fire(held_);
    }
}

void SpinButton::release() {
    repeat_->stop();
    if (held_ != Arrow::None) {
        held_ = Arrow::None;
        pointerOnHeld_ = false;
        update();
    }
}

void SpinButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || held_ != Arrow::None) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Arrow arrow = arrowAt(event->position().toPoint());
    if (arrow == Arrow::None) {
        QWidget::mousePressEvent(event);
        return;
    }
    held_ = arrow;
    pointerOnHeld_ = true;
    repeat_->start(kFirstRepeatMs);
    update();
    // Last, because a listener may hide or disable this widget, which ends the hold.
    fire(arrow);
}

void SpinButton::mouseMoveEvent(QMouseEvent* event) {
    if (held_ == Arrow::None) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const bool on = arrowAt(event->position().toPoint()) == held_;
    if (on != pointerOnHeld_) {
        pointerOnHeld_ = on;
        update();
    }
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && held_ != Arrow::None) {
        release();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        fire(Arrow::Up);
        break;
    case Qt::Key_Down:
        fire(Arrow::Down);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SpinButton::hideEvent(QHideEvent* event) {
    release();
    QWidget::hideEvent(event);
}

void SpinButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        release();
    }
    QWidget::changeEvent(event);
}

void SpinButton::drawArrow(QPainter& painter, Arrow arrow) const {
    const bool sunken = held_ == arrow && pointerOnHeld_;

    QStyleOption panel;
    panel.initFrom(this);
    panel.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    panel.state |= sunken ? QStyle::State_Sunken : QStyle::State_Raised;
    panel.rect = arrow == Arrow::Up ? upRect() : downRect();
    style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &panel, &painter, this);

    QStyleOption indicator = panel;
    // The arrow sinks with its button so a press is seen even on flat styles.
    indicator.rect = arrowRect(arrow).translated(sunken ? QPoint(1, 1) : QPoint(0, 0));
    const auto element =
        arrow == Arrow::Up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown;
    style()->drawPrimitive(element, &indicator, &painter, this);
}

void SpinButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawArrow(painter, Arrow::Up);
    drawArrow(painter, Arrow::Down);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        focus.backgroundColor = palette().color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
