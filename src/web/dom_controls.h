// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/label_fit.h"
#include "frontend/window.h"
#include "ui/controls.h"
#include "ui/layout.h"

#include <emscripten/val.h>

#include <limits>
#include <map>
#include <string>
#include <utility>

namespace web {

// A label's Caption is its element's text. A value wider than its box is
// fitted by the core's rule, as on the desktop, rather than spilling over its
// neighbour.
class TextLabel : public wave::Label {
public:
    TextLabel(emscripten::val element, wave::FontId font, double width, wave::TextAlign align);
    void Caption(const std::string& text) override;
    // A spinner whose value this label shows: it reads each caption as its value.
    void tell_value_to(emscripten::val spinner) { spinner_ = std::move(spinner); }
    // Measures again once the page's own faces have arrived.
    void refit();

private:
    // What a text is shown with: the rule's choice, and how far the element
    // moves so that the text's ink lies where the desktop puts it (none when
    // the label's own alignment already does).
    struct Fitted {
        double size;
        int stretch;
        double shift;
        bool operator==(const Fitted& other) const = default;
    };
    Fitted fitted(const std::string& text) const;
    void show(const Fitted& shown);

    emscripten::val element_;
    emscripten::val spinner_ = emscripten::val::undefined();
    wave::FontId font_;
    std::string css_font_; // as set
    double font_size_;     // in pixels, as set
    double width_;
    wave::TextAlign align_;
    std::string text_;
    bool face_arrived_ = false;          // a loaded face stays loaded: asked until it has come
    std::map<std::string, Fitted> fits_; // a value label shows a handful of texts over and over
    Fitted shown_{0, 100, 0};
};

class RadioOption : public wave::OptionButton {
public:
    explicit RadioOption(emscripten::val input) : input_(std::move(input)) {}
    // A radio input's group clears the others by itself.
    void Value(bool selected) override { input_.set("checked", selected); }

private:
    emscripten::val input_;
};

// The viewport stands for the screen.
class ViewportScreen : public wave::Screen {
public:
    float Width() const override;
    float Height() const override;
    // A page has no title bar to keep in reach, and the box is scaled to fit
    // the viewport afterwards: the window stays centred even when larger.
    float AvailableLeft() const override { return -std::numeric_limits<float>::infinity(); }
    float AvailableTop() const override { return -std::numeric_limits<float>::infinity(); }
};

// The app box stands for the window: its outer size is remembered as set, and
// its position places the box so that the client area sits where the window's
// would.
class AppWindow : public wave::RememberedWindow {
public:
    explicit AppWindow(emscripten::val box) : box_(std::move(box)) {}
    void Left(float twips) override;
    void Top(float twips) override;

private:
    emscripten::val box_;
};

} // namespace web
