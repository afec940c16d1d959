// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace desktop {

// Creates every control of the layout inside the window, in table order (so
// later rows stack above earlier ones), names each after its row and chains
// the keyboard focus in tab-index order. Gives the window a text face too.
void build_window_controls(QWidget& window);

} // namespace desktop
