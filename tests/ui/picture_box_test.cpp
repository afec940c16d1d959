// SPDX-License-Identifier: MIT
#include "frontend/window.h"
#include "qt/picture_box_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <memory>

using namespace wave;
using namespace desktop;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kRed = 0xFFFF0000;

// A component plot as the window has it: 305 x 73 outside, 301 x 69 inside.
std::unique_ptr<PictureBoxWidget> component_plot(QWidget* parent = nullptr) {
    auto plot = std::make_unique<PictureBoxWidget>(0xFFFFFF, parent);
    plot->resize(305, 73);
    plot->fit();
    plot->surface().Scale(0, 10, 6.28318f, -10);
    return plot;
}

int count_in_row(const QImage& image, int row, QRgb colour) {
    int n = 0;
    for (int x = 0; x < image.width(); ++x) {
        n += image.pixel(x, row) == colour ? 1 : 0;
    }
    return n;
}

TEST(PictureBox, ImageIsTheAreaInsideTheBorder) {
    auto plot = component_plot();
    EXPECT_EQ(plot->image().size(), QSize(301, 69));
    EXPECT_EQ(plot->surface().PixelColumns(), 301);
}

TEST(PictureBox, AxisLandsOnTheMiddleRowOnePixelThick) {
    auto plot = component_plot();
    plot->surface().ForeColor(0);
    plot->surface().Line(0, 0, 6.28318f, 0);
    const QImage& image = plot->image();
    EXPECT_EQ(count_in_row(image, 34, kBlack), 301);
    EXPECT_EQ(count_in_row(image, 33, kWhite), 301);
    EXPECT_EQ(count_in_row(image, 35, kWhite), 301);
}

TEST(PictureBox, DottedLineIsOnePixelOnOneOff) {
    auto plot = component_plot();
    plot->surface().DrawStyle(LineStyle::Dotted);
    plot->surface().ForeColor(0xFF00);
    const float x = 6.28318f / 2;
    plot->surface().Line(x, 10, x, -10);
    const QImage& image = plot->image();
    const int col = 150;
    // The far end's dot may fall either way; the pattern before it may not.
    for (int row = 0; row < 68; ++row) {
        ASSERT_EQ(image.pixel(col, row), row % 2 == 0 ? kGreen : kWhite) << "row " << row;
    }
    EXPECT_EQ(image.pixel(col - 1, 0), kWhite);
    EXPECT_EQ(image.pixel(col + 1, 0), kWhite);
}

TEST(PictureBox, LineFromTheCurrentPointStartsWherePSetLeftIt) {
    auto plot = component_plot();
    plot->surface().ForeColor(0xFF);
    plot->surface().PSet(0, 10);
    plot->surface().Line(6.28318f, 10);
    EXPECT_EQ(count_in_row(plot->image(), 0, kRed), 301);
}

TEST(PictureBox, ClsClearsToTheBackgroundAndScaleKeepsTheDrawing) {
    auto plot = component_plot();
    plot->surface().ForeColor(0);
    plot->surface().Line(0, 0, 6.28318f, 0);
    plot->surface().Scale(0, 20, 100, -20);
    EXPECT_EQ(count_in_row(plot->image(), 34, kBlack), 301);
    plot->surface().Cls();
    EXPECT_EQ(count_in_row(plot->image(), 34, kWhite), 301);
}

TEST(PictureBox, DrawingMadeBeforeShowingSurvivesHideShowAndRepaint) {
    QWidget window;
    window.resize(320, 100);
    auto* plot = component_plot(&window).release(); // owned by window
    plot->surface().ForeColor(0xFF);
    plot->surface().Line(0, 0, 6.28318f, 0);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    plot->repaint();

    const QImage shown = plot->grab().toImage();
    const int row = kPlotBorder + 34;
    int red = 0;
    for (int x = kPlotBorder; x < 301 + kPlotBorder; ++x) {
        red += shown.pixel(x, row) == kRed ? 1 : 0;
    }
    EXPECT_EQ(red, 301);
}

} // namespace
