#pragma once

class QWidget;

// Enter and Return press a focused push button, as Space already does: outside
// a dialog Qt leaves Enter to the dialog's default button, and here there is none.
void press_buttons_with_enter(QWidget& window);
