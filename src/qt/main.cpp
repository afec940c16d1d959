// SPDX-License-Identifier: MIT
#include "qt/language.h"
#include "qt/main_window.h"
#include "qt/open_application.h"
#include "qt/startup.h"
#include "qt/text_locale.h"
#include "qt/window_actions.h"

#include <QApplication>

#include <memory>

using namespace desktop;

int main(int argc, char** argv) {
    const std::unique_ptr<QApplication> app = open_application(argc, argv);
    prepare_application(*app);
    use_utf8_character_type();
    MainWindow window;
    auto* actions = new WindowActions(window, window_language());
    // A set-up as the page's address carries it, e.g. from a lesson link.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        actions->applySetup(arguments.at(1).toStdString());
    }
    window.show();
    return QApplication::exec();
}
