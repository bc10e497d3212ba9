// Base of the long-lived worker threads (processing, server exchange, storage clean-up):
// a thin layer over POSIX threads whose subclass supplies run().
//
// Cancellation is deferred (the POSIX default): a cancel takes effect only at a
// cancellation point such as sleep(), never inside malloc, stdio or a held mutex. Workers
// that must end on their own return from run().
#pragma once

#include <pthread.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

class Thread {
public:
  Thread();
  virtual ~Thread();

  int start();
  int join();
  int detach();
  int cancel();
  int exit();
  pthread_t self();

  virtual int run() = 0;

private:
  static void* runThread(void* object);

  pthread_t threadId_;
  int running_;
  int detached_;
  bool joined_;  // a joined thread is gone: the destructor must neither detach nor cancel it
  // Set once run() has returned: a finished thread's id may already be reused, so it is
  // never cancelled.
  std::atomic<bool> finished_;
  // Start handshake: start() returns once the new thread is about to call run().
  std::mutex startMutex_;
  std::condition_variable startCond_;
  bool entered_;
};
