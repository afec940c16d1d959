// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "frontend/window.h"
#include "qt/main_window.h"
#include "qt/picture_box_widget.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QTest>

#include <cmath>
#include <memory>
#include <ostream>
#include <set>
#include <string>

using namespace wave;
using namespace desktop;

// Run once as is and once more by ctest with QT_SCALE_FACTOR=2 (the suite
// ScreenScale* only): the plots must stay sharp at any scale.

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

double requested_scale() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

// The plot's drawing area as it reaches the screen, in device pixels.
QImage on_screen(PictureBoxWidget& plot) {
    const QImage grabbed = plot.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int border = static_cast<int>(std::lround(kPlotBorder * plot.devicePixelRatioF()));
    const QSize area = plot.image().size();
    QImage inside = grabbed.copy(QRect(QPoint(border, border), area));
    inside.setDevicePixelRatio(1);
    return inside;
}

QImage kept(PictureBoxWidget& plot) {
    QImage image = plot.image().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

TEST(ScreenScale, WindowRunsAtTheRequestedFactor) {
    MainWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const double scale = requested_scale();
    EXPECT_DOUBLE_EQ(w.devicePixelRatioF(), scale);
    // The layout stays in logical pixels; only the device pixels grow.
    EXPECT_EQ(w.size(), QSize(kClientWidth, kClientHeight));
    const QSize device = w.grab().size();
    EXPECT_EQ(device.width(), static_cast<int>(std::lround(kClientWidth * scale)));
    EXPECT_EQ(device.height(), static_cast<int>(std::lround(kClientHeight * scale)));
}

struct LineCase {
    const char* name;
    float y;
    LineStyle style;
    Colour colour;
    QRgb rgb;
};

void PrintTo(const LineCase& row, std::ostream* os) {
    *os << row.name;
}

class ScreenScaleLines : public testing::TestWithParam<LineCase> {};

TEST_P(ScreenScaleLines, AHorizontalLineIsCrispOnScreen) {
    const LineCase& c = GetParam();
    QWidget holder;
    auto* plot = new PictureBoxWidget(0xFFFFFF, &holder);
    plot->setGeometry(0, 0, 305, 73);
    holder.resize(305, 73);
    holder.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
    plot->surface().Scale(0, 10, 100, -10);
    plot->surface().DrawStyle(c.style);
    plot->surface().ForeColor(c.colour);
    plot->surface().Line(0, c.y, 100, c.y);

    const double scale = requested_scale();
    const QImage image = kept(*plot);
    EXPECT_EQ(image.width(), static_cast<int>(std::lround(301 * scale)));
    EXPECT_EQ(image.height(), static_cast<int>(std::lround(69 * scale)));

    // Nothing stretched afterwards: the screen shows the kept pixels unchanged.
    const QImage screen = on_screen(*plot);
    ASSERT_EQ(screen.size(), image.size());
    EXPECT_EQ(screen, image);

    int line_rows = 0;
    for (int row = 0; row < screen.height(); ++row) {
        int line = 0;
        for (int x = 0; x < screen.width(); ++x) {
            const QRgb pixel = screen.pixel(x, row);
            ASSERT_TRUE(pixel == kWhite || pixel == c.rgb)
                << "row " << row << " column " << x
                << " is neither background nor line: " << std::hex << pixel;
            line += pixel == c.rgb ? 1 : 0;
        }
        if (line > 0) {
            ++line_rows;
            const int expected =
                c.style == LineStyle::Solid ? screen.width() : (screen.width() + 1) / 2;
            EXPECT_NEAR(line, expected, 1) << "row " << row;
        }
    }
    // One device pixel thick, or thickened evenly with the scale.
    EXPECT_GE(line_rows, 1);
    EXPECT_LE(line_rows, static_cast<int>(std::lround(scale)));
}

INSTANTIATE_TEST_SUITE_P(
    ScreenScale, ScreenScaleLines,
    testing::Values(LineCase{"BlackAxis", 0.0f, LineStyle::Solid, 0x000000, 0xFF000000},
                    LineCase{"RedOffTheGrid", 3.7f, LineStyle::Solid, 0x0000FF, 0xFFFF0000},
                    LineCase{"BlueNearTheTop", 9.9f, LineStyle::Solid, 0xFF0000, 0xFF0000FF},
                    LineCase{"GreenDotted", -5.2f, LineStyle::Dotted, 0x00FF00, 0xFF00FF00}),
    [](const auto& row) { return std::string(row.param.name); });

// Waves are drawn without smoothing, so a plot holds only its own colours;
// a colour in between would be a blurred or smoothed pixel.
TEST(ScreenScale, EveryPlotHoldsOnlyItsOwnColours) {
    MainWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Form1& form = w.form();
    for (std::int16_t i = 0; i < 4; ++i) {
        for (int n = 0; n <= i; ++n) {
            form.SpinButton3_SpinUp(i);
            form.SpinButton4_SpinUp(i);
        }
    }
    form.switch_s_Click(1);
    form.SpinButton1_SpinUp(); // a span of 2 s draws the dotted second line

    const std::set<QRgb> pens{0xFF00FF00, 0xFF000000, 0xFFFF0000, 0xFF0000FF};
    for (const char* name : {"Grph(0)", "Grph(1)", "Grph(2)", "Grph(3)", "Gr"}) {
        auto* plot = w.findChild<PictureBoxWidget*>(QString::fromUtf8(name));
        ASSERT_NE(plot, nullptr) << name;
        const QImage image = kept(*plot);
        const QRgb background = image.pixel(image.width() - 1, 0);
        std::set<QRgb> seen;
        for (int row = 0; row < image.height(); ++row) {
            for (int x = 0; x < image.width(); ++x) {
                seen.insert(image.pixel(x, row));
            }
        }
        for (const QRgb colour : seen) {
            EXPECT_TRUE(colour == background || pens.contains(colour))
                << name << " holds the colour " << std::hex << colour;
        }
        EXPECT_GE(seen.size(), 3u) << name << " shows its axis and a wave";
        if (std::string(name).starts_with("Grph")) {
            EXPECT_EQ(on_screen(*plot), image) << name;
        }
    }
}

} // namespace
