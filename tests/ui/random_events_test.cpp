// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "logic/random_presses.h"
#include "logic/record_invariants.h"
#include "qt/main_window.h"
#include "qt/picture_box_widget.h"
#include "qt/spin_button.h"
#include "ui/fresh_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include <array>
#include <memory>
#include <sstream>
#include <string>

using namespace wave;
using namespace desktop;

// Random presses on the real window, through its controls' signals, checked
// after each: the record, every label, every option's selection, and every
// plot's kept image against a second window drawing afresh from the record.
// WAVE_RANDOM_WINDOW_EVENTS sets the number of presses; WAVE_RANDOM_SEED
// replays one seed.

namespace {

const std::array<const char*, 5> kPlots{"Grph(0)", "Grph(1)", "Grph(2)", "Grph(3)", "Gr"};

template <typename T> T* child(const MainWindow& w, const std::string& name) {
    return w.findChild<T*>(QString::fromStdString(name));
}

// What the learner does to raise the event: a click or an arrow's signal.
void raise(MainWindow& w, const FormEvent& e) {
    const std::string name = e.object_name();
    if (e.action == FormEvent::Action::Click) {
        child<QAbstractButton>(w, name)->click();
        return;
    }
    SpinButton* spin = child<SpinButton>(w, name);
    if (e.action == FormEvent::Action::SpinUp) {
        Q_EMIT spin->SpinUp();
    } else {
        Q_EMIT spin->SpinDown();
    }
}

// A second window, brought to the record and made to draw every plot anew.
class FreshWindow {
public:
    void redraw(const WaveSettings& s) {
        // Built anew now and then, so nothing it keeps can drift with the other.
        if (!window_ || ++uses_ % 100 == 0) {
            window_ = std::make_unique<MainWindow>();
        }
        redraw_from(*window_, s);
    }

    const QImage& image(const char* plot) {
        return child<PictureBoxWidget>(*window_, plot)->image();
    }

private:
    std::unique_ptr<MainWindow> window_;
    int uses_ = 0;
};

std::string option_breaches(const MainWindow& w, const WaveSettings& s) {
    std::ostringstream out;
    for (int i = 0; i < 4; ++i) {
        const std::string at = "(" + std::to_string(i) + ")";
        const bool cosine = s.is_cos[static_cast<std::size_t>(i)] != 0;
        if (child<QAbstractButton>(w, "switch_c" + at)->isChecked() != cosine ||
            child<QAbstractButton>(w, "switch_s" + at)->isChecked() == cosine) {
            out << "\nswitches of component " << i << " disagree with is_cos";
        }
    }
    // Option1..4 set the frequency step, Option5..8 the amplitude step.
    const std::array<int, 4> steps{10, 5, 2, 1};
    for (std::size_t n = 0; n < 8; ++n) {
        const int step = n < 4 ? s.step_f : s.step_a;
        const bool selected =
            child<QAbstractButton>(w, "Option" + std::to_string(n + 1))->isChecked();
        if (selected != (steps[n % 4] == step)) {
            out << "\nOption" << n + 1 << (selected ? " selected" : " not selected")
                << " with step " << step;
        }
    }
    return out.str();
}

std::string window_breaches(MainWindow& w, FreshWindow& fresh) {
    const WaveSettings& s = w.form().settings;
    std::ostringstream out;
    for (const std::string& b : record_breaches(s)) {
        out << "\nrecord: " << b;
    }
    for (const LabelText& want : expected_labels(s)) {
        const std::string shown = child<QLabel>(w, want.name)->text().toStdString();
        if (shown != want.text) {
            out << "\n"
                << want.name << " shows \"" << shown << "\", record says \"" << want.text << "\"";
        }
    }
    out << option_breaches(w, s);
    fresh.redraw(s);
    for (const char* plot : kPlots) {
        if (child<PictureBoxWidget>(w, plot)->image() != fresh.image(plot)) {
            out << "\n" << plot << " differs from a fresh drawing";
        }
    }
    return out.str();
}

TEST(RandomEventsInTheWindow, EveryPressLeavesTrueLabelsOptionsAndImages) {
    const std::uint64_t seed = RandomPresses::from_environment("WAVE_RANDOM_SEED", 4242);
    const std::uint64_t count = RandomPresses::from_environment("WAVE_RANDOM_WINDOW_EVENTS", 2000);
    SCOPED_TRACE("seed " + std::to_string(seed) +
                 " (replay with WAVE_RANDOM_SEED=" + std::to_string(seed) + ")");

    MainWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    FreshWindow fresh;
    RandomPresses presses(seed, evenly);
    for (std::uint64_t n = 1; n <= count; ++n) {
        raise(w, presses.next());
        if (n % 50 == 0) {
            // Let the window repaint now and then, as it does between presses.
            QCoreApplication::processEvents();
        }
        const std::string wrong = window_breaches(w, fresh);
        ASSERT_TRUE(wrong.empty())
            << "after press " << n << ", the last being:" << presses.recent() << wrong;
    }
}

// The comparison itself: a plot left behind by its record is reported.
TEST(RandomEventsInTheWindow, AStalePlotIsReported) {
    MainWindow w;
    FreshWindow fresh;
    ASSERT_EQ(window_breaches(w, fresh), "");
    w.form().settings.amp[2] = 40;
    w.form().settings.freq[2] = 20.0f;
    const std::string wrong = window_breaches(w, fresh);
    EXPECT_NE(wrong.find("Grph(2) differs"), std::string::npos) << wrong;
    EXPECT_NE(wrong.find("Gr differs"), std::string::npos) << wrong;
    EXPECT_NE(wrong.find("Labela(2) shows"), std::string::npos) << wrong;
}

TEST(RandomEventsInTheWindow, AnOptionAtOddsWithTheRecordIsReported) {
    MainWindow w;
    FreshWindow fresh;
    w.form().settings.step_a = 2;
    w.form().settings.is_cos[1] = VbFalse;
    const std::string wrong = window_breaches(w, fresh);
    EXPECT_NE(wrong.find("Option7 not selected"), std::string::npos) << wrong;
    EXPECT_NE(wrong.find("switches of component 1"), std::string::npos) << wrong;
}

} // namespace
