#include "QtClock.h"

#include <QTimer>

namespace orvane {

namespace {

class QtTimer final : public Timer {
public:
    QtTimer()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (onTick)
                onTick();
        });
    }

    void setInterval(int milliseconds) override
    {
        m_interval = milliseconds;
        if (m_interval <= 0)
            m_timer.stop();
        else if (m_enabled)
            m_timer.start(m_interval);
    }
    int interval() const override { return m_interval; }

    void setEnabled(bool enabled) override
    {
        m_enabled = enabled;
        if (enabled && m_interval > 0)
            m_timer.start(m_interval); // a fresh countdown
        else
            m_timer.stop();
    }
    bool isEnabled() const override { return m_enabled; }

private:
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};

} // namespace

std::unique_ptr<Timer> QtClock::createTimer() { return std::make_unique<QtTimer>(); }

} // namespace orvane
