#include "ui/qt/main_window.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/startup.h"
#include "ui/qt/text_locale.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (const char* problem = missing_display()) {
        std::fprintf(stderr, "wave-synthesis: %s\n", problem);
        return 2;
    }
    std::promise<void> application_ready;
    std::thread fonts = read_font_configuration(application_ready.get_future());
    QApplication app(argc, argv);
    use_utf8_character_type();
    application_ready.set_value();
    prepare_application(app);
    MainWindow window;
    fonts.join();
    give_icon_after_first_frame(window);
    window.show();
    return QApplication::exec();
}
