// Millisecond stopwatch and countdown of the bus link, the firmware launcher, the flasher
// and the bench test.
//
// The millisecond count is (seconds modulo 1048576) x 1000 + milliseconds and so wraps
// every 1048576 s; spans correct one wrap. The seconds come from the monotonic clock, not
// the wall clock: the core sets the wall clock at start, and a step must not make a bus
// deadline expire at once or late.
#pragma once

#include <cstdint>

class zuvTimer {
public:
  zuvTimer();
  virtual ~zuvTimer();

  virtual bool isStarted();

  static int getMilliCount();
  static int getMilliSpan(int earlierCount);

  int start(int timeout);
  void stop();
  int restart();
  int elapsed();
  // Waits `ms` milliseconds (sleeping in steps of a few ms) and returns 1; 0 at once for
  // ms <= 0. A running timer is stopped first.
  int waitTimeout(int ms);

  // Shifts the millisecond source by `offsetMs` (tests: bring the wrap near).
  static void setMilliSourceOffset(int64_t offsetMs);

private:
  int startTime_;
  int deadline_;
  int lastValue_;
  int countdownLength_;
  bool started_;
};
