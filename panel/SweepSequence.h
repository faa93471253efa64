#pragma once

#include <cstdint>
#include <optional>

namespace orvane {

// The sweep range and step as the sweep reads them at each step.
struct SweepPlan {
    std::int32_t start = 0; // SweepStart: the value the display returns to; never sent itself
    std::int32_t end = 0;   // SweepEnd
    std::int32_t step = 1;  // SweepStepSize
};

// What one sweep step does to the display register.
struct SweepMove {
    std::optional<double> send; // the value stepped to and sent, when a step was taken
    double display;             // the value the display keeps after the step
};

// One step of the sweep from `display`: when a step is due and the display is not on the end, the
// display moves up by the step and that value is sent. Then a display at or beyond the end goes
// back to the start without being sent, so the output holds the end (or the first value beyond
// it) while the display already shows the start.
//   range 7000000..7000005, step 1:  sends 7000001 .. 7000005, then 7000001 again
//   range 7000000..7000005, step 10: sends 7000010 every time
//   start == end: nothing is ever sent; start > end: start + step every time
constexpr SweepMove sweepNextStep(double display, bool stepDue, const SweepPlan& plan)
{
    SweepMove move{std::nullopt, display};
    if (stepDue && display != plan.end) {
        move.display = display + plan.step;
        move.send = move.display;
    }
    if (move.display >= plan.end)
        move.display = plan.start;
    return move;
}

} // namespace orvane
