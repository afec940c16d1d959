// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "frontend/spoken_names.h"
#include "qt/main_window.h"
#include "qt/spin_button.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

using namespace wave;
using namespace desktop;

namespace {

QWidget* child(const MainWindow& w, const std::string& name) {
    return w.findChild<QWidget*>(QString::fromStdString(name));
}

std::string spoken(QWidget* widget, QAccessible::Text what) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface == nullptr ? "<no accessible interface>" : iface->text(what).toStdString();
}

// A valid test name from "Labela(2)".
std::string row_name(const ControlRef& ref) {
    std::string name(ref.name);
    if (ref.index >= 0) {
        name += '_' + std::to_string(ref.index);
    }
    return name;
}

class EveryControl : public testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() { window_ = std::make_unique<MainWindow>(); }
    static void TearDownTestSuite() { window_.reset(); }
    static std::unique_ptr<MainWindow> window_;
};

std::unique_ptr<MainWindow> EveryControl::window_;

TEST_P(EveryControl, ReachesTheScreenReaderWithItsName) {
    const ControlRow& entry = window_layout()[static_cast<std::size_t>(GetParam())];
    QWidget* widget = child(*window_, object_name(entry.ref));
    ASSERT_NE(widget, nullptr);
    const std::string name = spoken(widget, QAccessible::Name);
    EXPECT_FALSE(name.empty());
    EXPECT_EQ(name, spoken_name(entry.ref, Language::English));
}

INSTANTIATE_TEST_SUITE_P(Accessibility, EveryControl, testing::Range(0, 72), [](const auto& row) {
    return row_name(window_layout()[static_cast<std::size_t>(row.param)].ref);
});

struct Heard {
    const char* control;
    const char* words;
};

void PrintTo(const Heard& row, std::ostream* os) {
    *os << row.control;
}

class WhatAListenerHears : public testing::TestWithParam<Heard> {};

TEST_P(WhatAListenerHears, OnReachingTheControl) {
    MainWindow w;
    QWidget* widget = child(w, GetParam().control);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(spoken(widget, QAccessible::Name), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Accessibility, WhatAListenerHears,
    testing::Values(Heard{"SpinButton3(0)", "Amplitude of wave A, up/down"},
                    Heard{"SpinButton4(2)", "Frequency of wave C, up/down"},
                    Heard{"SpinButton1", "Time span, up/down"},
                    Heard{"Option6", "Step of amplitude 0.5"},
                    Heard{"Option4", "Step of frequency 0.1"},
                    Heard{"switch_c(0)", "Wave A: cosine"}, Heard{"switch_s(1)", "Wave B: sine"},
                    Heard{"Grph(0)", "Wave A"}, Heard{"Grph(3)", "Wave D"},
                    Heard{"Gr", "Synthesized wave E"}, Heard{"Command1", "Reset time span"},
                    Heard{"Labela(0)", "Amplitude of wave A"},
                    Heard{"Labelb(3)", "Frequency of wave D"}, Heard{"labelt", "Time span"},
                    Heard{"Frame5", "Band A"}, Heard{"Frame_a", "Panel of wave A"},
                    Heard{"Form1", "Panel of wave B"}),
    [](const auto& row) {
        std::string name = row.param.control;
        std::erase(name, ')');
        std::replace(name.begin(), name.end(), '(', '_');
        return name;
    });

struct ValueCase {
    const char* name;
    std::function<void(MainWindow&)> act;
    const char* label;
    const char* value;
};

void PrintTo(const ValueCase& row, std::ostream* os) {
    *os << row.name;
}

class ValueLabels : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueLabels, OfferTheirCurrentTextAsValue) {
    const ValueCase& c = GetParam();
    MainWindow w;
    auto* label = qobject_cast<QLabel*>(child(w, c.label));
    ASSERT_NE(label, nullptr);
    const std::string name_before = spoken(label, QAccessible::Name);
    EXPECT_EQ(spoken(label, QAccessible::Value), label->text().toStdString());

    c.act(w);

    EXPECT_EQ(label->text().toStdString(), c.value);
    EXPECT_EQ(spoken(label, QAccessible::Value), c.value);
    EXPECT_EQ(spoken(label, QAccessible::Description), c.value)
        << "what the accessibility bus carries";
    EXPECT_EQ(spoken(label, QAccessible::Name), name_before)
        << "the name says what, the value how much";
}

SpinButton* spin(MainWindow& w, const char* name) {
    return qobject_cast<SpinButton*>(child(w, name));
}

INSTANTIATE_TEST_SUITE_P(
    Accessibility, ValueLabels,
    testing::Values(ValueCase{"AmplitudeAfterUp",
                              [](MainWindow& w) { emit spin(w, "SpinButton3(1)")->SpinUp(); },
                              "Labela(1)", "1"},
                    ValueCase{"FrequencyAfterHalfSteps",
                              [](MainWindow& w) {
                                  w.form().Option2_Click();
                                  emit spin(w, "SpinButton4(3)")->SpinUp();
                                  emit spin(w, "SpinButton4(3)")->SpinUp();
                                  emit spin(w, "SpinButton4(3)")->SpinUp();
                              },
                              "Labelb(3)", "1.5"},
                    ValueCase{"SpanAfterUp",
                              [](MainWindow& w) { emit spin(w, "SpinButton1")->SpinUp(); },
                              "labelt", "2"},
                    ValueCase{"SpanOnThePlot", [](MainWindow& w) { w.form().SpinButton1_SpinUp(); },
                              "value_t", "2"},
                    ValueCase{"SpanAfterReset",
                              [](MainWindow& w) {
                                  w.form().SpinButton1_SpinUp();
                                  w.form().Command1_Click();
                              },
                              "labelt", "1"}),
    [](const auto& row) { return std::string(row.param.name); });

struct RoleCase {
    const char* control;
    QAccessible::Role role;
};

void PrintTo(const RoleCase& row, std::ostream* os) {
    *os << row.control;
}

class Roles : public testing::TestWithParam<RoleCase> {};

TEST_P(Roles, TellWhatKindOfControlItIs) {
    MainWindow w;
    QAccessibleInterface* iface =
        QAccessible::queryAccessibleInterface(child(w, GetParam().control));
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), GetParam().role);
}

INSTANTIATE_TEST_SUITE_P(Accessibility, Roles,
                         testing::Values(RoleCase{"SpinButton3(0)", QAccessible::SpinBox},
                                         RoleCase{"SpinButton1", QAccessible::SpinBox},
                                         RoleCase{"Grph(2)", QAccessible::Chart},
                                         RoleCase{"Gr", QAccessible::Chart},
                                         RoleCase{"Labela(1)", QAccessible::StaticText},
                                         RoleCase{"switch_s(0)", QAccessible::RadioButton},
                                         RoleCase{"Command1", QAccessible::Button}),
                         [](const auto& row) {
                             std::string name = row.param.control;
                             std::erase(name, ')');
                             std::replace(name.begin(), name.end(), '(', '_');
                             return name;
                         });

TEST(Accessibility, AStaticLabelIsNotMistakenForAValue) {
    MainWindow w;
    EXPECT_EQ(spoken(child(w, "Label7(0)"), QAccessible::Value), "");
}

} // namespace
