// One-shot storage clean-up: when the data directory's file system is full (44 MiB free or
// less), deletes every day measurement file "/home/ORV/ORV_*_*_*.msr" but today's, with
// the worker threads that were running paused meanwhile and resumed afterwards.
//
// Use: construct on the stack, start(), join(), destroy. The start-up report runs it before
// the core exists (no file services yet), the processing thread in its hourly work through
// the core, which passes its file services. The core's storage query (getStorageInfoSize)
// is readStorageFigures below, so that every "storage full" test follows one rule.
#pragma once

#include "Thread.h"

class ORV_fileManip;

class storageThread : public Thread {
public:
  static constexpr int kStorageFullMiB = 44;
  static constexpr const char* kDayFilePattern = "/home/ORV/ORV_*_*_*.msr";

  // `files`: the file services when they exist; their current day file is kept.
  explicit storageThread(ORV_fileManip* files = nullptr);
  ~storageThread() override;

  // The clean-up; it ends by returning (0), never by cancelling itself.
  int run() override;

  // Total size and free space of the file system holding "/home/ORV/", MiB (truncated).
  // False when the free space cannot be read (then both are 0, and nothing is deleted).
  static bool readStorageFigures(int* totalMiB, int* freeMiB);
  static bool isStorageFull(int freeMiB) { return freeMiB <= kStorageFullMiB; }

private:
  ORV_fileManip* files_;
};
