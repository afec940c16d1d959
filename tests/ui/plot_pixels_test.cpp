// SPDX-License-Identifier: MIT
#include "qt/colour.h"
#include "ui/pixel_lines.h"
#include "ui/plot_surface.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPen>

#include <cmath>
#include <functional>
#include <ostream>
#include <random>
#include <vector>

using namespace wave;
using namespace desktop;

namespace {

// The plot writes its lines straight into its pixels, later than they are
// drawn; every picture must still come out as QPainter's raster engine gives
// it with each segment drawn on its own, as soon as it is drawn, with a pen of
// its own.

struct Step {
    enum Kind { Style, Colour, PSet, Line, LineTo } kind;
    int a = 0, b = 0, c = 0, d = 0; // pixels; the plot's scale is one unit a pixel
};

QPen plot_pen(LineStyle style, Colour colour) {
    QPen pen(to_qcolor(colour));
    pen.setCosmetic(true);
    pen.setWidth(1);
    pen.setCapStyle(style == LineStyle::Dotted ? Qt::FlatCap : Qt::SquareCap);
    if (style == LineStyle::Dotted) {
        pen.setDashPattern({1.0, 1.0});
    }
    return pen;
}

class Reference {
public:
    explicit Reference(QSize size) : image_(size, QImage::Format_RGB32) { image_.fill(Qt::white); }

    void run(const std::vector<Step>& steps) {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing, false);
        for (const Step& s : steps) {
            switch (s.kind) {
            case Step::Style:
                style_ = static_cast<LineStyle>(s.a);
                break;
            case Step::Colour:
                colour_ = static_cast<Colour>(s.a);
                break;
            case Step::PSet:
                p.setPen(pen());
                p.drawPoint(s.a, s.b);
                current_ = {s.a, s.b};
                break;
            case Step::Line:
                p.setPen(pen());
                p.drawLine(s.a, s.b, s.c, s.d);
                current_ = {s.c, s.d};
                break;
            case Step::LineTo:
                p.setPen(pen());
                p.drawLine(current_.x(), current_.y(), s.a, s.b);
                current_ = {s.a, s.b};
                break;
            }
        }
    }

    const QImage& image() const { return image_; }

private:
    QPen pen() const { return plot_pen(style_, colour_); }

    QImage image_;
    LineStyle style_ = LineStyle::Solid;
    Colour colour_ = 0;
    QPoint current_;
};

QImage pixels_of(PlotSurface& plot) {
    return QImage(reinterpret_cast<const uchar*>(plot.pixels()), plot.width(), plot.height(),
                  plot.width() * 4, QImage::Format_RGBX8888)
        .convertToFormat(QImage::Format_RGB32);
}

// Lines straight into an image's pixels, which hold 0xAARRGGBB: the colour
// handed over must be in that order too.
PixelLines lines_into(QImage& image) {
    return {reinterpret_cast<std::uint32_t*>(image.bits()), image.bytesPerLine() / 4, image.width(),
            image.height()};
}

float centre(int pixel) {
    return static_cast<float>(pixel) + 0.5f;
}

void run_on_plot(PlotSurface& plot, const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        switch (s.kind) {
        case Step::Style:
            plot.DrawStyle(static_cast<LineStyle>(s.a));
            break;
        case Step::Colour:
            plot.ForeColor(static_cast<Colour>(s.a));
            break;
        case Step::PSet:
            plot.PSet(centre(s.a), centre(s.b));
            break;
        case Step::Line:
            plot.Line(centre(s.a), centre(s.b), centre(s.c), centre(s.d));
            break;
        case Step::LineTo:
            plot.Line(centre(s.a), centre(s.b));
            break;
        }
    }
}

constexpr int kSolid = static_cast<int>(LineStyle::Solid);
constexpr int kDotted = static_cast<int>(LineStyle::Dotted);

