// SPDX-License-Identifier: MIT
#include "qt/startup.h"

#include <gtest/gtest.h>

#include <QApplication>

using namespace desktop;

int main(int argc, char** argv) {
    // Widget tests run without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program's own style and font substitutes, or fonts and metrics differ.
    prepare_application(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
