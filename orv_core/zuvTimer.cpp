#include "zuvTimer.h"

#include <atomic>
#include <ctime>

#include "orvPlatform.h"

namespace {
constexpr int64_t kWrapSeconds = 1048576;
constexpr int kWrapMs = 1048576000;
constexpr int kWaitStepMs = 5;
std::atomic<int64_t> milliSourceOffset{0};
}  // namespace

zuvTimer::zuvTimer()
    : startTime_(0), deadline_(0), lastValue_(0), countdownLength_(0), started_(false) {}

zuvTimer::~zuvTimer() = default;

bool zuvTimer::isStarted() { return started_; }

void zuvTimer::setMilliSourceOffset(int64_t offsetMs) { milliSourceOffset = offsetMs; }

int zuvTimer::getMilliCount() {
  int64_t ms = orv::monotonicMs() + milliSourceOffset.load();
  int64_t seconds = ms / 1000;
  return static_cast<int>((seconds % kWrapSeconds) * 1000 + ms % 1000);
}

int zuvTimer::getMilliSpan(int earlierCount) {
  int span = getMilliCount() - earlierCount;
  if (span < 0) span += kWrapMs;
  return span;
}

int zuvTimer::start(int timeout) {
  startTime_ = getMilliCount();
  if (timeout > 0) {
    countdownLength_ = timeout;
    deadline_ = startTime_ + timeout;
  } else {
    countdownLength_ = 0;
    deadline_ = 0;
  }
  started_ = true;
  return 1;
}

void zuvTimer::stop() {
  if (!started_) return;
  startTime_ = 0;
  deadline_ = 0;
  lastValue_ = 0;
  countdownLength_ = 0;
  started_ = false;
}

int zuvTimer::restart() {
  int length = countdownLength_ < 0 ? 0 : countdownLength_;
  if (started_) stop();
  return start(length);
}

int zuvTimer::elapsed() {
  if (deadline_ != 0) {
    int remaining = countdownLength_ - getMilliSpan(startTime_);
    lastValue_ = remaining;
    if (remaining > 0) return remaining;
    if (started_) {
      startTime_ = 0;
      deadline_ = 0;
      countdownLength_ = 0;
      started_ = false;
    }
    lastValue_ = 0;
    return 0;
  }
  if (!started_) start(0);
  lastValue_ = getMilliSpan(startTime_);
  return lastValue_;
}

int zuvTimer::waitTimeout(int ms) {
  if (ms <= 0) return 0;
  if (started_) stop();
  start(ms);
  // Sleeps in short steps, never past what remains, until the countdown has run out: the
  // wait keeps its length and leaves the processor to the other threads (the board has
  // two cores, shared with the processing thread and the screen).
  int remaining;
  while ((remaining = elapsed()) != 0) {
    int step = remaining < kWaitStepMs ? remaining : kWaitStepMs;
    struct timespec pause = {0, static_cast<long>(step) * 1000000L};
    nanosleep(&pause, nullptr);
  }
  return 1;
}
