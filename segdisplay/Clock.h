#pragma once

// The display's two seams to the outside world: window timers (blink and clock) and the local
// date and time. The program uses systemClock(); tests hand in a manual clock that fires timers
// when told to, so no test waits for real time.

#include "segdisplay/DisplayText.h"
#include "segdisplay/glintar_export.h"

#include <functional>
#include <memory>

namespace glintar
{

// A window timer as the display uses one: it ticks every interval() ms while it is enabled and
// the interval is above 0. An interval of 0 keeps it silent without disabling it, so a later
// non-zero interval resumes the ticks.
class GLINTAR_EXPORT Timer
{
public:
    virtual ~Timer();
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
};

class GLINTAR_EXPORT Clock
{
public:
    virtual ~Clock();
    // A disabled timer with interval 0 that calls onTick on each tick.
    virtual std::unique_ptr<Timer> createTimer(std::function<void()> onTick) = 0;
    // The local date and time now.
    virtual DateTime now() const = 0;
};

// Precise Qt timers on the calling thread and the computer's local time.
GLINTAR_EXPORT std::shared_ptr<Clock> systemClock();

} // namespace glintar
