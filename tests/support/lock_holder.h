// A lock held by another thread for a while, as a busy worker would hold it: the test's own
// call then waits its 2-second timeout and gives up.
//
//   { LockHeldElsewhere held([&] { return store.lock_ORVconfig() == 1; },
//                            [&] { store.unlock_ORVconfig(); }, 3000);
//     EXPECT_EQ(client.cfg_writeHPF_Config_toFile(), 0); }   // joined here
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class LockHeldElsewhere {
public:
  // Returns once the other thread holds the lock (or failed to take it).
  LockHeldElsewhere(std::function<bool()> take, std::function<void()> give, int milliseconds)
      : holder_([this, take, give, milliseconds] {
          bool taken = take();
          {
            std::lock_guard<std::mutex> lock(mutex_);
            started_ = true;
          }
          started_cv_.notify_one();
          if (!taken) return;
          std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
          give();
        }) {
    std::unique_lock<std::mutex> lock(mutex_);
    started_cv_.wait(lock, [this] { return started_; });
  }
  ~LockHeldElsewhere() { holder_.join(); }
  LockHeldElsewhere(const LockHeldElsewhere&) = delete;
  LockHeldElsewhere& operator=(const LockHeldElsewhere&) = delete;

private:
  std::mutex mutex_;
  std::condition_variable started_cv_;
  bool started_ = false;
  std::thread holder_;
};
