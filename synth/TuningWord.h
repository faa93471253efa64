#pragma once

#include "SynthConfig.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// The output frequency in MHz for a displayed frequency: the IF offset and the VFO correction
// added, mirrored below the offset's mirror point when the offset is negative.
double calcVfoFreq(double displayHz, std::int32_t bandOffset, std::int32_t bandCorrection);

// Why a load was not sent. The chip keeps its last word in each case.
enum class LoadRefusal {
    None,
    ClockNotPositive,  // reference clock of 0 MHz or below
    NegativeFrequency, // the correction outweighs the rest
    AboveClock,        // output at or above the reference clock: no 32-bit tuning word
    PortOutOfRange,    // data or control address does not fit 16 bits
};

// One line for the user.
std::string_view describe(LoadRefusal refusal);

// floor(2^32 x (multiplier x MHz) / clock), in exactly that grouping in double arithmetic.
// The raw value: callers check it with refusalFor() before using it.
double tuningWord(double vfoFreqMHz, short outputMultiplier, float refClockMHz);

// Why this tuning problem cannot be loaded, or None.
LoadRefusal refusalFor(double vfoFreqMHz, double tuningWord, float refClockMHz);

// The 40-character word, most significant bit first: the prefix's first characters, then the
// tuning word's binary digits. Only for tuning words in [0, 2^32).
std::string serialLoadWord(double tuningWord, std::string_view controlPrefix);

// The serial load word split up; cell k holds character k + 1 (cell 0 is W39, cell 39 is W0).
using LoadCells = std::array<char, 40>;
LoadCells splitLoadCells(std::string_view serialLoadWord);

} // namespace orvane
