// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/build_window.h"
#include "frontend/language.h"
#include "web/dom_controls.h"
#include "web/plot_canvas.h"

#include <emscripten/val.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace web {

// One control on the page, and the operations behind it where it has any.
struct PageControl {
    emscripten::val element; // carries data-name
    emscripten::val inner;   // a plot's canvas, an option's radio input; else undefined
    PlotCanvas* plot = nullptr;
    TextLabel* label = nullptr;
    RadioOption* option = nullptr;
    int left = 0; // of what it holds, in the app box
    int top = 0;
};

// The first of the browser's languages that the program speaks.
wave::Language browser_language();
// browser_language(), which the document's lang then names.
wave::Language page_language();

// The page's half of the walk over the layout: elements placed in the app
// box, side by side in the table's tab order, so that a keyboard and a screen
// reader meet them in the desktop's order; each is stacked as its place in
// the desktop's nesting stacks it. Owns the operations it made.
class ElementFactory : public wave::ControlFactory<PageControl> {
public:
    PageControl make(const wave::Placement& at, const PageControl& parent) override;
    void finish(const std::vector<PageControl>& made) override;
    wave::PictureBox* picture_box(const PageControl& c) override {
        return c.plot != nullptr ? &c.plot->surface() : nullptr;
    }
    wave::Label* label(const PageControl& c) override { return c.label; }
    wave::OptionButton* option_button(const PageControl& c) override { return c.option; }
    void chain_focus(const std::vector<PageControl>& order) override;

    std::vector<std::unique_ptr<PlotCanvas>> plots;
    std::vector<std::unique_ptr<TextLabel>> labels;
    std::vector<std::unique_ptr<RadioOption>> options;

private:
    emscripten::val app_ = emscripten::val::undefined();
    std::size_t made_ = 0;
};

// The table's faces as CSS fonts over the faces the site bundles, at another
// size in pixels when one is given.
std::string css_font(wave::FontId font, double pixels = 0);

} // namespace web
