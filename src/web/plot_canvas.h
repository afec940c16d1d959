// SPDX-License-Identifier: MIT
#pragma once

#include "ui/plot_surface.h"

#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>

namespace web {

// A picture box on the page: the drawing core's surface, shown on a canvas
// whose pixels are the surface's own, one for one.
class PlotCanvas {
public:
    // width and height: the drawing area in CSS pixels of the unscaled box.
    PlotCanvas(emscripten::val canvas, wave::Colour background, int width, int height);

    wave::PlotSurface& surface() { return surface_; }

    // ratio: device pixels per CSS pixel of the unscaled box (the box's scale
    // times devicePixelRatio). The surface redraws what it keeps.
    void fit(double ratio);
    // Puts the rows that changed since last shown on the canvas; all of them
    // the first time and after a resize, which clears the canvas.
    void show();

private:
    wave::PlotSurface surface_;
    emscripten::val canvas_;
    emscripten::val context_;
    // An ImageData over the surface's pixels, made again only when they move
    // or the module's memory grows (which detaches every view of it).
    emscripten::val image_ = emscripten::val::undefined();
    const std::uint32_t* image_pixels_ = nullptr;
    int image_width_ = 0;
    int image_height_ = 0;
    std::size_t image_heap_size_ = 0;
    int width_;
    int height_;
    bool ever_shown_ = false;
};

} // namespace web
