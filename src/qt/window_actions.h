// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/action_names.h"
#include "frontend/language.h"
#include "frontend/long_touch.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <string_view>

class QAction;
class QPrinter;

namespace desktop {

class MainWindow;
class SoundOutput;

// What the window does behind keys and its context menu, none of it a visible
// control: the set-up as text in and out, the samples as CSV, the picture,
// printing and the sum as sound. Names and keys come from the core's table.
class WindowActions : public QObject {
    Q_OBJECT

public:
    WindowActions(MainWindow& window, wave::Language language);
    ~WindowActions() override;

    // A set-up as the page's address has it, whole or after '#'.
    void applySetup(std::string_view text);
    void trigger(wave::Action action);
    // The window and the set-up's caption on one page.
    void printTo(QPrinter& printer);

    // Where the CSV goes; empty cancels. A save dialog unless replaced.
    std::function<QString(const QString& suggested)> chooseCsvPath;

    QAction* action(wave::Action action) const;
    bool soundPlaying() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copySetup();
    void pasteSetup();
    void saveCsv();
    void copyPicture();
    void print();
    void toggleSound();
    void showSoundState();
    void watchTouch(QObject* watched, QEvent* event);
    void openMenu(QPoint global);

    MainWindow& window_;
    wave::Language language_;
    std::vector<std::pair<wave::Action, QAction*>> actions_;
    SoundOutput* sound_ = nullptr;
    std::unique_ptr<wave::Timer> touchTimer_;
    wave::LongTouch longTouch_;
};

} // namespace desktop
