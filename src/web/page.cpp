// SPDX-License-Identifier: MIT
#include "web/page.h"

#include "web/dom.h"
#include "web/events.h"
#include "web/geometry.h"

#include <utility>

namespace web {

using namespace wave;

using emscripten::val;

Page::Page(val app) : app_(std::move(app)), window_(app_) {
    FormControls controls;
    controls.window = &window_;
    controls.screen = &screen_;
    made_ = build_window(elements_, PageControl{app_, val::undefined()}, controls, page_language());
    controls_ = controls;
    form_ = std::make_unique<Form1>(controls_);
}

void Page::connect_events() {
    bind_events(*form_, made_, [this](const PageControl& c, ControlEvents events) {
        if (events.SpinUp) {
            spinners_.push_back(std::make_unique<Spinner>(c.element, std::move(events.SpinUp),
                                                          std::move(events.SpinDown)));
        } else if (events.Click) {
            // An option answers its radio's change, RESET its click.
            const bool option = c.option != nullptr;
            listen(option ? c.inner : c.element, option ? "change" : "click",
                   [run = std::move(events.Click)](const val&) { run(); });
        }
    });

    listen(browser_window(), "resize", [this](const val&) {
        form_->place_window();
        fit();
    });
    // Captions shown before the page's faces arrived are measured now.
    listen(document()["fonts"], "loadingdone", [this](const val&) {
        for (const auto& label : elements_.labels) {
            label->refit();
        }
    });
}

void Page::start() {
    connect_events();
    after_each_event([this] {
        // A pixel ratio that changed without telling (some zooms) is caught at the next event.
        if (browser_window()[key("devicePixelRatio")].as<double>() != ratio_) {
            fit();
        }
        if (actions_) {
            actions_->follow();
        }
        present();
    });
    // The plots take their size before anything is drawn on them.
    fit();
    form_->Form_Load();
    actions_ = std::make_unique<Actions>(*form_, controls_, app_);
    actions_->start();
    present();
    document()["documentElement"]["dataset"].set("ready", "true");
}

void Page::fit() {
    const double width = screen_.Width() / kTwipsPerPixel;
    const double height = screen_.Height() / kTwipsPerPixel;
    const double scale = fill_scale(width, height);
    set_style(app_, "transform", "scale(" + std::to_string(scale) + ")");
    const double ratio = browser_window()[key("devicePixelRatio")].as<double>();
    ratio_ = ratio;
    for (const auto& plot : elements_.plots) {
        plot->fit(scale * ratio);
    }
    watch_pixel_ratio(ratio);
}

// A change of pixel ratio (browser zoom, a move to another screen) need not
// come with a resize: a media query on the present ratio says when it ends.
void Page::watch_pixel_ratio(double ratio) {
    if (ratio == watched_ratio_) {
        return;
    }
    watched_ratio_ = ratio;
    const val query = browser_window().call<val>(
        "matchMedia", val("(resolution: " + std::to_string(ratio) + "dppx)"));
    val once = val::object();
    once.set("once", true);
    query.call<void>("addEventListener", val("change"), callback([this](const val&) { fit(); }),
                     once);
}

void Page::present() {
    for (const auto& plot : elements_.plots) {
        plot->show();
    }
}

} // namespace web
