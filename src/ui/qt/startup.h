#pragma once

class QApplication;

// Why the program cannot open a window here, or nullptr when it can. Asked
// before Qt starts, which would otherwise abort with a stack of warnings.
const char* missing_display();

// Style, fonts, names and icon shared by the program and the widget tests.
void prepare_application(QApplication& app);
