// SPDX-License-Identifier: MIT
#include "web/viewport.h"

#include "web/dom.h"

namespace web {

// The window's inner size is the layout's, which a pinch leaves alone and the
// page keeps as wide as the screen; unlike the visual viewport's size, it is
// read without forcing a layout. Only a pinched page asks the visual viewport.
SeenViewport seen_viewport() {
    const val& window = browser_window();
    const val visual = window[key("visualViewport")];
    const double pinch =
        visual.isUndefined() || visual.isNull() ? 1.0 : visual[key("scale")].as<double>();
    if (pinch == 1) {
        return {window[key("innerWidth")].as<double>(), window[key("innerHeight")].as<double>(), 1};
    }
    return {visual[key("width")].as<double>() * pinch, visual[key("height")].as<double>() * pinch,
            pinch};
}

} // namespace web
