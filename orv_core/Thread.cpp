#include "Thread.h"

#include <cstdint>

Thread::Thread()
    : threadId_(0), running_(0), detached_(0), joined_(false), finished_(false), entered_(false) {}

Thread::~Thread() {
  if (!running_ || joined_) return;
  if (!detached_) pthread_detach(threadId_);
  if (!finished_) pthread_cancel(threadId_);
}

void* Thread::runThread(void* object) {
  pthread_setcanceltype(PTHREAD_CANCEL_DEFERRED, nullptr);
  Thread* thread = static_cast<Thread*>(object);
  {
    // start() waits for this: its caller may stop and delete the object at once, which is
    // only safe once the new thread is inside run() and follows the object's stop protocol.
    std::lock_guard<std::mutex> lock(thread->startMutex_);
    thread->entered_ = true;
  }
  thread->startCond_.notify_all();
  int result = thread->run();
  thread->finished_ = true;
  return reinterpret_cast<void*>(static_cast<intptr_t>(result));
}

int Thread::start() {
  finished_ = false;
  entered_ = false;
  pthread_t id;
  int rc = pthread_create(&id, nullptr, &Thread::runThread, this);
  if (rc != 0) return rc;
  threadId_ = id;
  running_ = 1;
  joined_ = false;
  std::unique_lock<std::mutex> lock(startMutex_);
  startCond_.wait(lock, [this] { return entered_; });
  return 0;
}

int Thread::join() {
  // A detached thread cannot be waited for (and may be gone already).
  if (!running_ || joined_ || detached_) return -1;
  int rc = pthread_join(threadId_, nullptr);
  if (rc == 0) {
    detached_ = 0;
    joined_ = true;
  }
  return rc;
}

int Thread::detach() {
  if (!running_ || detached_ || joined_) return -1;
  int rc = pthread_detach(threadId_);
  if (rc == 0) detached_ = 1;
  return rc;
}

int Thread::cancel() {
  if (!running_ || threadId_ == 0 || joined_) return -1;
  return pthread_cancel(threadId_);
}

int Thread::exit() {
  if (!running_) return -1;
  pthread_exit(nullptr);
}

pthread_t Thread::self() { return threadId_; }
