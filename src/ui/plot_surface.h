// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"
#include "ui/pixel_lines.h"
#include "ui/user_scale.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wave {

// A plot drawn into 32-bit pixels, with no toolkit behind it: every front end
// shows these pixels as they are, so the desktop and the browser agree to the
// pixel. Lines are one device pixel wide and never antialiased. What is drawn
// is kept until the next Cls, and drawn again when the size or the pixel ratio
// changes.
//
// A pixel is 0xAABBGGRR as a 32-bit number (alpha always 0xFF): in memory on a
// little-endian machine the bytes are R, G, B, A, the order of a canvas's
// ImageData and of the desktop toolkit's RGBX8888 images.
class PlotSurface : public PictureBox {
public:
    explicit PlotSurface(Colour background);

    // The drawing area in device pixels and the device pixels per logical one.
    // A change redraws what is kept; the same size and ratio do nothing.
    void Resize(int width, int height, double pixel_ratio);

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void DrawStyle(LineStyle style) override;
    void ForeColor(Colour colour) override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x2, float y2) override;
    void PSet(float x, float y) override;
    void Polyline(const float* xs, const float* ys, std::size_t n) override;
    int PixelColumns() const override;

    // The drawing as it stands, row after row, width() pixels to a row.
    const std::uint32_t* pixels();
    int width() const;
    int height() const;
    double pixel_ratio() const;

    // Bumped whenever the pixels change, so a front end shows them only then.
    std::uint64_t generation() const;

    // The rows, first to last, whose pixels may have changed since the
    // last call (none when first > last), so a front end can copy only
    // those; forgets them. Call after pixels().
    struct RowSpan {
        int first;
        int last;
    };
    RowSpan take_changed_rows();

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

    // A drawing pass's view of the scale, copied into locals so that stores
    // into the strokes cannot make the compiler read it again.
    struct Pass {
        double left, top, w, h;
        int columns, rows;
        UserPoint fraction(double x, double y) const { return {(x - left) / w, (y - top) / h}; }
        PixelPoint pixel(UserPoint f) const;
    };
    Pass pass() const;
    void endPass(int inkTop, int inkBottom);

    void redraw();
    void clearIfBlank();
    void addStroke(double x1, double y1, double x2, double y2, bool point);
    void flush();
    void widenChanged(int first, int last);
    PixelLines target();
    static void widenInk(PixelPoint a, PixelPoint b, int rows, int& inkTop, int& inkBottom);
    static void rasterize(PixelLines& target, const Stroke& stroke, PixelPoint a, PixelPoint b,
                          int& inkTop, int& inkBottom);

    Colour background_;
    LineStyle style_ = LineStyle::Solid;
    Colour colour_ = 0;
    UserScale scale_;
    UserPoint current_{0, 0};
    std::vector<Stroke> strokes_;
    std::size_t drawn_ = 0; // strokes_ before this are in the pixels
    std::vector<std::uint32_t> pixels_;
    int width_ = 1;
    int height_ = 1;
    double ratio_ = 1.0;
    std::uint64_t generation_ = 0;
    bool blank_ = false; // cleared, not yet filled
    int inkTop_ = 0;     // the rows drawn on since the pixels were last filled
    int inkBottom_ = -1;
    RowSpan changed_{0, -1};
};

inline constexpr std::uint32_t to_pixel(Colour c) {
    return 0xFF000000u | (c & 0xFFFFFFu);
}

} // namespace wave
