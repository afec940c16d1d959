#include "ui/qt/program_icon.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>

namespace {

// Only the title bar and the task switcher show the icon, yet reading it
// (image plug-ins looked up, five pictures decoded, sent to the X server)
// took a tenth of the time to the first frame. A window that starts
// minimised is not painted: it gets the icon after a second all the same.
class IconAfterFirstPaint final : public QObject {
public:
    explicit IconAfterFirstPaint(QWidget& window) : QObject(&window) {
        window.installEventFilter(this);
        QTimer::singleShot(1000, this, &IconAfterFirstPaint::give);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so it runs once this paint has reached the screen.
            QTimer::singleShot(0, this, &IconAfterFirstPaint::give);
        }
        return false;
    }

private:
    void give() {
        if (!given_) {
            given_ = true;
            QApplication::setWindowIcon(program_icon());
            deleteLater();
        }
    }

    bool given_ = false;
};

} // namespace

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

void give_icon_after_first_frame(QWidget& window) {
    new IconAfterFirstPaint(window);
}
