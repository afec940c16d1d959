#include "ui/qt/classic_style.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRadioButton>
#include <QStyleFactory>

#include <memory>

namespace {

struct ButtonLook {
    const char* name;
    bool checked;
    bool pressed;
    bool enabled;
    bool filled; // paints its own solid background, so copies may be used
};

QImage paint(QStyle* style, const ButtonLook& look, const QColor& background) {
    QRadioButton button(QStringLiteral("cos"));
    button.setStyle(style);
    button.setGeometry(0, 0, 60, 17);
    QPalette palette = button.palette();
    palette.setColor(button.backgroundRole(), background);
    button.setPalette(palette);
    button.setAutoFillBackground(look.filled);
    button.setChecked(look.checked);
    button.setDown(look.pressed);
    button.setEnabled(look.enabled);
    return button.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

constexpr ButtonLook kLooks[] = {
    {"clear", false, false, true, true},    {"selected", true, false, true, true},
    {"pressed", false, true, true, true},   {"pressed and selected", true, true, true, true},
    {"disabled", true, false, false, true}, {"over its parent", true, false, true, false},
};

// One style for every look and background, each painted twice so the second
// is a copy: all must be exactly what the classic style draws itself.
TEST(ClassicIndicators, CopiesAreTheIndicatorDrawnAfresh) {
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    ASSERT_NE(windows, nullptr);
    ClassicStyle classic;
    for (int time = 1; time <= 2; ++time) {
        for (const QColor background : {QColor(0xFF, 0xFF, 0xC0), QColor(0xC0, 0xFF, 0xFF)}) {
            for (const ButtonLook& look : kLooks) {
                EXPECT_EQ(paint(&classic, look, background), paint(windows.get(), look, background))
                    << look.name << " on " << background.name().toStdString() << ", painting "
                    << time;
            }
        }
    }
}

} // namespace
