// SPDX-License-Identifier: MIT
#include "qt/spin_button.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

using namespace desktop;

namespace {

using wave::Micros;

// A clock that moves only when told, and the timers that run out on it.
class FakeTime : public wave::Clock {
public:
    Micros now() const override { return now_; }

    HoldTime time() {
        return {*this, [this](std::function<void()> expired) {
                    return std::make_unique<FakeTimer>(*this, std::move(expired));
                }};
    }

    // Runs every expiry up to `by` from now, each at its own time.
    void advance(Micros by) {
        const Micros to = now_ + by;
        for (FakeTimer* next = earliest(to); next != nullptr; next = earliest(to)) {
            now_ = *next->due;
            next->due.reset();
            next->expired();
        }
        now_ = to;
    }

private:
    struct FakeTimer : wave::Timer {
        FakeTimer(FakeTime& owner, std::function<void()> run)
            : time(owner), expired(std::move(run)) {
            time.timers_.push_back(this);
        }
        ~FakeTimer() override { std::erase(time.timers_, this); }
        FakeTimer(const FakeTimer&) = delete;
        FakeTimer& operator=(const FakeTimer&) = delete;
        void start(Micros delay) override { due = time.now_ + delay; }

        FakeTime& time;
        std::function<void()> expired;
        std::optional<Micros> due;
    };

    FakeTimer* earliest(Micros to) const {
        FakeTimer* found = nullptr;
        for (FakeTimer* t : timers_) {
            if (t->due && *t->due <= to && (found == nullptr || *t->due < *found->due)) {
                found = t;
            }
        }
        return found;
    }

    Micros now_ = 0;
    std::vector<FakeTimer*> timers_;
};

constexpr Micros kFirstRepeat = wave::HoldToRepeat::kFirstRepeat;
constexpr Micros kRepeat = wave::HoldToRepeat::kRepeat;

// On a 17 x 25 button the upper arrow is rows 0..11, the lower 12..24.
// QTest reads (0, 0) as "the centre", so no case uses it.
const QPoint kUpper(8, 5);
const QPoint kLower(8, 19);

auto rowName = [](const auto& row) { return std::string(row.param.name); };

class SpinButtonTest : public testing::Test {
public:
    SpinButtonTest()
        : spin(nullptr, clock.time()), up(&spin, &SpinButton::SpinUp),
          down(&spin, &SpinButton::SpinDown) {
        spin.show();
        QApplication::setActiveWindow(&spin);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&spin));
    }

    // Through the window, as the platform delivers them: to the widget under
    // the pointer, and on to the one that took the press.
    void press(Qt::MouseButton button, const QPoint& pos) {
        QTest::mousePress(spin.windowHandle(), button, {}, pos);
    }
    void release(Qt::MouseButton button, const QPoint& pos) {
        QTest::mouseRelease(spin.windowHandle(), button, {}, pos);
    }
    void dragTo(const QPoint& pos) { QTest::mouseMove(spin.windowHandle(), pos); }

    FakeTime clock;
    SpinButton spin;
    QSignalSpy up;
    QSignalSpy down;
};

struct ClickCase {
    const char* name;
    Qt::MouseButton button;
    QPoint pos;
    int ups;
    int downs;
};

class SpinButtonClick : public SpinButtonTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(SpinButtonClick, EachPressRaisesOneEventOfItsArrow) {
    const ClickCase& c = GetParam();
    for (int i = 1; i <= 3; ++i) {
        press(c.button, c.pos);
        // The event belongs to the press, not to the release.
        EXPECT_EQ(up.count(), i * c.ups);
        EXPECT_EQ(down.count(), i * c.downs);
        release(c.button, c.pos);
    }
    EXPECT_EQ(up.count(), 3 * c.ups);
    EXPECT_EQ(down.count(), 3 * c.downs);
}

INSTANTIATE_TEST_SUITE_P(
    Arrows, SpinButtonClick,
    testing::Values(ClickCase{"UpperMiddle", Qt::LeftButton, kUpper, 1, 0},
                    ClickCase{"LowerMiddle", Qt::LeftButton, kLower, 0, 1},
                    ClickCase{"UpperTopLeft", Qt::LeftButton, QPoint(0, 1), 1, 0},
                    ClickCase{"UpperLastRow", Qt::LeftButton, QPoint(16, 11), 1, 0},
                    ClickCase{"LowerFirstRow", Qt::LeftButton, QPoint(0, 12), 0, 1},
                    ClickCase{"LowerBottomRight", Qt::LeftButton, QPoint(16, 24), 0, 1},
                    ClickCase{"RightButton", Qt::RightButton, kUpper, 0, 0},
                    ClickCase{"MiddleButton", Qt::MiddleButton, kLower, 0, 0}),
    rowName);

