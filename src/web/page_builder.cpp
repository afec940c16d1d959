// SPDX-License-Identifier: MIT
#include "web/page_builder.h"

#include "frontend/spoken_names.h"
#include "frontend/window.h"
#include "web/dom.h"
#include "web/markup.h"

#include <emscripten/val.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace web {

using namespace wave;

using emscripten::val;

namespace {

void set_attribute(const val& element, const char* name, const std::string& value) {
    element.call<void>("setAttribute", val(name), val(value));
}

// The markup's names are Japanese; another language names each again.
void rename(const Placement& at, const PageControl& control) {
    const ControlRow& row = *at.row;
    if (row.kind == ControlKind::OptionButton) {
        set_attribute(control.inner, "aria-label", at.spoken);
    } else if (names_itself(row)) {
        set_attribute(control.element, "aria-label", at.spoken);
    }
    if (row.kind == ControlKind::SpinButton) {
        const val arrows = control.element["children"];
        set_attribute(arrows[0], "aria-label", at.spoken_up);
        set_attribute(arrows[1], "aria-label", at.spoken_down);
    }
}

} // namespace

Language browser_language() {
    const val navigator = browser_window()["navigator"];
    std::vector<std::string> preferred;
    if (navigator["languages"].isArray()) {
        preferred = emscripten::vecFromJSArray<std::string>(navigator["languages"]);
    }
    if (preferred.empty() && navigator["language"].isString()) {
        preferred.push_back(navigator["language"].as<std::string>());
    }
    return pick_language(preferred);
}

Language page_language() {
    const Language language = browser_language();
    document()["documentElement"].set("lang", language == Language::English ? "en" : "ja");
    return language;
}

PageControl ElementFactory::make(const Placement& at, const PageControl& parent) {
    const ControlRow& row = *at.row;
    if (elements_.isUndefined()) {
        elements_ = parent.element["children"];
    }
    const val element = elements_[row.tab];
    const bool has_inner =
        row.kind == ControlKind::PictureBox || row.kind == ControlKind::OptionButton;
    PageControl control{element, has_inner ? element["firstElementChild"] : val::undefined()};
    if (language_ != Language::Japanese) {
        rename(at, control);
    }
    if (row.kind == ControlKind::PictureBox) {
        plots.push_back(std::make_unique<PlotCanvas>(control.inner, row.back.value_or(kPlotBack),
                                                     at.width - 2 * kPlotBorder,
                                                     at.height - 2 * kPlotBorder));
        control.plot = plots.back().get();
    } else if (row.kind == ControlKind::Label && shows_a_value(row.ref)) {
        labels.push_back(std::make_unique<TextLabel>(element, row.font, at.width, row.align));
        control.label = labels.back().get();
    } else if (row.kind == ControlKind::OptionButton) {
        options.push_back(std::make_unique<RadioOption>(control.inner));
        control.option = options.back().get();
    }
    return control;
}

void ElementFactory::finish(const std::vector<PageControl>& made) {
    // A spinner's value is the text of the label its presses write.
    const std::vector<Placement>& plan = window_plan();
    for (std::size_t i = 0; i < made.size(); ++i) {
        const std::optional<SpinnerValue> value = spinner_value(plan[i].row->ref);
        for (std::size_t j = 0; value && j < made.size(); ++j) {
            if (plan[j].row->ref == value->label && made[j].label != nullptr) {
                made[j].label->tell_value_to(made[i].element);
            }
        }
    }
}

} // namespace web
