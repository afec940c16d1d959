// SPDX-License-Identifier: MIT
#pragma once

namespace desktop {

// Lets a screen reader announce the program's own widgets by their kind, and
// read the current text of the labels that show values: their spoken name
// says what the value is, so the text itself is offered as the value and,
// for the desktop's accessibility bus, as the description.
void install_accessible_interfaces();

} // namespace desktop
