// SPDX-License-Identifier: MIT
#pragma once

#include "qt/main_window.h"

#include <gtest/gtest.h>

#include <QTest>

#include <memory>

namespace desktop {

using namespace wave;

// The real window, shown (offscreen), as the learner first sees it.
class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget> T* control(const char* name) const {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }

    // The control's outer rectangle in the window's client coordinates.
    QRect inWindow(const QWidget& widget) const {
        return QRect(widget.mapTo(window.get(), QPoint(0, 0)), widget.size());
    }

    std::unique_ptr<MainWindow> window;
};

} // namespace desktop
