// SPDX-License-Identifier: MIT
#include "web/page.h"

#include "web/dom.h"
#include "web/events.h"
#include "web/geometry.h"
#include "web/page_builder.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace web {

using namespace wave;

using emscripten::val;

namespace {

std::string indexed(const char* name, int index) {
    return object_name({name, index});
}

} // namespace

Page::Page(val app) : app_(std::move(app)), window_(app_) {
    for (const BuiltControl& built : build_controls(app_)) {
        const ControlRow& row = *built.row;
        const std::string name = object_name(row.ref);
        elements_.emplace(name, built.element);
        if (row.kind == ControlKind::PictureBox) {
            plots_.emplace(
                name, std::make_unique<PlotCanvas>(built.inner, row.back.value_or(0xFFFFFF),
                                                   twips_to_pixels(row.width) - 2 * kPlotBorder,
                                                   twips_to_pixels(row.height) - 2 * kPlotBorder));
        } else if (row.kind == ControlKind::Label) {
            labels_.emplace(name, std::make_unique<TextLabel>(built.element, css_font(row.font),
                                                              twips_to_pixels(row.width)));
        } else if (row.kind == ControlKind::OptionButton) {
            options_.emplace(name, std::make_unique<RadioOption>(built.inner));
        }
    }
    controls_ = controls();
    form_ = std::make_unique<Form1>(controls_);
}

template <typename T>
T& Page::control(std::map<std::string, std::unique_ptr<T>>& all, const std::string& name) {
    const auto found = all.find(name);
    if (found == all.end()) {
        throw std::logic_error("the layout has no control " + name);
    }
    return *found->second;
}

FormControls Page::controls() {
    FormControls c;
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        c.Grph[k] = &control(plots_, indexed("Grph", i)).surface();
        c.Labela[k] = &control(labels_, indexed("Labela", i));
        c.Labelb[k] = &control(labels_, indexed("Labelb", i));
        c.switch_c[k] = &control(options_, indexed("switch_c", i));
        c.switch_s[k] = &control(options_, indexed("switch_s", i));
    }
    c.Gr = &control(plots_, "Gr").surface();
    c.labelt = &control(labels_, "labelt");
    c.value_t = &control(labels_, "value_t");
    c.window = &window_;
    c.screen = &screen_;
    return c;
}

void Page::connect_events() {
    Form1* f = form_.get();
    const auto element = [this](const std::string& name) { return elements_.at(name); };
    const auto input = [&](const std::string& name) {
        return element(name).call<val>("querySelector", val("input"));
    };
    const auto spinner = [&](const std::string& name, std::function<void()> up,
                             std::function<void()> down) {
        spinners_.push_back(
            std::make_unique<Spinner>(element(name), std::move(up), std::move(down)));
    };

    for (std::int16_t i = 0; i < 4; ++i) {
        spinner(
            indexed("SpinButton3", i), [f, i] { f->SpinButton3_SpinUp(i); },
            [f, i] { f->SpinButton3_SpinDown(i); });
        spinner(
            indexed("SpinButton4", i), [f, i] { f->SpinButton4_SpinUp(i); },
            [f, i] { f->SpinButton4_SpinDown(i); });
        listen(input(indexed("switch_c", i)), "change",
               [f, i](const val&) { f->switch_c_Click(i); });
        listen(input(indexed("switch_s", i)), "change",
               [f, i](const val&) { f->switch_s_Click(i); });
    }

    using Handler = void (Form1::*)();
    const std::array<Handler, 8> steps{
        &Form1::Option1_Click, &Form1::Option2_Click, &Form1::Option3_Click, &Form1::Option4_Click,
        &Form1::Option5_Click, &Form1::Option6_Click, &Form1::Option7_Click, &Form1::Option8_Click};
    for (std::size_t n = 0; n < steps.size(); ++n) {
        const Handler handler = steps[n];
        listen(input("Option" + std::to_string(n + 1)), "change",
               [f, handler](const val&) { (f->*handler)(); });
    }

    spinner(
        "SpinButton1", [f] { f->SpinButton1_SpinUp(); }, [f] { f->SpinButton1_SpinDown(); });
    listen(element("Command1"), "click", [f](const val&) { f->Command1_Click(); });

    listen(browser_window(), "resize", [this](const val&) {
        form_->place_window();
        fit();
    });
    // Captions shown before the page's faces arrived are measured now.
    listen(document()["fonts"], "loadingdone", [this](const val&) {
        for (auto& [name, label] : labels_) {
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
    for (auto& [name, plot] : plots_) {
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
    for (auto& [name, plot] : plots_) {
        plot->show();
    }
}

} // namespace web
