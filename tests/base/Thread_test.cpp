#include "Thread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {
class CountingThread : public Thread {
public:
  std::atomic<int> runs{0};
  int run() override {
    ++runs;
    return 0;
  }
};
}  // namespace

TEST(Thread, OperationsOnANeverStartedThreadFail) {
  CountingThread t;
  EXPECT_EQ(t.join(), -1);
  EXPECT_EQ(t.detach(), -1);
  EXPECT_EQ(t.cancel(), -1);
  EXPECT_EQ(t.exit(), -1);
}

TEST(Thread, StartJoinAndDetachOnce) {
  CountingThread joined;
  ASSERT_EQ(joined.start(), 0);
  EXPECT_EQ(joined.join(), 0);
  EXPECT_EQ(joined.runs, 1);

  CountingThread detached;
  ASSERT_EQ(detached.start(), 0);
  EXPECT_EQ(detached.detach(), 0);
  EXPECT_EQ(detached.detach(), -1);
  EXPECT_EQ(detached.join(), -1);  // a detached thread cannot be waited for
  while (detached.runs == 0) {
  }
}
