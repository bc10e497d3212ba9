#include "orv_utils.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "orv_test_sandbox.h"

TEST(LinearRegression, KeepsTheScaledSlopeTheThresholdsAreCalibratedTo) {
  struct Case {
    std::vector<float> y;
    int rc;
    float slope, intercept;
  } cases[] = {
      {{100, 99, 98, 97}, 0, -0.5236f, 99.809f},
      {{100, 90, 80, 70}, 0, -6.4516f, 0},
  };
  const float x[] = {1, 2, 3, 4};
  for (const auto& c : cases) {
    float slope = 0, intercept = 0;
    EXPECT_EQ(linear_regression(x, c.y.data(), 4, &slope, &intercept), c.rc);
    EXPECT_NEAR(slope, c.slope, 1e-4);
    if (c.intercept != 0) {
      EXPECT_NEAR(intercept, c.intercept, 1e-3);
    }
  }
}

TEST(LinearRegression, RefusesTooFewPointsAndANonPositiveDivisor) {
  const float x[] = {1, 2, 3, 4}, flat[] = {2, 2, 2, 2};
  float slope = 7, intercept = 8;
  EXPECT_EQ(linear_regression(x, flat, 4, &slope, &intercept), -1);
  EXPECT_EQ(slope, 7);  // left as they were
  EXPECT_EQ(intercept, 8);
  EXPECT_EQ(linear_regression(x, flat, 1, &slope, &intercept), -1);
  EXPECT_EQ(slope, 0);
  EXPECT_EQ(intercept, 0);
}

TEST(Strings, Splitting) {
  using V = std::vector<std::string>;
  EXPECT_EQ(strsplit("a;;b", ';'), (V{"a", "", "b"}));
  EXPECT_EQ(strsplit("", ';'), (V{""}));
  EXPECT_EQ(strsplit("a;", ';'), (V{"a", ""}));
  EXPECT_EQ(string_split_stringDelim("a;;b", ";"), (V{"a", "b"}));
  EXPECT_EQ(string_split_multiCharDelim("a;b", ";"), (V{"a;", "b"}));
  EXPECT_EQ(string_split_multiCharDelim("1.5;2 3", "; "), (V{"1.5;", "2 ", "3"}));
  EXPECT_EQ(double_split_multiCharDelim("1.5;2 x", "; "), (std::vector<double>{1.5, 2, 0}));
  EXPECT_EQ(strsplit_toDdouble("0.5|0.5|", '|'), (std::vector<double>{0.5, 0.5, 0}));
  EXPECT_EQ(strjoin({}, ","), "");
  EXPECT_EQ(strjoin({"a", "b"}, "|"), "a|b");
  EXPECT_EQ(get_FileNameFromPath("moy.msr"), "");
  EXPECT_EQ(get_FileNameFromPath("/home/ORV/moy.msr"), "moy.msr");
  std::string s = "aXbXX";
  string_replaceChar(s, "X", "XX");  // inserted text is not searched again
  EXPECT_EQ(s, "aXXbXXXX");
  V v{"ORV1.msr", "moy.msr", "ORV2.msr"};
  filterVectorContainsStr(v, "ORV");
  EXPECT_EQ(v, (V{"ORV1.msr", "ORV2.msr"}));
  eraseVectorContainsStr(v, "1");
  EXPECT_EQ(v, (V{"ORV2.msr"}));
  EXPECT_EQ(calcule_moyenne_ref(nullptr, 0, 0), 0);
}

