#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "common/ui/WindowServices.h"

using namespace vantorel;

TEST(WindowServices, TimerTicksUntilStopped) {
    int ticks = 0;
    WindowTimer timer([&] { ++ticks; });
    EXPECT_FALSE(timer.isActive());
    timer.start(60000);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.period(), 60000);
    timer.tick();
    EXPECT_EQ(ticks, 1);
    timer.stop();
    EXPECT_FALSE(timer.isActive());

    // A real period delivers ticks through the event loop.
    timer.start(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
    timer.stop();
    const int stopped = ticks;
    QTest::qWait(30);
    EXPECT_EQ(ticks, stopped);
}

TEST(WindowServices, DialogUnitsRoundToTheNearestPixel) {
    EXPECT_EQ(dialogX(110), 165);
    EXPECT_EQ(dialogY(233), 379);
    EXPECT_EQ(dialogX(29), 44);  // 43.5
    EXPECT_EQ(dialogY(2), 3);    // 3.25
    EXPECT_EQ(dialogRect(7, 26, 47, 14), QRect(11, 42, 71, 23));
}
