// SPDX-License-Identifier: MIT
#include "web/dom_controls.h"

#include "web/dom.h"
#include "web/geometry.h"

#include <utility>

namespace web {

using namespace wave;

namespace {

// A context to measure captions in, set to the given face. Setting a font
// parses it again even when it is the same, so it is set only on a change.
const val& measuring_context(const std::string& font) {
    static val context = create_element("canvas").call<val>("getContext", val("2d"));
    static std::string current;
    if (font != current) {
        context.set("font", font);
        current = font;
    }
    return context;
}

double twips_to_px(float twips) {
    return static_cast<double>(twips) / kTwipsPerPixel;
}

} // namespace

TextLabel::TextLabel(val element, std::string font, double width)
    : element_(std::move(element)), font_(std::move(font)), width_(width) {}

void TextLabel::Caption(const std::string& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    element_.set(key("textContent"), text);
    refit();
}

void TextLabel::refit() {
    if (font_.empty()) {
        return;
    }
    // Measured in a stand-in face the width would be wrong, and asking for
    // the face would load it in the middle of start-up: a face still on its
    // way is measured once it has arrived.
    if (!face_arrived_) {
        face_arrived_ = document()["fonts"].call<bool>("check", val(font_), val(text_));
        if (!face_arrived_) {
            return;
        }
    }
    // A value label shows a handful of texts over and over.
    auto measured = advances_.find(text_);
    if (measured == advances_.end()) {
        const double advance = measuring_context(font_)
                                   .call<val>("measureText", val(text_))[key("width")]
                                   .as<double>();
        measured = advances_.emplace(text_, advance).first;
    }
    const double advance = measured->second;
    const double squeeze = advance > width_ && advance > 0 ? width_ / advance : 1.0;
    if (squeeze == squeeze_) {
        return;
    }
    squeeze_ = squeeze;
    if (squeeze < 1.0) {
        set_style(element_, "transform", "scaleX(" + std::to_string(squeeze) + ")");
    } else {
        element_[key("style")].call<void>("removeProperty", key("transform"));
    }
}

// The window's inner size, read without forcing a layout; the page has no
// scroll bars to subtract.
float ViewportScreen::Width() const {
    return static_cast<float>(browser_window()[key("innerWidth")].as<double>() * kTwipsPerPixel);
}

float ViewportScreen::Height() const {
    return static_cast<float>(browser_window()[key("innerHeight")].as<double>() * kTwipsPerPixel);
}

void AppWindow::Left(float twips) {
    set_style(box_, "left",
              css_px(client_offset(twips_to_px(twips), twips_to_px(width_), kAppWidth)));
}

void AppWindow::Top(float twips) {
    set_style(box_, "top",
              css_px(client_offset(twips_to_px(twips), twips_to_px(height_), kAppHeight)));
}

} // namespace web
