#include "segdisplay/Clock.h"

#include <QDateTime>
#include <QTimer>

namespace glintar
{

Timer::~Timer() = default;
Clock::~Clock() = default;

namespace
{

class QtTimer final : public Timer
{
public:
    explicit QtTimer(std::function<void()> onTick)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, std::move(onTick));
    }

    void setInterval(int ms) override
    {
        m_interval = ms;
        m_timer.setInterval(ms);
        sync();
    }
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override
    {
        m_enabled = enabled;
        sync();
    }
    bool isEnabled() const override { return m_enabled; }

private:
    // A QTimer with interval 0 would fire on every pass of the event loop; a window timer with
    // interval 0 does not fire at all.
    void sync()
    {
        if (m_enabled && m_interval > 0)
            m_timer.start();
        else
            m_timer.stop();
    }

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};

class SystemClock final : public Clock
{
public:
    std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override
    {
        return std::make_unique<QtTimer>(std::move(onTick));
    }

    DateTime now() const override
    {
        const QDateTime t = QDateTime::currentDateTime();
        const QDate d = t.date();
        const QTime h = t.time();
        return {d.year(), d.month(), d.day(), h.hour(), h.minute(), h.second()};
    }
};

} // namespace

std::shared_ptr<Clock> systemClock()
{
    static const auto clock = std::make_shared<SystemClock>();
    return clock;
}

} // namespace glintar
