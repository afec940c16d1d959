// SPDX-License-Identifier: MIT
#include "qt/main_window.h"
#include "qt/open_application.h"
#include "qt/startup.h"
#include "qt/text_locale.h"

#include <QApplication>

#include <memory>

using namespace desktop;

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = open_application(argc, argv);
    prepare_application(*app);
    use_utf8_character_type();
    MainWindow window;
    window.show();
    return QApplication::exec();
}
