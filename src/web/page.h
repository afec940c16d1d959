// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"
#include "web/actions.h"
#include "web/dom_controls.h"
#include "web/geometry.h"
#include "web/page_builder.h"
#include "web/spinner.h"

#include <emscripten/val.h>

#include <memory>
#include <string>
#include <vector>

namespace web {

// The program on a page: the window's controls as elements of the app box,
// the window's logic behind them, and the box scaled to fill what the page
// shows at the zoom it loaded with; zoomed in, the box grows past it and the
// page scrolls. Plots are drawn by the drawing core at the box's scale times
// the screen's pixel ratio, and put on their canvases after every event.
class Page {
public:
    explicit Page(emscripten::val app);
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // Start-up: Form_Load, the plots on their canvases, then the ready mark.
    void start();

private:
    void connect_events();
    // Scales the box to the viewport and sizes the plots; the next present shows them.
    void fit();
    void fit_plots(double ratio);
    void watch_pixel_ratio(double ratio);
    void present();

    emscripten::val app_;
    AppWindow window_;
    ViewportScreen screen_;
    ElementFactory elements_;
    std::vector<PageControl> made_;
    std::vector<std::unique_ptr<Spinner>> spinners_;
    std::unique_ptr<wave::Form1> form_;
    wave::FormControls controls_;
    std::unique_ptr<Actions> actions_;
    PageZoom zoom_;
    double ratio_ = 0;         // devicePixelRatio the plots were last fitted to
    double watched_ratio_ = 0; // the one a media query listens for
    std::string transform_;    // the box's, as last set
    double plot_ratio_ = 0;    // device pixels per pixel of the box the plots were drawn at
    bool printing_ = false;
};

} // namespace web
