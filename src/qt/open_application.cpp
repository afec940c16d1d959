// SPDX-License-Identifier: MIT
#include "qt/open_application.h"

#include <QApplication>
#include <QByteArray>
#include <QMutex>
#include <QMutexLocker>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace desktop {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

QMutex held_lock;
std::vector<HeldMessage> held;
QtMessageHandler passed_on = nullptr;

// The settings that chose where the window was to open, as the user set them.
std::string where() {
    std::string out;
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            out += std::string(out.empty() ? "" : ", ") + name + "=" + value;
        }
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        out += std::string(out.empty() ? "" : ", ") + "DISPLAY is not set";
    }
    return out;
}

[[noreturn]] void no_platform() {
    const std::string line = "wave-synthesis: cannot open a window, no display could be reached (" +
                             where() + "); to run without a screen use: xvfb-run wave-synthesis\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    // Qt is half started: nothing of it may run on the way out.
    std::_Exit(2);
}

const char* or_null(const QByteArray& text) {
    return text.isNull() ? nullptr : text.constData();
}

// Called with held_lock locked.
void pass_on_held() {
    for (const HeldMessage& m : held) {
        const QMessageLogContext original(or_null(m.file), m.line, or_null(m.function),
                                          or_null(m.category));
        passed_on(m.type, original, m.text);
    }
    held.clear();
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Qt's last word before it aborts, when no platform plugin could open:
    // X11 without a server, Wayland without a compositor, or no such plugin.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        no_platform();
    }
    const QMutexLocker locker(&held_lock);
    held.push_back({type, context.file, context.line, context.function, context.category, text});
    if (type == QtFatalMsg) {
        // Not ours to explain: everything held goes out before Qt aborts.
        pass_on_held();
    }
}

} // namespace

std::unique_ptr<QApplication> open_application(int& argc, char** argv) {
    passed_on = qInstallMessageHandler(hold);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(passed_on);
    const QMutexLocker locker(&held_lock);
    pass_on_held();
    return app;
}

} // namespace desktop
