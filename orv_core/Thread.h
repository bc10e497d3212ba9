// Base of the long-lived worker threads (processing, server exchange, storage clean-up):
// a thin layer over POSIX threads whose subclass supplies run().
//
// Cancellation is deferred (the POSIX default): a cancel takes effect only at a
// cancellation point such as sleep(), never inside malloc, stdio or a held mutex. Workers
// that must end on their own return from run().
//
// Lifetime: the object must outlive its thread's run(), detached or not. An owner that
// frees a started object stops its loop and calls waitUntilEnded() (or join()) first; once
// run() has left, the thread touches only a small state block it shares with the object,
// never the object itself.
#pragma once

#include <pthread.h>

#include <memory>

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

  // Waits until the thread has left run() (returned, exited or cancelled), joined or
  // detached alike. 0; -1 when never started; EDEADLK when called from the thread itself.
  int waitUntilEnded();

  virtual int run() = 0;

private:
  struct Life;  // shared by the object and its thread; outlives whichever ends last
  static void* runThread(void* life);
  bool calledFromOwnThread();

  pthread_t threadId_;
  int running_;
  int detached_;
  bool joined_;  // a joined thread is gone: the destructor must neither detach nor cancel it
  std::shared_ptr<Life> life_;
};
