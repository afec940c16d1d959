#include "ui/qt/main_window.h"
#include "ui/qt/startup.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (const char* problem = missing_display()) {
        std::fprintf(stderr, "wave-synthesis: %s\n", problem);
        return 2;
    }
    QApplication app(argc, argv);
    prepare_application(app);
    MainWindow window;
    window.show();
    return QApplication::exec();
}
