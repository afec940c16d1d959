// SPDX-License-Identifier: MIT
#include "frontend/window.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

using namespace wave;

namespace {

// Neighbouring controls may share a strip this wide along an edge.
constexpr int kEdgeStrip = 15;

const ControlRow* find(const ControlRef& ref) {
    for (const ControlRow& row : window_layout()) {
        if (row.ref == ref) {
            return &row;
        }
    }
    return nullptr;
}

std::ptrdiff_t position(const ControlRef& ref) {
    const auto rows = window_layout();
    const auto it =
        std::find_if(rows.begin(), rows.end(), [&](const ControlRow& r) { return r.ref == ref; });
    return it - rows.begin();
}

// Overlap of two rectangles along one axis; negative when apart.
int overlap(int a_start, int a_size, int b_start, int b_size) {
    return std::min(a_start + a_size, b_start + b_size) - std::max(a_start, b_start);
}

TEST(LayoutTable, HasThirtyTwoSingleControlsAndTenArraysOfFour) {
    const auto rows = window_layout();
    ASSERT_EQ(rows.size(), 72u);
    std::map<std::string_view, std::set<int>> arrays;
    int singles = 0;
    for (const ControlRow& row : rows) {
        if (row.ref.index < 0) {
            ++singles;
        } else {
            EXPECT_TRUE(arrays[row.ref.name].insert(row.ref.index).second) << object_name(row.ref);
        }
    }
    EXPECT_EQ(singles, 32);
    const std::set<std::string_view> names{"Frame10",     "switch_c", "switch_s", "SpinButton3",
                                           "SpinButton4", "Label7",   "Label8",   "Labela",
                                           "Labelb",      "Grph"};
    EXPECT_EQ(arrays.size(), names.size());
    for (const auto& [name, indexes] : arrays) {
        EXPECT_TRUE(names.contains(name)) << name;
        EXPECT_EQ(indexes, (std::set<int>{0, 1, 2, 3})) << name;
    }
}

TEST(LayoutTable, TabIndexesAreEachUsedOnce) {
    std::vector<int> tabs;
    for (const ControlRow& row : window_layout()) {
        tabs.push_back(row.tab);
    }
    std::sort(tabs.begin(), tabs.end());
    for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
        ASSERT_EQ(tabs[static_cast<std::size_t>(i)], i);
    }
}

TEST(LayoutTable, ObjectNamesAreUnique) {
    std::set<std::string> seen;
    for (const ControlRow& row : window_layout()) {
        EXPECT_TRUE(seen.insert(object_name(row.ref)).second) << object_name(row.ref);
    }
    EXPECT_EQ(object_name({"Labela", 2}), "Labela(2)");
    EXPECT_EQ(object_name({"Frame10", 0}), "Frame10(0)");
    EXPECT_EQ(object_name({"Frame9"}), "Frame9");
}

TEST(LayoutTable, EveryContainerIsAnEarlierFrameOrPictureBox) {
    const auto rows = window_layout();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow& row = rows[i];
        if (row.container == ControlRef{}) {
            continue;
        }
        const ControlRow* parent = find(row.container);
        ASSERT_NE(parent, nullptr) << object_name(row.ref);
        EXPECT_LT(position(parent->ref), static_cast<std::ptrdiff_t>(i)) << object_name(row.ref);
        EXPECT_TRUE(parent->kind == ControlKind::Frame || parent->kind == ControlKind::PictureBox)
            << object_name(row.ref);
    }
}

TEST(LayoutTable, EveryControlLiesInsideItsContainer) {
    for (const ControlRow& row : window_layout()) {
        int width = kClientWidthTwips;
        int height = kClientHeightTwips;
        if (const ControlRow* parent = find(row.container)) {
            width = parent->width;
            height = parent->height;
        }
        EXPECT_GE(row.left, -kEdgeStrip) << object_name(row.ref);
        EXPECT_GE(row.top, -kEdgeStrip) << object_name(row.ref);
        EXPECT_LE(row.left + row.width, width + kEdgeStrip) << object_name(row.ref);
        EXPECT_LE(row.top + row.height, height + kEdgeStrip) << object_name(row.ref);
    }
}

