// SPDX-License-Identifier: MIT
#include "web/picture.h"

#include "frontend/build_window.h"
#include "frontend/window.h"
#include "web/css.h"
#include "web/dom.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace web {

using emscripten::val;

namespace {

struct Rect {
    double left, top, width, height;
};

class Painter {
public:
    explicit Painter(const val& app) {
        const val r = app.call<val>("getBoundingClientRect");
        left_ = r["left"].as<double>();
        top_ = r["top"].as<double>();
        scale_ = std::max(1e-6, r["width"].as<double>() / wave::kClientWidth);
        ratio_ = browser_window()["devicePixelRatio"].as<double>() * scale_;
        const double ratio = ratio_;
        canvas = val::global("OffscreenCanvas")
                     .new_(static_cast<int>(std::lround(wave::kClientWidth * ratio)),
                           static_cast<int>(std::lround(wave::kClientHeight * ratio)));
        g_ = canvas.call<val>("getContext", val("2d"));
        g_.call<void>("scale", ratio, ratio);
        g_.set("imageSmoothingEnabled", false);
    }

    Rect box(const val& element) const {
        const val r = element.call<val>("getBoundingClientRect");
        return {(r["left"].as<double>() - left_) / scale_, (r["top"].as<double>() - top_) / scale_,
                r["width"].as<double>() / scale_, r["height"].as<double>() / scale_};
    }

    void fill(const Rect& b, const std::string& colour) {
        g_.set("fillStyle", colour);
        g_.call<void>("fillRect", b.left, b.top, b.width, b.height);
    }

    // Two one-pixel rings, the outer then the inner, as the page's box shadows draw them.
    void bevel(const Rect& b, const wave::Edge& edge) {
        ring(b, css_colour(edge.outer_top_left), css_colour(edge.outer_bottom_right));
        ring({b.left + 1, b.top + 1, b.width - 2, b.height - 2}, css_colour(edge.inner_top_left),
             css_colour(edge.inner_bottom_right));
    }

    // Its top-left sides over its bottom-right ones at the corners.
    void ring(const Rect& b, const std::string& tl, const std::string& br) {
        fill({b.left, b.top + b.height - 1, b.width, 1}, br);
        fill({b.left + b.width - 1, b.top, 1, b.height}, br);
        fill({b.left, b.top, b.width, 1}, tl);
        fill({b.left, b.top, 1, b.height}, tl);
    }

    // Text set in a line box of line_height, as the page's CSS sets it.
    void text(const std::string& s, const val& style, const Rect& b, const std::string& align,
              double line_height) {
        if (s.empty()) {
            return;
        }
        g_.set("font", style["font"]);
        g_.set("fillStyle", style["color"]);
        g_.set("textBaseline", val("alphabetic"));
        const val metrics = g_.call<val>("measureText", val(s));
        const double ascent = metrics["fontBoundingBoxAscent"].as<double>();
        const double descent = metrics["fontBoundingBoxDescent"].as<double>();
        const double width = metrics["width"].as<double>();
        const double baseline = b.top + (line_height - ascent - descent) / 2 + ascent;
        double x = b.left;
        if (width < b.width && align == "right") {
            x = b.left + b.width - width;
        } else if (width < b.width && align == "center") {
            x = b.left + (b.width - width) / 2;
        }
        g_.call<void>("fillText", val(s), x, baseline, std::max(1.0, b.width));
    }

    // A one-pixel line just inside the box, its corners rounded: a button's edge.
    void outline(const Rect& b, const char* colour, double radius) {
        g_.set("strokeStyle", val(colour));
        g_.set("lineWidth", 1);
        g_.call<void>("beginPath");
        g_.call<void>("roundRect", b.left + 0.5, b.top + 0.5, b.width - 1, b.height - 1, radius);
        g_.call<void>("stroke");
    }

    void arrow(const Rect& b, bool up) {
        const double cx = b.left + b.width / 2;
        const double cy = b.top + b.height / 2;
        g_.set("fillStyle", val("#595959"));
        g_.call<void>("beginPath");
        g_.call<void>("moveTo", cx - 4, up ? cy + 2 : cy - 2);
        g_.call<void>("lineTo", cx + 4, up ? cy + 2 : cy - 2);
        g_.call<void>("lineTo", cx, up ? cy - 2 : cy + 2);
        g_.call<void>("fill");
    }

