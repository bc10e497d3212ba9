// The I/O thread of the bootloader link: runs one transmit and one receive pass after
// the other until it is stopped.
#pragma once

#include <mutex>

#include "Thread.h"

class CBootLoader;

class RxTxThread : public Thread {
public:
  explicit RxTxThread(CBootLoader* owner);
  ~RxTxThread() override;

  int startRxTxThread();
  void stopRxTxThread();
  bool getThreadRunning();
  // Stops the loop and reports whether it still runs.
  bool terminate();
  // True when called on this thread.
  bool isCurrentThread();

  int run() override;

private:
  CBootLoader* owner_;
  bool stop_;
  std::mutex stopMutex_;
};
