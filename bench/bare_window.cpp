// SPDX-License-Identifier: MIT
// The yardstick for start-up: the least a Qt program can do to show a
// window of the same size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(460, 466);
    window.show();
    return QApplication::exec();
}
