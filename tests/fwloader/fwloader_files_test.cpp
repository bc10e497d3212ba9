#include "fwloader_files.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "orv_test_sandbox.h"

namespace {
std::string numberedLines(int from, int to) {
  std::string out;
  for (int i = from; i <= to; ++i) out += "line " + std::to_string(i) + "\n";
  return out;
}
}  // namespace

TEST(FwloaderFiles, FileSearchByExtension) {
  TestSandbox box;
  box.write("/home/ORV/fw/a.hex", "");
  box.write("/home/ORV/fw/b.txt", "");
  box.write("/home/ORV/fw/c.hex", "");
  box.write("/home/ORV/fw/d.hex.bak", "");
  char name[256];
  std::set<std::string> found;
  for (int n = 1; n <= 2; ++n) {
    ASSERT_EQ(file_search("/home/ORV/fw/", ".hex", n, name), 0) << n;
    found.insert(name);
  }
  EXPECT_EQ(found, (std::set<std::string>{"a.hex", "c.hex"}));
  EXPECT_EQ(file_search("/home/ORV/fw/", ".hex", 3, name), -1);
  EXPECT_EQ(file_search("/home/ORV/none/", ".hex", 1, name), -1);

  EXPECT_EQ(copy_all_ext_files(".hex", "/home/ORV/fw/", "/ramdisk/", 5), 0);
  EXPECT_TRUE(box.exists("/ramdisk/a.hex"));
  EXPECT_TRUE(box.exists("/ramdisk/c.hex"));
  EXPECT_FALSE(box.exists("/ramdisk/b.txt"));
  EXPECT_EQ(copy_all_ext_files(".bin", "/home/ORV/fw/", "/ramdisk/", 5), -1);
}

TEST(FwloaderFiles, CopyProtectsOrOverwrites) {
  TestSandbox box;
  box.write("/home/ORV/src.txt", "new content\n");
  box.write("/home/ORV/dst.txt", "old content that is longer\n");
  EXPECT_EQ(c_file_copy("/home/ORV/src.txt", "/home/ORV/dst.txt", C_FILE_DONT_OVERWRITE), -1);
  EXPECT_EQ(box.read("/home/ORV/dst.txt"), "old content that is longer\n");
  EXPECT_EQ(c_file_copy("/home/ORV/src.txt", "/home/ORV/dst.txt", C_FILE_OVERWRITE), 0);
  EXPECT_EQ(box.read("/home/ORV/dst.txt"), "new content\n");
  EXPECT_EQ(c_file_copy("/home/ORV/missing.txt", "/home/ORV/x.txt", C_FILE_OVERWRITE), -1);
  EXPECT_FALSE(box.exists("/home/ORV/x.txt"));
  EXPECT_EQ(file_copy("src.txt", "/home/ORV/", "/ramdisk/"), 0);
  EXPECT_EQ(box.read("/ramdisk/src.txt"), "new content\n");

  EXPECT_EQ(file_exist("/home/ORV/src.txt"), 1);
  EXPECT_EQ(file_exist("/home/ORV/missing.txt"), 0);
  EXPECT_EQ(file_exist(nullptr), -1);
}

TEST(FwloaderFiles, LinesReadAndReplaced) {
  TestSandbox box;
  box.write("/home/ORV/cfg.txt", "first\nsecond line is long\nthird\n");
  char line[kFileLineMax];
  EXPECT_EQ(file_get_line("cfg.txt", "/home/ORV/", 1, line), 0);
  EXPECT_STREQ(line, "second line is long");
  EXPECT_EQ(file_get_line("cfg.txt", "/home/ORV/", 7, line), 0);
  EXPECT_STREQ(line, "");
  EXPECT_EQ(file_get_line("none.txt", "/home/ORV/", 0, line), -1);

  // The new line is shorter and holds a '%': written as text, no stale tail left.
  EXPECT_EQ(file_put_line("cfg.txt", "/home/ORV/", 1, "2nd %s %n"), 0);
  EXPECT_EQ(box.read("/home/ORV/cfg.txt"), "first\n2nd %s %n\nthird\n");
  EXPECT_EQ(file_put_line("cfg.txt", "/home/ORV/", 9, "nothing"), 0);
  EXPECT_EQ(box.read("/home/ORV/cfg.txt"), "first\n2nd %s %n\nthird\n");
  EXPECT_EQ(file_put_line("none.txt", "/home/ORV/", 0, "x"), -1);
}

TEST(FwloaderFiles, LineCountAndTrim) {
  TestSandbox box;
  EXPECT_EQ(get_dateline("journal.log", "/home/ORV/", 255, 1), 0);
  EXPECT_TRUE(box.exists("/home/ORV/journal.log"));

  box.write("/home/ORV/journal.log", numberedLines(1, 6001));
  EXPECT_EQ(get_dateline("journal.log", "/home/ORV/", 255, 1), 6001);
  EXPECT_EQ(get_dateline("journal.log", "/home/ORV/", 255, 6000), 2);
  EXPECT_EQ(Coupe_file("journal", "/home/ORV/", ".log", 6000, 1000), 0);
  EXPECT_EQ(box.read("/home/ORV/journal.log"), numberedLines(1002, 6001));

  box.write("/home/ORV/journal.log", numberedLines(1, 6000));
  EXPECT_EQ(Coupe_file("journal", "/home/ORV/", ".log", 6000, 1000), -1);
  EXPECT_EQ(box.read("/home/ORV/journal.log"), numberedLines(1, 6000));
}

TEST(FwloaderFiles, TextHelpersAndDiskSpace) {
  char number[] = "3,14,15";
  EXPECT_EQ(remplace_virgule(number), 7);
  EXPECT_STREQ(number, "3.14.15");
  char text[] = "abc\ndef\n";
  EXPECT_EQ(remplace_LF(text), text + 3);
  EXPECT_STREQ(text, "abc");
  char plain[] = "abc";
  EXPECT_EQ(remplace_LF(plain), nullptr);

  TestSandbox box;
  float available = -1, total = -1;
  EXPECT_EQ(file_system_space("/home/ORV", &available, &total), 0);
  EXPECT_GT(total, 0.0f);
  EXPECT_LE(available, total);
  EXPECT_EQ(file_system_space("/home/ORV/none", &available, &total), -1);
}
