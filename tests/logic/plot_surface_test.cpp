// SPDX-License-Identifier: MIT
#include "ui/pixel_lines.h"
#include "ui/plot_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

using namespace wave;

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;

// The pixels as rows of text: '.' background, 'r' red, 'g' green, '?' else.
std::vector<std::string> picture(PlotSurface& surface) {
    const std::uint32_t* p = surface.pixels();
    std::vector<std::string> rows;
    for (int y = 0; y < surface.height(); ++y) {
        std::string row;
        for (int x = 0; x < surface.width(); ++x) {
            const std::uint32_t v = p[y * surface.width() + x];
            row += v == to_pixel(0xFFFFFF) ? '.'
                   : v == to_pixel(kRed)   ? 'r'
                   : v == to_pixel(kGreen) ? 'g'
                                           : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

// An 8 x 5 plot with one unit a pixel: k + 0.5 is the centre of pixel k.
struct DrawingCase {
    const char* name;
    std::function<void(PlotSurface&)> draw;
    std::vector<std::string> expected;
};

void PrintTo(const DrawingCase& c, std::ostream* os) {
    *os << c.name;
}

class SurfaceDrawing : public testing::TestWithParam<DrawingCase> {};

TEST_P(SurfaceDrawing, GivesThePixelsOfTheLineRules) {
    PlotSurface surface(0xFFFFFF);
    surface.Resize(8, 5, 1.0);
    surface.Scale(0, 0, 8, 5);
    surface.ForeColor(kRed);
    GetParam().draw(surface);
    EXPECT_EQ(picture(surface), GetParam().expected);
}

void dotted(PlotSurface& s) {
    s.DrawStyle(LineStyle::Dotted);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SurfaceDrawing,
    testing::Values(DrawingCase{"SolidLineTakesBothEnds",
                                [](PlotSurface& s) { s.Line(1.5f, 2.5f, 5.5f, 2.5f); },
                                {"........", "........", ".rrrrr..", "........", "........"}},
                    DrawingCase{"SolidSlope",
                                [](PlotSurface& s) { s.Line(0.5f, 0.5f, 6.5f, 3.5f); },
                                {"rr......", "..rr....", "....rr..", "......r.", "........"}},
                    DrawingCase{"DottedLineFromTheLeft",
                                [](PlotSurface& s) {
                                    dotted(s);
                                    s.Line(0.5f, 1.5f, 7.5f, 1.5f);
                                },
                                {"........", "r.r.r.r.", "........", "........", "........"}},
                    DrawingCase{"DottedLineKeepsItsPhaseFromTheRight",
                                [](PlotSurface& s) {
                                    dotted(s);
                                    s.Line(6.5f, 1.5f, 0.5f, 1.5f);
                                    s.Line(0.5f, 3.5f, 6.5f, 3.5f);
                                },
                                {"........", ".r.r.r..", "........", "r.r.r...", "........"}},
                    DrawingCase{"LineClippedFarBeyondBothEdges",
                                [](PlotSurface& s) {
                                    s.Line(-1000.5f, 4.5f, 1000.5f, 4.5f);
                                    s.Line(-3.5f, -3.5f, 10.5f, 10.5f);
                                },
                                {"r.......", ".r......", "..r.....", "...r....", "rrrrrrrr"}},
                    DrawingCase{"LineFromWherePSetLeftTheCurrentPoint",
                                [](PlotSurface& s) {
                                    s.PSet(1.5f, 3.5f);
                                    s.Line(6.5f, 3.5f);
                                },
                                {"........", "........", "........", ".rrrrrr.", "........"}},
                    DrawingCase{"LaterColourCoversWhereTheyCross",
                                [](PlotSurface& s) {
                                    s.Line(0.5f, 2.5f, 7.5f, 2.5f);
                                    s.ForeColor(kGreen);
                                    s.Line(3.5f, 0.5f, 3.5f, 4.5f);
                                },
                                {"...g....", "...g....", "rrrgrrrr", "...g....", "...g...."}},
                    DrawingCase{"EachStrokeKeepsTheScaleItWasDrawnIn",
                                [](PlotSurface& s) {
                                    s.PSet(5.5f, 3.5f);
                                    s.Scale(0, 0, 16, 10);
                                    s.PSet(5.5f, 3.5f);
                                },
                                {"........", "..r.....", "........", ".....r..", "........"}},
                    DrawingCase{"ClearedTwiceShowsOnlyWhatCameAfter",
                                [](PlotSurface& s) {
                                    s.Line(0.5f, 0.5f, 7.5f, 4.5f);
                                    (void)s.pixels();
                                    s.Cls();
                                    s.Cls();
                                    s.PSet(6.5f, 1.5f);
                                },
                                {"........", "......r.", "........", "........", "........"}}),
    [](const auto& row) { return std::string(row.param.name); });

void draw_wave(PlotSurface& s) {
    s.Scale(0, 10, 6.28318f, -10);
    s.ForeColor(kRed);
    s.PSet(0, 0);
    for (int i = 1; i <= 400; ++i) {
        const float x = 6.28318f * static_cast<float>(i) / 400.0f;
        s.Line(x, 7.0f * std::sin(3.0f * x));
    }
}

// Drawn small, then taken to twice the pixel density: the same as a plot
// drawn there at once, whether the strokes were already in the pixels or
// still waiting.
TEST(SurfaceRedraw, AtRatioTwoEqualsADrawingMadeThere) {
    for (const bool waiting : {false, true}) {
        PlotSurface resized(0xFFFFFF);
        resized.Resize(120, 40, 1.0);
        draw_wave(resized);
        if (!waiting) {
            (void)resized.pixels();
        }
        const std::uint64_t before = resized.generation();
        resized.Resize(120, 40, 1.0);
        EXPECT_EQ(resized.generation(), before) << "the same size redrew";
        resized.Resize(240, 80, 2.0);
        EXPECT_NE(resized.generation(), before) << "a new ratio went unnoticed";

        PlotSurface direct(0xFFFFFF);
        direct.Resize(240, 80, 2.0);
        draw_wave(direct);
        EXPECT_EQ(picture(resized), picture(direct)) << (waiting ? "waiting" : "drawn");
        EXPECT_EQ(resized.pixel_ratio(), 2.0);
    }
}

// A front end that copies only the rows a surface reports keeps an exact
// copy: through narrower and wider waves, a clear with nothing after it,
// a press that changes nothing and a redraw at a new size.
TEST(SurfaceChangedRows, CopyingOnlyThemKeepsAnExactCopy) {
    const auto wave = [](float amplitude) {
        return [amplitude](PlotSurface& s) {
            s.Cls();
            s.Scale(0, 10, 6.28318f, -10);
            s.ForeColor(kRed);
            s.PSet(0, 0);
            for (int i = 1; i <= 100; ++i) {
                const float x = 6.28318f * static_cast<float>(i) / 100.0f;
                s.Line(x, amplitude * std::sin(x));
            }
        };
    };
    const struct {
        const char* name;
        std::function<void(PlotSurface&)> step;
    } steps[] = {
        {"a wide wave", wave(9)},
        {"a narrow one", wave(2)},
        {"a wide one again", wave(8)},
        {"cleared", [](PlotSurface& s) { s.Cls(); }},
        {"a line", [](PlotSurface& s) { s.Line(0, 5, 6, 5); }},
        {"nothing", [](PlotSurface&) {}},
        {"twice the ratio", [](PlotSurface& s) { s.Resize(120, 80, 2.0); }},
        {"a wave there", wave(5)},
    };
    PlotSurface surface(0xFFFFFF);
    surface.Resize(60, 40, 1.0);
    std::vector<std::uint32_t> copy;
    for (const auto& [name, step] : steps) {
        step(surface);
        const std::uint32_t* pixels = surface.pixels();
        const std::size_t width = static_cast<std::size_t>(surface.width());
        const std::size_t size = width * static_cast<std::size_t>(surface.height());
        const PlotSurface::RowSpan rows = surface.take_changed_rows();
        if (copy.size() != size) {
            copy.assign(pixels, pixels + size); // a new size is copied whole
        }
        for (int r = rows.first; r <= rows.last; ++r) {
            const std::size_t at = static_cast<std::size_t>(r) * width;
            std::copy(pixels + at, pixels + at + width,
                      copy.begin() + static_cast<std::ptrdiff_t>(at));
        }
        EXPECT_TRUE(std::equal(copy.begin(), copy.end(), pixels)) << "after " << name;
        if (std::string(name) == "nothing") {
            EXPECT_GT(rows.first, rows.last) << "an unchanged surface reported rows";
        }
    }
}

// A long span's grid, a line in every column, is drawn row by row; taken in
// the opposite order the lines are drawn one by one. Runs broken by another
// colour, another length or a solid line must not change a pixel.
TEST(SurfaceRedraw, AGridInEveryColumnEqualsOneDrawnLineByLine) {
    const int columns = 301;
    const auto draw = [](PlotSurface& s, bool backwards) {
        s.Resize(columns, 133, 1.0);
        s.Scale(0, 10, static_cast<float>(columns), -10);
        s.DrawStyle(LineStyle::Dotted);
        for (int n = 0; n < columns; ++n) {
            const int col = backwards ? columns - 1 - n : n;
            s.ForeColor(col % 97 == 50 ? kRed : kGreen);
            const float x = static_cast<float>(col) + 0.5f;
            const float reach = col % 61 == 30 ? 6.0f : 10.0f;
            if (col / 40 % 2 == 0) {
                s.Line(x, reach, x, -reach);
            } else {
                s.Line(x, -reach, x, reach);
            }
        }
        s.DrawStyle(LineStyle::Solid);
        s.ForeColor(0xFF0000);
        s.Line(0, 3, static_cast<float>(columns), -4);
    };
    PlotSurface runs(0xFFFFFF);
    draw(runs, false);
    PlotSurface single(0xFFFFFF);
    draw(single, true);
    EXPECT_EQ(picture(runs), picture(single));

    // Cleared and drawn again, the rows the grid covered are clean.
    runs.Cls();
    single.Cls();
    runs.Line(0, 0, 5, 5);
    single.Line(0, 0, 5, 5);
    EXPECT_EQ(picture(runs), picture(single));
}

// A run of columns drawn row by row gives what a dotted line in each column
// gives, for every placement on and around a small image.
TEST(PixelLines, DottedColumnsEqualOneDottedLinePerColumn) {
    const int w = 9;
    const int h = 7;
    std::vector<int> ends;
    for (int y = -4; y <= h + 3; ++y) {
        ends.push_back(y);
    }
    ends.insert(ends.end(), {-1000, 1000});
    int differing = 0;
    for (int left = -3; left <= w + 1; ++left) {
        for (int right = left; right <= w + 2; ++right) {
            for (const int y1 : ends) {
                for (const int y2 : ends) {
                    std::vector<std::uint32_t> expected(w * h, 0);
                    PixelLines one(expected.data(), w, w, h);
                    for (int x = left; x <= right; ++x) {
                        one.dotted(x, y1, x, y2, 1);
                    }
                    std::vector<std::uint32_t> drawn(w * h, 0);
                    PixelLines(drawn.data(), w, w, h).dottedColumns(left, right, y1, y2, 1);
                    if (drawn != expected && differing++ < 5) {
                        ADD_FAILURE() << "columns " << left << ".." << right << ", rows " << y1
                                      << " to " << y2;
                    }
                }
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace

// A wave handed over in one call is drawn as it arrives, not when the pixels
// are next looked at; it must give the pixels of PSet and Line point by
// point: among other strokes, beyond the edges, dotted, drawn again at a new
// size and cleared again.
TEST(SurfacePolyline, EqualsPSetAndLinePointByPoint) {
    const auto raw = [](PlotSurface& s) {
        const std::uint32_t* p = s.pixels();
        return std::vector<std::uint32_t>(p, p + s.width() * s.height());
    };
    const struct {
        const char* name;
        float amplitude;
        LineStyle style;
    } cases[] = {
        {"inside", 7, LineStyle::Solid},
        {"beyond the top and bottom", 25, LineStyle::Solid},
        {"dotted", 7, LineStyle::Dotted},
    };
    for (const auto& c : cases) {
        std::vector<float> xs;
        std::vector<float> ys;
        for (int i = -3; i <= 130; ++i) {
            xs.push_back(6.28318f * static_cast<float>(i) / 120.0f);
            ys.push_back(c.amplitude * std::sin(3 * xs.back()));
        }
        const auto draw = [&](PlotSurface& s, bool inOneCall) {
            s.Cls();
            s.Scale(0, 10, 6.28318f, -10);
            s.DrawStyle(LineStyle::Dotted);
            s.ForeColor(kGreen);
            s.Line(3, 2, 3, -2);
            s.DrawStyle(c.style);
            s.ForeColor(kRed);
            if (inOneCall) {
                s.Polyline(xs.data(), ys.data(), xs.size());
            } else {
                s.PSet(xs[0], ys[0]);
                for (std::size_t i = 1; i < xs.size(); ++i) {
                    s.Line(xs[i], ys[i]);
                }
            }
            s.Line(0, 1); // from the wave's last point
        };
        PlotSurface polyline(0xFFFFFF);
        PlotSurface points(0xFFFFFF);
        for (PlotSurface* s : {&polyline, &points}) {
            s->Resize(97, 41, 1.0);
            draw(*s, s == &polyline);
        }
        EXPECT_EQ(raw(polyline), raw(points)) << c.name;
        EXPECT_EQ(polyline.take_changed_rows().first, points.take_changed_rows().first) << c.name;
        for (PlotSurface* s : {&polyline, &points}) {
            s->Cls();
            s->Line(0, 0, 1, 0);
        }
        EXPECT_EQ(raw(polyline), raw(points)) << c.name << ", cleared";
        for (PlotSurface* s : {&polyline, &points}) {
            draw(*s, s == &polyline);
            s->Resize(194, 82, 2.0);
        }
        EXPECT_EQ(raw(polyline), raw(points)) << c.name << ", drawn again";
    }
}