// A wave as the plots draw one: grid, axis, then a run of samples.
std::vector<Step> wave(QSize size, double cycles, double amplitude, int lines) {
    std::vector<Step> steps{{Step::Style, kDotted}, {Step::Colour, 0xFF00}};
    for (int i = 1; i <= lines; ++i) {
        const int x = i * size.width() / (lines + 1);
        steps.push_back({Step::Line, x, 0, x, size.height() - 1});
    }
    const int mid = size.height() / 2;
    steps.push_back({Step::Style, kSolid});
    steps.push_back({Step::Colour, 0});
    steps.push_back({Step::Line, 0, mid, size.width() - 1, mid});
    steps.push_back({Step::Colour, 0xFF});
    for (int i = 0; i < 400; ++i) {
        const double x = i * (size.width() - 1) / 399.0;
        const auto y =
            static_cast<int>(std::lround(mid - amplitude * std::cos(cycles * 6.28318 * i / 400.0)));
        steps.push_back({i == 0 ? Step::PSet : Step::LineTo, static_cast<int>(x), y});
    }
    return steps;
}

std::vector<Step> random_mix(QSize size, unsigned seed, int count) {
    std::mt19937 rng(seed);
    // Reaching well past every edge checks the clipping of joined runs too.
    std::uniform_int_distribution<int> x(-40, size.width() + 40);
    std::uniform_int_distribution<int> y(-40, size.height() + 40);
    std::uniform_int_distribution<int> kind(0, 9);
    const std::vector<Colour> colours{0xFF00, 0, 0xFF, 0xFF0000};
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i) {
        const int k = kind(rng);
        if (k == 0) {
            steps.push_back({Step::Style, rng() % 2 == 0 ? kSolid : kDotted});
        } else if (k == 1) {
            steps.push_back({Step::Colour, static_cast<int>(colours[rng() % colours.size()])});
        } else if (k == 2) {
            steps.push_back({Step::PSet, x(rng), y(rng)});
        } else if (k == 3) {
            steps.push_back({Step::Line, x(rng), y(rng), x(rng), y(rng)});
        } else {
            // Mostly short hops and repeats, as dense samples give.
            const auto last = steps.empty() ? QPoint(0, 0) : QPoint(steps.back().a, steps.back().b);
            const int dx = static_cast<int>(rng() % 5) - 1;
            const int dy = static_cast<int>(rng() % 7) - 3;
            steps.push_back(
                {Step::LineTo, k == 9 ? x(rng) : last.x() + dx, k == 9 ? y(rng) : last.y() + dy});
        }
    }
    return steps;
}

struct PlotCase {
    const char* name;
    QSize size;
    std::function<std::vector<Step>(QSize)> steps;
};

void PrintTo(const PlotCase& c, std::ostream* os) {
    *os << c.name;
}

class PlotPixels : public testing::TestWithParam<PlotCase> {};

TEST_P(PlotPixels, EqualQPainterDrawingEachSegmentAlone) {
    const PlotCase& c = GetParam();
    const std::vector<Step> steps = c.steps(c.size);

    PlotSurface plot(0xFFFFFF);
    plot.Resize(c.size.width(), c.size.height(), 1.0);
    plot.Scale(0, 0, static_cast<float>(c.size.width()), static_cast<float>(c.size.height()));
    run_on_plot(plot, steps);

    Reference reference(c.size);
    reference.run(steps);

    const QImage drawn = pixels_of(plot);
    ASSERT_EQ(drawn.size(), reference.image().size());
    int differing = 0;
    QPoint first(-1, -1);
    for (int row = 0; row < drawn.height(); ++row) {
        for (int col = 0; col < drawn.width(); ++col) {
            if (drawn.pixel(col, row) != reference.image().pixel(col, row)) {
                if (differing++ == 0) {
                    first = {col, row};
                }
            }
        }
    }
    EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
}

const QSize kComponent(301, 69);
const QSize kSum(301, 133);

