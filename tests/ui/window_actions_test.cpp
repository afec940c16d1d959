// SPDX-License-Identifier: MIT
// The actions behind keys and the context menu: a set-up by text draws what
// presses draw, the clipboard carries it and the picture, the CSV goes where it is told, the
// menu lists every action in the window's language, and a print is one page.
#include "form/form1.h"
#include "frontend/samples_csv.h"
#include "frontend/setup_text.h"
#include "qt/main_window.h"
#include "qt/window_actions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace desktop {

using namespace wave;

namespace {

struct Shown {
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>();
    WindowActions* actions;

    explicit Shown(Language language = Language::Japanese)
        : actions(new WindowActions(*window, language)) {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QImage picture() const { return window->grab().toImage(); }
};

// The beats lesson's set-up with a sine and finer steps, reached by presses.
void press_lesson(Form1& f) {
    f.Option6_Click(); // step a 0.5
    f.Option3_Click(); // step f 0.2
    for (int i = 0; i < 10; ++i) {
        f.SpinButton3_SpinUp(0);
        f.SpinButton3_SpinUp(1);
    }
    for (int i = 0; i < 5; ++i) {
        f.SpinButton4_SpinUp(0);
    }
    f.SpinButton4_SpinUp(1);
    for (int i = 0; i < 5; ++i) {
        f.SpinButton4_SpinUp(1);
    }
    f.switch_s_Click(1);
    for (int i = 0; i < 9; ++i) {
        f.SpinButton1_SpinUp();
    }
}

} // namespace

TEST(WindowActions, AnAddressDrawsWhatPressesDraw) {
    Shown pressed;
    press_lesson(pressed.window->form());
    // The option buttons the learner would have clicked.
    for (const char* clicked : {"Option6", "Option3", "switch_s(1)"}) {
        pressed.window->findChild<QRadioButton*>(QString::fromUtf8(clicked))->setChecked(true);
    }

    Shown opened;
    opened.actions->applySetup(
        "https://example.org/wave/#A=5cos1&B=5sin1.2&t=10&step_a=0.5&step_f=0.2");
    EXPECT_EQ(setup_text(opened.window->form().settings),
              setup_text(pressed.window->form().settings));
    EXPECT_TRUE(opened.picture() == pressed.picture()) << "the windows' pixels differ";
}

TEST(WindowActions, CopyThenPasteCarriesTheSetUp) {
    Shown from;
    press_lesson(from.window->form());
    from.actions->trigger(Action::CopySetup);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              setup_text(from.window->form().settings));

    from.actions->trigger(Action::CopyPicture);
    EXPECT_TRUE(QGuiApplication::clipboard()->image() == from.picture()) << "the window's picture";

    QGuiApplication::clipboard()->setText(
        QString::fromStdString(setup_text(from.window->form().settings)));
    Shown to;
    to.actions->trigger(Action::PasteSetup);
    EXPECT_EQ(setup_text(to.window->form().settings), setup_text(from.window->form().settings));
    // Text that is no set-up changes nothing, and RESET still answers.
    QGuiApplication::clipboard()->setText(QStringLiteral("%%%NaN&A=1e400&\xff"));
    to.actions->trigger(Action::PasteSetup);
    to.window->form().Command1_Click();
    EXPECT_EQ(to.window->form().settings.span_t, 1.0f);
}

TEST(WindowActions, TheCsvGoesWhereItIsToldUnderTheSetUpsName) {
    Shown shown;
    press_lesson(shown.window->form());
    QTemporaryDir dir;
    QString suggested;
    shown.actions->chooseCsvPath = [&](const QString& name) {
        suggested = name;
        return dir.filePath(name);
    };
    shown.actions->trigger(Action::SaveCsv);
    const WaveSettings& s = shown.window->form().settings;
    EXPECT_EQ(suggested.toStdString(), samples_file_name(s));
    QFile file(dir.filePath(suggested));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), samples_csv(s));

    // A cancelled dialog writes nothing.
    shown.actions->chooseCsvPath = [](const QString&) { return QString(); };
    ASSERT_TRUE(file.remove());
    shown.actions->trigger(Action::SaveCsv);
    EXPECT_FALSE(file.exists());
}

