// SPDX-License-Identifier: MIT
#include "qt/open_application.h"

#include <QApplication>
#include <QByteArray>
#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>
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

// What Qt said of the platform plugins it tried, read from its own messages.
struct PlatformTried {
    QString name;
    bool missing = false;
    QString available;
};
PlatformTried tried;

void note_platform(const QString& text) {
    static const QRegularExpression named(QStringLiteral("Qt platform plugin \"([^\"]*)\""));
    static const QRegularExpression listed(
        QStringLiteral("Available platform plugins are: ([^.\n]*)"));
    if (const auto m = named.match(text); m.hasMatch()) {
        tried.name = m.captured(1);
        tried.missing = text.contains(QLatin1String("Could not find"));
    }
    if (const auto m = listed.match(text); m.hasMatch()) {
        tried.available = m.captured(1);
    }
}

[[noreturn]] void no_platform(const QString& fatal) {
    note_platform(fatal);
    const char* asked = std::getenv("QT_QPA_PLATFORM");
    const std::string name = !tried.name.isEmpty()                ? tried.name.toStdString()
                             : asked != nullptr && *asked != '\0' ? asked
                                                                  : "xcb";
    std::string line = "wave-synthesis: cannot open a window";
    if (tried.missing) {
        // No server can help a plugin that is not there.
        line += ": Qt has no platform plugin \"" + name + "\" (" + where() + ")";
        if (!tried.available.isEmpty()) {
            line += "; the platforms it has: " + tried.available.toStdString();
        }
    } else if (name == "xcb") {
        line += " on the X11 platform \"xcb\", no display could be reached (" + where() +
                "); to run without a screen use: xvfb-run wave-synthesis";
    } else {
        line += " on the platform \"" + name + "\" (" + where() + ")";
    }
    line += "\n";
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
        no_platform(text);
    }
    const QMutexLocker locker(&held_lock);
    note_platform(text);
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
