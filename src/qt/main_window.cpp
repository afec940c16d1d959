// SPDX-License-Identifier: MIT
#include "qt/main_window.h"

#include "form/form1.h"
#include "qt/colour.h"
#include "qt/option_button_widget.h"
#include "qt/picture_box_widget.h"
#include "qt/spin_button.h"
#include "qt/value_label.h"
#include "qt/window_builder.h"
#include "ui/layout.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include <array>
#include <stdexcept>
#include <string>

namespace desktop {

using namespace wave;

namespace {
constexpr int kClientWidthTwips = 6900;
constexpr int kClientHeightTwips = 6990;
constexpr Colour kSilver = 0xC0C0C0;
} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("波の合成"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, to_qcolor(kSilver));
    setPalette(palette);
    setAutoFillBackground(true);

    build_window_controls(*this);
    form_ = std::make_unique<Form1>(controls());
    connectEvents();

    auto* quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);

    form_->Form_Load();
}

MainWindow::~MainWindow() = default;

template <typename T> T* MainWindow::control(const char* name, int index) const {
    const std::string object = object_name({name, index});
    T* found = findChild<T*>(QString::fromStdString(object));
    if (found == nullptr) {
        throw std::logic_error("the layout has no control " + object);
    }
    return found;
}

FormControls MainWindow::controls() {
    FormControls c;
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        c.Grph[k] = control<PictureBoxWidget>("Grph", i);
        c.Labela[k] = control<ValueLabel>("Labela", i);
        c.Labelb[k] = control<ValueLabel>("Labelb", i);
        c.switch_c[k] = control<OptionButtonWidget>("switch_c", i);
        c.switch_s[k] = control<OptionButtonWidget>("switch_s", i);
    }
    c.Gr = control<PictureBoxWidget>("Gr");
    c.labelt = control<ValueLabel>("labelt");
    c.value_t = control<ValueLabel>("value_t");
    c.window = &geometry_;
    c.screen = &screen_;
    return c;
}

void MainWindow::connectEvents() {
    Form1* f = form_.get();

    for (std::int16_t i = 0; i < 4; ++i) {
        auto* amplitude = control<SpinButton>("SpinButton3", i);
        connect(amplitude, &SpinButton::SpinUp, this, [f, i] { f->SpinButton3_SpinUp(i); });
        connect(amplitude, &SpinButton::SpinDown, this, [f, i] { f->SpinButton3_SpinDown(i); });
        auto* frequency = control<SpinButton>("SpinButton4", i);
        connect(frequency, &SpinButton::SpinUp, this, [f, i] { f->SpinButton4_SpinUp(i); });
        connect(frequency, &SpinButton::SpinDown, this, [f, i] { f->SpinButton4_SpinDown(i); });
        connect(control<OptionButtonWidget>("switch_c", i), &QAbstractButton::clicked, this,
                [f, i] { f->switch_c_Click(i); });
        connect(control<OptionButtonWidget>("switch_s", i), &QAbstractButton::clicked, this,
                [f, i] { f->switch_s_Click(i); });
    }

    using Handler = void (Form1::*)();
    const std::array<Handler, 8> options{
        &Form1::Option1_Click, &Form1::Option2_Click, &Form1::Option3_Click, &Form1::Option4_Click,
        &Form1::Option5_Click, &Form1::Option6_Click, &Form1::Option7_Click, &Form1::Option8_Click};
    for (std::size_t n = 0; n < options.size(); ++n) {
        const std::string name = "Option" + std::to_string(n + 1);
        const Handler handler = options[n];
        connect(control<OptionButtonWidget>(name.c_str()), &QAbstractButton::clicked, this,
                [f, handler] { (f->*handler)(); });
    }

    auto* span = control<SpinButton>("SpinButton1");
    connect(span, &SpinButton::SpinUp, this, [f] { f->SpinButton1_SpinUp(); });
    connect(span, &SpinButton::SpinDown, this, [f] { f->SpinButton1_SpinDown(); });
    connect(control<QPushButton>("Command1"), &QPushButton::clicked, this,
            [f] { f->Command1_Click(); });
}

} // namespace desktop
