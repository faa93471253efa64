#pragma once

#include <array>
#include <span>
#include <string_view>

namespace orvane {

// One item of the sweep's Step or Rate menu: its name and caption, its value, and the words it
// puts into SweepBox ("Sweep 1 Hz" followed by "/msec" reads Sweep 1 Hz/msec).
struct SweepChoice {
    const char* item;
    const char* caption;
    int value;
    std::string_view boxCaption;
};

// Program > Sweep > Step: hertz a step.
inline constexpr std::array<SweepChoice, 6> kSweepSteps = {{
    {"mnuSweep1Hz", "&1 Hz", 1, "Sweep 1 Hz"},
    {"mnuSweep10Hz", "&10 Hz", 10, "Sweep 10 Hz"},
    {"mnuSweep100Hz", "&100 Hz", 100, "Sweep 100 Hz"},
    {"mnuSweep1Khz", "&1 KHz", 1000, "Sweep 1 kHz"},
    {"mnuSweep10Khz", "&10 KHz", 10000, "Sweep 10 kHz"},
    {"mnuSweep100Khz", "&100 KHz", 100000, "Sweep 100 kHz"},
}};

// Program > Sweep > Rate: milliseconds between steps.
inline constexpr std::array<SweepChoice, 6> kSweepRates = {{
    {"mnuStep1ms", "&Sweep Step/1 msec", 1, "/msec"},
    {"mnuStep10ms", "&Sweep Step/10 msec", 10, "/10 msec"},
    {"mnuStep100ms", "&Sweep Step/100 msec", 100, "/100 msec"},
    {"mnuStep250ms", "&Sweep Step/250 msec", 250, "/250 msec"},
    {"mnuStep500ms", "&Sweep Step/500 msec", 500, "/500 msec"},
    {"mnuStepSec", "&Sweep Step/1 sec", 1000, "/Sec"},
}};

// The SweepBox words for a value; empty for a stored value that is not on the menu.
constexpr std::string_view sweepCaption(std::span<const SweepChoice> menu, int value)
{
    for (const SweepChoice& choice : menu)
        if (choice.value == value)
            return choice.boxCaption;
    return {};
}

} // namespace orvane
