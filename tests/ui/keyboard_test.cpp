// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "qt/main_window.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using namespace wave;
using namespace desktop;

namespace {

// The controls that take the focus, in the layout's tab order; labels and
// frames take no part.
std::vector<const ControlRow*> focus_order() {
    std::vector<const ControlRow*> order;
    for (const ControlRow& entry : window_layout()) {
        if (entry.kind != ControlKind::Label && entry.kind != ControlKind::Frame) {
            order.push_back(&entry);
        }
    }
    std::sort(order.begin(), order.end(),
              [](const auto* a, const auto* b) { return a->tab < b->tab; });
    return order;
}

// Where Tab stops, going forwards or backwards. As on every desktop, a group
// of option buttons is one stop, entered at its first button in the walk's
// direction; the arrow keys move within it.
std::vector<std::string> tab_stops(bool forwards = true) {
    std::vector<const ControlRow*> order = focus_order();
    if (!forwards) {
        std::reverse(order.begin(), order.end());
    }
    std::vector<std::string> stops;
    const ControlRow* previous = nullptr;
    for (const ControlRow* entry : order) {
        const bool same_group = previous != nullptr && entry->kind == ControlKind::OptionButton &&
                                previous->kind == ControlKind::OptionButton &&
                                entry->container == previous->container;
        if (!same_group) {
            stops.push_back(object_name(entry->ref));
        }
        previous = entry;
    }
    return stops;
}

std::string focused() {
    const QWidget* w = QApplication::focusWidget();
    return w == nullptr ? "<nothing>" : w->objectName().toStdString();
}

QWidget* child(const MainWindow& w, const std::string& name) {
    return w.findChild<QWidget*>(QString::fromStdString(name));
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

class Keyboard : public testing::Test {
protected:
    void SetUp() override {
        window_.show();
        QApplication::setActiveWindow(&window_);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    // Arrives by Tab, as a learner would, so the focus is drawn as keyboard focus.
    void tab_to(const std::string& name) {
        const std::vector<std::string> stops = tab_stops();
        const auto at = std::find(stops.begin(), stops.end(), name);
        ASSERT_NE(at, stops.end()) << name << " is no tab stop";
        const std::string& before = at == stops.begin() ? stops.back() : *(at - 1);
        child(window_, before)->setFocus(Qt::OtherFocusReason);
        press(Qt::Key_Tab);
        ASSERT_EQ(focused(), name);
    }

    std::string text_of(const char* label) const {
        return qobject_cast<QLabel*>(child(window_, label))->text().toStdString();
    }

    MainWindow window_;
};

TEST_F(Keyboard, TabWalksEveryControlInTabOrderAndComesBackRound) {
    const std::vector<std::string> stops = tab_stops();
    // 5 plots, RESET, 6 option groups, 9 spinners.
    ASSERT_EQ(stops.size(), 21u);
    child(window_, stops.front())->setFocus(Qt::OtherFocusReason);
    std::vector<std::string> walked{focused()};
    for (std::size_t n = 0; n < stops.size(); ++n) {
        press(Qt::Key_Tab);
        walked.push_back(focused());
    }
    std::vector<std::string> expected = stops;
    expected.push_back(stops.front());
    EXPECT_EQ(walked, expected);
}

TEST_F(Keyboard, ShiftTabWalksTheSameOrderBackwards) {
    const std::vector<std::string> stops = tab_stops(false);
    child(window_, stops.front())->setFocus(Qt::OtherFocusReason);
    std::vector<std::string> walked{focused()};
    for (std::size_t n = 0; n < stops.size(); ++n) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        walked.push_back(focused());
    }
    std::vector<std::string> expected = stops;
    expected.push_back(stops.front());
    EXPECT_EQ(walked, expected);
}

struct ArrowCase {
    const char* name;
    const char* from;
    int downs;
    const char* to;
    std::function<bool(const WaveSettings&)> reached;
};

void PrintTo(const ArrowCase& row, std::ostream* os) {
    *os << row.name;
}

class ArrowsInAGroup : public Keyboard, public testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowsInAGroup, MoveTheSelectionAndRaiseItsClick) {
    const ArrowCase& c = GetParam();
    child(window_, c.from)->setFocus(Qt::OtherFocusReason);
    for (int n = 0; n < c.downs; ++n) {
        press(Qt::Key_Down);
    }
    EXPECT_EQ(focused(), c.to);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(child(window_, c.to))->isChecked());
    EXPECT_TRUE(c.reached(window_.form().settings));
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, ArrowsInAGroup,
    testing::Values(
        ArrowCase{"CosineToSine", "switch_c(0)", 1, "switch_s(0)",
                  [](const WaveSettings& s) { return s.is_cos[0] == 0 && s.is_cos[1] == -1; }},
        ArrowCase{"AmplitudeStepToHalf", "Option5", 1, "Option6",
                  [](const WaveSettings& s) { return s.step_a == 5 && s.step_f == 10; }},
        ArrowCase{"FrequencyStepToTenth", "Option1", 3, "Option4",
                  [](const WaveSettings& s) { return s.step_f == 1 && s.step_a == 10; }}),
    [](const auto& row) { return std::string(row.param.name); });

struct SpinKeyCase {
    const char* name;
    const char* spin;
    std::vector<Qt::Key> keys;
    int held_repeats; // extra auto-repeated presses of the last key
    const char* label;
    const char* text;
};

