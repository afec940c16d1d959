// SPDX-License-Identifier: MIT
#pragma once

namespace web {

// What the page shows of itself, in CSS pixels as they are with no pinch
// zoom: a pinch magnifies the page, it does not make the screen larger. A
// mobile browser may lay the page out wider than this.
struct SeenViewport {
    double width;
    double height;
    double pinch; // the visual viewport's scale
};

SeenViewport seen_viewport();

} // namespace web
