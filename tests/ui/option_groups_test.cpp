// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include <QRadioButton>

#include <ostream>
#include <string>
#include <vector>

using namespace wave;
using namespace desktop;

namespace {

struct GroupRow {
    const char* test;
    std::vector<const char*> clicks;
    std::vector<const char*> selected;
    std::vector<const char*> cleared;
};

// Failures name the row, not its bytes.
void PrintTo(const GroupRow& row, std::ostream* os) {
    *os << row.test;
}

class OptionGroups : public WindowTest, public testing::WithParamInterface<GroupRow> {
protected:
    void click(const char* name) {
        auto* button = control<QRadioButton>(name);
        ASSERT_NE(button, nullptr);
        // On the indicator, where a learner would click.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    bool selected(const char* name) {
        const auto* button = control<QRadioButton>(name);
        return button != nullptr && button->isChecked();
    }
};

TEST_P(OptionGroups, SelectingClearsOnlyItsOwnFrame) {
    const GroupRow& row = GetParam();
    for (const char* name : row.clicks) {
        click(name);
    }
    for (const char* name : row.selected) {
        EXPECT_TRUE(selected(name)) << name << " should be selected";
    }
    for (const char* name : row.cleared) {
        EXPECT_FALSE(selected(name)) << name << " should be clear";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, OptionGroups,
    testing::Values(GroupRow{"AsCreatedAndStarted",
                             {},
                             {"Option5", "Option1", "switch_c(0)", "switch_c(1)", "switch_c(2)",
                              "switch_c(3)"},
                             {"Option6", "Option7", "Option8", "Option2", "Option3", "Option4",
                              "switch_s(0)", "switch_s(1)", "switch_s(2)", "switch_s(3)"}},
                    GroupRow{"SineOfCLeavesTheOtherWaves",
                             {"switch_s(2)"},
                             {"switch_s(2)", "switch_c(0)", "switch_c(1)", "switch_c(3)"},
                             {"switch_c(2)", "switch_s(0)", "switch_s(1)", "switch_s(3)"}},
                    GroupRow{"BackToCosineOfC",
                             {"switch_s(2)", "switch_c(2)"},
                             {"switch_c(2)", "switch_c(0)"},
                             {"switch_s(2)"}},
                    GroupRow{"AmplitudeStepLeavesFrequencyStep",
                             {"Option7"},
                             {"Option7", "Option1"},
                             {"Option5", "Option6", "Option8", "Option2", "Option3", "Option4"}},
                    GroupRow{"FrequencyStepLeavesAmplitudeStep",
                             {"Option4"},
                             {"Option4", "Option5"},
                             {"Option1", "Option2", "Option3", "Option6", "Option7", "Option8"}},
                    GroupRow{"StepsLeaveTheWaveforms",
                             {"Option8", "Option2"},
                             {"Option8", "Option2", "switch_c(0)", "switch_c(3)"},
                             {"Option5", "Option1", "switch_s(0)", "switch_s(3)"}}),
    [](const auto& row) { return std::string(row.param.test); });

} // namespace
