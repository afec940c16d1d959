#include "ui/qt/startup.h"

#include "ui/qt/accessibility.h"
#include "ui/qt/fonts.h"
#include "ui/qt/program_icon.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

const char* missing_display() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') {
        return nullptr;
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if (wayland != nullptr && *wayland != '\0') {
            return nullptr;
        }
        return "no display found (DISPLAY is not set); to run without a screen use: "
               "xvfb-run wave-synthesis";
    }
    using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;
    Connection connection(xcb_connect(display, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()) != 0) {
        return "cannot open the display named by DISPLAY; to run without a screen use: "
               "xvfb-run wave-synthesis";
    }
    // Kept open until the program ends: an X server whose last client leaves
    // resets itself (xvfb-run's does), and Qt connecting meanwhile fails.
    static Connection kept(nullptr, &xcb_disconnect);
    kept = std::move(connection);
    return nullptr;
}

void prepare_application(QApplication& app) {
    // One look on every desktop: colours and borders must not depend on the theme.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setApplicationName(QStringLiteral("wave-synthesis"));
    app.setApplicationDisplayName(QStringLiteral("波の合成"));
    // Matches the installed wave-synthesis.desktop, so docks group the window under it.
    app.setDesktopFileName(QStringLiteral("wave-synthesis"));
    QApplication::setWindowIcon(program_icon());
    register_font_substitutes();
    install_accessible_interfaces();
}
