// SPDX-License-Identifier: MIT
#pragma once

class QIcon;

namespace desktop {

// The program's icon in every size it is drawn at, for the window and the
// task bar; the same pictures as the icon installed for the desktop menu.
QIcon program_icon();

} // namespace desktop