INSTANTIATE_TEST_SUITE_P(
    Pictures, PlotPixels,
    testing::Values(
        PlotCase{"SlowWave", kComponent, [](QSize s) { return wave(s, 1, 30, 0); }},
        PlotCase{"FlatWaveRepeatsEveryPixel", kComponent, [](QSize s) { return wave(s, 0, 0, 2); }},
        PlotCase{"FastWaveJumpsRowToRow", kSum, [](QSize s) { return wave(s, 173.3, 60, 9); }},
        PlotCase{"WaveBeyondTopAndBottom", kComponent, [](QSize s) { return wave(s, 3, 80, 5); }},
        PlotCase{"GridOfOneLinePerColumn", kSum, [](QSize s) { return wave(s, 2, 20, 300); }},
        PlotCase{"RandomMixA", kComponent, [](QSize s) { return random_mix(s, 1, 3000); }},
        PlotCase{"RandomMixB", kSum, [](QSize s) { return random_mix(s, 2, 3000); }},
        PlotCase{"RandomMixC", QSize(37, 11), [](QSize s) { return random_mix(s, 3, 500); }}),
    [](const auto& row) { return std::string(row.param.name); });

// Every segment between the points of a grid reaching past each edge of a
// small image, both pens: the rounding at every slope and every clipping.
TEST(PixelLines, EverySegmentOfASmallGridEqualsQPainter) {
    const int w = 9;
    const int h = 7;
    int differing = 0;
    int segments = 0;
    for (const LineStyle style : {LineStyle::Solid, LineStyle::Dotted}) {
        for (int x1 = -4; x1 <= w + 3; ++x1) {
            for (int y1 = -4; y1 <= h + 3; ++y1) {
                for (int x2 = -4; x2 <= w + 3; ++x2) {
                    for (int y2 = -4; y2 <= h + 3; ++y2) {
                        QImage expected(w, h, QImage::Format_RGB32);
                        expected.fill(Qt::white);
                        {
                            QPainter p(&expected);
                            p.setPen(plot_pen(style, 0xFF));
                            p.drawLine(x1, y1, x2, y2);
                        }
                        QImage drawn(w, h, QImage::Format_RGB32);
                        drawn.fill(Qt::white);
                        PixelLines lines = lines_into(drawn);
                        if (style == LineStyle::Dotted) {
                            lines.dotted(x1, y1, x2, y2, 0xFFFF0000u);
                        } else {
                            lines.solid(x1, y1, x2, y2, 0xFFFF0000u);
                        }
                        ++segments;
                        if (drawn != expected && differing++ < 5) {
                            ADD_FAILURE()
                                << (style == LineStyle::Dotted ? "dotted " : "solid ") << "(" << x1
                                << "," << y1 << ")-(" << x2 << "," << y2 << ")";
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(differing, 0) << "of " << segments;
}

// Ends far off the image, as a wave of a huge amplitude or frequency gives.
TEST(PixelLines, FarEndsEqualQPainter) {
    std::mt19937 rng(11);
    int differing = 0;
    for (int i = 0; i < 3000; ++i) {
        const int w = 1 + static_cast<int>(rng() % 301);
        const int h = 1 + static_cast<int>(rng() % 133);
        const int reach = i % 2 == 0 ? 1 << 24 : 1000;
        std::uniform_int_distribution<int> any(-reach, reach);
        const int x1 = any(rng);
        const int y1 = any(rng);
        const int x2 = any(rng);
        const int y2 = any(rng);
        const bool dotted = i % 3 == 0;
        QImage expected(w, h, QImage::Format_RGB32);
        expected.fill(Qt::white);
        {
            QPainter p(&expected);
            p.setPen(plot_pen(dotted ? LineStyle::Dotted : LineStyle::Solid, 0xFF));
            p.drawLine(x1, y1, x2, y2);
        }
        QImage drawn(w, h, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        PixelLines lines = lines_into(drawn);
        if (dotted) {
            lines.dotted(x1, y1, x2, y2, 0xFFFF0000u);
        } else {
            lines.solid(x1, y1, x2, y2, 0xFFFF0000u);
        }
        if (drawn != expected && differing++ < 5) {
            ADD_FAILURE() << w << "x" << h << " (" << x1 << "," << y1 << ")-(" << x2 << "," << y2
                          << ")";
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
