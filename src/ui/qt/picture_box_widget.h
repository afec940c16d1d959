#pragma once

#include "ui/controls.h"
#include "ui/qt/pixel_lines.h"
#include "ui/user_scale.h"

#include <QImage>
#include <QWidget>

#include <cstddef>
#include <vector>

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
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // A segment, or a point when both ends agree. Drawn strokes hold their
    // ends as fractions of the plot's width and height, so they can be drawn
    // again at any pixel size; strokes still waiting hold the coordinates of
    // the current scale.
    struct Stroke {
        double x1, y1, x2, y2;
        Colour colour;
        LineStyle style;
        bool point;
    };

    // Dotted vertical lines with the same ends and colour in neighbouring
    // columns, one after another: the grid of a long span. Drawn together,
    // row by row, before the next stroke that is not one of them.
    struct ColumnRun {
        int left = 0;
        int right = -1; // empty while right < left
        int row1 = 0;
        int row2 = 0;
        Colour colour = 0;

        // A dotted vertical line, the only kind a run holds.
        static bool joins(const Stroke& s, PixelPoint a, PixelPoint b);
        bool start(const Stroke& s, PixelPoint a, PixelPoint b);
        bool extend(const Stroke& s, PixelPoint a, PixelPoint b);
        void draw(PixelLines& target);
    };

    QSize deviceSize(qreal ratio) const;
    void renewImage();
    void fitImage();
    void changed();
    void clearIfBlank();
    void addStroke(double x1, double y1, double x2, double y2, bool point);
    void flush();
    PixelLines pixels();
    static void widenInk(PixelPoint a, PixelPoint b, int rows, int& inkTop, int& inkBottom);
    static void rasterize(PixelLines& target, const Stroke& stroke, PixelPoint a, PixelPoint b,
                          int& inkTop, int& inkBottom);

    Colour background_;
    LineStyle style_ = LineStyle::Solid;
    Colour colour_ = 0;
    UserScale scale_;
    UserPoint current_{0, 0};
    std::vector<Stroke> strokes_;
    std::size_t drawn_ = 0; // strokes_ before this are in the image
    QImage image_;
    quint32* bits_ = nullptr; // image_'s pixels while no one else can share them
    bool updateAsked_ = false;
    bool blank_ = false; // cleared, not yet filled
    bool keyboardFocus_ = false;
    int inkTop_ = 0; // the rows drawn on since the image was last filled
    int inkBottom_ = -1;
};
