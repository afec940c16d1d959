// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/language.h"
#include "ui/layout.h"

#include <string>

// The window as the page's own markup, written when the site is built: the
// browser shows it with its first paint, and the module only finds its
// controls and brings them to life.
namespace web {

// The app box's contents: one element per row of the layout, side by side in
// the table's tab order, so that a keyboard and a screen reader meet them in
// the desktop's order.
std::string window_markup(wave::Language language);

// Whether a row's element carries its spoken name: the roles that take a
// name of the author's. A plain text is read as it is, and an option is named
// on its radio, which takes the focus.
inline bool names_itself(const wave::ControlRow& row) {
    return row.kind == wave::ControlKind::Label ? wave::shows_a_value(row.ref)
                                                : row.kind != wave::ControlKind::OptionButton;
}

// Each control's place, stacking and paint, and how far its arrows reach;
// for the page's style sheet, after its own rules.
std::string window_style();

} // namespace web
