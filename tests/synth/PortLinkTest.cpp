#include "synth/DoTheMath.h"
#include "synth/portio/RecordingPortIo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace orvane {
namespace {

std::vector<int> dataValues(const RecordingPortIo& port, int dataPort = 888)
{
    std::vector<int> values;
    for (const PortWrite& write : port.writes) {
        EXPECT_EQ(write.port, dataPort);
        values.push_back(write.value);
    }
    return values;
}

// The wire of a load as the card's designer draws it: an update pulse on the band lines, then
// for W0..W39 data, clock high, clock low, then the final update pulse with W39 on D0.
std::vector<int> expectedLoad(int bandCode, std::uint64_t word)
{
    std::vector<int> wire = {bandCode + 4, bandCode};
    for (int n = 0; n < 40; ++n) {
        const int b = static_cast<int>((word >> n) & 1);
        wire.insert(wire.end(), {bandCode + b, bandCode + b + 2, bandCode + b});
    }
    const int w39 = static_cast<int>((word >> 39) & 1);
    wire.insert(wire.end(), {bandCode + w39 + 4, bandCode + w39});
    return wire;
}

class LoadWrites : public testing::TestWithParam<int> {};

TEST_P(LoadWrites, Are124WritesCarryingTheBandCode)
{
    const int band = GetParam();
    SynthConfig config;
    RecordingPortIo port;
    PortLink link(port, config);
    link.setBand(band);

    doTheMath(7.04, config, link); // tuning word 302365697: W0 = 1, W1 = 0
    EXPECT_EQ(dataValues(port), expectedLoad(band * 8, 302365697u));
}

INSTANTIATE_TEST_SUITE_P(Bands, LoadWrites, testing::Values(1, 15));

TEST(PortLink, LoadWithBandOneStartsAsOnTheWire)
{
    SynthConfig config;
    RecordingPortIo port;
    PortLink link(port, config);
    link.setBand(1);
    doTheMath(7.04, config, link);
    const std::vector<int> values = dataValues(port);
    ASSERT_EQ(values.size(), 124u);
    EXPECT_THAT(std::vector<int>(values.begin(), values.begin() + 8),
                testing::ElementsAre(12, 8, 9, 11, 9, 8, 10, 8));
    EXPECT_THAT(std::vector<int>(values.end() - 2, values.end()), testing::ElementsAre(12, 8));
}

TEST(PortLink, ZeroLoadIs122WritesDroppingTheBandLinesEachRound)
{
    SynthConfig config;
    RecordingPortIo port;
    PortLink link(port, config);
    link.setBand(15);
    link.loadZeroWord();

    std::vector<int> expected;
    for (int round = 0; round < 40; ++round)
        expected.insert(expected.end(), {0, 122, 120});
    expected.insert(expected.end(), {124, 120});
    EXPECT_EQ(dataValues(port), expected);
}

TEST(PortLink, ZeroLoadAfterALoadRepeatsTheLastDataBit)
{
    // W39 of a real word is 0, so the zero load after a load shifts 40 zeros.
    SynthConfig config;
    RecordingPortIo port;
    PortLink link(port, config);
    link.setBand(2);
    doTheMath(14.0, config, link);
    EXPECT_EQ(link.dataBit(), 0);
    port.writes.clear();
    link.loadZeroWord();
    EXPECT_EQ(port.writes.size(), 122u);
    EXPECT_EQ(port.writes[1].value, 16 + 2);
}

TEST(PortLink, StrobeBeforeAnyBandWritesFourThenZero)
{
    SynthConfig config;
    config.portBase = 632;
    RecordingPortIo port;
    PortLink link(port, config);
    link.strobeUpdateBand();
    EXPECT_EQ(dataValues(port, 632), (std::vector<int>{4, 0}));
}

TEST(PortLink, ControlWritesGoToBasePlusTwoAndFollowAPortChange)
{
    SynthConfig config;
    RecordingPortIo port;
    PortLink link(port, config);
    link.writeControl(0);
    config.portBase = 956; // the Program menu changed the port: nothing is sent until the next write
    EXPECT_EQ(port.writes.size(), 1u);
    link.writeControl(1);
    link.writeData(0);
    EXPECT_EQ(port.writes, (std::vector<PortWrite>{{890, 0}, {958, 1}, {956, 0}}));
}

TEST(PortLink, UnaddressablePortSendsNothingAtAll)
{
    SynthConfig config;
    config.portBase = 65534; // control port would be 65536
    RecordingPortIo port;
    PortLink link(port, config);
    EXPECT_FALSE(link.addressable());
    link.loadZeroWord();
    link.strobeUpdateBand();
    link.writeControl(0);
    EXPECT_TRUE(port.writes.empty());
}

} // namespace
} // namespace orvane
