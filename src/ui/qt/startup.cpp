#include "ui/qt/startup.h"

#include "ui/qt/fonts.h"

#include <QApplication>
#include <QStyleFactory>

#include <xcb/xcb.h>

#include <cstdlib>

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
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed) {
        return "cannot open the display named by DISPLAY; to run without a screen use: "
               "xvfb-run wave-synthesis";
    }
    return nullptr;
}

void prepare_application(QApplication& app) {
    // One look on every desktop: colours and borders must not depend on the theme.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setApplicationName(QStringLiteral("wave-synthesis"));
    app.setApplicationDisplayName(QStringLiteral("波の合成"));
    app.setDesktopFileName(QStringLiteral("wave-synthesis"));
    register_font_substitutes();
}
