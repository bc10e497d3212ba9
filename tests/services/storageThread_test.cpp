#include "storageThread.h"

#include <gtest/gtest.h>

#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_fileManip.h"
#include "orv_classPtr.h"
#include "orv_test_sandbox.h"

namespace {

const long long kMiB = 1048576;
const char* const kPastDays[] = {"/home/ORV/ORV_2024_01_01.msr", "/home/ORV/ORV_2024_01_02.msr",
                                 "/home/ORV/ORV_2024_01_03.msr"};
const char kToday[] = "/home/ORV/ORV_2024_01_04.msr";
const char kMeans[] = "/home/ORV/moy.msr";  // not a day file: never deleted

// File services that note the worker threads' pause flags when the clean-up asks them for
// today's name, which it does while it deletes.
class PauseObservingFiles : public ORV_fileManip {
public:
  std::string getMeasureMsrFileName() override {
    orv_classPtr* r = Singleton<orv_classPtr>::ptr();
    ORV_ProcThread* proc = r->procThread;
    ORV_UpdThread* upd = r->updThread;
    procPausedDuring = proc && proc->get_sleepThreadState();
    updPausedDuring = upd && upd->get_sleepThreadState();
    return ORV_fileManip::getMeasureMsrFileName();
  }
  bool procPausedDuring = false;
  bool updPausedDuring = false;
};

class StorageCleanup : public ::testing::Test {
protected:
  void SetUp() override {
    setenv("ORV_CLOCK_START", "2024-01-04 10:00:00", 1);
    orv::resetWallClock();
    for (const char* f : kPastDays) box.write(f, "x\n");
    box.write(kToday, "x\n");
    box.write(kMeans, "x\n");
  }
  void TearDown() override {
    Singleton<orv_classPtr>::ptr()->procThread = nullptr;
    Singleton<orv_classPtr>::ptr()->updThread = nullptr;
  }
  void setFreeBytes(long long freeBytes) const {
    box.write("/platform_stub/diskspace",
              std::to_string(freeBytes) + " " + std::to_string(100 * kMiB) + "\n");
  }
  // Runs one clean-up as its callers do; returns what it printed.
  std::string runCleanup(ORV_fileManip* files) {
    testing::internal::CaptureStdout();
    storageThread cleanup(files);
    EXPECT_EQ(cleanup.start(), 0);
    EXPECT_EQ(cleanup.join(), 0);
    return testing::internal::GetCapturedStdout();
  }

  TestSandbox box;
};

}  // namespace

