// SPDX-License-Identifier: MIT
#include "qt/spin_button.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QTimer>
#include <QWindow>

namespace desktop {

namespace {

// 255 x 375 twips at 15 twips to the pixel.
constexpr QSize kDefaultSize(17, 25);

// The mouse is the desktop's one pointer.
constexpr int kMouse = 0;

// A millisecond timer never runs out before its time: rounded up.
class QtTimer : public wave::Timer {
public:
    explicit QtTimer(std::function<void()> expired) {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(expired));
    }
    void start(wave::Micros delay) override {
        timer_.start(static_cast<int>((delay + 999) / 1000));
    }

private:
    QTimer timer_;
};

} // namespace

const HoldTime& real_hold_time() {
    static const HoldTime time{wave::steady_clock(), [](std::function<void()> expired) {
                                   return std::make_unique<QtTimer>(std::move(expired));
                               }};
    return time;
}

// One arrow: Qt's own press and release, drawn by the spinner around it.
class SpinButton::Arrow : public QAbstractButton {
public:
    explicit Arrow(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::NoFocus); }

    // A press whose release will never come ends as if the pointer had come
    // up off the arrow: no click, and no new press when it moves back on.
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

SpinButton::SpinButton(QWidget* parent, const HoldTime& time)
    : QWidget(parent), up_(new Arrow(this)), down_(new Arrow(this)),
      repeat_(time.timer([this] { hold_.expired(); })),
      hold_(time.clock, *repeat_,
            {[this](wave::SpinArrow which) {
                 emit(this->*(which == wave::SpinArrow::Up ? &SpinButton::SpinUp
                                                           : &SpinButton::SpinDown))();
             },
             // A window taken off the screen loses the pointer, and no
             // release may ever follow.
             [this](int, wave::SpinArrow) {
                 const QWindow* shown = window()->windowHandle();
                 return shown && shown->isExposed();
             },
             [this](wave::SpinArrow, wave::HoldEnd why) {
                 if (why == wave::HoldEnd::Lost) {
                     endHold();
                 }
             }}) {
    setFocusPolicy(Qt::StrongFocus);
    resize(kDefaultSize);
    // pressed() and released() also come as the pointer slides onto and off
    // the arrow with the button still down.
    for (const wave::SpinArrow which : {wave::SpinArrow::Up, wave::SpinArrow::Down}) {
        connect(&arrow(which), &QAbstractButton::pressed, this,
                [this, which] { hold_.press(kMouse, which); });
        connect(&arrow(which), &QAbstractButton::released, this, [this] { hold_.release(kMouse); });
    }
}

SpinButton::Arrow& SpinButton::arrow(wave::SpinArrow which) const {
    return which == wave::SpinArrow::Up ? *up_ : *down_;
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

void SpinButton::endHold() {
    hold_.stop();
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
