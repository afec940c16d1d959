// SPDX-License-Identifier: MIT
#include "web/viewport.h"

#include "web/dom.h"

namespace web {

SeenViewport seen_viewport() {
    const val& window = browser_window();
    const val visual = window[key("visualViewport")];
    if (visual.isUndefined() || visual.isNull()) {
        return {window[key("innerWidth")].as<double>(), window[key("innerHeight")].as<double>(), 1};
    }
    const double pinch = visual[key("scale")].as<double>();
    return {visual[key("width")].as<double>() * pinch, visual[key("height")].as<double>() * pinch,
            pinch};
}

} // namespace web
