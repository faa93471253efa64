#include "QtClock.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <limits>

#include <sys/timerfd.h>
#include <unistd.h>

namespace orvane {

namespace {

// Intervals run on a precise QTimer. A due moment runs on a timerfd: the event loop wakes when
// the kernel marks it readable, to the microsecond, whereas a QTimer's wait is rounded up to
// whole milliseconds by the event dispatcher, which at a 1 ms cadence loses a tenth of the
// steps. steady_clock is CLOCK_MONOTONIC, so the due moment goes to the kernel as it is.
class QtTimer final : public Timer {
public:
    QtTimer()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_dueMode) // the fallback for a due moment: once only
                endDueMode();
            tick();
        });
    }
    ~QtTimer() override
    {
        m_notifier.reset();
        if (m_fd >= 0)
            ::close(m_fd);
    }

    void setInterval(int milliseconds) override
    {
        m_interval = milliseconds;
        cancelDue();
        if (m_interval <= 0)
            m_timer.stop();
        else if (m_enabled)
            m_timer.start(m_interval);
    }
    int interval() const override { return m_interval; }

    void setEnabled(bool enabled) override
    {
        m_enabled = enabled;
        cancelDue();
        if (enabled && m_interval > 0)
            m_timer.start(m_interval); // a fresh countdown
        else
            m_timer.stop();
    }
    bool isEnabled() const override { return m_enabled; }

    void startAt(std::chrono::steady_clock::time_point due) override
    {
        m_timer.stop();
        m_enabled = true;
        m_dueMode = true;
        if (armFd(due))
            return;
        // No timerfd to be had: the nearest whole millisecond not before the due moment.
        const auto left = due - std::chrono::steady_clock::now();
        const long long ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        m_timer.start(
            static_cast<int>(std::clamp<long long>(ms, 0, std::numeric_limits<int>::max())));
    }

private:
    bool armFd(std::chrono::steady_clock::time_point due)
    {
        if (m_fd < 0 && !openFd())
            return false;
        auto since = std::chrono::duration_cast<std::chrono::nanoseconds>(due.time_since_epoch());
        // A zero setting would disarm the timer rather than fire it.
        since = std::max(since, std::chrono::nanoseconds(1));
        itimerspec setting{};
        setting.it_value.tv_sec = static_cast<time_t>(since.count() / 1'000'000'000);
        setting.it_value.tv_nsec = static_cast<long>(since.count() % 1'000'000'000);
        return ::timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &setting, nullptr) == 0;
    }

    bool openFd()
    {
        m_fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (m_fd < 0)
            return false;
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
            std::uint64_t expirations = 0;
            [[maybe_unused]] const auto got = ::read(m_fd, &expirations, sizeof expirations);
            if (!m_dueMode) // expired just before it was cancelled
                return;
            endDueMode();
            tick();
        });
        return true;
    }

    void cancelDue()
    {
        if (!m_dueMode)
            return;
        m_dueMode = false;
        if (m_fd >= 0) {
            const itimerspec disarm{};
            ::timerfd_settime(m_fd, 0, &disarm, nullptr);
        }
    }

    void endDueMode()
    {
        m_dueMode = false;
        m_enabled = false;
        m_timer.stop();
    }

    void tick()
    {
        if (onTick)
            onTick();
    }

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
    bool m_dueMode = false;
    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace

std::unique_ptr<Timer> QtClock::createTimer()
{
    return std::make_unique<QtTimer>();
}

} // namespace orvane
