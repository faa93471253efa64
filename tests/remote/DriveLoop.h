#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace orvane::test {

// Runs the event loop until `done` holds, waking only for events (a socket's bytes, a timer),
// never sleeping. False when five seconds pass first.
inline bool driveUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QTimer deadline; // its expiry is an event too, so the loop wakes for it
    deadline.setSingleShot(true);
    deadline.start(timeoutMs);
    QEventLoop loop;
    while (!done()) {
        if (!deadline.isActive())
            return false;
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace orvane::test
