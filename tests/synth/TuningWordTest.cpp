#include "synth/DoTheMath.h"
#include "synth/portio/RecordingPortIo.h"
#include "synth/portio/SimulatedCard.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct WorkedExample {
    double displayHz;
    std::int32_t offset;
    std::int32_t correction;
    short multiplier;
    float clockMHz;
    double vfoMHz;
    double tuningWord;
    const char* serialLoadWord;
};

constexpr WorkedExample kExamples[] = {
    {7040000, 0, 0, 1, 100, 7.04, 302365697, "0000000000010010000001011011110000000001"},
    {14200000, 0, 0, 1, 180, 14.2, 338825197, "0000000100010100001100100000111111101101"},
    {14200000, -9000000, 0, 1, 180, 5.2, 124076832, "0000000100000111011001010100001100100000"},
    {5000000, -9000000, -150, 1, 180, 4.00015, 95447296,
     "0000000100000101101100000110100100000000"},
    {3500000, 0, 0, 4, 100, 3.5, 601295421, "0000000000100011110101110000101000111101"},
    {0, 0, 0, 1, 100, 0, 0, "0000000000000000000000000000000000000000"},
};

void PrintTo(const WorkedExample& example, std::ostream* out)
{
    *out << example.displayHz << " Hz, offset " << example.offset << ", correction "
         << example.correction << ", x" << example.multiplier << ", " << example.clockMHz << " MHz";
}

SynthConfig configFor(const WorkedExample& example)
{
    SynthConfig config;
    config.refClockMHz = example.clockMHz;
    config.outputMultiplier = example.multiplier;
    config.controlPrefix = example.clockMHz == 180 ? kPrefixX6 : kPrefixAllZero;
    config.is9850 = example.clockMHz != 180;
    return config;
}

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, GiveTheTuningWordAndSerialLoadWord)
{
    const WorkedExample& example = GetParam();
    const SynthConfig config = configFor(example);
    RecordingPortIo port;
    PortLink link(port, config);

    const double vfo = calcVfoFreq(example.displayHz, example.offset, example.correction);
    EXPECT_NEAR(vfo, example.vfoMHz, 1e-12);
    const LoadResult result = doTheMath(vfo, config, link);

    ASSERT_TRUE(result.sent());
    EXPECT_EQ(result.tuningWord, example.tuningWord);
    EXPECT_EQ(result.serialLoadWord, example.serialLoadWord);
    EXPECT_EQ(port.writes.size(), 124u);
}

TEST_P(WorkedExamples, ReachTheChipAsTheSameWord)
{
    // The protocol checked from the chip's side: the simulated card decodes the 124 writes.
    const WorkedExample& example = GetParam();
    const SynthConfig config = configFor(example);
    SimPortIo port;
    port.out32(890, 0); // supply on
    PortLink link(port, config);
    link.setBand(7);

    updateVfo(example.displayHz, example.offset, example.correction, config, link);

    const SimulatedCard& card = port.card(888);
    EXPECT_EQ(card.tuningWord(), example.tuningWord);
    EXPECT_EQ(card.sixTimesMultiplier(), config.controlPrefix == kPrefixX6);
    EXPECT_EQ(card.bandLines(), 7);
    // The crystal behind a 180 MHz clock is 30 MHz times six.
    const double crystal = card.sixTimesMultiplier() ? example.clockMHz / 6.0 : example.clockMHz;
    EXPECT_NEAR(card.outputMHz(crystal), example.multiplier * example.vfoMHz, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Table, WorkedExamples, testing::ValuesIn(kExamples),
                         [](const testing::TestParamInfo<WorkedExample>& info) {
                             return "Row" + std::to_string(info.index + 1);
                         });

TEST(CalcVfoFreq, NegativeOffsetMirrorsStrictlyBelowItsMirrorPoint)
{
    // At the mirror point exactly the sum is not negated; one hertz below it is, and the
    // correction then acts with the opposite sign.
    EXPECT_DOUBLE_EQ(calcVfoFreq(9000000, -9000000, 150), 150 / 1e6);
    EXPECT_DOUBLE_EQ(calcVfoFreq(8999999, -9000000, 150), (1 - 150) / 1e6);
    EXPECT_DOUBLE_EQ(calcVfoFreq(8999999, -9000000, 0), 1 / 1e6);
    EXPECT_DOUBLE_EQ(calcVfoFreq(7000000, 9000000, -100), 15.9999);
}

struct RefusedLoad {
    const char* name;
    double vfoMHz;
    short multiplier;
    float clockMHz;
    int portBase;
    LoadRefusal expected;
};

void PrintTo(const RefusedLoad& load, std::ostream* out) { *out << load.name; }

class RefusedLoads : public testing::TestWithParam<RefusedLoad> {};

TEST_P(RefusedLoads, SendNothingAndSayWhy)
{
    const RefusedLoad& load = GetParam();
    SynthConfig config;
    config.refClockMHz = load.clockMHz;
    config.outputMultiplier = load.multiplier;
    config.portBase = load.portBase;
    RecordingPortIo port;
    PortLink link(port, config);

    const LoadResult result = doTheMath(load.vfoMHz, config, link);
    EXPECT_EQ(result.refusal, load.expected);
    EXPECT_FALSE(describe(result.refusal).empty());
    EXPECT_TRUE(port.writes.empty());
    EXPECT_TRUE(result.serialLoadWord.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedLoads,
    testing::Values(RefusedLoad{"ZeroClock", 7.04, 1, 0.0f, 888, LoadRefusal::ClockNotPositive},
                    RefusedLoad{"NegativeClock", 7.04, 1, -100.0f, 888, LoadRefusal::ClockNotPositive},
                    RefusedLoad{"NegativeOutput", -0.000149, 1, 100.0f, 888, LoadRefusal::NegativeFrequency},
                    RefusedLoad{"OutputAtClock", 100.0, 1, 100.0f, 888, LoadRefusal::AboveClock},
                    RefusedLoad{"X4AboveClock", 30.0, 4, 100.0f, 888, LoadRefusal::AboveClock},
                    RefusedLoad{"BaseBeyond16Bits", 7.04, 1, 100.0f, 65534, LoadRefusal::PortOutOfRange},
                    RefusedLoad{"NegativeBase", 7.04, 1, 100.0f, -888, LoadRefusal::PortOutOfRange}),
    [](const testing::TestParamInfo<RefusedLoad>& info) { return info.param.name; });

TEST(DoTheMath, HighestLoadableOutputStillGoesOut)
{
    // Just below the clock the tuning word is 2^32 - 1: all 32 bits set, prefix kept.
    SynthConfig config;
    config.refClockMHz = 180;
    config.controlPrefix = kPrefixX6;
    RecordingPortIo port;
    PortLink link(port, config);
    const LoadResult result = doTheMath(179.99999997, config, link);
    ASSERT_TRUE(result.sent());
    EXPECT_EQ(result.tuningWord, 4294967295.0);
    EXPECT_EQ(result.serialLoadWord, "00000001" + std::string(32, '1'));
}

} // namespace
} // namespace orvane
