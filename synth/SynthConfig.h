#pragma once

#include <string_view>

namespace orvane
{

// The top eight bits of every serial load word: W39..W33 always 0, W32 the AD9851's 6x
// reference-clock multiplier enable.
inline constexpr std::string_view kPrefixAllZero = "0000000000000000000000000000000000000000";
inline constexpr std::string_view kPrefixX6 = "0000000100000000000000000000000000000000";

// Which port, which chip, which clock and which output scaling the synthesizer link works with.
struct SynthConfig {
    int portBase = 888;
    bool is9850 = true;
    float refClockMHz = 100.0f; // effective clock at the tuning-word input, 6x included
    bool customClock = false;
    bool x6 = false; // the AD9851's 6x multiplier selected in the Reference Oscillator dialog
    std::string_view controlPrefix = kPrefixAllZero;
    short outputMultiplier = 1;

    friend bool operator==(const SynthConfig&, const SynthConfig&) = default;
};

} // namespace orvane