// The menu a key opens, as its items read, and closed again.
QStringList menu_after(Shown& shown, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QStringList seen;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions()) {
                seen << a->text() + QLatin1Char('\t') + a->shortcut().toString();
            }
            menu->close();
        }
    });
    QTest::keyClick(shown.window.get(), key, modifiers);
    return seen;
}

struct MenuCase {
    const char* name;
    Language language;
    QStringList items;
};

class WindowMenu : public testing::TestWithParam<MenuCase> {};

TEST_P(WindowMenu, TheMenuKeyAndShiftF10ListEveryActionWithItsKey) {
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Menu, Qt::NoModifier}, std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
        Shown shown(GetParam().language);
        EXPECT_EQ(menu_after(shown, key, modifiers), GetParam().items)
            << QKeySequence(key | modifiers).toString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, WindowMenu,
    testing::Values(
        MenuCase{"Japanese",
                 Language::Japanese,
                 {"設定をコピー\tCtrl+Shift+C", "設定を貼り付け\tCtrl+V", "CSVで保存\tCtrl+S",
                  "画像をコピー\tCtrl+C", "印刷\tCtrl+P", "音を鳴らす\tCtrl+M"}},
        MenuCase{"English",
                 Language::English,
                 {"Copy set-up\tCtrl+Shift+C", "Paste set-up\tCtrl+V", "Save as CSV\tCtrl+S",
                  "Copy picture\tCtrl+C", "Print\tCtrl+P", "Play sound\tCtrl+M"}}),
    [](const auto& row) { return std::string(row.param.name); });

// A touch held still opens the menu; a tap does not, and neither does a touch
// held on a spinner's arrows, which repeat instead.
TEST(WindowActions, ATouchHeldOffTheArrowsOpensTheMenu) {
    Shown shown;
    QPointingDevice* finger = QTest::createTouchDevice();
    const auto centre_of = [&](const char* name) {
        QWidget* w = shown.window->findChild<QWidget*>(QString::fromUtf8(name));
        return w->mapTo(shown.window.get(), w->rect().center());
    };
    const auto menu_open = [] { return QApplication::activePopupWidget() != nullptr; };

    const QPoint plot = centre_of("Gr");
    QTest::touchEvent(shown.window.get(), finger).press(0, plot);
    QTest::touchEvent(shown.window.get(), finger).release(0, plot);
    QTest::qWait(LongTouch::kHold / 1000 + 300);
    EXPECT_FALSE(menu_open()) << "after a tap";

    const QPoint arrow = centre_of("SpinButton4(2)") - QPoint(0, 4);
    QTest::touchEvent(shown.window.get(), finger).press(0, arrow);
    QTest::qWait(LongTouch::kHold / 1000 + 300);
    EXPECT_FALSE(menu_open()) << "on the arrows";
    QTest::touchEvent(shown.window.get(), finger).release(0, arrow);

    QTest::touchEvent(shown.window.get(), finger).press(0, plot);
    EXPECT_TRUE(QTest::qWaitFor(menu_open, 10000)) << "held on the plot";
    if (menu_open()) {
        EXPECT_EQ(QApplication::activePopupWidget()->actions().size(), 6);
        QApplication::activePopupWidget()->close();
    }
    QTest::touchEvent(shown.window.get(), finger).release(0, plot);
}

TEST(WindowActions, APrintIsOnePage) {
    Shown shown;
    press_lesson(shown.window->form());
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("print.pdf")));
    printer.setPageOrientation(QPageLayout::Landscape);
    shown.actions->printTo(printer);
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page "),
              1);
}

} // namespace desktop
