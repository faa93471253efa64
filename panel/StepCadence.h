#pragma once

#include <chrono>

namespace orvane {

// The due moments of a series of timed steps (the sweep). Each step is due one rate after the
// moment the one before was due, not after it was taken, so the time a step takes to send and
// the timer's wake-up latency do not add up: at "/msec" the sweep makes a thousand steps a
// second. A step that falls behind is taken as soon as possible; a short hiccup (a repaint, a
// menu opening) is made up that way, a long stall is not, so the sweep never races through a
// backlog of steps.
class StepCadence {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::steady_clock::duration;
    // How far behind its moments the series may fall and still catch up.
    static constexpr std::chrono::milliseconds kMaxCatchUp{20};

    // The first step of a series was taken at `now`: when the second one is due.
    TimePoint begin(TimePoint now, Duration rate)
    {
        m_taken = now;
        return m_due = now + rate;
    }
    // The step that was due has been taken at `now`: when the next one is due.
    TimePoint next(TimePoint now, Duration rate)
    {
        m_taken = now - m_due > kMaxCatchUp ? now : m_due;
        return m_due = m_taken + rate;
    }
    // The rate changed while a step is pending: when that step is now due.
    TimePoint retime(Duration rate) { return m_due = m_taken + rate; }

private:
    TimePoint m_taken{}; // the moment the last step was due (or taken, after a stall)
    TimePoint m_due{};
};

} // namespace orvane
