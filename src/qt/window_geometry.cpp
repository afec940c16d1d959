// SPDX-License-Identifier: MIT
#include "qt/window_geometry.h"

#include "ui/layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace desktop {

using namespace wave;

namespace {
int to_pixels(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

float to_twips(int pixels) {
    return static_cast<float>(pixels * kTwipsPerPixel);
}

QRect primary_screen(bool available) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return available ? screen->availableGeometry() : screen->geometry();
}
} // namespace

void WindowGeometry::Left(float twips) {
    window_.move(to_pixels(twips), window_.y());
}

void WindowGeometry::Top(float twips) {
    window_.move(window_.x(), to_pixels(twips));
}

float ScreenSize::Width() const {
    return to_twips(primary_screen(false).width());
}

float ScreenSize::Height() const {
    return to_twips(primary_screen(false).height());
}

float ScreenSize::AvailableLeft() const {
    return to_twips(primary_screen(true).left());
}

float ScreenSize::AvailableTop() const {
    return to_twips(primary_screen(true).top());
}

} // namespace desktop
