#include "ui/qt/program_icon.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>

namespace {

class ProgramIcon : public testing::TestWithParam<int> {};

// Each size is a picture of its own, built into the program, not one picture
// scaled: a missing or unreadable file would leave a hole here.
TEST_P(ProgramIcon, HasAPictureDrawnForTheSize) {
    const int size = GetParam();
    const QIcon icon = program_icon();
    ASSERT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    const QImage image = icon.pixmap(QSize(size, size)).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    // Opaque in the middle, see-through in the rounded corner.
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ProgramIcon, testing::Values(16, 24, 32, 48, 64),
                         [](const auto& row) { return "Px" + std::to_string(row.param); });

// The icon waits for the first frame, and then the whole program has it.
TEST(ProgramIconTiming, ComesOnceTheWindowHasBeenPainted) {
    QApplication::setWindowIcon(QIcon());
    QWidget window;
    window.resize(40, 30);
    give_icon_after_first_frame(window);
    QCoreApplication::processEvents();
    EXPECT_TRUE(QApplication::windowIcon().isNull());

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Well before the second after which an unpainted window gets it anyway.
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 500));
    EXPECT_EQ(QApplication::windowIcon().availableSizes().size(), 5);
    EXPECT_EQ(window.windowIcon().availableSizes(), QApplication::windowIcon().availableSizes());
}

TEST(ProgramIconTiming, ComesToAWindowThatIsNeverPainted) {
    QApplication::setWindowIcon(QIcon());
    QWidget window;
    give_icon_after_first_frame(window);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 3000));
}

} // namespace
