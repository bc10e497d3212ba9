#include "modules_Upgrade.h"

#include <gtest/gtest.h>

#include <string>

#include "orv_test_sandbox.h"
#include "support/FakeBootloaderPort.h"

namespace {
const std::string kExample =
    ":020000041D00DD\n:1000000000112233445566778899AABBCCDDEEFFF8\n"
    ":050010000102030405DC\n:00000001FF\n";
const std::string kMesure = "/home/ORV/firmware/module_MESURE.v10.01.hex";

// The sequence's waits and retry spacings shrunk a hundredfold: the counts and the
// order of events stay those of a real run.
FlasherTiming fastTiming() {
  FlasherTiming t;
  t.bootFrameDelayMs = 5;
  t.bootFrameDrainMs = 5;
  t.searchDelayMs = 5;
  t.leaveWaitMs = 20;
  t.shortRetryMs = 3;
  t.longRetryMs = 8;
  t.stallLimitMs = 500;
  return t;
}

struct FlashRun {
  int status = -1;
  bool started = false;
  std::shared_ptr<BootloaderModel> module;
  std::shared_ptr<FakeBootloaderPort::Record> line;
};

// One flasher run against a scripted bootloader on an in-memory line.
FlashRun flash(const BootloaderScript& script, int id, const std::string& path,
          bool portOpens = true) {
  FlashRun r;
  r.module = std::make_shared<BootloaderModel>(script);
  r.line = std::make_shared<FakeBootloaderPort::Record>();
  auto port = std::make_unique<FakeBootloaderPort>(r.module, r.line);
  port->failOpen = !portOpens;
  modules_Upgrade upgrade(std::move(port), fastTiming());
  r.started = upgrade.initModules_Upgrade(id, path) == 1;
  if (!r.started) return r;
  r.status = upgrade.waitFlashingFinished();
  upgrade.closeModules_Upgrade();
  return r;
}

BootloaderScript module(const std::string& letters, int silentFrom = 0, int crcBad = 0) {
  BootloaderScript s;
  s.letters = letters;
  s.silentFrom = silentFrom;
  s.crcBad = crcBad;
  return s;
}

class FlasherTest : public ::testing::Test {
protected:
  void SetUp() override { box.write(kMesure, kExample); }
  TestSandbox box;
};
}  // namespace

TEST_F(FlasherTest, GoodFileIsFlashedAndConfirmed) {
  BootloaderScript s = module("ME");
  s.startsInBootloader = false;  // enters it on the module-bus request of address 1
  FlashRun r = flash(s, 1, kMesure);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.module->bootFrames, 1);
  EXPECT_EQ(r.line->writes[0],
            (std::vector<uint8_t>{0x01, 0x01, 0x00, 0x12, 0x73, 0x32, 0x12, 0x00}));
  EXPECT_EQ(r.line->writeBauds[0], 9600u);
  EXPECT_EQ(r.line->writeBauds.back(), 19200u);
  EXPECT_EQ(r.module->commands[1], 1);
  EXPECT_EQ(r.module->commands[2], 1);
  EXPECT_EQ(r.module->commands[3], 1);
  EXPECT_EQ(r.module->recordsInLastFrame, 4);
  EXPECT_EQ(r.module->commands[4], 1);
  EXPECT_EQ(r.module->crcPassed, 1);
  EXPECT_EQ(r.module->commands[7], 1);
  EXPECT_EQ(r.module->lastCrcStart, 0x9D000000u);
  EXPECT_EQ(r.module->lastCrcLength, 22u);
  EXPECT_EQ(r.module->lastCrcExpected, 0x25BB);
  // The module's flash holds the file's data over the flashed range.
  const uint8_t data[21] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA,
                            0xBB, 0xCC, 0xDD, 0xEE, 0xFF, 0x01, 0x02, 0x03, 0x04, 0x05};
  for (uint32_t i = 0; i < 21; ++i)
    EXPECT_EQ(r.module->flashByte(0x9D000000 + i), data[i]) << i;
  EXPECT_EQ(r.line->writesWithoutDriver, 0);
  EXPECT_FALSE(r.line->driverOn);
}

TEST_F(FlasherTest, BootModeFrameByAddress) {
  struct Case {
    int id;
    std::vector<uint8_t> frame;  // empty: nothing sent before the bootloader search
  } cases[] = {
      {5, {0x05, 0x01, 0x00, 0x6F, 0x49, 0x9D, 0x6F, 0x00}},
      {6, {0x06, 0x01, 0x00, 0x3D, 0xFE, 0xE7, 0x3D, 0x00}},
      {8, {0x08, 0x01, 0x00, 0x3D, 0xFE, 0xE7, 0x3D, 0x00}},
      {10, {0x0A, 0x01, 0x00, 0x58, 0xFD, 0xDB, 0x58, 0x00}},
      {2, {}}, {9, {}}, {11, {}}, {0, {}}, {-3, {}},
  };
  for (const Case& c : cases) {
    FlashRun r = flash(module("ME"), c.id, kMesure);
    EXPECT_EQ(r.status, 0) << c.id;
    if (c.frame.empty()) {
      EXPECT_EQ(r.line->writeBauds[0], 19200u) << c.id;
    } else {
      EXPECT_EQ(r.line->writes[0], c.frame) << c.id;
      EXPECT_EQ(r.line->writeBauds[0], 9600u) << c.id;
    }
  }
}

