// SPDX-License-Identifier: MIT
#include "frontend/label_fit.h"

#include <gtest/gtest.h>

#include <optional>

#include <cmath>
#include <string>

namespace {

using wave::FontSize;
using wave::SizeUnit;
using wave::TextExtent;

// Every glyph half as wide as the size; a toolkit's widths may snap to
// whole pixels, and ink may overhang the advance.
enum class Snap { None, Up, Down };

struct FakeFont {
    Snap snap = Snap::None;
    double overhang = 0; // ink past the advance on the right

    TextExtent measure(std::string_view text, double size, int stretch) const {
        double advance = static_cast<double>(text.size()) * size * 0.5 * stretch / 100.0;
        if (snap == Snap::Up) {
            advance = std::ceil(advance);
        } else if (snap == Snap::Down) {
            advance = std::floor(advance);
        }
        return {advance, 0, advance + overhang};
    }
};

struct FitCase {
    const char* name;
    const char* text;
    double room;
    FontSize set;
    FakeFont font;
    double size;
    int stretch;
    bool as_set;
};

class LabelFit : public testing::TestWithParam<FitCase> {};

TEST_P(LabelFit, CondensesBeforeItShrinks) {
    const FitCase& c = GetParam();
    int measured = 0;
    const wave::LabelFit fit =
        wave::fit_label(c.text, c.room, c.set, [&](std::string_view text, double size, int s) {
            EXPECT_EQ(text, c.text);
            ++measured;
            return c.font.measure(text, size, s);
        });
    EXPECT_EQ(fit.as_set, c.as_set);
    EXPECT_DOUBLE_EQ(fit.size, c.size);
    EXPECT_EQ(fit.stretch, c.stretch);
    EXPECT_LT(measured, 200);
}

constexpr FontSize px13{13, SizeUnit::Pixels};
constexpr FontSize pt975{9.75, SizeUnit::Points};

INSTANTIATE_TEST_SUITE_P(
    Texts, LabelFit,
    testing::Values(
        FitCase{"Fits", "0.5", 20, px13, {}, 13, 100, true},
        FitCase{"FillsTheRoomExactly", "10", 13, px13, {}, 13, 100, true},
        // 26 px natural: 65 % is 16.9 px, 66 % already 17.16.
        FitCase{"CondensedAsFarAsNeeded", "10.5", 17, px13, {}, 13, 65, false},
        // The proportional guess (60 %) is too wide once the ink overhangs.
        FitCase{"GuessTooWideWalksDown", "10.5", 17, px13, {Snap::None, 2}, 13, 57, false},
        // Widths rounded down fit further than the guess (65 %) says.
        FitCase{"GuessTooNarrowWalksUp", "10.5", 17, px13, {Snap::Down, 0}, 13, 69, false},
        FitCase{"SnappedUp", "10.5", 17, px13, {Snap::Up, 0}, 13, 65, false},
        // At 50 % even 10 px is 17.5 px wide.
        FitCase{"SmallerOnlyWhenHalfIsTooWide", "12345.6", 17, px13, {}, 9, 53, false},
        FitCase{"PointsStepByHalves", "12345.6", 17, pt975, {}, 9.25, 52, false},
        FitCase{"NothingFitsSmallestPixels", "123456789012", 10, px13, {}, 5, 50, false},
        FitCase{"NothingFitsSmallestPoints", "123456789012", 10, pt975, {}, 4, 50, false},
        FitCase{"SetBelowTheLeast", "12345", 3, FontSize{4, SizeUnit::Pixels}, {}, 4, 50, false},
        FitCase{"EmptyText", "", 17, px13, {}, 13, 100, true}),
    [](const auto& row) { return std::string(row.param.name); });

struct OriginCase {
    const char* name;
    wave::TextAlign align;
    TextExtent extent;
    double origin;
};

class TextOrigin : public testing::TestWithParam<OriginCase> {};

TEST_P(TextOrigin, AlignsTheInkNotTheAdvance) {
    const OriginCase& c = GetParam();
    EXPECT_DOUBLE_EQ(wave::text_origin(17, c.align, c.extent), c.origin);
}

using wave::TextAlign;

INSTANTIATE_TEST_SUITE_P(Alignments, TextOrigin,
                         testing::Values(
                             // Ink one pixel left of the origin fills the room from its left edge.
                             OriginCase{"RightOverhangLeft", TextAlign::Right, {16, -1, 15}, 1},
                             OriginCase{"LeftOverhangLeft", TextAlign::Left, {16, -1, 15}, 1},
                             OriginCase{"RightOverhangRight", TextAlign::Right, {10, 0.5, 11}, 6},
                             OriginCase{"CentreOverhangRight", TextAlign::Centre, {10, 0.5, 11}, 3},
                             OriginCase{"LeftPlain", TextAlign::Left, {10, 0.5, 9}, 0},
                             OriginCase{"RightPlain", TextAlign::Right, {10, 0.5, 9}, 7}),
                         [](const auto& row) { return std::string(row.param.name); });

struct InkCase {
    const char* name;
    TextAlign align;
    TextExtent extent;
    double placed;
    bool as_set;
    std::optional<double> origin;
};

class InkOrigin : public testing::TestWithParam<InkCase> {};

TEST_P(InkOrigin, KeepsTheToolkitsPlaceUnlessTheInkOverhangsOrTheFontChanged) {
    const InkCase& c = GetParam();
    EXPECT_EQ(wave::ink_origin(17, c.align, c.extent, c.placed, c.as_set), c.origin);
}

INSTANTIATE_TEST_SUITE_P(
    Placements, InkOrigin,
    testing::Values(InkCase{"InkInside", TextAlign::Right, {10, 0.5, 9}, 7, true, std::nullopt},
                    InkCase{"InkToTheEdges", TextAlign::Right, {10, -7, 10}, 7, true, std::nullopt},
                    InkCase{"InkOverLeftEdge", TextAlign::Left, {10, -2, 10}, 0, true, 2},
                    InkCase{"InkOverRightEdge", TextAlign::Right, {10, 0.5, 11}, 7, true, 6},
                    InkCase{"FontChanged", TextAlign::Right, {10, 0.5, 9}, 7, false, 7}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
