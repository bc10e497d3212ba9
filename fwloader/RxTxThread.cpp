#include "RxTxThread.h"

#include <unistd.h>

#include <cstdio>

#include "CBootLoader.h"

namespace {
// A pass that found nothing to do costs a core at full speed; a 100 us pause is far
// below the time of one byte at 19200 Bd (520 us), so no reply is answered later.
constexpr useconds_t kPassPauseUs = 100;
}  // namespace

RxTxThread::RxTxThread(CBootLoader* owner) : owner_(owner), stop_(true) {}

RxTxThread::~RxTxThread() {
  stopRxTxThread();
  if (!isCurrentThread()) join();
}

int RxTxThread::startRxTxThread() {
  {
    std::lock_guard<std::mutex> lock(stopMutex_);
    stop_ = false;
  }
  return start();
}

void RxTxThread::stopRxTxThread() {
  std::lock_guard<std::mutex> lock(stopMutex_);
  stop_ = true;
}

bool RxTxThread::getThreadRunning() {
  std::lock_guard<std::mutex> lock(stopMutex_);
  return !stop_;
}

bool RxTxThread::terminate() {
  stopRxTxThread();
  return getThreadRunning();
}

bool RxTxThread::isCurrentThread() { return pthread_equal(pthread_self(), self()) != 0; }

int RxTxThread::run() {
  while (getThreadRunning()) {
    owner_->rxtxTask();
    usleep(kPassPauseUs);
  }
  std::printf("RxTxThread::End Loop, stop/exit now\n");
  std::fflush(stdout);
  return 0;
}
