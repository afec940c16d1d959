// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include "ui/layout.h"

#include <QApplication>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace wave;
using namespace desktop;

namespace {

bool takes_focus(ControlKind kind) {
    return kind == ControlKind::OptionButton || kind == ControlKind::CommandButton ||
           kind == ControlKind::PictureBox || kind == ControlKind::SpinButton;
}

// The names of the focusable controls, in the order of their tab indexes.
std::vector<std::string> tab_order_of_the_layout() {
    std::vector<std::pair<int, std::string>> stops;
    for (const ControlRow& entry : window_layout()) {
        if (takes_focus(entry.kind)) {
            stops.emplace_back(entry.tab, object_name(entry.ref));
        }
    }
    std::sort(stops.begin(), stops.end());
    std::vector<std::string> names;
    for (const auto& stop : stops) {
        names.push_back(stop.second);
    }
    return names;
}

// Every widget that Tab stops at, walking the window's focus chain once round.
std::vector<std::string> focus_chain(QWidget& window) {
    std::vector<std::string> names;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && !w->objectName().isEmpty()) {
            names.push_back(w->objectName().toStdString());
        }
    }
    return names;
}

TEST_F(WindowTest, FocusChainFollowsTheTabIndexes) {
    EXPECT_EQ(focus_chain(*window), tab_order_of_the_layout());
}

TEST_F(WindowTest, FocusChainStartsWithThePlotsThenReset) {
    // Tab indexes 5..9 are the plots, bottom to top; 23 is RESET; 26 and 27
    // the first waveform pair; 29 comes before 30 in band B.
    const std::vector<std::string> chain = focus_chain(*window);
    const std::vector<std::string> head{"Gr",          "Grph(3)",    "Grph(2)",     "Grph(1)",
                                        "Grph(0)",     "Command1",   "switch_c(0)", "switch_s(0)",
                                        "switch_s(1)", "switch_c(1)"};
    ASSERT_GE(chain.size(), head.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), chain.begin()));
    EXPECT_EQ(chain.back(), "SpinButton1");
    EXPECT_EQ(chain.size(), 31u);
}

TEST_F(WindowTest, LabelsAndFramesNeverTakeFocus) {
    for (const ControlRow& entry : window_layout()) {
        if (takes_focus(entry.kind)) {
            continue;
        }
        const std::string name = object_name(entry.ref);
        const QWidget* widget = control(name.c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << name;
    }
}

TEST_F(WindowTest, TabMovesFromTheLastPlotToReset) {
    QWidget* plot = control("Grph(0)");
    ASSERT_NE(plot, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    plot->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(plot->hasFocus());
    QTest::keyClick(plot, Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

TEST_F(WindowTest, ClickingAPlotFocusesIt) {
    QWidget* plot = control("Grph(2)");
    ASSERT_NE(plot, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(plot, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_TRUE(plot->hasFocus());
}

} // namespace
