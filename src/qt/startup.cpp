// SPDX-License-Identifier: MIT
#include "qt/startup.h"

#include "frontend/window.h"
#include "qt/accessibility.h"
#include "qt/fonts.h"
#include "qt/program_icon.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace desktop {

using namespace wave;

void prepare_application(QApplication& app) {
    // One look on every desktop: colours and borders must not depend on the theme.
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setApplicationName(QStringLiteral("wave-synthesis"));
    app.setApplicationDisplayName(
        QString::fromUtf8(wave::kWindowTitle.data(), wave::kWindowTitle.size()));
    // Matches the installed wave-synthesis.desktop, so docks group the window under it.
    app.setDesktopFileName(QStringLiteral("wave-synthesis"));
    QApplication::setWindowIcon(program_icon());
    register_font_substitutes();
    warn_of_missing_fonts();
    install_accessible_interfaces();
}

} // namespace desktop