TEST_F(StorageCleanup, DeletesPastDayFilesOnlyWhenFull) {
  struct Case {
    const char* what;
    long long freeBytes;
    bool withFileServices;  // false: the start-up run, before the core exists
    bool pastDeleted;
  } cases[] = {
      {"44 MiB free", 44 * kMiB, true, true},
      {"just under 45 MiB", 45 * kMiB - 1, true, true},
      {"nothing free", 0, true, true},
      {"44 MiB at start-up", 44 * kMiB, false, true},
      {"45 MiB free", 45 * kMiB, true, false},
      {"45 MiB at start-up", 45 * kMiB, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    setFreeBytes(c.freeBytes);
    ORV_fileManip files;
    std::string out = runCleanup(c.withFileServices ? &files : nullptr);
    for (const char* f : kPastDays) EXPECT_EQ(box.exists(f), !c.pastDeleted) << f;
    EXPECT_TRUE(box.exists(kToday));
    EXPECT_TRUE(box.exists(kMeans));
    EXPECT_NE(out.find("storageThread::run() START\n"), std::string::npos) << out;
    EXPECT_NE(out.find("storageThread::END\n"), std::string::npos) << out;
  }
}

TEST_F(StorageCleanup, PrintsFiguresAndEachDeletionWithItsPosition) {
  setFreeBytes(44 * kMiB);
  std::string out = runCleanup(nullptr);
  EXPECT_NE(out.find("[storageThread] Espace de Stockage (libre/total): 44Mo/100Mo\n"),
            std::string::npos) << out;
  for (int i = 0; i < 3; ++i)
    EXPECT_NE(out.find("[" + std::to_string(i) + "]= " + kPastDays[i] + "\n"),
              std::string::npos) << out;
  EXPECT_EQ(out.find("[3]="), std::string::npos) << out;  // today's, at position 3, kept
}

TEST_F(StorageCleanup, KeepsTheFileServicesDayFileJustAfterMidnight) {
  // The file services' name is set until the first record after midnight: yesterday's.
  setenv("ORV_CLOCK_START", "2024-01-03 23:59:59", 1);
  orv::resetWallClock();
  ORV_fileManip files;
  setenv("ORV_CLOCK_START", "2024-01-04 00:00:30", 1);
  orv::resetWallClock();
  setFreeBytes(10 * kMiB);
  runCleanup(&files);
  EXPECT_TRUE(box.exists(kPastDays[2]));
  EXPECT_TRUE(box.exists(kToday));
  EXPECT_FALSE(box.exists(kPastDays[0]));
}

TEST_F(StorageCleanup, PausesRunningWorkersAndResumesOnlyThose) {
  struct Case {
    bool procPausedBefore, updPausedBefore;
  } cases[] = {{false, false}, {false, true}, {true, false}, {true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "proc paused " << c.procPausedBefore << ", upd paused "
                                    << c.updPausedBefore);
    SetUp();
    setFreeBytes(44 * kMiB);
    ORV_ProcThread proc;
    ORV_UpdThread upd;
    proc.change_sleepThreadState(c.procPausedBefore);
    upd.change_sleepThreadState(c.updPausedBefore);
    Singleton<orv_classPtr>::ptr()->procThread = &proc;
    Singleton<orv_classPtr>::ptr()->updThread = &upd;

    PauseObservingFiles files;
    runCleanup(&files);
    EXPECT_TRUE(files.procPausedDuring);
    EXPECT_TRUE(files.updPausedDuring);
    EXPECT_EQ(proc.get_sleepThreadState(), c.procPausedBefore);
    EXPECT_EQ(upd.get_sleepThreadState(), c.updPausedBefore);
    TearDown();
  }
}

TEST_F(StorageCleanup, RoomLeftTouchesNoWorker) {
  setFreeBytes(45 * kMiB);
  ORV_ProcThread proc;
  ORV_UpdThread upd;
  Singleton<orv_classPtr>::ptr()->procThread = &proc;
  Singleton<orv_classPtr>::ptr()->updThread = &upd;
  ORV_fileManip files;
  runCleanup(&files);
  EXPECT_FALSE(proc.get_sleepThreadState());
  EXPECT_FALSE(upd.get_sleepThreadState());
}

TEST(StorageFigures, MiBTruncatedAndUnreadableIsNotFull) {
  TestSandbox box;
  box.write("/platform_stub/diskspace", "46137343 104857599\n");  // 43.99 and 99.99 MiB
  int total = -1, free = -1;
  EXPECT_TRUE(storageThread::readStorageFigures(&total, &free));
  EXPECT_EQ(free, 43);
  EXPECT_EQ(total, 99);
  EXPECT_TRUE(storageThread::isStorageFull(44));
  EXPECT_FALSE(storageThread::isStorageFull(45));

  // No data file system to ask: unreadable, and then the clean-up deletes nothing.
  std::system(("rm -rf '" + box.path("/home/ORV") + "'").c_str());
  EXPECT_FALSE(storageThread::readStorageFigures(&total, &free));
  EXPECT_EQ(free, 0);
  testing::internal::CaptureStdout();
  storageThread cleanup;
  cleanup.start();
  cleanup.join();
  EXPECT_NE(testing::internal::GetCapturedStdout().find("illisible"), std::string::npos);
}
