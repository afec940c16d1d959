#pragma once

#include "ui/plot_surface.h"

#include <emscripten/val.h>

#include <cstdint>

namespace web {

// A picture box on the page: the drawing core's surface, shown on a canvas
// whose pixels are the surface's own, one for one.
class PlotCanvas {
public:
    // width and height: the drawing area in CSS pixels of the unscaled box.
    PlotCanvas(emscripten::val canvas, Colour background, int width, int height);

    PlotSurface& surface() { return surface_; }

    // ratio: device pixels per CSS pixel of the unscaled box (the box's scale
    // times devicePixelRatio). The surface redraws what it keeps.
    void fit(double ratio);
    // Puts the pixels on the canvas if they changed since last shown.
    void show();

private:
    PlotSurface surface_;
    emscripten::val canvas_;
    emscripten::val context_;
    int width_;
    int height_;
    std::uint64_t shown_ = 0;
    bool ever_shown_ = false;
};

} // namespace web
