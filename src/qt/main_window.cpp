// SPDX-License-Identifier: MIT
#include "qt/main_window.h"

#include "form/form1.h"
#include "frontend/build_window.h"
#include "frontend/window.h"
#include "qt/colour.h"
#include "qt/picture_box_widget.h"
#include "qt/spin_button.h"
#include "qt/window_builder.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QShortcut>

#include <functional>
#include <utility>

namespace desktop {

using namespace wave;

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kWindowTitle.data(), kWindowTitle.size()));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to_qcolor(kWindowBack));
    setPalette(palette);
    setAutoFillBackground(true);

    controls_.window = &geometry_;
    controls_.screen = &screen_;
    const std::vector<QWidget*> made = build_window_controls(*this, controls_);
    form_ = std::make_unique<Form1>(controls_);
    for (QWidget* widget : made) {
        if (auto* plot = qobject_cast<PictureBoxWidget*>(widget)) {
            plots_.push_back(plot);
        }
    }

    // Each event's procedure, then what it drew.
    const auto then_present = [this](std::function<void()> run) {
        return [this, run = std::move(run)] {
            run();
            present();
        };
    };
    bind_events(*form_, made, [&](QWidget* widget, ControlEvents events) {
        if (auto* spin = qobject_cast<SpinButton*>(widget)) {
            connect(spin, &SpinButton::SpinUp, this, then_present(std::move(events.SpinUp)));
            connect(spin, &SpinButton::SpinDown, this, then_present(std::move(events.SpinDown)));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this, then_present(std::move(events.Click)));
        }
    });

    auto* quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);

    form_->Form_Load();
    present();
}

MainWindow::~MainWindow() = default;

void MainWindow::present() {
    for (PictureBoxWidget* plot : plots_) {
        plot->present();
    }
}

} // namespace desktop
