// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace desktop {

// Style, fonts, names and icon shared by the program and the widget tests.
void prepare_application(QApplication& app);

} // namespace desktop
