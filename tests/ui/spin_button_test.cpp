#include "ui/qt/spin_button.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Well past the first repeat delay, so a slow machine still sees repeats.
constexpr int kHoldMs = SpinButton::kFirstRepeatMs * 3;
constexpr int kQuietMs = SpinButton::kFirstRepeatMs + 10 * SpinButton::kRepeatMs;

// On a 17 x 25 button the upper arrow is rows 0..11, the lower 12..24.
// QTest reads (0, 0) as "the centre", so no case uses it.
const QPoint kUpper(8, 5);
const QPoint kLower(8, 19);

auto rowName = [](const auto& row) { return std::string(row.param.name); };

class SpinButtonTest : public testing::Test {
protected:
    SpinButtonTest() : up(&spin, &SpinButton::SpinUp), down(&spin, &SpinButton::SpinDown) {
        spin.show();
    }

    void dragTo(const QPoint& pos) {
        QMouseEvent move(QEvent::MouseMove, pos, spin.mapToGlobal(pos), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&spin, &move);
    }

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
        QTest::mousePress(&spin, c.button, {}, c.pos);
        // The event belongs to the press, not to the release.
        EXPECT_EQ(up.count(), i * c.ups);
        EXPECT_EQ(down.count(), i * c.downs);
        QTest::mouseRelease(&spin, c.button, {}, c.pos);
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
    QTest::mousePress(&spin, Qt::RightButton, {}, kUpper);
    QTest::qWait(kHoldMs);
    QTest::mouseRelease(&spin, Qt::RightButton, {}, kUpper);
    EXPECT_EQ(up.count() + down.count(), 0);
}

struct HoldCase {
    const char* name;
    bool upper;
    void (*end)(SpinButton&, const QPoint&);
};

class SpinButtonHold : public SpinButtonTest, public testing::WithParamInterface<HoldCase> {
protected:
    QPoint pos() const { return GetParam().upper ? kUpper : kLower; }
    QSignalSpy& held() { return GetParam().upper ? up : down; }
    QSignalSpy& other() { return GetParam().upper ? down : up; }
};

TEST_P(SpinButtonHold, RepeatsUntilTheHoldEnds) {
    QTest::mousePress(&spin, Qt::LeftButton, {}, pos());
    QTest::qWait(kHoldMs);
    EXPECT_GE(held().count(), 2);

    GetParam().end(spin, pos());
    const auto ended = held().count();
    QTest::qWait(kQuietMs);
    EXPECT_EQ(held().count(), ended);
    EXPECT_EQ(other().count(), 0);
}

TEST_P(SpinButtonHold, PausesWhileThePointerIsOffTheArrow) {
    QTest::mousePress(&spin, Qt::LeftButton, {}, pos());
    dragTo(GetParam().upper ? kLower : kUpper);
    QTest::qWait(kHoldMs);
    EXPECT_EQ(held().count(), 1);

    dragTo(pos());
    QTest::qWait(kHoldMs);
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, pos());
    EXPECT_GE(held().count(), 2);
    EXPECT_EQ(other().count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, SpinButtonHold,
    testing::Values(HoldCase{"UpperReleased", true,
                             [](SpinButton& s, const QPoint& p) {
                                 QTest::mouseRelease(&s, Qt::LeftButton, {}, p);
                             }},
                    HoldCase{"LowerReleased", false,
                             [](SpinButton& s, const QPoint& p) {
                                 QTest::mouseRelease(&s, Qt::LeftButton, {}, p);
                             }},
                    HoldCase{"UpperHidden", true, [](SpinButton& s, const QPoint&) { s.hide(); }},
                    HoldCase{"LowerDisabled", false,
                             [](SpinButton& s, const QPoint&) { s.setEnabled(false); }}),
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