void PrintTo(const SpinKeyCase& row, std::ostream* os) {
    *os << row.name;
}

class SpinKeys : public Keyboard, public testing::WithParamInterface<SpinKeyCase> {};

TEST_P(SpinKeys, ChangeTheValueOfTheFocusedSpinner) {
    const SpinKeyCase& c = GetParam();
    tab_to(c.spin);
    for (const Qt::Key key : c.keys) {
        press(key);
    }
    for (int n = 0; n < c.held_repeats; ++n) {
        QKeyEvent repeat(QEvent::KeyPress, c.keys.back(), Qt::NoModifier, QString(), true);
        QApplication::sendEvent(QApplication::focusWidget(), &repeat);
    }
    EXPECT_EQ(text_of(c.label), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, SpinKeys,
    testing::Values(
        SpinKeyCase{"AmplitudeUp", "SpinButton3(1)", {Qt::Key_Up}, 0, "Labela(1)", "1"},
        SpinKeyCase{"AmplitudeUpUpDown",
                    "SpinButton3(3)",
                    {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down},
                    0,
                    "Labela(3)",
                    "1"},
        SpinKeyCase{
            "AmplitudeDownAtZeroRefused", "SpinButton3(2)", {Qt::Key_Down}, 0, "Labela(2)", "0"},
        SpinKeyCase{"FrequencyHeld", "SpinButton4(0)", {Qt::Key_Up}, 3, "Labelb(0)", "4"},
        SpinKeyCase{"SpanUp", "SpinButton1", {Qt::Key_Up}, 0, "labelt", "2"},
        SpinKeyCase{"OtherKeysChangeNothing",
                    "SpinButton3(0)",
                    {Qt::Key_Left, Qt::Key_A},
                    0,
                    "Labela(0)",
                    "0"}),
    [](const auto& row) { return std::string(row.param.name); });

struct SpaceCase {
    const char* name;
    const char* option;
    std::function<bool(const WaveSettings&)> reached;
};

void PrintTo(const SpaceCase& row, std::ostream* os) {
    *os << row.name;
}

class SpaceOnAnOption : public Keyboard, public testing::WithParamInterface<SpaceCase> {};

TEST_P(SpaceOnAnOption, SelectsItAndRaisesItsClick) {
    const SpaceCase& c = GetParam();
    child(window_, c.option)->setFocus(Qt::OtherFocusReason);
    press(Qt::Key_Space);
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(child(window_, c.option))->isChecked());
    EXPECT_TRUE(c.reached(window_.form().settings));
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, SpaceOnAnOption,
    testing::Values(
        SpaceCase{"Sine", "switch_s(0)", [](const WaveSettings& s) { return s.is_cos[0] == 0; }},
        SpaceCase{"CosineAgain", "switch_c(2)",
                  [](const WaveSettings& s) { return s.is_cos[2] == -1; }},
        SpaceCase{"AmplitudeStep", "Option7", [](const WaveSettings& s) { return s.step_a == 2; }},
        SpaceCase{"FrequencyStep", "Option3", [](const WaveSettings& s) { return s.step_f == 2; }}),
    [](const auto& row) { return std::string(row.param.name); });

struct ResetKey {
    const char* name;
    Qt::Key key;
};

void PrintTo(const ResetKey& row, std::ostream* os) {
    *os << row.name;
}

class ResetByKey : public Keyboard, public testing::WithParamInterface<ResetKey> {};

TEST_P(ResetByKey, SetsTheSpanBackToOneSecond) {
    window_.form().SpinButton1_SpinUp();
    window_.form().SpinButton1_SpinUp();
    ASSERT_EQ(text_of("labelt"), "3");
    tab_to("Command1");
    press(GetParam().key);
    EXPECT_EQ(window_.form().settings.span_t, 1.0f);
    EXPECT_EQ(text_of("labelt"), "1");
    EXPECT_EQ(text_of("value_t"), "1");
}

INSTANTIATE_TEST_SUITE_P(Keyboard, ResetByKey,
                         testing::Values(ResetKey{"Space", Qt::Key_Space},
                                         ResetKey{"Return", Qt::Key_Return},
                                         ResetKey{"Enter", Qt::Key_Enter}),
                         [](const auto& row) { return std::string(row.param.name); });

class FocusIndicator : public Keyboard, public testing::WithParamInterface<const char*> {};

TEST_P(FocusIndicator, ShowsOnTheFocusedControl) {
    tab_to(GetParam());
    QWidget* control = child(window_, GetParam());
    const QImage focused_look = control->grab().toImage();
    press(Qt::Key_Tab);
    ASSERT_NE(focused(), GetParam());
    const QImage unfocused_look = control->grab().toImage();
    EXPECT_NE(focused_look, unfocused_look);
}

INSTANTIATE_TEST_SUITE_P(Keyboard, FocusIndicator,
                         testing::Values("Command1", "switch_c(0)", "switch_s(1)", "Option1",
                                         "Option5", "SpinButton3(0)", "SpinButton1", "Grph(0)",
                                         "Gr"),
                         [](const auto& row) {
                             std::string name = row.param;
                             std::erase(name, ')');
                             std::replace(name.begin(), name.end(), '(', '_');
                             return name;
                         });

} // namespace
