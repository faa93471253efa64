#include "synth/portio/SimulatedCard.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Shifts `word` in W0 first with the plainest possible waveform and pulses FQ_UD.
void load(SimulatedCard& card, std::uint64_t word, std::uint8_t band = 0)
{
    for (int bit = 0; bit < 40; ++bit) {
        const std::uint8_t d0 = (word >> bit) & 1;
        card.writeData(band | d0);
        card.writeData(band | d0 | 2);
        card.writeData(band | d0);
    }
    card.writeData(band | 4);
    card.writeData(band);
}

TEST(SimulatedCard, TakesTheShiftedWordOnlyAtTheUpdateEdge)
{
    SimulatedCard card;
    card.writeControl(0);
    ASSERT_TRUE(card.powered());

    const std::uint64_t word = (std::uint64_t{1} << 32) | 338825197u;
    for (int bit = 0; bit < 40; ++bit) {
        const std::uint8_t d0 = (word >> bit) & 1;
        card.writeData(d0);
        card.writeData(d0 | 2);
    }
    EXPECT_EQ(card.word(), 0u) << "no FQ_UD yet";
    card.writeData(4);
    EXPECT_EQ(card.word(), word);
    EXPECT_EQ(card.tuningWord(), 338825197u);
    EXPECT_TRUE(card.sixTimesMultiplier());
    EXPECT_EQ(card.updates(), 1);
    EXPECT_NEAR(card.outputMHz(30.0), 14.2, 1e-6);
}

TEST(SimulatedCard, OnlyRisingEdgesCount)
{
    SimulatedCard card;
    card.writeControl(0);
    load(card, 0x12345);
    ASSERT_EQ(card.word(), 0x12345u);

    card.writeData(2); // one W_CLK edge: a 0 enters at W39, W0 falls out
    card.writeData(2); // held high: no edge
    card.writeData(2 | 4);
    EXPECT_EQ(card.word(), 0x12345u >> 1);
    const int updates = card.updates();
    card.writeData(2 | 4);
    card.writeData(2 | 4);
    EXPECT_EQ(card.word(), 0x12345u >> 1);
    EXPECT_EQ(card.updates(), updates);
}

TEST(SimulatedCard, SupplyFollowsControlBitZeroInverted)
{
    SimulatedCard card;
    EXPECT_FALSE(card.powered());
    card.writeControl(0);
    EXPECT_TRUE(card.powered());
    load(card, 302365697u, 8);
    EXPECT_EQ(card.tuningWord(), 302365697u);
    EXPECT_EQ(card.bandLines(), 1);

    card.writeControl(1);
    EXPECT_FALSE(card.powered());
    EXPECT_EQ(card.outputMHz(100.0), 0.0);
    load(card, 77u, 120);
    EXPECT_EQ(card.bandLines(), 15) << "band lines come from the port, not the chip";

    card.writeControl(0);
    EXPECT_EQ(card.word(), 0u) << "power-on reset clears the word";
}

TEST(SimPortIo, RoutesByAddressToTheCardAtThatBase)
{
    SimPortIo io;
    io.out32(0x378 + 2, 0);
    io.out32(0x378, 8 | 4);
    io.out32(0x278 + 2, 1);
    io.out32(0x378 + 1, 0xff); // status register: read-only, ignored

    EXPECT_TRUE(io.card(0x378).powered());
    EXPECT_EQ(io.card(0x378).bandLines(), 1);
    EXPECT_FALSE(io.card(0x278).powered());
    EXPECT_EQ(io.card(0x278).dataLatch(), 0);
}

} // namespace
} // namespace orvane
