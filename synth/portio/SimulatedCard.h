#pragma once

#include "PortIo.h"

#include <cstdint>
#include <map>

namespace orvane {

// A model of the daughtercard as the port sees it: the DDS chip's serial interface on D0..D2,
// the band-filter lines on D3..D6 and the supply switch on pin 1 (control bit 0, inverted by the
// port, so 1 = supply off). The chip decodes what it receives the way the silicon does: a rising
// W_CLK edge shifts D0 into the 40-bit input register (W0 first), a rising FQ_UD edge takes the
// register as the new frequency word. An unpowered chip sees nothing and forgets its word.
class SimulatedCard {
public:
    void writeData(std::uint8_t value);
    void writeControl(std::uint8_t value);

    bool powered() const { return m_powered; }
    std::uint8_t dataLatch() const { return m_data; }
    // The band number 0..15 on D3..D6, as the band-pass filter switch reads it.
    int bandLines() const { return (m_data >> 3) & 0x0f; }
    // The 40-bit word the chip took at its last FQ_UD edge; bit n is the chip's Wn.
    std::uint64_t word() const { return m_word; }
    std::uint32_t tuningWord() const { return static_cast<std::uint32_t>(m_word); }
    // W32: the AD9851's 6x reference-clock multiplier.
    bool sixTimesMultiplier() const { return (m_word >> 32) & 1; }
    // FQ_UD edges the powered chip has seen.
    int updates() const { return m_updates; }
    // The synthesised frequency for a crystal of `crystalMHz`, the 6x multiplier applied when
    // the word asks for it.
    double outputMHz(double crystalMHz) const;

private:
    std::uint8_t m_data = 0;
    bool m_powered = false;
    std::uint64_t m_shift = 0;
    std::uint64_t m_word = 0;
    int m_updates = 0;
};

// The simulated backend: a card on every port base that receives writes.
class SimPortIo final : public PortIo {
public:
    void out32(std::uint16_t port, std::uint8_t value) override;
    // The card at `base`, created on first use.
    SimulatedCard& card(std::uint16_t base) { return m_cards[base]; }

private:
    std::map<std::uint16_t, SimulatedCard> m_cards;
};

} // namespace orvane