// Siblings touch only along 15-twip strips; the one exception, a frame lying
// wholly over another, must come later so that it stacks on top.
TEST(LayoutTable, SiblingsOverlapOnlyAlongEdgeStrips) {
    const auto rows = window_layout();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            const ControlRow& a = rows[i];
            const ControlRow& b = rows[j];
            if (!(a.container == b.container)) {
                continue;
            }
            const int across = overlap(a.left, a.width, b.left, b.width);
            const int down = overlap(a.top, a.height, b.top, b.height);
            if (across <= kEdgeStrip || down <= kEdgeStrip) {
                continue;
            }
            const bool frame_over_frame = a.kind == ControlKind::Frame &&
                                          b.kind == ControlKind::Frame && across == b.width &&
                                          down == b.height;
            EXPECT_TRUE(frame_over_frame) << object_name(a.ref) << " / " << object_name(b.ref);
        }
    }
}

TEST(LayoutTable, EachArrayMemberLiesInTheBandOfItsIndex) {
    for (const ControlRow& row : window_layout()) {
        if (row.ref.index < 0) {
            continue;
        }
        const ControlRow* band = &row;
        while (!(band->container == ControlRef{})) {
            band = find(band->container);
            ASSERT_NE(band, nullptr);
        }
        EXPECT_EQ(band->top, 1200 * row.ref.index) << object_name(row.ref);
    }
}

TEST(LayoutTable, OnlyTheControlsThatShowTextHaveAFont) {
    for (const ControlRow& row : window_layout()) {
        const bool shows_text = row.kind == ControlKind::Label ||
                                row.kind == ControlKind::OptionButton ||
                                row.kind == ControlKind::CommandButton ||
                                (row.kind == ControlKind::Frame && !row.caption.empty());
        EXPECT_EQ(row.font != FontId::NoFont, shows_text) << object_name(row.ref);
        if (row.kind == ControlKind::SpinButton) {
            EXPECT_FALSE(row.back || row.fore || row.transparent) << object_name(row.ref);
        }
        if (row.transparent) {
            EXPECT_EQ(row.kind, ControlKind::Label) << object_name(row.ref);
            EXPECT_FALSE(row.back) << object_name(row.ref);
        }
    }
}

TEST(LayoutTable, OnlyOption5AndOption1AreSelected) {
    std::set<std::string> selected;
    for (const ControlRow& row : window_layout()) {
        if (row.selected) {
            selected.insert(object_name(row.ref));
        }
    }
    EXPECT_EQ(selected, (std::set<std::string>{"Option1", "Option5"}));
}

TEST(LayoutTable, EachOptionGroupHoldsOnlyItsOwnButtons) {
    const std::map<std::string, std::set<std::string>> groups{
        {"Frame11", {"Option5", "Option6", "Option7", "Option8"}},
        {"Frame12", {"Option1", "Option2", "Option3", "Option4"}},
        {"Frame10(0)", {"switch_c(0)", "switch_s(0)"}},
        {"Frame10(1)", {"switch_c(1)", "switch_s(1)"}},
        {"Frame10(2)", {"switch_c(2)", "switch_s(2)"}},
        {"Frame10(3)", {"switch_c(3)", "switch_s(3)"}},
    };
    // Everything a group frame holds, and every option button wherever it is.
    std::map<std::string, std::set<std::string>> actual;
    for (const ControlRow& row : window_layout()) {
        const std::string container = object_name(row.container);
        if (row.kind == ControlKind::OptionButton || groups.contains(container)) {
            actual[container].insert(object_name(row.ref));
        }
    }
    EXPECT_EQ(actual, groups);
}

