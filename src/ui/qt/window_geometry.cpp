#include "ui/qt/window_geometry.h"

#include "ui/layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {
int to_pixels(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
} // namespace

void WindowGeometry::Left(float twips) {
    left_ = twips;
    window_.move(to_pixels(left_), window_.y());
}

void WindowGeometry::Top(float twips) {
    top_ = twips;
    window_.move(window_.x(), to_pixels(top_));
}

float ScreenSize::Width() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<float>(screen->geometry().width() * kTwipsPerPixel) : 0.0f;
}

float ScreenSize::Height() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<float>(screen->geometry().height() * kTwipsPerPixel) : 0.0f;
}
