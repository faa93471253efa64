#include "DoTheMath.h"

namespace orvane {

LoadResult doTheMath(double vfoFreqMHz, const SynthConfig& config, PortLink& link)
{
    LoadResult result;
    result.tuningWord = tuningWord(vfoFreqMHz, config.outputMultiplier, config.refClockMHz);
    result.refusal = refusalFor(vfoFreqMHz, result.tuningWord, config.refClockMHz);
    if (result.refusal == LoadRefusal::None && !link.addressable())
        result.refusal = LoadRefusal::PortOutOfRange;
    if (!result.sent())
        return result;

    result.serialLoadWord = serialLoadWord(result.tuningWord, config.controlPrefix);
    link.strobeUpdateBand();
    link.shiftWord(splitLoadCells(result.serialLoadWord));
    return result;
}

LoadResult updateVfo(double displayHz, std::int32_t bandOffset, std::int32_t bandCorrection,
                     const SynthConfig& config, PortLink& link)
{
    return doTheMath(calcVfoFreq(displayHz, bandOffset, bandCorrection), config, link);
}

} // namespace orvane
