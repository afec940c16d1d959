// SPDX-License-Identifier: MIT
#include "web/plot_canvas.h"

#include "web/geometry.h"

#include <emscripten/heap.h>

#include <cstddef>
#include <utility>

namespace web {

using namespace wave;

using emscripten::val;

namespace {

val context_of(const val& canvas) {
    val options = val::object();
    // Opaque: the browser need not blend the plot with what lies under it.
    options.set("alpha", false);
    return canvas.call<val>("getContext", val("2d"), options);
}

} // namespace

PlotCanvas::PlotCanvas(val canvas, Colour background, int width, int height)
    : surface_(background), canvas_(std::move(canvas)), context_(context_of(canvas_)),
      width_(width), height_(height) {}

void PlotCanvas::fit(double ratio) {
    const int w = device_pixels(width_, ratio);
    const int h = device_pixels(height_, ratio);
    surface_.Resize(w, h, ratio);
    if (canvas_["width"].as<int>() != w || canvas_["height"].as<int>() != h) {
        // Resizing clears the canvas, so it must be shown again.
        canvas_.set("width", w);
        canvas_.set("height", h);
        ever_shown_ = false;
    }
}

void PlotCanvas::show() {
    const std::uint32_t* pixels = surface_.pixels();
    const PlotSurface::RowSpan rows = surface_.take_changed_rows();
    if (ever_shown_ && rows.first > rows.last) {
        return;
    }
    const int w = surface_.width();
    const int h = surface_.height();
    const std::size_t heap_size = emscripten_get_heap_size();
    if (pixels != image_pixels_ || w != image_width_ || h != image_height_ ||
        heap_size != image_heap_size_) {
        const std::size_t bytes = static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4;
        const val heap(
            emscripten::typed_memory_view(bytes, reinterpret_cast<const unsigned char*>(pixels)));
        const val clamped = val::global("Uint8ClampedArray")
                                .new_(heap["buffer"], heap["byteOffset"], heap["length"]);
        image_ = val::global("ImageData").new_(clamped, w, h);
        image_pixels_ = pixels;
        image_width_ = w;
        image_height_ = h;
        image_heap_size_ = heap_size;
    }
    if (!ever_shown_) {
        context_.call<void>("putImageData", image_, 0, 0);
    } else {
        // A press leaves the rows above and below its waves as they were.
        context_.call<void>("putImageData", image_, 0, 0, 0, rows.first, w,
                            rows.last - rows.first + 1);
    }
    ever_shown_ = true;
}

} // namespace web
