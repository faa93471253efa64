#pragma once

#include "panel/toolkit/Timer.h"

#include <algorithm>
#include <vector>

namespace orvane::test {

// Timers that tick only when the test moves time forward, in the order their countdowns end.
class ManualClock final : public Clock {
public:
    std::unique_ptr<Timer> createTimer() override { return std::make_unique<ManualTimer>(*this); }
    std::chrono::steady_clock::time_point now() const override
    {
        return std::chrono::steady_clock::time_point(std::chrono::milliseconds(m_now));
    }
    long long elapsedMs() const { return m_now; }

    // Moves time on by `ms`, firing every countdown that ends on the way (a handler may start
    // or stop timers; those take part from their own start time).
    void advance(long long ms)
    {
        const long long until = m_now + ms;
        for (;;) {
            ManualTimer* next = nullptr;
            for (ManualTimer* timer : m_timers)
                if (timer->running() && timer->due() <= until && (!next || timer->due() < next->due()))
                    next = timer;
            if (!next)
                break;
            m_now = next->due();
            next->fired(m_now);
            if (next->onTick)
                next->onTick();
        }
        m_now = until;
    }

private:
    class ManualTimer final : public Timer {
    public:
        explicit ManualTimer(ManualClock& clock) : m_clock(clock) { m_clock.m_timers.push_back(this); }
        ~ManualTimer() override { std::erase(m_clock.m_timers, this); }

        void setInterval(int milliseconds) override
        {
            m_interval = milliseconds;
            m_dueMode = false;
            rearm(m_clock.m_now);
        }
        int interval() const override { return m_interval; }
        void setEnabled(bool enabled) override
        {
            m_enabled = enabled;
            m_dueMode = false;
            rearm(m_clock.m_now);
        }
        bool isEnabled() const override { return m_enabled; }
        void startAt(std::chrono::steady_clock::time_point due) override
        {
            // A moment already passed fires at the clock's next move, advance(0) included.
            const auto at = std::chrono::ceil<std::chrono::milliseconds>(due.time_since_epoch());
            m_due = std::max(m_clock.m_now, static_cast<long long>(at.count()));
            m_enabled = true;
            m_dueMode = true;
        }

        bool running() const { return m_enabled && (m_dueMode || m_interval > 0); }
        long long due() const { return m_due; }
        void fired(long long now)
        {
            if (m_dueMode) {
                m_dueMode = false;
                m_enabled = false;
            } else {
                rearm(now);
            }
        }
        void rearm(long long from) { m_due = from + m_interval; }

    private:
        ManualClock& m_clock;
        int m_interval = 0;
        bool m_enabled = false;
        bool m_dueMode = false;
        long long m_due = 0;
    };

    long long m_now = 0;
    std::vector<ManualTimer*> m_timers;
};

} // namespace orvane::test
