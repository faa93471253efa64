#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

struct TuningStep {
    std::int32_t size;
    std::string_view caption;
};

// StepIndex 1..6.
inline constexpr std::array<TuningStep, 6> kTuningSteps = {{
    {10, "Step 10 Hz"},
    {100, "Step 100 Hz"},
    {1000, "Step 1 KHz"},
    {10000, "Step 10 KHz"},
    {100000, "Step 100 KHz"},
    {1000000, "Step 1 MHz"},
}};

inline std::optional<TuningStep> tuningStep(int stepIndex)
{
    if (stepIndex < 1 || stepIndex > static_cast<int>(kTuningSteps.size()))
        return std::nullopt;
    return kTuningSteps[static_cast<std::size_t>(stepIndex - 1)];
}

// One more than the largest step index a band reaching up to `bandEnd` allows: a band below
// 1 kHz tunes by 100 Hz at most, a band of 1 MHz and above by up to 1 MHz.
constexpr int stepLimitFor(std::int32_t bandEnd)
{
    if (bandEnd < 1000)
        return 3;
    if (bandEnd < 10000)
        return 4;
    if (bandEnd < 100000)
        return 5;
    if (bandEnd < 1000000)
        return 6;
    return 7;
}

} // namespace orvane