// Every exit status reached by a scripted module, and the command traffic it leaves.
TEST_F(FlasherTest, ExitStatusPerScenario) {
  box.write("/home/ORV/firmware/any/fw.hex", kExample);
  box.write("/home/ORV/firmware/any/ZZ_fw.hex", kExample);
  box.write("/home/ORV/firmware/module_MESURE.v2.hex", ":020000041D00DD\n:0500100001020304050C\n");
  box.write("/home/ORV/firmware/module_MESURE.v3.hex", "");
  std::string crlf;
  for (char ch : kExample) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
  box.write("/home/ORV/firmware/module_MESURE.v4.hex", crlf);
  box.write("/home/ORV/firmware/module_MESURE.v5.hex",
            kExample.substr(0, 16) + "\n" + kExample.substr(16));
  box.write("/home/ORV/firmware/module_MESURE.v6.hex", kExample + ":00000007F9\n");
  struct Case {
    const char* what;
    BootloaderScript script;
    std::string path;
    int status;
    int erases, crcRequests, leaves;  // frames the module received
  } cases[] = {
      {"CRC confirmed", module("ME"), kMesure, 0, 1, 1, 1},
      {"unknown letters, path holds them", module("ZZ"), "/home/ORV/firmware/any/ZZ_fw.hex",
       0, 1, 1, 1},
      {"module never answers", module("ME", 1), kMesure, 2, 0, 0, 0},
      {"erase never answered", module("ME", 2), kMesure, 3, 33, 0, 0},
      {"program never answered", module("ME", 3), kMesure, 4, 11, 0, 0},
      {"CRC never answered", module("ME", 4), kMesure, 5, 11, 33, 0},
      {"CRC always wrong", module("ME", 0, -1), kMesure, 5, 1, 4, 0},
      {"CRC wrong once", module("ME", 0, 1), kMesure, 0, 1, 2, 1},
      {"file for another module type", module("HP"), kMesure, 6, 0, 0, 1},
      {"file does not exist", module("ME"), "/home/ORV/firmware/module_MESURE.v9.hex", 6, 0, 0,
       1},
      {"CRLF file", module("ME"), "/home/ORV/firmware/module_MESURE.v4.hex", 0, 1, 1, 1},
      {"blank line between records", module("ME"), "/home/ORV/firmware/module_MESURE.v5.hex",
       0, 1, 1, 1},
      {"file without records", module("ME"), "/home/ORV/firmware/module_MESURE.v3.hex", 6, 0,
       0, 1},
      {"file with a bad checksum", module("ME"), "/home/ORV/firmware/module_MESURE.v2.hex", 6,
       0, 0, 1},
      {"file with a record the CRC would not cover", module("ME"),
       "/home/ORV/firmware/module_MESURE.v6.hex", 6, 0, 0, 1},
      {"no .hex in the path", module("ME"), "/home/ORV/firmware/module_MESURE.v10.bin", 6, 0, 0,
       1},
      {"unknown letters not in the path", module("ZZ"), "/home/ORV/firmware/any/fw.hex", 7, 0,
       0, 1},
  };
  for (const Case& c : cases) {
    FlashRun r = flash(c.script, 0, c.path);
    EXPECT_EQ(r.status, c.status) << c.what;
    EXPECT_EQ(r.module->commands[2], c.erases) << c.what;
    EXPECT_EQ(r.module->commands[4], c.crcRequests) << c.what;
    EXPECT_EQ(r.module->commands[7], c.leaves) << c.what;
    EXPECT_EQ(r.module->badFrames, 0) << c.what;
    EXPECT_EQ(r.module->crcPassed, c.status == 0 ? 1 : 0) << c.what;
  }
}

TEST_F(FlasherTest, SilentModuleGetsThirtyThreeBootInformationRequests) {
  FlashRun r = flash(module("ME", 1), 0, kMesure);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.module->commands[1], 33);
}

TEST_F(FlasherTest, CrcMismatchesReprogramWithoutErase) {
  FlashRun r = flash(module("ME", 0, -1), 0, kMesure);
  EXPECT_EQ(r.status, 5);
  EXPECT_EQ(r.module->programPasses, 4);
  EXPECT_EQ(r.module->commands[3], 4);
}

TEST_F(FlasherTest, FailuresAreNeverReportedAsSuccess) {
  // The status is read the moment the link closes: repeat the terminal failures.
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(flash(module("ME", 4), 0, kMesure).status, 5) << i;
    EXPECT_EQ(flash(module("ME", 0, -1), 0, kMesure).status, 5) << i;
    EXPECT_EQ(flash(module("ME", 3), 0, kMesure).status, 4) << i;
  }
}

TEST_F(FlasherTest, StartFailures) {
  FlashRun empty = flash(module("ME"), 1, "");
  EXPECT_FALSE(empty.started);
  EXPECT_EQ(empty.line->opens, 0);
  EXPECT_FALSE(flash(module("ME"), 0, kMesure, false).started);
}
