#include "zuvTimer.h"

#include <gtest/gtest.h>
#include <time.h>
#include <unistd.h>

#include "time_bounds.h"

class ZuvTimerTest : public ::testing::Test {
protected:
  void TearDown() override { zuvTimer::setMilliSourceOffset(0); }
};

TEST_F(ZuvTimerTest, StopwatchGrowsAndCountdownExpires) {
  zuvTimer t;
  t.start(0);
  usleep(20000);
  int first = t.elapsed();
  usleep(20000);
  EXPECT_GE(first, 15);
  EXPECT_GT(t.elapsed(), first);
  EXPECT_TRUE(t.isStarted());

  t.start(100);
  EXPECT_GT(t.elapsed(), 0);
  usleep(150000);
  EXPECT_EQ(t.elapsed(), 0);
  EXPECT_FALSE(t.isStarted());
}

TEST_F(ZuvTimerTest, ElapsedOnAStoppedTimerStartsAStopwatch) {
  zuvTimer t;
  EXPECT_LT(t.elapsed(), timeBound(5));
  EXPECT_TRUE(t.isStarted());
  t.stop();
  EXPECT_FALSE(t.isStarted());
}

TEST_F(ZuvTimerTest, WaitTimeout) {
  zuvTimer t;
  EXPECT_EQ(t.waitTimeout(0), 0);
  zuvTimer clock;
  clock.start(0);
  EXPECT_EQ(t.waitTimeout(5), 1);
  EXPECT_GE(clock.elapsed(), 5);
}

// The wait sleeps: over a wait of 100 ms the thread uses a small part of that in CPU time
// (a spinning wait would use all of it, whatever the machine's load).
TEST_F(ZuvTimerTest, WaitTimeoutLeavesTheProcessorFree) {
  auto cpuMs = [] {
    struct timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
  };
  zuvTimer t, wall;
  wall.start(0);
  double before = cpuMs();
  ASSERT_EQ(t.waitTimeout(100), 1);
  double used = cpuMs() - before;
  int waited = wall.elapsed();
  EXPECT_GE(waited, 100);
  EXPECT_LT(used, waited / 4.0) << used << " ms of CPU over " << waited << " ms";
}

TEST_F(ZuvTimerTest, SpansAndCountdownsSurviveTheWrap) {
  // Bring the millisecond count to 1 s before its wrap at 1048576 s.
  int now = zuvTimer::getMilliCount();
  zuvTimer::setMilliSourceOffset(1048575000LL - now);
  int before = zuvTimer::getMilliCount();
  ASSERT_GT(before, 1048570000);

  zuvTimer countdown;
  countdown.start(1500);
  usleep(1200000);  // the count wraps during this sleep
  EXPECT_LT(zuvTimer::getMilliCount(), before);
  EXPECT_GE(zuvTimer::getMilliSpan(before), 1200);
  EXPECT_LT(zuvTimer::getMilliSpan(before), timeBound(2000));
  int remaining = countdown.elapsed();
  EXPECT_GT(remaining, 0);
  EXPECT_LE(remaining, 300);
  usleep(400000);
  EXPECT_EQ(countdown.elapsed(), 0);
}
