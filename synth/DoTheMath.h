#pragma once

#include "PortLink.h"
#include "SynthConfig.h"
#include "TuningWord.h"

#include <string>

namespace orvane {

// What one frequency load computed and whether it went out.
struct LoadResult {
    LoadRefusal refusal = LoadRefusal::None;
    double tuningWord = 0; // the whole number shown in the tuning-word box
    std::string serialLoadWord;
    bool sent() const { return refusal == LoadRefusal::None; }
};

// The tuning word and serial load word for `vfoFreqMHz`, then the 124 writes of a load: an update
// pulse on the band lines, the 40 bits W0 first, and the update pulse that makes the chip take
// the word. A load that cannot be built correctly sends nothing, so the chip keeps its last word.
LoadResult doTheMath(double vfoFreqMHz, const SynthConfig& config, PortLink& link);

// calcVfoFreq, then doTheMath.
LoadResult updateVfo(double displayHz, std::int32_t bandOffset, std::int32_t bandCorrection,
                     const SynthConfig& config, PortLink& link);

} // namespace orvane