    void circle(double x, double y, double r, const char* colour) {
        g_.set("fillStyle", val(colour));
        g_.call<void>("beginPath");
        g_.call<void>("arc", x, y, r, 0, 2 * 3.141592653589793);
        g_.call<void>("fill");
    }

    // One for one on whole pixels: the plots are drawn at this resolution already.
    void image(const val& source, const Rect& b) {
        g_.call<void>("save");
        g_.call<void>("setTransform", 1, 0, 0, 1, 0, 0);
        g_.call<void>("drawImage", source, std::round(b.left * ratio_), std::round(b.top * ratio_));
        g_.call<void>("restore");
    }

    val canvas = val::undefined();

private:
    val g_ = val::undefined();
    double left_ = 0, top_ = 0, scale_ = 1, ratio_ = 1;
};

std::string own_text(const val& element) {
    // The element's own text nodes: an option's caption beside its input.
    std::string s;
    const val nodes = element["childNodes"];
    const int n = nodes["length"].as<int>();
    for (int i = 0; i < n; ++i) {
        const val node = nodes[i];
        if (node["nodeType"].as<int>() == 3) {
            s += node["data"].as<std::string>();
        }
    }
    return s;
}

bool has_class(const val& element, const char* name) {
    return element["classList"].call<bool>("contains", val(name));
}

void paint(Painter& p, const val& e) {
    const Rect b = p.box(e);
    const val style = browser_window().call<val>("getComputedStyle", e);
    const std::string background = style["backgroundColor"].as<std::string>();
    if (background != "rgba(0, 0, 0, 0)") {
        p.fill(b, background);
    }
    if (has_class(e, "frame")) {
        const double top = has_class(e, "titled") ? 7 : 0;
        p.bevel({b.left, b.top + top, b.width, b.height - top}, wave::kFrameEdge);
        const val caption = e.call<val>("querySelector", val(":scope > .caption"));
        if (!caption.isNull()) {
            const Rect cb = p.box(caption);
            p.fill(cb, background);
            const val cs = browser_window().call<val>("getComputedStyle", caption);
            p.text(caption["textContent"].as<std::string>(), cs,
                   {cb.left + 2, cb.top, cb.width - 4, cb.height}, "left", 15);
        }
    } else if (has_class(e, "label")) {
        p.text(e["textContent"].as<std::string>(), style, b, style["textAlign"].as<std::string>(),
               15);
    } else if (has_class(e, "option")) {
        const val input = e.call<val>("querySelector", val("input"));
        const Rect ib = p.box(input);
        const double cx = ib.left + ib.width / 2;
        const double cy = ib.top + ib.height / 2;
        // Chromium's radio: grey when clear, the page's accent (black) when chosen.
        const bool checked = input["checked"].as<bool>();
        p.circle(cx, cy, ib.width / 2, checked ? "#000" : "#767676");
        p.circle(cx, cy, ib.width / 2 - 1, "#fff");
        if (checked) {
            p.circle(cx, cy, ib.width / 2 - 3, "#000");
        }
        const double x = ib.left + ib.width + 6;
        p.text(own_text(e), style, {x, b.top, b.left + b.width - x, b.height}, "left", b.height);
    } else if (has_class(e, "command")) {
        p.outline(b, "#767676", 2);
        p.text(own_text(e), style, b, "center", b.height);
    } else if (has_class(e, "spin")) {
        for (const char* which : {"button.up", "button.down"}) {
            const Rect ab = p.box(e.call<val>("querySelector", val(which)));
            p.fill(ab, "#efefef");
            p.ring(ab, "#fff", "#9f9f9f");
            p.arrow(ab, which[7] == 'u');
        }
    } else if (has_class(e, "plot")) {
        p.bevel(b, wave::kPlotEdge);
        const val canvas = e.call<val>("querySelector", val("canvas"));
        p.image(canvas, p.box(canvas));
    }
}

} // namespace

val window_picture(const val& app) {
    Painter p(app);
    const val style = browser_window().call<val>("getComputedStyle", app);
    p.fill({0, 0, wave::kClientWidth, wave::kClientHeight},
           style["backgroundColor"].as<std::string>());
    // In the order the page stacks them: the plan's, a container before what
    // it holds. The app box has them in tab order.
    const val elements = app["children"];
    for (const wave::Placement& at : wave::window_plan()) {
        paint(p, elements[at.row->tab]);
    }
    return p.canvas;
}

} // namespace web
