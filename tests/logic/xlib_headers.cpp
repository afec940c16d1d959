// SPDX-License-Identifier: MIT
// The core's headers after Xlib's, whose macros (None, True, Bool, ...) and
// global types (Window, Screen) would otherwise clash with the core's names.
// Compiling this file is the check.
#include <X11/Xlib.h>

#include "form/form1.h"
#include "form/wave_settings.h"
#include "frontend/build_window.h"
#include "frontend/events.h"
#include "frontend/fonts.h"
#include "frontend/spoken_names.h"
#include "frontend/window.h"
#include "plot/plot_parts.h"
#include "plot/vector_state.h"
#include "ui/controls.h"
#include "ui/layout.h"
#include "ui/number_text.h"
#include "ui/pixel_lines.h"
#include "ui/plot_surface.h"
#include "ui/user_scale.h"

#include <type_traits>

static_assert(!std::is_same_v<wave::Window, ::Window>);
static_assert(!std::is_same_v<wave::Screen, ::Screen>);
