// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls.h"
#include "ui/layout.h"

#include <emscripten/val.h>

#include <limits>
#include <map>
#include <string>

namespace web {

// A label's Caption is its element's text. A value wider than its box is
// narrowed to fit, as on the desktop, rather than spilling over its neighbour.
class TextLabel : public wave::Label {
public:
    TextLabel(emscripten::val element, std::string font, double width);
    void Caption(const std::string& text) override;
    // Measures again once the page's own faces have arrived.
    void refit();

private:
    emscripten::val element_;
    std::string font_;
    double width_;
    std::string text_;
    bool face_arrived_ = false;              // a loaded face stays loaded: asked until it has come
    std::map<std::string, double> advances_; // in the page's face, once it has come
    double squeeze_ = 1.0;                   // the horizontal scale shown
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
class AppWindow : public wave::Window {
public:
    explicit AppWindow(emscripten::val box) : box_(std::move(box)) {}
    float Width() const override { return width_; }
    float Height() const override { return height_; }
    void Width(float twips) override { width_ = twips; }
    void Height(float twips) override { height_ = twips; }
    void Left(float twips) override;
    void Top(float twips) override;

private:
    emscripten::val box_;
    float width_ = 0, height_ = 0;
};

} // namespace web
