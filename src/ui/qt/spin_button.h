#pragma once

#include <QRect>
#include <QWidget>

class QTimer;

// Two stacked arrows that only report presses; the value they change lives
// with whoever listens. A held arrow repeats its event.
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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Arrow { None, Up, Down };

    QRect upRect() const;
    QRect downRect() const;
    QRect arrowRect(Arrow arrow) const;
    Arrow arrowAt(const QPoint& pos) const;
    void fire(Arrow arrow);
    void repeat();
    void release();
    void drawArrow(QPainter& painter, Arrow arrow) const;

    QTimer* repeat_;
    Arrow held_ = Arrow::None;
    // A held arrow pauses while the pointer is off it, like a push button.
    bool pointerOnHeld_ = false;
};