TEST(LayoutTable, BandLettersAreRedBoldGothicCentred) {
    const std::map<std::string_view, std::string_view> letters{
        {"Label2", "A"}, {"Label3", "B"}, {"Label4", "C"}, {"Label5", "D"}, {"Label6", "E"}};
    for (const auto& [name, letter] : letters) {
        const ControlRow* row = find({name});
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(row->caption, letter);
        EXPECT_EQ(row->fore, Colour{0x0000FF}) << name;
        EXPECT_EQ(row->font, FontId::GothicBold) << name;
        EXPECT_EQ(row->align, TextAlign::Centre) << name;
        EXPECT_EQ(row->left, 0) << name;
    }
}

struct SpotCheck {
    const char* test_name;
    ControlRef ref;
    ControlRef container;
    std::string_view caption;
    int left, top, width, height;
    std::optional<Colour> back;
    bool transparent;
    int tab;
};

class LayoutRow : public testing::TestWithParam<SpotCheck> {};

TEST_P(LayoutRow, MatchesTheWindowLayout) {
    const SpotCheck& want = GetParam();
    const ControlRow* row = find(want.ref);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->container, want.container);
    EXPECT_EQ(row->caption, want.caption);
    EXPECT_EQ(row->left, want.left);
    EXPECT_EQ(row->top, want.top);
    EXPECT_EQ(row->width, want.width);
    EXPECT_EQ(row->height, want.height);
    EXPECT_EQ(row->back, want.back);
    EXPECT_EQ(row->transparent, want.transparent);
    EXPECT_EQ(row->tab, want.tab);
}

const std::optional<Colour> kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    LayoutTable, LayoutRow,
    testing::Values(
        SpotCheck{"Gr", {"Gr"}, {"Frame9"}, "", 240, 120, 4575, 2055, 0xC0FFC0, false, 5},
        SpotCheck{"Frame11",
                  {"Frame11"},
                  {"Frame9"},
                  "step a",
                  4920,
                  840,
                  855,
                  1215,
                  0xC0FFFF,
                  false,
                  43},
        SpotCheck{
            "SpinButton1", {"SpinButton1"}, {"Frame4"}, "", 720, 360, 255, 375, kNone, false, 71},
        SpotCheck{
            "Command1", {"Command1"}, {"Frame4"}, "RESET", 1080, 360, 855, 255, kNone, false, 23},
        SpotCheck{"Label9", {"Label9"}, {"Gr"}, "sec", 4080, 1080, 375, 255, kNone, true, 61},
        SpotCheck{"Frame5", {"Frame5"}, {}, "", 0, 0, 6855, 1215, 0xC0C0C0, false, 0},
        SpotCheck{"Frame8", {"Frame8"}, {}, "", 0, 3600, 6855, 1215, kNone, false, 3},
        SpotCheck{"Form1", {"Form1"}, {"Frame6"}, "", 4800, 0, 2055, 1215, 0xFFFFC0, false, 13},
        SpotCheck{"Grph0", {"Grph", 0}, {"Frame5"}, "", 240, 120, 4575, 1095, 0xFFFFFF, false, 9},
        SpotCheck{"switch_c1",
                  {"switch_c", 1},
                  {"Frame10", 1},
                  "cos",
                  120,
                  240,
                  615,
                  195,
                  0xC0FFFF,
                  false,
                  30},
        SpotCheck{"switch_s3",
                  {"switch_s", 3},
                  {"Frame10", 3},
                  "sin",
                  120,
                  600,
                  612,
                  252,
                  0xC0FFFF,
                  false,
                  35},
        SpotCheck{"Labela0", {"Labela", 0}, {"Frame_a"}, "", 360, 360, 255, 255, kNone, true, 12},
        SpotCheck{
            "Labela2", {"Labela", 2}, {"Frame2"}, "", 360, 360, 255, 255, 0xFFFFC0, false, 18},
        SpotCheck{"Label8_3", {"Label8", 3}, {"Frame3"}, "f=", 120, 720, 255, 255, kNone, true, 60},
        SpotCheck{"SpinButton4_1",
                  {"SpinButton4", 1},
                  {"Form1"},
                  "",
                  720,
                  720,
                  255,
                  375,
                  kNone,
                  false,
                  68}),
    [](const testing::TestParamInfo<SpotCheck>& row) { return std::string(row.param.test_name); });

} // namespace
