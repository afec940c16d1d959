// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/build_window.h"
#include "frontend/window.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <vector>

// The page's arithmetic, kept free of the browser so it can be checked anywhere.
namespace web {

// Uniform scale that makes the app box, the window's client area, fill the
// viewport, larger or smaller.
inline double fill_scale(double viewport_width, double viewport_height) {
    if (viewport_width <= 0 || viewport_height <= 0) {
        return 1.0;
    }
    return std::min(viewport_width / wave::kClientWidth, viewport_height / wave::kClientHeight);
}

// Where the box's top-left corner goes when the window's outer rectangle
// (left/top/width/height in CSS pixels) has its client area centred in it.
inline double client_offset(double outer_start, double outer_size, double client_size) {
    return outer_start + (outer_size - client_size) / 2;
}

// How far a scaled box larger than the viewport moves right (or down) so that
// it starts at the viewport's edge, where scrolling can reach all of it; none
// while it fits, rounding included.
inline double overflow_shift(double scaled, double viewport) {
    const double excess = scaled - viewport;
    return excess > 0.5 ? excess / 2 : 0.0;
}

// The browser's zoom since the page loaded. Zooming changes the pixel ratio
// and keeps the viewport's device pixels; a move to a screen of another ratio
// keeps its CSS pixels instead, and is no zoom.
class PageZoom {
public:
    // ratio: devicePixelRatio; width: the viewport's width in CSS pixels.
    double update(double ratio, double width) {
        if (base_ == 0) {
            base_ = ratio;
        } else if (ratio != ratio_ && std::abs(width * ratio - width_ * ratio_) > ratio + ratio_) {
            base_ *= ratio / ratio_;
        }
        ratio_ = ratio;
        width_ = width;
        return ratio / base_;
    }

private:
    double base_ = 0;
    double ratio_ = 0;
    double width_ = 0;
};

// Free space around a spinner that its arrows may answer in, in logical
// pixels beyond each side: half the gap to another control that answers a
// press, all of it up to one that does not (a label, a frame), and never past
// the inside of its container's edge.
struct Reach {
    double left, top, right, bottom;
};

// Row i of the plan in window pixels: its place in its container (inside a
// picture box's border already) plus each container's place in turn.
struct Box {
    double left, top, right, bottom;
};

inline Box window_box(const std::vector<wave::Placement>& plan, std::size_t i) {
    double x = plan[i].left;
    double y = plan[i].top;
    for (int c = plan[i].container; c >= 0; c = plan[static_cast<std::size_t>(c)].container) {
        x += plan[static_cast<std::size_t>(c)].left;
        y += plan[static_cast<std::size_t>(c)].top;
    }
    return {x, y, x + plan[i].width, y + plan[i].height};
}

namespace detail {

inline bool overlap(double a0, double a1, double b0, double b1) {
    return a0 < b1 && b0 < a1;
}

} // namespace detail

// Worked out when the site is built, into the page's style.
inline Reach spinner_reach(const std::vector<wave::Placement>& plan, std::size_t spinner) {
    using wave::ControlKind;
    constexpr double kEdge = 2; // a frame's etched edge
    const Box me = window_box(plan, spinner);
    const int container = plan[spinner].container;
    Box inside{-1e9, -1e9, 1e9, 1e9};
    if (container >= 0) {
        const Box c = window_box(plan, static_cast<std::size_t>(container));
        inside = {c.left + kEdge, c.top + kEdge, c.right - kEdge, c.bottom - kEdge};
    }
    Reach reach{me.left - inside.left, me.top - inside.top, inside.right - me.right,
                inside.bottom - me.bottom};
    // Sideways first; above and below, the arrows are as wide as they then reach.
    for (const bool sideways : {true, false}) {
        const double left = me.left - reach.left;
        const double right = me.right + reach.right;
        for (std::size_t j = 0; j < plan.size(); ++j) {
            bool ancestor = j == spinner;
            for (int c = container; c >= 0 && !ancestor;
                 c = plan[static_cast<std::size_t>(c)].container) {
                ancestor = static_cast<std::size_t>(c) == j;
            }
            const Box b = window_box(plan, j);
            // Beyond the container's edge a control is no nearer than the edge.
            if (ancestor || !detail::overlap(b.left, b.right, inside.left, inside.right) ||
                !detail::overlap(b.top, b.bottom, inside.top, inside.bottom)) {
                continue;
            }
            const ControlKind kind = plan[j].row->kind;
            const double share = kind == ControlKind::SpinButton ||
                                         kind == ControlKind::OptionButton ||
                                         kind == ControlKind::CommandButton
                                     ? 0.5
                                     : 1.0;
            if (sideways && detail::overlap(b.top, b.bottom, me.top, me.bottom)) {
                if (b.left >= me.right) {
                    reach.right = std::min(reach.right, (b.left - me.right) * share);
                } else if (b.right <= me.left) {
                    reach.left = std::min(reach.left, (me.left - b.right) * share);
                }
            } else if (!sideways && detail::overlap(b.left, b.right, left, right)) {
                if (b.top >= me.bottom) {
                    reach.bottom = std::min(reach.bottom, (b.top - me.bottom) * share);
                } else if (b.bottom <= me.top) {
                    reach.top = std::min(reach.top, (me.top - b.bottom) * share);
                }
            }
        }
    }
    return reach;
}

} // namespace web
