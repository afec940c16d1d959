// SPDX-License-Identifier: MIT
#include "qt/program_icon.h"

#include <QIcon>
#include <QString>

#include <array>

namespace desktop {

QIcon program_icon() {
    QIcon icon;
    // Title bars and task switchers want 64 pixels at most; menus and software
    // centres take the larger sizes from the installed icon theme.
    for (const int size : std::array{16, 24, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/wave-synthesis.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

} // namespace desktop
