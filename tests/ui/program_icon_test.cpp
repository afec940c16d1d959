// SPDX-License-Identifier: MIT
#include "qt/main_window.h"
#include "qt/program_icon.h"

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

using namespace wave;
using namespace desktop;

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

// Every window of the program carries the icon from the start, in all sizes.
TEST(ProgramIconOfTheWindow, IsThereBeforeTheWindowIsShown) {
    const MainWindow window;
    EXPECT_EQ(window.windowIcon().availableSizes(), program_icon().availableSizes());
    EXPECT_EQ(window.windowIcon().availableSizes().size(), 5);
}

} // namespace
