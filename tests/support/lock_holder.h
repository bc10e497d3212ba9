// A lock held by another thread, as a busy worker would hold it, until the end of the
// scope: the test's own calls inside the scope wait their timeout and give up, and the lock
// is given back only once they have (no race against the timeout on a loaded machine).
//
//   { LockHeldElsewhere held([&] { return store.lock_ORVconfig() == 1; },
//                            [&] { store.unlock_ORVconfig(); });
//     EXPECT_EQ(client.cfg_writeHPF_Config_toFile(), 0); }   // given back and joined here
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class LockHeldElsewhere {
public:
  // Returns once the other thread holds the lock (or failed to take it). It gives the lock
  // back at release() or at the end of the scope; with `milliseconds` >= 0, after that long
  // at the latest.
  LockHeldElsewhere(std::function<bool()> take, std::function<void()> give, int milliseconds = -1)
      : holder_([this, take, give, milliseconds] {
          bool taken = take();
          std::unique_lock<std::mutex> lock(mutex_);
          started_ = true;
          cv_.notify_all();
          if (!taken) return;
          auto released = [this] { return released_; };
          if (milliseconds < 0)
            cv_.wait(lock, released);
          else
            cv_.wait_for(lock, std::chrono::milliseconds(milliseconds), released);
          lock.unlock();
          give();
        }) {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [this] { return started_; });
  }
  ~LockHeldElsewhere() {
    release();
    holder_.join();
  }
  LockHeldElsewhere(const LockHeldElsewhere&) = delete;
  LockHeldElsewhere& operator=(const LockHeldElsewhere&) = delete;

  void release() {
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = true;
    cv_.notify_all();
  }

private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool started_ = false;
  bool released_ = false;
  std::thread holder_;
};
