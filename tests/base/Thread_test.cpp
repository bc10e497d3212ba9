#include "Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

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

namespace {
// A run() that stays in a stretch without a cancellation point until released, and notes
// when it has left, by return or by cancellation. Its flags live outside the object.
struct RunFlags {
  std::atomic<bool> inside{false}, release{false}, left{false};
};
class HeldThread : public Thread {
public:
  explicit HeldThread(RunFlags& f) : flags(f) {}
  int run() override {
    RunFlags& f = flags;  // the object's own part may be gone while this runs on
    struct Leave {
      RunFlags& f;
      ~Leave() { f.left = true; }
    } leave{f};
    f.inside = true;
    while (!f.release) {
    }
    for (;;) pthread_testcancel();  // ends only by cancellation
  }
  RunFlags& flags;
};
}  // namespace

// Whoever frees a started object, the thread has left run() first: the destructor of a
// detached or still joinable thread cancels it and waits for it, and waitUntilEnded()
// waits for a detached one that its owner stops.
TEST(Thread, ObjectIsFreedOnlyOnceItsThreadLeftRun) {
  struct Case {
    const char* what;
    bool detach;
    bool ownerCancelsAndWaits;
  } cases[] = {
      {"joinable, freed by its destructor", false, false},
      {"detached, freed by its destructor", true, false},
      {"detached, its owner cancels and waits", true, true},
  };
  static RunFlags perCase[3];  // a thread that was not waited for must not write into the next case
  for (const Case& c : cases) {
    RunFlags& flags = perCase[&c - cases];
    auto* t = new HeldThread(flags);
    ASSERT_EQ(t->start(), 0) << c.what;
    if (c.detach) {
      EXPECT_EQ(t->detach(), 0) << c.what;
    }
    while (!flags.inside) {
    }
    std::thread releaser([&flags] {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      flags.release = true;
    });
    if (c.ownerCancelsAndWaits) {
      EXPECT_EQ(t->cancel(), 0) << c.what;
      EXPECT_EQ(t->waitUntilEnded(), 0) << c.what;
      EXPECT_TRUE(flags.left) << c.what;
    }
    delete t;
    EXPECT_TRUE(flags.left) << c.what << ": freed while its run() went on";
    releaser.join();
  }
}

TEST(Thread, WaitingForItsOwnEndFromInsideIsRefused) {
  struct SelfWaiting : Thread {
    std::atomic<int> result{-2};
    int run() override {
      result = waitUntilEnded();
      return 0;
    }
  } t;
  CountingThread never;
  EXPECT_EQ(never.waitUntilEnded(), -1);
  ASSERT_EQ(t.start(), 0);
  EXPECT_EQ(t.join(), 0);
  EXPECT_EQ(t.result, EDEADLK);
  EXPECT_EQ(t.waitUntilEnded(), 0);
}
