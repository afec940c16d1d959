// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"
#include "web/actions.h"
#include "web/dom_controls.h"
#include "web/plot_canvas.h"
#include "web/spinner.h"

#include <emscripten/val.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace web {

// The program on a page: the window's controls as elements of the app box,
// the window's logic behind them, and the box scaled to fill the viewport.
// Plots are drawn by the drawing core at the box's scale times the screen's
// pixel ratio, and put on their canvases after every event.
class Page {
public:
    explicit Page(emscripten::val app);
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;

    // Start-up: Form_Load, the plots on their canvases, then the ready mark.
    void start();

private:
    wave::FormControls controls();
    void connect_events();
    // Scales the box to the viewport and sizes the plots; the next present shows them.
    void fit();
    void watch_pixel_ratio(double ratio);
    void present();

    template <typename T>
    T& control(std::map<std::string, std::unique_ptr<T>>& all, const std::string& name);

    emscripten::val app_;
    AppWindow window_;
    ViewportScreen screen_;
    std::map<std::string, std::unique_ptr<PlotCanvas>> plots_;
    std::map<std::string, std::unique_ptr<TextLabel>> labels_;
    std::map<std::string, std::unique_ptr<RadioOption>> options_;
    std::map<std::string, emscripten::val> elements_;
    std::vector<std::unique_ptr<Spinner>> spinners_;
    std::unique_ptr<wave::Form1> form_;
    wave::FormControls controls_;
    std::unique_ptr<Actions> actions_;
    double ratio_ = 0;         // devicePixelRatio the plots were last fitted to
    double watched_ratio_ = 0; // the one a media query listens for
};

} // namespace web
