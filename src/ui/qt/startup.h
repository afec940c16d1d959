#pragma once

#include <thread>

class QApplication;

// Why the program cannot open a window here, or nullptr when it can. Asked
// before Qt starts, which would otherwise abort with a stack of warnings.
const char* missing_display();

// Style, fonts and names shared by the program and the widget tests.
void prepare_application(QApplication& app);

// Fontconfig parses some forty files of configuration before the first text
// can be drawn; started before QApplication, that runs on the second core
// while Qt connects to the display. Join it before building the window.
std::thread read_font_configuration();
