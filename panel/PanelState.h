#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// The front panel's registers and mode flags, shared by its feature units.
struct PanelState {
    std::int32_t vfoRegister = 0;       // the last frequency the panel accepted
    std::int32_t memWriteFrequency = 0; // display value captured when V>M starts
    int digitCount = 0;                 // digits of the entry in progress; 0 = next digit starts one
    int stepIndex = 0;                  // 1..6 once powered on
    int memReadIndex = 1;
    int memWriteIndex = 1;
    std::int32_t stepSize = 0;
    std::string stepCaption;
    std::int32_t dwellTime = 1000;
    std::int32_t sweepStepSize = 1;
    std::int32_t sweepRate = 1;
    std::string sweepStepCaption; // "Sweep 1 Hz" .. "Sweep 100 kHz"; empty for a step off the menu
    std::string sweepRateCaption; // "/msec" .. "/Sec"; empty for a rate off the menu
    bool keyHeld = false;
    bool standbyOn = false;
    bool standbyTextShown = false;
    bool overRange = false;
    bool underRange = false;
    bool powerOn = false;
    bool memorySelectMode = false;
    bool memoryWriteMode = false;
    bool sweepStepDue = false; // the next sweep step may be taken
    bool autoHideOn = true;
    int autoHideDelay = 60000;
};

// The live copy of the active band.
struct ActiveBandRegisters {
    int activeBand = 0;
    std::string activeBandName; // Latin-1 bytes, 20 characters after a band file was read
    std::int32_t bandStart = 0;
    std::int32_t bandEnd = 0;
    std::int32_t sweepStart = 0;
    std::int32_t sweepEnd = 0;
    bool bandOffsetOn = false;
    std::int32_t bandOffset = 0;
    std::int32_t bandCorrection = 0;
    int stepLimit = 7;
};

} // namespace orvane