TEST(Files, HelpersWorkOnDevicePathsAndReportFailures) {
  TestSandbox box;
  box.write("/home/ORV/three.txt", "a\nb\nc");
  EXPECT_EQ(orvFileExist("/home/ORV/three.txt"), 1);
  EXPECT_EQ(orvFileExist(nullptr), 0);
  EXPECT_EQ(orvFileLineNum("/home/ORV/three.txt"), 2);
  EXPECT_EQ(orvFileCopy("/home/ORV/three.txt", "/ramdisk/copy.txt", 0), 1);
  EXPECT_EQ(box.read("/ramdisk/copy.txt"), "a\nb\nc");
  EXPECT_EQ(orvFileCopy("/home/ORV/missing", "/ramdisk/x", 0), 0);
  EXPECT_EQ(orvFileCopy("/home/ORV/three.txt", "/nodir/x", 0), 0);
  EXPECT_EQ(orvFileDelete("/home/ORV/missing"), 0);
  EXPECT_EQ(orvFileDelete("/ramdisk/copy.txt"), 1);
  EXPECT_EQ(orvFileRename("/home/ORV/three.txt", "/home/ORV/3.txt"), 1);
  EXPECT_EQ(getDirFilesList("/home/ORV/*.txt"), std::vector<std::string>{"/home/ORV/3.txt"});

  EXPECT_EQ(orvDirCreate("/home/ORV/sub"), 1);
  EXPECT_EQ(orvDirExist("/home/ORV/sub"), 1);
  EXPECT_EQ(orvDirCopy("/home/ORV/sub", "/home/ORV/sub2"), 1);
  box.write("/home/ORV/sub/f", "x");
  EXPECT_EQ(orvDirDelete("/home/ORV/sub"), 0);  // not empty: the directory stays, and says so
  EXPECT_EQ(orvDirExist("/home/ORV/sub"), 1);
  EXPECT_EQ(orvDirDelete("/home/ORV/sub2"), 1);
  EXPECT_EQ(getFreeDiskSize("/no/such/place"), 0);
  EXPECT_GT(getTotalDiskSize("/home/ORV"), 0);
  box.write("/platform_stub/diskspace", "46137344 134217728\n");  // 44 MiB of 128 MiB free
  EXPECT_EQ(getFreeDiskSize("/home/ORV"), 44);
  EXPECT_EQ(getTotalDiskSize("/home/ORV"), 128);
}

TEST(Files, CopyToAFullDeviceFails) {
  TestSandbox box;
  box.write("/home/ORV/data", std::string(10000, 'x'));
  std::string full = "/dev/full";
  if (access(full.c_str(), W_OK) != 0) GTEST_SKIP() << "no /dev/full here";
  std::system(("ln -s /dev/full '" + box.path("/ramdisk/full") + "'").c_str());
  EXPECT_EQ(orvFileCopy("/home/ORV/data", "/ramdisk/full", 0), 0);
}

