#include "ui/qt/program_icon.h"

#include <QIcon>
#include <QString>

#include <array>

QIcon program_icon() {
    QIcon icon;
    for (const int size : std::array{16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/wave-synthesis.png").arg(size), QSize(size, size));
    }
    return icon;
}
