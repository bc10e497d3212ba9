#include "ORV_fileManip.h"

#include <gtest/gtest.h>

#include "orv_utils.h"
#include <sys/stat.h>

#include <regex>
#include <thread>

#include "orv_test_sandbox.h"

namespace {

// Starts the program clock at a local time; it runs on in real time from there.
void startClockAt(const char* localTime) {
  setenv("ORV_CLOCK_START", localTime, 1);
  orv::resetWallClock();
}

std::string numberedLines(int first, int last) {
  std::string text;
  for (int i = first; i <= last; ++i) text += "line " + std::to_string(i) + "\n";
  return text;
}

int fileMode(const TestSandbox& box, const std::string& devicePath) {
  struct stat st {};
  return ::stat(box.path(devicePath).c_str(), &st) == 0 ? (st.st_mode & 07777) : -1;
}

}  // namespace

TEST(Journal, LineFormatOfEachEvent) {
  TestSandbox box;
  startClockAt("2024-01-31 08:05:09");
  ORV_fileManip files;
  struct Case {
    _EEventType code;
    const char *a, *b, *c;
    const char* tail;  // the line after its time stamp
  } cases[] = {
      {E_EVT_ORV_START, nullptr, nullptr, "V10.04.05", ";4;;;V10.04.05;"},
      {E_EVT_ACQ, "103", "", "AUTO", ";1;103;;AUTO;"},
      {122, "Nouvelle IP DHCP = ", "192.168.1.20", nullptr, ";122;Nouvelle IP DHCP = ;192.168.1.20;;"},
      // Texts are written unchanged: a ";" adds a field.
      {E_EVT_ACTION_WRITE_CONFIG, "CONFIG_X", "a;b", "NET", ";5000;CONFIG_X;a;b;NET;"},
  };
  for (const auto& c : cases) EXPECT_EQ(files.write_logfile(c.code, c.a, c.b, c.c), 1);

  std::vector<std::string> lines;
  ASSERT_EQ(files.readFile_All(ORV_fileManip::kJournalPath, &lines), 1);
  ASSERT_EQ(lines.size(), std::size(cases));
  for (size_t i = 0; i < lines.size(); ++i) {
    // The clock runs on while the test writes; the stamp is 08:05:09 or a few seconds on.
    EXPECT_TRUE(std::regex_match(lines[i], std::regex("31/01/2024;08:05:[01][0-9]" +
                                                      std::regex_replace(cases[i].tail,
                                                          std::regex("[.]"), "[.]"))))
        << lines[i];
  }
  EXPECT_EQ(box.read(ORV_fileManip::kJournalPath).back(), '\n');
}

TEST(Journal, ThreadsWritingAtOnceGiveWholeLines) {
  TestSandbox box;
  ORV_fileManip files;
  const int kThreads = 4, kEach = 250;
  std::vector<std::thread> writers;
  for (int t = 0; t < kThreads; ++t)
    writers.emplace_back([&files, t] {
      std::string origin(100, static_cast<char>('A' + t));
      for (int i = 0; i < kEach; ++i) files.write_logfile(5002, nullptr, nullptr, origin.c_str());
    });
  for (auto& w : writers) w.join();

  std::vector<std::string> lines;
  files.readFile_All(ORV_fileManip::kJournalPath, &lines);
  ASSERT_EQ(lines.size(), static_cast<size_t>(kThreads * kEach));
  std::regex whole("[0-9/]{10};[0-9:]{8};5002;;;(A{100}|B{100}|C{100}|D{100});");
  for (const auto& l : lines) ASSERT_TRUE(std::regex_match(l, whole)) << l;
}

TEST(Journal, MissingDataDirectoryIsReportedAsFailure) {
  TestSandbox box;
  std::system(("rm -rf '" + box.path("/home/ORV") + "'").c_str());
  ORV_fileManip files;
  EXPECT_EQ(files.write_logfile(E_EVT_ORV_START, nullptr, nullptr, "V10.04.05"), 0);
}

TEST(PurgeLines, KeepsTheNewestLinesPastTheLimit) {
  struct Case {
    int lines, maxLines, removeCount;
    int result, firstKept;  // firstKept 1: file unchanged
  } cases[] = {
      {6100, 6000, 1000, 1, 1101},  // start-up call on the journal: 5000 lines kept
      {6001, 6000, 1000, 1, 1002},
      {6000, 6000, 1000, 0, 1},     // at the limit: nothing done
      {17600, 17520, 2250, 1, 2331},  // hourly means file
  };
  for (const auto& c : cases) {
    TestSandbox box;
    box.write("/home/ORV/moy.msr", numberedLines(1, c.lines));
    ORV_fileManip files;
    EXPECT_EQ(files.purge_lines_file("/home/ORV/moy.msr", c.maxLines, c.removeCount), c.result);
    EXPECT_EQ(box.read("/home/ORV/moy.msr"), numberedLines(c.firstKept, c.lines)) << c.lines;
    EXPECT_TRUE(getDirFilesList("/home/ORV/moy.msr.tmp*").empty());  // no temporary left
  }
  TestSandbox box;
  ORV_fileManip files;
  EXPECT_EQ(files.purge_lines_file("/home/ORV/none.log", 1, 0), 0);
  EXPECT_EQ(files.purge_lines_file("", 1, 0), 0);
}