namespace {
int modeOf(const TestSandbox& box, const std::string& devicePath) {
  struct stat st {};
  return ::stat(box.path(devicePath).c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}
}  // namespace

TEST(FileReplace, WritesTheWholeTextAndKeepsOrSetsTheMode) {
  TestSandbox box;
  const char* p = "/home/ORV/f.conf";
  EXPECT_EQ(orvFileReplace(p, "new\n"), 1);
  EXPECT_EQ(box.read(p), "new\n");
  ::chmod(box.path(p).c_str(), 0640);
  EXPECT_EQ(orvFileReplace(p, ""), 1);  // an empty text empties the file
  EXPECT_EQ(box.read(p), "");
  EXPECT_EQ(modeOf(box, p), 0640);
  EXPECT_EQ(orvFileReplace(p, "#!/bin/sh\n", 0774), 1);
  EXPECT_EQ(modeOf(box, p), 0774);
  EXPECT_EQ(orvFileReplace("/ramdisk/new.sh", "x", 0774), 1);
  EXPECT_EQ(modeOf(box, "/ramdisk/new.sh"), 0774);
  EXPECT_EQ(orv::captureCommand("ls -a /home/ORV"), ".\n..\nf.conf\n");  // no temporary left
}

TEST(FileReplace, AFailureLeavesWhatWasThere) {
  TestSandbox box;
  box.mkdirs("/home/ORV/dir.conf");
  box.write("/home/ORV/dir.conf/inside", "kept");
  EXPECT_EQ(orvFileReplace("/home/ORV/dir.conf", "x"), 0);  // a folder cannot be replaced
  EXPECT_EQ(box.read("/home/ORV/dir.conf/inside"), "kept");
  EXPECT_EQ(orvFileReplace("/home/ORV/nofolder/f", "x"), 0);
  EXPECT_EQ(orvFileReplace("", "x"), 0);
  EXPECT_EQ(orvFileReplace(nullptr, "x"), 0);
  EXPECT_EQ(orv::captureCommand("ls -a /home/ORV"), ".\n..\ndir.conf\n");
}

TEST(FileReplace, StepsOverTemporariesLeftByAnEarlierRun) {
  // After a power cut the program restarts with the same process id: the temporaries the
  // cut left behind must not block the next write, nor be taken for its own.
  TestSandbox box;
  const std::string p = "/home/ORV/config.conf";
  box.write(p, "old\n");
  for (int n = 0; n < 50; ++n)
    box.write(p + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(n), "stale");
  EXPECT_EQ(orvFileReplace(p.c_str(), "new\n"), 1);
  EXPECT_EQ(box.read(p), "new\n");
  EXPECT_EQ(box.read(p + ".tmp" + std::to_string(::getpid()) + "_0"), "stale");
}

TEST(FileReplace, RemovesTheTemporariesOfAWriterKilledMidWrite) {
  TestSandbox box;
  const std::string p = "/home/ORV/config.conf";
  box.write(p, "old\n");
  // A writer killed with SIGKILL between creating its temporary and renaming it.
  pid_t writer = ::fork();
  if (writer == 0) {
    std::ofstream(box.path(p) + ".tmp" + std::to_string(::getpid()) + "_3") << "half";
    ::kill(::getpid(), SIGKILL);
  }
  ASSERT_GT(writer, 0);
  ::waitpid(writer, nullptr, 0);
  const std::string dead = ".tmp" + std::to_string(writer) + "_3";
  box.write("/home/ORV/moy.msr" + dead, "another file's");
  box.write(p + ".tmp" + std::to_string(::getpid()) + "_9", "a write of this process");
  ASSERT_TRUE(box.exists(p + dead));

  EXPECT_EQ(orvFileReplace(p.c_str(), "new\n"), 1);
  EXPECT_EQ(box.read(p), "new\n");
  EXPECT_EQ(orv::captureCommand("ls /home/ORV"),
            "config.conf\nconfig.conf.tmp" + std::to_string(::getpid()) + "_9\nmoy.msr" + dead +
                "\n");
}

TEST(FileSync, FilesAndFolders) {
  TestSandbox box;
  box.write("/home/ORV/moy.msr", "1\n");
  EXPECT_EQ(orvFileSync("/home/ORV/moy.msr"), 1);
  EXPECT_EQ(orvFileSync("/home/ORV"), 1);
  EXPECT_EQ(orvFileSync("/home/ORV/missing"), 0);
  EXPECT_EQ(orvFileSync(""), 0);
  EXPECT_EQ(orvFileSync(nullptr), 0);
}

TEST(VersionTexts, ComeFromTheKernelAndTheBootLog) {
  TestSandbox box;
  EXPECT_EQ(read_KernelVersion(), "2.6.35.3-orv-host");
  EXPECT_EQ(read_DM9000_version(), "DM9000-X");
  box.scriptStub("dmesg", 0, "eth0: dm9000b at c4870000\n");
  EXPECT_EQ(read_DM9000_version(), "DM9000-B");
}

TEST(Cli, Regress) {
  TestSandbox box;
  auto r = box.cli("regress 1,2,3,4 100,99,98,97");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("slope=-0.5236"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("intercept=99.809"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("rc=0"), std::string::npos);
  r = box.cli("regress 1,2,3,4 2,2,2,2");
  EXPECT_NE(r.out.find("rc=-1"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("slope=0.0000\n"), std::string::npos) << r.out;
}

TEST(Files, CopyReplaceLeavesTheOldCopyWholeOnFailure) {
  TestSandbox box;
  box.write("/ramdisk/day.msr", "line 1\nline 2\n");
  box.write("/home/ORV/day.msr", "line 1\n");
  EXPECT_EQ(orvFileCopyReplace("/ramdisk/day.msr", "/home/ORV/day.msr"), 1);
  EXPECT_EQ(box.read("/home/ORV/day.msr"), "line 1\nline 2\n");
  EXPECT_EQ(orvFileCopyReplace("/ramdisk/missing.msr", "/home/ORV/day.msr"), 0);
  EXPECT_EQ(orvFileCopyReplace("/ramdisk", "/home/ORV/day.msr"), 0);  // unreadable: a folder
  EXPECT_EQ(box.read("/home/ORV/day.msr"), "line 1\nline 2\n");
}
