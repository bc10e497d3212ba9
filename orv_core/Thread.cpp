#include "Thread.h"

#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <mutex>

struct Thread::Life {
  explicit Life(Thread* o) : object(o) {}
  Thread* const object;  // read once, before run(): the object may be gone afterwards
  std::mutex mutex;
  std::condition_variable changed;
  bool entered = false;  // the thread is about to call run()
  bool ended = false;    // run() has left; a thread id is never used from then on
};

Thread::Thread() : threadId_(0), running_(0), detached_(0), joined_(false) {}

Thread::~Thread() {
  if (!running_ || joined_) return;
  if (!detached_) pthread_detach(threadId_);
  {
    // Under the lock the thread cannot mark itself ended, so it has not exited and its
    // id is still its own.
    std::lock_guard<std::mutex> lock(life_->mutex);
    if (!life_->ended) pthread_cancel(threadId_);
  }
  // The derived part is gone already; the base at least is not freed under a live run().
  waitUntilEnded();
}

void* Thread::runThread(void* arg) {
  pthread_setcanceltype(PTHREAD_CANCEL_DEFERRED, nullptr);
  std::unique_ptr<std::shared_ptr<Life>> handOver(static_cast<std::shared_ptr<Life>*>(arg));
  std::shared_ptr<Life> life = std::move(*handOver);
  handOver.reset();
  // Marks the end on a return as well as on exit() or a cancellation, both of which
  // unwind this frame.
  struct EndMark {
    Life& life;
    ~EndMark() {
      std::lock_guard<std::mutex> lock(life.mutex);
      life.ended = true;
      life.changed.notify_all();
    }
  } endMark{*life};
  {
    // start() waits for this: its caller may stop and delete the object at once, which is
    // only safe once the new thread is inside run() and follows the object's stop protocol.
    std::lock_guard<std::mutex> lock(life->mutex);
    life->entered = true;
  }
  life->changed.notify_all();
  int result = life->object->run();
  return reinterpret_cast<void*>(static_cast<intptr_t>(result));
}

int Thread::start() {
  std::shared_ptr<Life> life = std::make_shared<Life>(this);
  auto* handOver = new std::shared_ptr<Life>(life);
  // Held until the fields below are set: run() may call self(), cancel() or exit() at once.
  std::unique_lock<std::mutex> lock(life->mutex);
  pthread_t id;
  int rc = pthread_create(&id, nullptr, &Thread::runThread, handOver);
  if (rc != 0) {
    delete handOver;
    return rc;
  }
  life_ = life;
  threadId_ = id;
  running_ = 1;
  detached_ = 0;
  joined_ = false;
  life->changed.wait(lock, [&life] { return life->entered; });
  return 0;
}

int Thread::join() {
  // A detached thread cannot be joined (and may be gone already): see waitUntilEnded().
  if (!running_ || joined_ || detached_) return -1;
  int rc = pthread_join(threadId_, nullptr);
  if (rc == 0) {
    detached_ = 0;
    joined_ = true;
  }
  return rc;
}

int Thread::waitUntilEnded() {
  if (!running_) return -1;
  if (joined_) return 0;
  if (calledFromOwnThread()) return EDEADLK;
  std::unique_lock<std::mutex> lock(life_->mutex);
  life_->changed.wait(lock, [this] { return life_->ended; });
  return 0;
}

int Thread::detach() {
  if (!running_ || detached_ || joined_) return -1;
  int rc = pthread_detach(threadId_);
  if (rc == 0) detached_ = 1;
  return rc;
}

int Thread::cancel() {
  if (!running_ || threadId_ == 0 || joined_) return -1;
  std::lock_guard<std::mutex> lock(life_->mutex);
  // An ended detached thread may have exited, and its id may name another thread now.
  if (life_->ended && detached_) return ESRCH;
  return pthread_cancel(threadId_);
}

int Thread::exit() {
  if (!running_) return -1;
  pthread_exit(nullptr);
}

pthread_t Thread::self() { return threadId_; }

bool Thread::calledFromOwnThread() { return pthread_equal(pthread_self(), threadId_) != 0; }
