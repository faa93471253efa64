#pragma once

#include "SynthConfig.h"
#include "TuningWord.h"
#include "synth/portio/PortIo.h"

#include <cstdint>

namespace orvane {

// The daughtercard's wiring on the data port: D0 serial data, D1 W_CLK, D2 FQ_UD, D3..D6 the
// active band's number for the band-pass filters. Every pulse keeps the band lines steady and
// repeats the last data bit on D0. Control bit 0 switches the card's supply (1 = off).
class PortLink {
public:
    PortLink(PortIo& io, const SynthConfig& config) : m_io(io), m_config(config) {}

    // True when both the data and the control address of the configured port fit 16 bits;
    // otherwise every operation below sends nothing.
    bool addressable() const;

    // The band lines for band 1..15, or 0 before any band is active. Reaches the port with the
    // next write of any operation.
    void setBand(int bandNumber) { m_bandCode = bandNumber * 8; }
    int bandCode() const { return m_bandCode; }
    int dataBit() const { return m_dataBit; }

    void clockBit();
    void strobeUpdate();
    void strobeUpdateBand();
    void shiftWord(const LoadCells& cells);
    // 40 zero bits and an update: the chip's output goes to 0 Hz.
    void loadZeroWord();
    void writeData(int value);
    void writeControl(int value);

private:
    void out(int address, int value);

    PortIo& m_io;
    const SynthConfig& m_config;
    int m_bandCode = 0;
    int m_dataBit = 0;
};

} // namespace orvane
