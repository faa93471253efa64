#include "panel/MemoryCells.h"
#include "panel/StepCadence.h"
#include "panel/SweepSequence.h"
#include "panel/SweepSettings.h"

#include <gtest/gtest.h>
#include <vector>

namespace orvane {
namespace {

// Runs the sweep's steps from the sweep start, every step due, as the timer would: the values
// sent and the display after each step.
struct SweepRun {
    std::vector<double> sent;
    std::vector<double> shown;
};
SweepRun sweep(const SweepPlan& plan, int steps)
{
    SweepRun run;
    double display = plan.start;
    for (int i = 0; i < steps; ++i) {
        const SweepMove move = sweepNextStep(display, true, plan);
        if (move.send)
            run.sent.push_back(*move.send);
        run.shown.push_back(display = move.display);
    }
    return run;
}

TEST(SweepSequence, WorkedExamplesAndOddRanges)
{
    struct Case {
        const char* name;
        SweepPlan plan;
        std::vector<double> sent;
        std::vector<double> shown;
    };
    const Case cases[] = {
        {"step 1 walks up to the end and shows the start while the end is sent",
         {7000000, 7000005, 1},
         {7000001, 7000002, 7000003, 7000004, 7000005, 7000001, 7000002},
         {7000001, 7000002, 7000003, 7000004, 7000000, 7000001, 7000002}},
        {"step 10 overshoots at once: the first value beyond the end every time",
         {7000000, 7000005, 10},
         {7000010, 7000010, 7000010},
         {7000000, 7000000, 7000000}},
        {"a width that is not a multiple of the step sends the value beyond the end",
         {100, 125, 10},
         {110, 120, 130, 110},
         {110, 120, 100, 110}},
        {"equal start and end: nothing is ever sent",
         {7000000, 7000000, 1},
         {},
         {7000000, 7000000}},
        {"start above end: start + step every time",
         {7000100, 7000000, 10},
         {7000110, 7000110, 7000110},
         {7000100, 7000100, 7000100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SweepRun run = sweep(c.plan, static_cast<int>(c.shown.size()));
        EXPECT_EQ(run.sent, c.sent);
        EXPECT_EQ(run.shown, c.shown);
    }
}

TEST(SweepSequence, NoStepWhenNoneIsDueButTheResetStillApplies)
{
    const SweepPlan plan{7000000, 7000005, 1};
    const SweepMove waiting = sweepNextStep(7000003, false, plan);
    EXPECT_FALSE(waiting.send);
    EXPECT_EQ(waiting.display, 7000003);
    // A display beyond the end (the band changed under the sweep) goes back to the start unsent.
    const SweepMove beyond = sweepNextStep(14000000, false, plan);
    EXPECT_FALSE(beyond.send);
    EXPECT_EQ(beyond.display, 7000000);
}

TEST(StepCadence, StepsAreDueOneRateAfterTheLastDueMomentNotAfterTheyWereTaken)
{
    using namespace std::chrono;
    using T = StepCadence::TimePoint;
    const T t0{seconds(100)};
    StepCadence cadence;
    EXPECT_EQ(cadence.begin(t0, milliseconds(1)), t0 + milliseconds(1));
    // Each step is taken a little late; the moments keep to the millisecond grid.
    EXPECT_EQ(cadence.next(t0 + microseconds(1150), milliseconds(1)), t0 + milliseconds(2));
    EXPECT_EQ(cadence.next(t0 + microseconds(2900), milliseconds(1)), t0 + milliseconds(3));
    // Falling behind by a few steps: the next ones are already due, so they follow at once.
    EXPECT_EQ(cadence.next(t0 + milliseconds(8), milliseconds(1)), t0 + milliseconds(4));
    // A long stall is not made up: the grid starts again from the moment of the step.
    const T late = t0 + milliseconds(4) + StepCadence::kMaxCatchUp + milliseconds(1);
    EXPECT_EQ(cadence.next(late, milliseconds(1)), late + milliseconds(1));
}

TEST(StepCadence, ANewRateMovesThePendingStep)
{
    using namespace std::chrono;
    const StepCadence::TimePoint t0{seconds(5)};
    StepCadence cadence;
    cadence.begin(t0, milliseconds(1000));
    EXPECT_EQ(cadence.retime(milliseconds(10)), t0 + milliseconds(10));
    EXPECT_EQ(cadence.next(t0 + milliseconds(10), milliseconds(10)), t0 + milliseconds(20));
}

TEST(MemoryCells, WalkWrapsOnTheOldNumberAndLabelsHaveThreeDigits)
{
    EXPECT_EQ(cellAbove(1), 2);
    EXPECT_EQ(cellAbove(20), 1);
    EXPECT_EQ(cellAbove(0), 1) << "the scan's start before cell 1";
    EXPECT_EQ(cellBelow(1), 20);
    EXPECT_EQ(cellBelow(20), 19);
    EXPECT_EQ(cellLabel(1), "Mem 001");
    EXPECT_EQ(cellLabel(20), "Mem 020");
}

TEST(SweepSettings, CaptionsForValuesOnTheMenusAndNoneForOthers)
{
    EXPECT_EQ(sweepCaption(kSweepSteps, 1000), "Sweep 1 kHz");
    EXPECT_EQ(sweepCaption(kSweepRates, 1), "/msec");
    EXPECT_EQ(sweepCaption(kSweepRates, 1000), "/Sec");
    EXPECT_EQ(sweepCaption(kSweepSteps, 7), "");
}

} // namespace
} // namespace orvane
