// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

namespace web {

// The window as a picture: an OffscreenCanvas at the plots' own resolution with every
// control of the app box drawn where the page shows it, from the elements'
// places, colours, fonts and texts, and the plots copied pixel for pixel.
// Close to the screen rather than identical: the browser's own widgets
// (option circles, arrows) are drawn after their look, not captured.
emscripten::val window_picture(const emscripten::val& app);

} // namespace web
