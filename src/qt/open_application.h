// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class QApplication;

namespace desktop {

// Qt's application for the program. Where no platform can be opened (no
// reachable X11 or Wayland display, or whichever QT_QPA_PLATFORM names), the
// program ends right there with one line on stderr and exit status 2, instead
// of Qt's warnings and abort. Messages Qt gives while it starts are held back
// until it has started, then passed on as usual.
std::unique_ptr<QApplication> open_application(int& argc, char** argv);

} // namespace desktop
