#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace orvane {

// A window timer as the panel's handlers use it: an interval in milliseconds, enabled or not,
// or a single due moment.
// Enabling starts a fresh countdown; a timer disabled in its own tick does not tick again until
// it is enabled; an interval of 0 stops it. All ticks run on the user-interface thread.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    // Ticks once at `due` on the steady clock, or as soon as possible when that moment has
    // already passed, and is disabled again before the tick runs. Unlike an interval, a due
    // moment does not slip by the time the handler itself takes, so a series of steps keeps its
    // cadence. Setting an interval, enabling or disabling cancels it.
    virtual void startAt(std::chrono::steady_clock::time_point due) = 0;

    // Interval and start in one go, the common case.
    void start(int milliseconds)
    {
        setInterval(milliseconds);
        setEnabled(true);
    }
    void stop() { setEnabled(false); }

    std::function<void()> onTick;
};

// Where timers and the time come from: precise Qt timers and the steady clock in the program,
// a manual clock in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<Timer> createTimer() = 0;
    virtual std::chrono::steady_clock::time_point now() const = 0;
};

} // namespace orvane
