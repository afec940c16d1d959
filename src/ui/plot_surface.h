#pragma once

#include "ui/controls.h"
#include "ui/user_scale.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// A plot drawn into 32-bit pixels, with no toolkit behind it: every front end
// shows these pixels as they are, so the desktop and the browser agree to the
// pixel. Lines are one device pixel wide and never antialiased. What is drawn
// is kept until the next Cls, and drawn again when the size or the pixel ratio
// changes.
//
// A pixel is 0xAABBGGRR as a 32-bit number (alpha always 0xFF): in memory on a
// little-endian machine the bytes are R, G, B, A, the order of a canvas's
// ImageData and of QImage::Format_RGBX8888.
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
    int PixelColumns() const override;

    // The drawing as it stands, row after row, width() pixels to a row.
    const std::uint32_t* pixels();
    int width() const;
    int height() const;
    double pixel_ratio() const;

    // Bumped whenever the pixels change, so a front end shows them only then.
    std::uint64_t generation() const;
};

inline constexpr std::uint32_t to_pixel(Colour c) {
    return 0xFF000000u | (c & 0xFFFFFFu);
}
