#include "SimulatedCard.h"

namespace orvane {

namespace {
constexpr std::uint8_t kSerialData = 0x01;
constexpr std::uint8_t kWordClock = 0x02;
constexpr std::uint8_t kFrequencyUpdate = 0x04;
constexpr std::uint64_t kWordMask = (std::uint64_t{1} << 40) - 1;
constexpr double kTwoPow32 = 4294967296.0;
} // namespace

void SimulatedCard::writeData(std::uint8_t value)
{
    const std::uint8_t rising = static_cast<std::uint8_t>(value & ~m_data);
    m_data = value;
    if (!m_powered)
        return;
    if (rising & kWordClock)
        m_shift = (m_shift >> 1) | (std::uint64_t{static_cast<std::uint64_t>(value & kSerialData)} << 39);
    if (rising & kFrequencyUpdate) {
        m_word = m_shift & kWordMask;
        ++m_updates;
    }
}

void SimulatedCard::writeControl(std::uint8_t value)
{
    const bool powered = (value & 1) == 0;
    if (powered && !m_powered) {
        // Power-on reset: the chip starts with an empty register and a zero word.
        m_shift = 0;
        m_word = 0;
    }
    m_powered = powered;
}

double SimulatedCard::outputMHz(double crystalMHz) const
{
    if (!m_powered)
        return 0.0;
    const double clock = sixTimesMultiplier() ? crystalMHz * 6.0 : crystalMHz;
    return tuningWord() * clock / kTwoPow32;
}

void SimPortIo::out32(std::uint16_t port, std::uint8_t value)
{
    SimulatedCard& target = card(portBaseOf(port));
    switch (portRegisterOf(port)) {
    case PortRegister::Data: target.writeData(value); break;
    case PortRegister::Control: target.writeControl(value); break;
    case PortRegister::Status:
    case PortRegister::Unused: break;
    }
}

} // namespace orvane
