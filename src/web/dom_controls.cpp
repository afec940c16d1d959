// SPDX-License-Identifier: MIT
#include "web/dom_controls.h"

#include "frontend/fonts.h"
#include "web/css.h"
#include "web/dom.h"
#include "web/geometry.h"
#include "web/viewport.h"

#include <optional>
#include <string_view>
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

TextLabel::TextLabel(val element, wave::FontId font, double width, wave::TextAlign align)
    : element_(std::move(element)), font_(font), css_font_(css_font(font)),
      font_size_(font == wave::FontId::NoFont ? 0 : wave::font_style(font).pixels), width_(width),
      align_(align) {}

void TextLabel::Caption(const std::string& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    element_.set(key("textContent"), text);
    if (!spinner_.isUndefined()) {
        // A caption is a plain decimal ("0.5", "105"), as a value must be.
        spinner_.call<void>("setAttribute", key("aria-valuenow"), text);
        spinner_.call<void>("setAttribute", key("aria-valuetext"), text);
    }
    refit();
}

TextLabel::Fitted TextLabel::fitted(const std::string& text) const {
    // The canvas measures at a size; a stretch scales the run as scaleX does.
    std::map<double, wave::TextExtent> at_size;
    const auto measure = [&](std::string_view, double size, int stretch) {
        auto found = at_size.find(size);
        if (found == at_size.end()) {
            const val metrics =
                measuring_context(css_font(font_, size)).call<val>("measureText", val(text));
            found =
                at_size
                    .emplace(size,
                             wave::TextExtent{metrics[key("width")].as<double>(),
                                              -metrics[key("actualBoundingBoxLeft")].as<double>(),
                                              metrics[key("actualBoundingBoxRight")].as<double>()})
                    .first;
        }
        const double k = stretch / 100.0;
        const wave::TextExtent& e = found->second;
        return wave::TextExtent{e.advance * k, e.ink_left * k, e.ink_right * k};
    };
    const wave::LabelFit fit =
        wave::fit_label(text, width_, {font_size_, wave::SizeUnit::Pixels}, measure);
    const wave::TextExtent shown = measure(text, fit.size, fit.stretch);
    // Where the page puts the origin before any transform: a line too long
    // for its box starts at the left, whatever the alignment.
    const double advance = measure(text, fit.size, 100).advance;
    const double css_origin =
        advance > width_ ? 0 : wave::text_origin(width_, align_, {advance, 0, advance});
    const std::optional<double> ink =
        wave::ink_origin(width_, align_, shown, css_origin, fit.as_set);
    return {fit.size, fit.stretch, ink ? *ink - fit.stretch / 100.0 * css_origin : 0};
}

void TextLabel::refit() {
    if (font_size_ <= 0) {
        return;
    }
    // Measured in a stand-in face the width would be wrong, and asking for
    // the face would load it in the middle of start-up: a face still on its
    // way is measured once it has arrived.
    if (!face_arrived_) {
        face_arrived_ = document()["fonts"].call<bool>("check", val(css_font_), val(text_));
        if (!face_arrived_) {
            return;
        }
    }
    auto known = fits_.find(text_);
    if (known == fits_.end()) {
        known = fits_.emplace(text_, fitted(text_)).first;
    }
    show(known->second);
}

// transform-origin is the label's left edge: a point x of the text goes to
// shift + x * stretch.
void TextLabel::show(const Fitted& shown) {
    if (shown == shown_) {
        return;
    }
    shown_ = shown;
    set_style(element_, "font-size", css_px(shown.size));
    if (shown.stretch == 100 && shown.shift == 0) {
        element_[key("style")].call<void>("removeProperty", key("transform"));
        return;
    }
    set_style(element_, "transform",
              "translateX(" + css_px(shown.shift) + ") scaleX(" +
                  std::to_string(shown.stretch / 100.0) + ")");
}

// What the page shows, read without forcing a layout.
float ViewportScreen::Width() const {
    return static_cast<float>(seen_viewport().width * kTwipsPerPixel);
}

float ViewportScreen::Height() const {
    return static_cast<float>(seen_viewport().height * kTwipsPerPixel);
}

void AppWindow::Left(float twips) {
    set_style(box_, "left",
              css_px(client_offset(twips_to_px(twips), twips_to_px(Width()), kClientWidth)));
}

void AppWindow::Top(float twips) {
    set_style(box_, "top",
              css_px(client_offset(twips_to_px(twips), twips_to_px(Height()), kClientHeight)));
}

} // namespace web
