#include "TuningWord.h"

#include <cmath>

namespace orvane {

namespace {
constexpr double kTwoPow32 = 4294967296.0;
}

double calcVfoFreq(double displayHz, std::int32_t bandOffset, std::int32_t bandCorrection)
{
    double s = (displayHz + bandOffset) + bandCorrection;
    // Below the mirror point of a negative (high-side) offset the VFO runs on the other side.
    // The test leaves the correction out, and the mirror point itself is not mirrored.
    if (bandOffset < 0 && displayHz < -static_cast<double>(bandOffset))
        s = -s;
    return s / 1000000.0;
}

std::string_view describe(LoadRefusal refusal)
{
    switch (refusal) {
    case LoadRefusal::None: return {};
    case LoadRefusal::ClockNotPositive: return "Reference clock is 0";
    case LoadRefusal::NegativeFrequency: return "Output below 0 Hz";
    case LoadRefusal::AboveClock: return "Output above clock";
    case LoadRefusal::PortOutOfRange: return "Port address invalid";
    }
    return {};
}

double tuningWord(double vfoFreqMHz, short outputMultiplier, float refClockMHz)
{
    const double scaled = outputMultiplier * vfoFreqMHz;
    return std::floor(kTwoPow32 * scaled / static_cast<double>(refClockMHz));
}

LoadRefusal refusalFor(double vfoFreqMHz, double tuningWord, float refClockMHz)
{
    // Written so that NaN fails each test.
    if (!(refClockMHz > 0.0f) || std::isinf(refClockMHz))
        return LoadRefusal::ClockNotPositive;
    if (!(vfoFreqMHz >= 0.0))
        return LoadRefusal::NegativeFrequency;
    if (!(tuningWord >= 0.0 && tuningWord < kTwoPow32))
        return tuningWord < 0.0 ? LoadRefusal::NegativeFrequency : LoadRefusal::AboveClock;
    return LoadRefusal::None;
}

std::string serialLoadWord(double tuningWord, std::string_view controlPrefix)
{
    // Binary digits by repeated halving, each new digit in front; 0 gives "0".
    std::string digits;
    double rest = tuningWord;
    do {
        const double half = rest / 2.0;
        digits.insert(digits.begin(), half - std::floor(half) == 0.5 ? '1' : '0');
        rest = std::floor(half);
    } while (rest != 0.0);
    return std::string(controlPrefix.substr(0, 40 - digits.size())) + digits;
}

LoadCells splitLoadCells(std::string_view serialLoadWord)
{
    LoadCells cells{};
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = serialLoadWord[i];
    return cells;
}

} // namespace orvane
