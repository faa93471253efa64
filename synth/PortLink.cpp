#include "PortLink.h"

namespace orvane {

namespace {
constexpr int kWordClock = 2;
constexpr int kFrequencyUpdate = 4;
// Clear W_CLK and FQ_UD (and D7) for the low half of a pulse; 0x78 also clears D0.
constexpr int kPulseLowMask = 0x79;
constexpr int kBandLinesMask = 0x78;
} // namespace

bool PortLink::addressable() const
{
    return m_config.portBase >= 0 && m_config.portBase + 2 <= 0xffff;
}

void PortLink::out(int address, int value)
{
    if (addressable())
        m_io.out32(static_cast<std::uint16_t>(address), static_cast<std::uint8_t>(value));
}

void PortLink::writeData(int value) { out(m_config.portBase, value); }

void PortLink::writeControl(int value) { out(m_config.portBase + 2, value); }

void PortLink::clockBit()
{
    writeData(m_bandCode | m_dataBit | kWordClock);
    writeData((m_bandCode & kPulseLowMask) | m_dataBit);
}

void PortLink::strobeUpdate()
{
    writeData(m_dataBit | m_bandCode | kFrequencyUpdate);
    writeData((m_dataBit | m_bandCode) & kPulseLowMask);
}

void PortLink::strobeUpdateBand()
{
    writeData(m_bandCode | kFrequencyUpdate);
    writeData(m_bandCode & kBandLinesMask);
}

void PortLink::shiftWord(const LoadCells& cells)
{
    // W0 (the last cell) goes first.
    for (int k = 39; k >= 0; --k) {
        m_dataBit = cells[static_cast<std::size_t>(k)] == '1' ? 1 : 0;
        writeData(m_bandCode | m_dataBit);
        clockBit();
    }
    strobeUpdate();
}

void PortLink::loadZeroWord()
{
    for (int k = 0; k < 40; ++k) {
        writeData(0);
        clockBit();
    }
    strobeUpdate();
}

} // namespace orvane
