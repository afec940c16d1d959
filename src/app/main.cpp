// SPDX-License-Identifier: MIT
#include "ui/qt/main_window.h"
#include "ui/qt/open_application.h"
#include "ui/qt/startup.h"
#include "ui/qt/text_locale.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = open_application(argc, argv);
    prepare_application(*app);
    use_utf8_character_type();
    MainWindow window;
    window.show();
    return QApplication::exec();
}
