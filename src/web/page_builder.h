// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/build_window.h"
#include "frontend/language.h"
#include "web/dom_controls.h"
#include "web/plot_canvas.h"

#include <emscripten/val.h>

#include <memory>
#include <vector>

namespace web {

// One control on the page, and the operations behind it where it has any.
struct PageControl {
    emscripten::val element; // carries data-name
    emscripten::val inner;   // a plot's canvas, an option's radio input; else undefined
    PlotCanvas* plot = nullptr;
    TextLabel* label = nullptr;
    RadioOption* option = nullptr;
};

// The first of the browser's languages that the program speaks.
wave::Language browser_language();
// browser_language(), which the document's lang then names.
wave::Language page_language();

// The page's half of the walk over the layout. The page already holds the
// window's elements (web/markup.h), in the table's tab order with their
// Japanese names: each is found, named again in another language, and given
// the operations the logic reaches it through. Owns those operations.
class ElementFactory : public wave::ControlFactory<PageControl> {
public:
    explicit ElementFactory(wave::Language language) : language_(language) {}
    wave::Language language() const { return language_; }
    PageControl make(const wave::Placement& at, const PageControl& parent) override;
    void finish(const std::vector<PageControl>& made) override;
    wave::PictureBox* picture_box(const PageControl& c) override {
        return c.plot != nullptr ? &c.plot->surface() : nullptr;
    }
    wave::Label* label(const PageControl& c) override { return c.label; }
    wave::OptionButton* option_button(const PageControl& c) override { return c.option; }
    // Already side by side in tab order, each a stop where it stands.
    void chain_focus(const std::vector<PageControl>& /*order*/) override {}

    std::vector<std::unique_ptr<PlotCanvas>> plots;
    std::vector<std::unique_ptr<TextLabel>> labels;
    std::vector<std::unique_ptr<RadioOption>> options;

private:
    wave::Language language_;
    emscripten::val elements_ = emscripten::val::undefined(); // the app box's, in tab order
};

} // namespace web
