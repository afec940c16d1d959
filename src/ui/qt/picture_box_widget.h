#pragma once

#include "ui/controls.h"
#include "ui/user_scale.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <vector>

class QPainter;

// A plot. Everything drawn stays in a kept image until the next Cls, so a
// plot drawn before the window is shown survives covering and repaints. The
// image has one pixel per device pixel; the strokes since the last Cls are
// kept too, to draw them again sharply if the pixel density changes.
class PictureBoxWidget : public QWidget, public PictureBox {
    Q_OBJECT

public:
    PictureBoxWidget(Colour background, QWidget* parent);
    ~PictureBoxWidget() override;

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void DrawStyle(LineStyle style) override;
    void ForeColor(Colour colour) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x2, float y2) override;
    void PSet(float x, float y) override;
    int PixelColumns() const override;

    // The drawing as it stands, in device pixels.
    const QImage& image();

    static constexpr int kBorder = 2; // the sunken 3D edge, in logical pixels

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A segment (or a point when both ends agree) as fractions of the plot's
    // width and height, so it can be drawn again at any pixel size.
    struct Stroke {
        double fx1, fy1, fx2, fy2;
        LineStyle style;
        Colour colour;
        bool point;
    };

    QSize deviceSize() const;
    void renewImage();
    void fitImage();
    QPainter& painter();
    void endPainting();
    void draw(const Stroke& stroke);
    void addStroke(double x1, double y1, double x2, double y2, bool point);

    Colour background_;
    LineStyle style_ = LineStyle::Solid;
    Colour colour_ = 0;
    UserScale scale_;
    UserPoint current_{0, 0};
    std::vector<Stroke> strokes_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};
