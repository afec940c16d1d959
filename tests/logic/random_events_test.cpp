// SPDX-License-Identifier: MIT
#include "logic/random_presses.h"
#include "logic/window_checker.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

using namespace wave;

// Long random sequences of every press, checked after each one: the record
// stays within its limits, every label shows its value, and every plot holds
// exactly what drawing it afresh from the record gives.
//
// WAVE_RANDOM_EVENTS sets the number of presses in all, shared out among the
// sequences; WAVE_RANDOM_SEED replays one seed. The default keeps a debug
// build to a few seconds: recording every drawing operation costs about a
// millisecond a press there.

namespace {

using namespace window_check;

constexpr std::uint64_t kDefaultEvents = 3000;

struct SequenceCase {
    const char* name;
    std::uint64_t seed;
    RandomPresses::Weight weight;
};

void PrintTo(const SequenceCase& c, std::ostream* os) {
    *os << c.name;
}

class RandomEvents : public testing::TestWithParam<SequenceCase> {};

TEST_P(RandomEvents, EveryPressLeavesASoundRecordTrueLabelsAndFreshPlots) {
    const SequenceCase& c = GetParam();
    const std::uint64_t seed = RandomPresses::from_environment("WAVE_RANDOM_SEED", c.seed);
    const std::uint64_t count =
        RandomPresses::from_environment("WAVE_RANDOM_EVENTS", kDefaultEvents) / 3;
    SCOPED_TRACE("seed " + std::to_string(seed) +
                 " (replay with WAVE_RANDOM_SEED=" + std::to_string(seed) + ")");

    auto f = std::make_unique<RecordedForm>();
    f->form.Form_Load();
    Checker checker(*f);
    checker.start(*f);
    f->log.clear();

    RandomPresses presses(seed, c.weight);
    for (std::uint64_t n = 1; n <= count; ++n) {
        presses.next().apply(f->form);
        const std::string wrong = checker.check(*f);
        ASSERT_TRUE(wrong.empty())
            << "after press " << n << ", the last being:" << presses.recent() << wrong;
    }
}

INSTANTIATE_TEST_SUITE_P(Sequences, RandomEvents,
                         testing::Values(SequenceCase{"AllEventsEvenly", 20261208, evenly},
                                         SequenceCase{"LongSpans", 7, long_spans},
                                         SequenceCase{"NearTheLimits", 1999, near_limits}),
                         [](const auto& row) { return std::string(row.param.name); });

// The checks themselves: each fault a handler could make is reported.
struct FaultCase {
    const char* name;
    std::function<void(RecordedForm&)> fault;
    const char* reported;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class CheckerCatches : public testing::TestWithParam<FaultCase> {};

TEST_P(CheckerCatches, AFaultyPress) {
    const FaultCase& c = GetParam();
    auto f = std::make_unique<RecordedForm>();
    f->form.Form_Load();
    Checker checker(*f);
    checker.start(*f);
    f->log.clear();
    f->form.SpinButton3_SpinUp(1);
    ASSERT_EQ(checker.check(*f), "");

    c.fault(*f);
    EXPECT_NE(checker.check(*f).find(c.reported), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CheckerCatches,
    testing::Values(
        FaultCase{"ValueChangedWithoutRedraw",
                  [](RecordedForm& f) {
                      f.form.settings.freq[1] = 30.0f;
                      f.Labelb[1].Caption("3");
                  },
                  "Grph(1) differs"},
        FaultCase{"SumLeftStale",
                  [](RecordedForm& f) {
                      f.form.settings.amp[0] = 10;
                      f.Labela[0].Caption("1");
                      f.form.get_curve(0);
                  },
                  "Gr differs"},
        FaultCase{"LabelNotUpdated", [](RecordedForm& f) { f.form.settings.amp[3] = 20; },
                  "Labela(3) shows"},
        FaultCase{"WrongLabelText", [](RecordedForm& f) { f.Labelb[1].Caption("0.0"); },
                  "Labelb(1) shows"},
        FaultCase{"DrawnTwiceWithoutClearing", [](RecordedForm& f) { f.form.get_curve2(); },
                  "Gr differs"},
        FaultCase{"OldScaleKept",
                  [](RecordedForm& f) {
                      f.form.settings.span_t = 2.0f;
                      f.labelt.Caption("2");
                      f.value_t.Caption("2");
                      for (std::int16_t i = 0; i < 4; ++i) {
                          f.form.get_curve(i);
                      }
                      f.form.get_curve2();
                  },
                  "stale scale"},
        FaultCase{"AmplitudePastItsLimit",
                  [](RecordedForm& f) {
                      f.form.settings.amp[1] = 110;
                      f.Labela[1].Caption("11");
                      f.form.get_curve(1);
                      f.form.get_curve2();
                  },
                  "record: amp(1)"},
        FaultCase{"FractionalSpan", [](RecordedForm& f) { f.form.settings.span_t = 1.5f; },
                  "record: span_t"},
        FaultCase{"UnknownStep", [](RecordedForm& f) { f.form.settings.step_f = 3; },
                  "record: step_f"},
        FaultCase{"SwitchValueOutOfRange", [](RecordedForm& f) { f.form.settings.is_cos[0] = 1; },
                  "record: is_cos(0)"}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
