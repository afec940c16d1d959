// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

class QWidget;

namespace wave {
struct FormControls;
} // namespace wave

namespace desktop {

// Creates every control of the layout inside the window as widgets (later
// rows stack above earlier ones), lends the logic's operations to controls
// and chains the keyboard focus in tab-index order. Gives the window a text
// face too. Returns the widgets in the order of the layout's plan.
std::vector<QWidget*> build_window_controls(QWidget& window, wave::FormControls& controls);

} // namespace desktop
