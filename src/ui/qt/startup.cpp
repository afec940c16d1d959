// SPDX-License-Identifier: MIT
#include "ui/qt/startup.h"

#include "ui/qt/accessibility.h"
#include "ui/qt/fonts.h"
#include "ui/qt/program_icon.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

void prepare_application(QApplication& app) {
    // One look on every desktop: colours and borders must not depend on the theme.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setApplicationName(QStringLiteral("wave-synthesis"));
    app.setApplicationDisplayName(QStringLiteral("波の合成"));
    // Matches the installed wave-synthesis.desktop, so docks group the window under it.
    app.setDesktopFileName(QStringLiteral("wave-synthesis"));
    QApplication::setWindowIcon(program_icon());
    register_font_substitutes();
    warn_of_missing_fonts();
    install_accessible_interfaces();
}
