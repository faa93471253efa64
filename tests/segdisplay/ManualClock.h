#pragma once

// A clock for tests: timers fire only when the test advances time, and "now" is what the test
// says. No test waits for real time.

#include "segdisplay/Clock.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace glintar::test
{

class ManualClock final : public Clock
{
public:
    class ManualTimer final : public Timer
    {
    public:
        ManualTimer(ManualClock& clock, std::function<void()> onTick)
            : m_clock(clock), m_onTick(std::move(onTick))
        {
        }
        ~ManualTimer() override { std::erase(m_clock.m_timers, this); }

        void setInterval(int ms) override
        {
            m_interval = ms;
            m_due = m_clock.m_elapsed + ms;
        }
        int interval() const override { return m_interval; }
        void setEnabled(bool enabled) override
        {
            if (enabled && !m_enabled)
                m_due = m_clock.m_elapsed + m_interval;
            m_enabled = enabled;
        }
        bool isEnabled() const override { return m_enabled; }

        bool ticking() const { return m_enabled && m_interval > 0; }

    private:
        friend class ManualClock;
        ManualClock& m_clock;
        std::function<void()> m_onTick;
        int m_interval = 0;
        bool m_enabled = false;
        long long m_due = 0;
    };

    std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override
    {
        auto timer = std::make_unique<ManualTimer>(*this, std::move(onTick));
        m_timers.push_back(timer.get());
        return timer;
    }

    DateTime now() const override { return m_now; }
    void setNow(const DateTime& now) { m_now = now; }

    // Moves time on by ms, firing every tick that falls due, earliest first.
    void advance(int ms)
    {
        const long long end = m_elapsed + ms;
        for (;;) {
            ManualTimer* next = nullptr;
            for (ManualTimer* t : m_timers)
                if (t->ticking() && t->m_due <= end && (!next || t->m_due < next->m_due))
                    next = t;
            if (!next)
                break;
            m_elapsed = next->m_due;
            next->m_due += next->m_interval;
            next->m_onTick();
        }
        m_elapsed = end;
    }

private:
    std::vector<ManualTimer*> m_timers;
    long long m_elapsed = 0;
    DateTime m_now;
};

} // namespace glintar::test
