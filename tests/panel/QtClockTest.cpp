#include "panel/toolkit/QtClock.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace orvane {
namespace {

// Due moments that have passed fire on the event loop's next pass, without waiting for time.
TEST(QtClock, APassedDueMomentTicksOnceOnTheNextPassAndDisablesTheTimer)
{
    QtClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick = [&] { ++ticks; };
    timer->startAt(clock.now() - std::chrono::milliseconds(3));
    EXPECT_TRUE(timer->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

TEST(QtClock, StoppingOrSettingAnIntervalCancelsADueMoment)
{
    QtClock clock;
    auto timer = clock.createTimer();
    int ticks = 0;
    timer->onTick = [&] { ++ticks; };
    timer->startAt(clock.now());
    timer->stop();
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);

    timer->startAt(clock.now());
    timer->setInterval(60000); // a minute's countdown replaces the due moment
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
    EXPECT_TRUE(timer->isEnabled());

    // The same timer serves due moments again afterwards.
    timer->startAt(clock.now());
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace orvane
