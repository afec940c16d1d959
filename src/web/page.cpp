// SPDX-License-Identifier: MIT
#include "web/page.h"

#include "web/dom.h"
#include "web/events.h"
#include "web/geometry.h"
#include "web/viewport.h"

#include <algorithm>
#include <utility>

namespace web {

using namespace wave;

using emscripten::val;

namespace {

// The sheet shows the box 1.5 times as large (page.css), at two device pixels
// to its CSS pixel: 192 dots an inch, lines of a seventh of a millimetre.
constexpr double kPrintRatio = 1.5 * 2;

} // namespace

Page::Page(val app) : app_(std::move(app)), window_(app_), elements_(page_language()) {
    FormControls controls;
    controls.window = &window_;
    controls.screen = &screen_;
    made_ = build_window(elements_, PageControl{app_, val::undefined()}, controls,
                         elements_.language());
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

    const auto refit = [this](const val&) {
        form_->place_window();
        fit();
    };
    listen(browser_window(), "resize", refit);
    // A mobile browser's bars come and go, and a pinch zooms, without a resize of the window.
    const val visual = browser_window()[key("visualViewport")];
    if (!visual.isUndefined() && !visual.isNull()) {
        listen(visual, "resize", refit);
    }
    // Paper gets plots drawn for it, the screen its own again afterwards. The
    // sheet's layout resizes the viewport meanwhile, and Chromium paints the
    // sheet after telling the page that printing is over.
    listen(browser_window(), "beforeprint", [this](const val&) {
        printing_ = true;
        fit_plots(kPrintRatio);
    });
    listen(browser_window(), "afterprint", [this](const val&) {
        browser_window().call<void>("requestAnimationFrame", callback([this](const val&) {
                                        printing_ = false;
                                        fit();
                                    }));
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
    app_.call<void>("removeAttribute", val("inert"));
    document()["documentElement"]["dataset"].set("ready", "true");
}

void Page::fit() {
    const SeenViewport seen = seen_viewport();
    const double ratio = browser_window()[key("devicePixelRatio")].as<double>();
    // Fitted to the screen as at the zoom the page loaded with.
    const double zoom = zoom_.update(ratio, seen.width);
    const double scale = fill_scale(seen.width * zoom, seen.height * zoom);
    // The box stands centred on what is seen; larger, it starts at the top left.
    const double right = overflow_shift(kClientWidth * scale, seen.width);
    const double down = overflow_shift(kClientHeight * scale, seen.height);
    const bool larger = right > 0 || down > 0;
    std::string transform = "scale(" + std::to_string(scale) + ")";
    if (larger) {
        transform = "translate(" + css_px(right) + ", " + css_px(down) + ") " + transform;
    }
    if (transform != transform_) {
        transform_ = transform;
        set_style(app_, "transform", transform);
        set_style(app_, "--scale", std::to_string(scale));
        set_style(document()["body"], "overflow", larger ? "auto" : "hidden");
    }
    ratio_ = ratio;
    // A page laid out wider than the screen (pinched out) is shown smaller:
    // drawn at the pixels it is shown with, no line falls between two.
    fit_plots(printing_ ? kPrintRatio : scale * ratio * std::min(1.0, seen.pinch));
    watch_pixel_ratio(ratio);
}

void Page::fit_plots(double ratio) {
    if (ratio == plot_ratio_) {
        return;
    }
    plot_ratio_ = ratio;
    for (const auto& plot : elements_.plots) {
        plot->fit(ratio);
    }
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
