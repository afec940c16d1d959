#pragma once

#include <future>
#include <thread>

class QApplication;

// Why the program cannot open a window here, or nullptr when it can. Asked
// before Qt starts, which would otherwise abort with a stack of warnings.
const char* missing_display();

// Style, fonts and names shared by the program and the widget tests.
void prepare_application(QApplication& app);

// Before the first caption can be measured, Qt lists every installed family.
// Started before QApplication, this runs on the second core once
// `application_ready` is set, while the window's controls are made. Join it
// once the window is built.
std::thread read_font_configuration(std::future<void> application_ready);