TEST(PurgeLines, JournalTrimLosesNoEventWrittenMeanwhile) {
  TestSandbox box;
  box.write(ORV_fileManip::kJournalPath, numberedLines(1, 20000));
  ORV_fileManip files;
  const int kEvents = 300;
  std::thread writer([&files] {
    for (int i = 0; i < kEvents; ++i)
      files.write_logfile(5003, std::to_string(i).c_str(), nullptr, "NET");
  });
  EXPECT_EQ(files.purge_lines_file(ORV_fileManip::kJournalPath, 6000, 1000), 1);
  writer.join();

  std::vector<std::string> lines;
  files.readFile_All(ORV_fileManip::kJournalPath, &lines);
  int events = 0;
  for (const auto& l : lines) events += l.find(";5003;") != std::string::npos;
  EXPECT_EQ(events, kEvents);
  EXPECT_LE(lines.size(), static_cast<size_t>(5000 + kEvents));
}

TEST(WriteToFile, ReplaceAppendAndMode) {
  TestSandbox box;
  ORV_fileManip files;
  const std::string p = "/home/ORV/script.sh";

  EXPECT_EQ(files.writeToFile(p.c_str(), "one\n", false, true), 1);
  EXPECT_EQ(fileMode(box, p), 0774);
  ::chmod(box.path(p).c_str(), 0600);
  EXPECT_EQ(files.writeToFile(p.c_str(), "two\n", true, true), 1);  // append keeps the mode
  EXPECT_EQ(fileMode(box, p), 0600);
  EXPECT_EQ(box.read(p), "one\ntwo\n");
  EXPECT_EQ(files.writeToFile(p.c_str(), "three\n", false, false), 1);  // a plain rewrite too
  EXPECT_EQ(fileMode(box, p), 0600);
  EXPECT_EQ(box.read(p), "three\n");
  EXPECT_TRUE(getDirFilesList(p + ".tmp*").empty());  // no temporary left

  EXPECT_EQ(files.writeToFile("", "x", false, true), 0);
  EXPECT_EQ(files.writeToFile(nullptr, "x", true, false), 0);
  EXPECT_EQ(files.writeToFile("/home/NOWHERE/f", "x", false, false), 0);
  EXPECT_FALSE(box.exists("/home/NOWHERE"));
}

TEST(ReadLines, FirstLinesAndAllLines) {
  TestSandbox box;
  ORV_fileManip files;
  using V = std::vector<std::string>;
  box.write("/home/ORV/one.txt", "only\n");
  box.write("/home/ORV/crlf.txt", "a\r\nb");
  box.write("/home/ORV/empty.txt", "");

  V v{"kept"};
  EXPECT_EQ(files.readFile_LinesNum("/home/ORV/one.txt", 2, &v), 1);
  EXPECT_EQ(v, (V{"kept", "only", ""}));
  EXPECT_EQ(files.readFile_LinesNum("/home/ORV/missing.txt", 2, &v), 0);
  EXPECT_EQ(v.size(), 3u);

  V all;
  EXPECT_EQ(files.readFile_All("/home/ORV/crlf.txt", &all), 1);
  EXPECT_EQ(all, (V{"a\r", "b"}));
  V none;
  EXPECT_EQ(files.readFile_All("/home/ORV/empty.txt", &none), 1);
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(files.readFile_All("/home/ORV/missing.txt", &none), 0);
  EXPECT_EQ(files.readFile_All("", &none), 0);
  EXPECT_TRUE(none.empty());
}

TEST(DayFile, NameFollowsTheLocalDate) {
  struct Case {
    const char* localTime;
    const char* name;
  } cases[] = {
      {"2024-01-31 23:59:59", "ORV_2024_01_31.msr"},
      {"2024-02-01 00:00:30", "ORV_2024_02_01.msr"},
      {"2025-12-09 12:00:00", "ORV_2025_12_09.msr"},
  };
  for (const auto& c : cases) {
    struct tm tm {};
    strptime(c.localTime, "%Y-%m-%d %H:%M:%S", &tm);
    tm.tm_isdst = -1;
    EXPECT_EQ(ORV_fileManip::measureMsrFileNameAt(mktime(&tm)), c.name);
  }
}

TEST(DayFile, RecordLineAndMidnight) {
  TestSandbox box;
  startClockAt("2024-01-31 23:59:58");
  ORV_fileManip files;
  EXPECT_EQ(files.getMeasureMsrFileName(), "ORV_2024_01_31.msr");
  ASSERT_EQ(files.write_mesurement_file("12.5;3.2;"), 1);
  EXPECT_TRUE(std::regex_match(box.read("/ramdisk/ORV_2024_01_31.msr"),
                               std::regex("2024-01-31 23:59:5[89];\t12[.]5;3[.]2;\n")));

  // Past midnight the name stays until the next record is written.
  startClockAt("2024-02-01 00:00:30");
  EXPECT_EQ(files.getMeasureMsrFileName(), "ORV_2024_01_31.msr");
  ASSERT_EQ(files.write_mesurement_file("1;"), 1);
  EXPECT_EQ(files.getMeasureMsrFileName(), "ORV_2024_02_01.msr");
  EXPECT_TRUE(box.exists("/ramdisk/ORV_2024_02_01.msr"));

  std::system(("rm -rf '" + box.path("/ramdisk") + "'").c_str());
  EXPECT_EQ(files.write_mesurement_file("1;"), 0);
}
