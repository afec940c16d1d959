// SPDX-License-Identifier: MIT
// The desktop window on Qt's offscreen platform, pressed as the command line
// says, writing every plot's kept image so the browser tests can compare
// them with the page's canvases pixel for pixel.
//
//   desktop_plots DIR STEP...
//     NAME+ / NAME-   the upper / lower arrow of spinner NAME, e.g. SpinButton3(0)+
//     NAME            clicks the option button or command button NAME
//     #SETUP          opens a set-up as the program's argument does
//     @STATE          writes DIR/STATE.PLOT.pam (RGBA) for the five plots
#include "qt/main_window.h"
#include "qt/picture_box_widget.h"
#include "qt/spin_button.h"
#include "qt/window_actions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QImage>

#include <cstdio>
#include <string>

using namespace wave;
using namespace desktop;

namespace {

const char* const kPlots[] = {"Grph(0)", "Grph(1)", "Grph(2)", "Grph(3)", "Gr"};

// PAM keeps the bytes as the canvas's ImageData has them: R, G, B, A.
bool write_pam(const QImage& kept, const QString& file) {
    const QImage image = kept.convertToFormat(QImage::Format_RGBA8888);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray header = QStringLiteral("P7\nWIDTH %1\nHEIGHT %2\nDEPTH 4\nMAXVAL 255\n"
                                             "TUPLTYPE RGB_ALPHA\nENDHDR\n")
                                  .arg(image.width())
                                  .arg(image.height())
                                  .toLatin1();
    out.write(header);
    for (int y = 0; y < image.height(); ++y) {
        out.write(reinterpret_cast<const char*>(image.constScanLine(y)),
                  static_cast<qint64>(image.width()) * 4);
    }
    return out.error() == QFileDevice::NoError;
}

bool step(MainWindow& window, WindowActions& actions, const QString& dir, const QString& arg) {
    if (arg.startsWith('#')) {
        actions.applySetup(arg.toStdString());
        return true;
    }
    if (arg.startsWith('@')) {
        for (const char* plot : kPlots) {
            auto* box = window.findChild<PictureBoxWidget*>(QString::fromLatin1(plot));
            const QString file = QStringLiteral("%1/%2.%3.pam").arg(dir, arg.mid(1), plot);
            if (box == nullptr || !write_pam(box->image(), file)) {
                return false;
            }
        }
        return true;
    }
    if (arg.endsWith('+') || arg.endsWith('-')) {
        auto* spinner = window.findChild<SpinButton*>(arg.chopped(1));
        if (spinner == nullptr) {
            return false;
        }
        if (arg.endsWith('+')) {
            emit spinner->SpinUp();
        } else {
            emit spinner->SpinDown();
        }
        return true;
    }
    auto* button = window.findChild<QAbstractButton*>(arg);
    if (button == nullptr) {
        return false;
    }
    button->click();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: desktop_plots DIR STEP...\n");
        return 2;
    }
    MainWindow window;
    auto* actions = new WindowActions(window, Language::English);
    window.show();
    QApplication::processEvents();
    const QString dir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!step(window, *actions, dir, arg)) {
            std::fprintf(stderr, "desktop_plots: cannot do %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
