#pragma once

#include "Timer.h"

namespace orvane {

// Timers on QTimer with Qt::PreciseTimer, so 1 ms and 150 ms mean what they say.
class QtClock final : public Clock {
public:
    std::unique_ptr<Timer> createTimer() override;
    std::chrono::steady_clock::time_point now() const override
    {
        return std::chrono::steady_clock::now();
    }
};

} // namespace orvane