TEST_F(SpinButtonTest, OtherButtonsDoNotRepeatEither) {
    press(Qt::RightButton, kUpper);
    clock.advance(10 * kFirstRepeat);
    release(Qt::RightButton, kUpper);
    EXPECT_EQ(up.count() + down.count(), 0);
}

class SpinButtonHold;

struct HoldCase {
    const char* name;
    bool upper;
    // Ends the press, by the pointer or by anything else that takes it away.
    void (*end)(SpinButtonHold&);
};

class SpinButtonHold : public SpinButtonTest, public testing::WithParamInterface<HoldCase> {
protected:
    QPoint pos() const { return GetParam().upper ? kUpper : kLower; }
    QSignalSpy& held() { return GetParam().upper ? up : down; }
    QSignalSpy& other() { return GetParam().upper ? down : up; }
};

TEST_P(SpinButtonHold, RepeatsUntilTheHoldEnds) {
    press(Qt::LeftButton, pos());
    clock.advance(kFirstRepeat - 1);
    EXPECT_EQ(held().count(), 1);
    clock.advance(1);
    EXPECT_EQ(held().count(), 2);
    clock.advance(3 * kRepeat);
    EXPECT_EQ(held().count(), 5);

    GetParam().end(*this);
    clock.advance(10 * kFirstRepeat);
    EXPECT_EQ(held().count(), 5);
    EXPECT_EQ(other().count(), 0);
}

TEST_P(SpinButtonHold, PausesWhileThePointerIsOffTheArrow) {
    press(Qt::LeftButton, pos());
    dragTo(GetParam().upper ? kLower : kUpper);
    clock.advance(10 * kFirstRepeat);
    EXPECT_EQ(held().count(), 1);

    // Back on the arrow the hold starts again, with its first delay.
    dragTo(pos());
    EXPECT_EQ(held().count(), 2);
    clock.advance(kFirstRepeat + kRepeat);
    release(Qt::LeftButton, pos());
    EXPECT_EQ(held().count(), 4);
    EXPECT_EQ(other().count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, SpinButtonHold,
    testing::Values(
        HoldCase{"UpperReleased", true,
                 [](SpinButtonHold& f) { f.release(Qt::LeftButton, kUpper); }},
        HoldCase{"LowerReleased", false,
                 [](SpinButtonHold& f) { f.release(Qt::LeftButton, kLower); }},
        HoldCase{"UpperHidden", true, [](SpinButtonHold& f) { f.spin.hide(); }},
        HoldCase{"LowerDisabled", false, [](SpinButtonHold& f) { f.spin.setEnabled(false); }},
        HoldCase{"UpperWindowDeactivated", true,
                 [](SpinButtonHold&) { QApplication::setActiveWindow(nullptr); }},
        HoldCase{"LowerFocusTaken", false, [](SpinButtonHold& f) { f.spin.clearFocus(); }}),
    rowName);

struct KeyCase {
    const char* name;
    Qt::Key key;
    int ups;
    int downs;
};

class SpinButtonKey : public SpinButtonTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(SpinButtonKey, ArrowKeysActLikeTheArrows) {
    const KeyCase& c = GetParam();
    // A held key arrives as repeated presses; each one counts.
    for (int i = 0; i < 3; ++i) {
        QTest::keyPress(&spin, c.key);
    }
    QTest::keyRelease(&spin, c.key);
    EXPECT_EQ(up.count(), 3 * c.ups);
    EXPECT_EQ(down.count(), 3 * c.downs);
}

INSTANTIATE_TEST_SUITE_P(Keys, SpinButtonKey,
                         testing::Values(KeyCase{"Up", Qt::Key_Up, 1, 0},
                                         KeyCase{"Down", Qt::Key_Down, 0, 1},
                                         KeyCase{"Right", Qt::Key_Right, 0, 0},
                                         KeyCase{"PageUp", Qt::Key_PageUp, 0, 0}),
                         rowName);

TEST(SpinButtonParts, AReaderHearsOneSpinBox) {
    SpinButton spin;
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(&spin);
    ASSERT_NE(heard, nullptr);
    EXPECT_EQ(heard->role(), QAccessible::SpinBox);
    EXPECT_EQ(heard->childCount(), 0);
}

TEST(SpinButtonFocus, TabReachesTheSpinner) {
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("before"), &window);
    auto* spin = new SpinButton(&window);
    spin->move(0, 40);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();

    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(spin->hasFocus());
}

} // namespace
