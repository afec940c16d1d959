#pragma once

class QWidget;

// Gives every control of the layout its spoken name, and lets a screen reader
// read the current text of the labels that show values: their spoken name
// says what the value is, so the text itself is offered as the value and,
// for the desktop's accessibility bus, as the description.
void name_controls_for_screen_readers(QWidget& window);
