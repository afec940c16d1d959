// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "qt/main_window.h"
#include "qt/spin_button.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <functional>

using namespace wave;
using namespace desktop;

namespace {

template <typename T = QWidget> T* child(const MainWindow& w, const char* name) {
    T* found = w.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Through the window, which hands the press to the arrow under the pointer.
void press_arrow(QWidget* spin, bool up) {
    const QPoint at(spin->width() / 2, up ? spin->height() / 4 : spin->height() * 3 / 4);
    QTest::mouseClick(spin->window()->windowHandle(), Qt::LeftButton, {},
                      spin->mapTo(spin->window(), at));
}

struct WiringCase {
    const char* name;
    std::function<void(MainWindow&)> act;
    std::function<bool(const WaveSettings&)> reached;
    const char* label; // a label whose text must follow, or nullptr
    const char* label_text;
};

class Wiring : public testing::TestWithParam<WiringCase> {};

TEST_P(Wiring, AClickReachesItsHandlerWithTheRightIndex) {
    const WiringCase& c = GetParam();
    MainWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    c.act(w);
    EXPECT_TRUE(c.reached(w.form().settings));
    if (c.label != nullptr) {
        EXPECT_EQ(child<QLabel>(w, c.label)->text().toStdString(), c.label_text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfControl, Wiring,
    testing::Values(
        WiringCase{"AmplitudeUp",
                   [](MainWindow& w) { press_arrow(child(w, "SpinButton3(2)"), true); },
                   [](const WaveSettings& s) { return s.amp[2] == 10 && s.amp[1] == 0; },
                   "Labela(2)", "1"},
        WiringCase{"FrequencyUpThenDown",
                   [](MainWindow& w) {
                       press_arrow(child(w, "SpinButton4(1)"), true);
                       press_arrow(child(w, "SpinButton4(1)"), true);
                       press_arrow(child(w, "SpinButton4(1)"), false);
                   },
                   [](const WaveSettings& s) { return s.freq[1] == 10.0f && s.freq[0] == 0.0f; },
                   "Labelb(1)", "1"},
        WiringCase{
            "SineSwitch",
            [](MainWindow& w) { QTest::mouseClick(child(w, "switch_s(3)"), Qt::LeftButton); },
            [](const WaveSettings& s) { return s.is_cos[3] == 0 && s.is_cos[2] == -1; }, nullptr,
            nullptr},
        WiringCase{"CosineSwitchBack",
                   [](MainWindow& w) {
                       QTest::mouseClick(child(w, "switch_s(0)"), Qt::LeftButton);
                       QTest::mouseClick(child(w, "switch_c(0)"), Qt::LeftButton);
                   },
                   [](const WaveSettings& s) { return s.is_cos[0] == -1; }, nullptr, nullptr},
        WiringCase{"AmplitudeStep",
                   [](MainWindow& w) { QTest::mouseClick(child(w, "Option6"), Qt::LeftButton); },
                   [](const WaveSettings& s) { return s.step_a == 5 && s.step_f == 10; }, nullptr,
                   nullptr},
        WiringCase{"FrequencyStep",
                   [](MainWindow& w) { QTest::mouseClick(child(w, "Option4"), Qt::LeftButton); },
                   [](const WaveSettings& s) { return s.step_f == 1 && s.step_a == 10; }, nullptr,
                   nullptr},
        WiringCase{"SpanUp", [](MainWindow& w) { press_arrow(child(w, "SpinButton1"), true); },
                   [](const WaveSettings& s) { return s.span_t == 2.0f; }, "value_t", "2"},
        WiringCase{"Reset",
                   [](MainWindow& w) {
                       press_arrow(child(w, "SpinButton1"), true);
                       QTest::mouseClick(child(w, "Command1"), Qt::LeftButton);
                   },
                   [](const WaveSettings& s) { return s.span_t == 1.0f; }, "labelt", "1"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Wiring, SelectingBySoftwareRaisesNoClick) {
    MainWindow w;
    auto* sine = child<QAbstractButton>(w, "switch_s(1)");
    sine->setChecked(true);
    EXPECT_EQ(w.form().settings.is_cos[1], -1);
}

} // namespace
