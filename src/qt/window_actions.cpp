// SPDX-License-Identifier: MIT
#include "qt/window_actions.h"

#include "form/form1.h"
#include "frontend/apply_setup.h"
#include "frontend/samples_csv.h"
#include "frontend/setup_text.h"
#include "qt/language.h"
#include "qt/main_window.h"
#include "qt/sound_output.h"
#include "qt/spin_button.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDevice>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStandardPaths>
#include <QWindow>

#include <string>
#include <vector>

namespace desktop {

using namespace wave;

namespace {

QString text_of(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

WindowActions::WindowActions(MainWindow& window, Language language)
    : QObject(&window), window_(window), language_(language),
      touchTimer_(real_hold_time().timer([this] { longTouch_.expired(); })),
      longTouch_(*touchTimer_, [this](double x, double y) { openMenu(QPointF(x, y).toPoint()); }) {
    chooseCsvPath = [this](const QString& suggested) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        return QFileDialog::getSaveFileName(
            &window_, text_of(action_name(Action::SaveCsv).name(language_)),
            folder + QLatin1Char('/') + suggested, QStringLiteral("CSV (*.csv)"));
    };
    for (const ActionName& entry : action_names()) {
        // Play and stop are one entry that says which it will do.
        if (entry.action == Action::StopSound) {
            continue;
        }
        auto* item = new QAction(text_of(entry.name(language_)), &window_);
        item->setShortcut(QKeySequence(text_of(entry.keys)));
        item->setShortcutContext(Qt::WindowShortcut);
        const Action which = entry.action;
        connect(item, &QAction::triggered, this, [this, which] { trigger(which); });
        window_.addAction(item);
        actions_.emplace_back(which, item);
    }
    window_.setContextMenuPolicy(Qt::ActionsContextMenu);
    // The menu from the keyboard, as other desktops open it.
    auto* menu_key = new QShortcut(&window_);
    menu_key->setKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    connect(menu_key, &QShortcut::activated, this, [this] {
        QWidget* at =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window_;
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at->rect().center(),
                                at->mapToGlobal(at->rect().center()));
        QCoreApplication::sendEvent(&window_, &event);
    });
    // A held touch reaches the control under the finger, not the window.
    qApp->installEventFilter(this);
}

WindowActions::~WindowActions() = default;

QAction* WindowActions::action(Action which) const {
    if (which == Action::StopSound) {
        which = Action::PlaySound;
    }
    for (const auto& [a, item] : actions_) {
        if (a == which) {
            return item;
        }
    }
    return nullptr;
}

void WindowActions::trigger(Action which) {
    switch (which) {
    case Action::CopySetup:
        copySetup();
        break;
    case Action::PasteSetup:
        pasteSetup();
        break;
    case Action::SaveCsv:
        saveCsv();
        break;
    case Action::CopyPicture:
        copyPicture();
        break;
    case Action::Print:
        print();
        break;
    case Action::PlaySound:
    case Action::StopSound:
        toggleSound();
        break;
    }
}

void WindowActions::applySetup(std::string_view text) {
    Form1& form = window_.form();
    const WaveSettings s = read_setup(text, form.settings);
    apply_setup(form, window_.controls(), s);
    window_.present();
}

void WindowActions::copySetup() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(setup_text(window_.form().settings)));
}

void WindowActions::pasteSetup() {
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    applySetup(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

void WindowActions::saveCsv() {
    const WaveSettings& s = window_.form().settings;
    const QString path = chooseCsvPath(QString::fromStdString(samples_file_name(s)));
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    const std::string csv = samples_csv(s);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size())) {
        QMessageBox::warning(&window_, text_of(action_name(Action::SaveCsv).name(language_)),
                             file.fileName() + QStringLiteral(": ") + file.errorString());
    }
}

void WindowActions::copyPicture() {
    // QClipboard offers an image as image/png, among others, on X11.
    QGuiApplication::clipboard()->setImage(window_.grab().toImage());
}

void WindowActions::printTo(QPrinter& printer) {
    QPainter painter(&printer);
    const QRectF page = painter.viewport();
    const QString caption =
        QStringLiteral("波の合成  #") + QString::fromStdString(setup_text(window_.form().settings));
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(page.height() / 40)));
    painter.setFont(font);
    const QRectF caption_box(page.left(), page.top(), page.width(), page.height() / 20);
    painter.drawText(caption_box, Qt::AlignLeft | Qt::AlignVCenter, caption);
    // The window's own pixels, as large as the page allows below the caption.
    const QRectF room(page.left(), caption_box.bottom(), page.width(),
                      page.height() - caption_box.height());
    const QSizeF size = QSizeF(window_.size()).scaled(room.size(), Qt::KeepAspectRatio);
    const qreal scale = size.width() / window_.width();
    painter.translate(room.left() + (room.width() - size.width()) / 2, room.top());
    painter.scale(scale, scale);
    window_.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
}

void WindowActions::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("波の合成"));
    QPrintDialog dialog(&printer, &window_);
    if (dialog.exec() == QDialog::Accepted) {
        printTo(printer);
    }
}

bool WindowActions::soundPlaying() const {
    return sound_ != nullptr && sound_->playing();
}

void WindowActions::toggleSound() {
    if (soundPlaying()) {
        sound_->stop();
    } else {
        if (sound_ == nullptr) {
            sound_ = new SoundOutput(
                window_.form().settings,
                [this] {
                    const QWindow* shown = window_.windowHandle();
                    return window_.isVisible() && shown != nullptr && shown->isExposed();
                },
                this);
            connect(sound_, &SoundOutput::stoppedAlone, this, &WindowActions::showSoundState);
        }
        if (!sound_->start()) {
            auto* box =
                new QMessageBox(QMessageBox::Information, QStringLiteral("波の合成"),
                                text_of(no_sound_device(language_)), QMessageBox::Ok, &window_);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        }
    }
    showSoundState();
}

void WindowActions::showSoundState() {
    const Action next = soundPlaying() ? Action::StopSound : Action::PlaySound;
    action(Action::PlaySound)->setText(text_of(action_name(next).name(language_)));
}

void WindowActions::openMenu(QPoint global) {
    auto* menu = new QMenu(&window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(window_.actions());
    menu->popup(global);
}

// Touches come as mouse events that Qt made from them.
void WindowActions::watchTouch(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease) {
        return;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (widget == nullptr || widget->window() != &window_ || mouse->device() == nullptr ||
        mouse->device()->type() != QInputDevice::DeviceType::TouchScreen) {
        return;
    }
    // Qt makes mouse events of the first touch point only.
    constexpr int kFinger = 0;
    const QPointF at = mouse->globalPosition();
    if (type == QEvent::MouseButtonPress) {
        const bool on_arrows = qobject_cast<SpinButton*>(widget) != nullptr ||
                               qobject_cast<SpinButton*>(widget->parentWidget()) != nullptr;
        if (!on_arrows) {
            longTouch_.down(kFinger, at.x(), at.y());
        }
    } else if (type == QEvent::MouseMove) {
        longTouch_.move(kFinger, at.x(), at.y());
    } else {
        longTouch_.up(kFinger);
    }
}

bool WindowActions::eventFilter(QObject* watched, QEvent* event) {
    watchTouch(watched, event);
    return QObject::eventFilter(watched, event);
}

} // namespace desktop
