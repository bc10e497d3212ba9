#include "firmwareLauncher.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "FirmwareStandInCore.h"
#include "orv_test_sandbox.h"
#include "orvbus_sim.h"

namespace {

const std::string kDir = "/home/ORV/firmware/";

// The flasher's stand-in: one line per run, "argc|ADDR|PATH", and the exit status of that
// run from line N of fwloader.status (0 when there is none).
const char* const kFlasherStub = R"(#!/bin/sh
log="$ORV_ROOT/fwloader.log"
n=$(( $(cat "$log" 2>/dev/null | wc -l) + 1 ))
printf '%s|%s|%s\n' "$#" "$1" "$2" >> "$log"
status=$(sed -n "${n}p" "$ORV_ROOT/fwloader.status" 2>/dev/null)
exit ${status:-0}
)";

// The module centre's answers per module type 0..5.
struct FakeModules : FirmwareModules {
  unsigned char state[6] = {};
  float version[6] = {};
  int busId[6] = {1, 5, 6, 7, 8, 0};
  unsigned char isModul_connected(int t) override { return t >= 0 && t < 6 ? state[t] : 0; }
  float Modul_firmVersion(int t) override { return t >= 0 && t < 6 ? version[t] : 0.0f; }
  int getModul_rs485_id(int t) override { return t >= 0 && t < 6 ? busId[t] : 0; }
  void connect(int type, float v) {
    state[type] = 1;
    version[type] = v;
  }
};

struct FlashBench {
  FlashBench() {
    box.write("/usr/bin/fwloader", kFlasherStub);
    chmod(box.path("/usr/bin/fwloader").c_str(), 0755);
  }
  void firmware(const std::string& name) { box.write(kDir + name, ":00000001FF\n"); }
  // Runs one job with no final wait; returns its last report.
  FirmwareStandInCore::Report run(int mode = 1) {
    orvbus::modules_Upgrade job(mode, &core, &modules, 0);
    EXPECT_TRUE(job.isFlashingFinished());
    EXPECT_FALSE(core.reports().empty());
    return core.reports().empty() ? FirmwareStandInCore::Report{{}, -1} : core.reports().back();
  }
  std::vector<std::string> runs() const {
    std::vector<std::string> lines;
    std::istringstream in(box.read("/fwloader.log"));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  TestSandbox box;
  FakeModules modules;
  FirmwareStandInCore core;
};

TEST(modules_Upgrade, reportsAtOnceWhenThereIsNoFirmware) {
  const struct {
    const char* what;
    const char* file;  // nullptr: no firmware directory at all
  } cases[] = {{"no directory", nullptr}, {"empty directory", ""}, {"no .hex file", "notes.txt"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FlashBench bench;
    bench.modules.connect(0, 10.0f);
    if (c.file) bench.box.mkdirs("/home/ORV/firmware");
    if (c.file && *c.file) bench.firmware(c.file);
    FirmwareStandInCore::Report report = bench.run();
    EXPECT_EQ(bench.core.reports().size(), 1u);
    EXPECT_TRUE(report.types.empty());
    EXPECT_EQ(report.failingBusAddress, 0);
    EXPECT_TRUE(bench.runs().empty());
  }
}

TEST(modules_Upgrade, flashesOnlyTheModuleThatANewerFileIsMeantFor) {
  FlashBench bench;
  bench.modules.connect(0, 10.0f);  // V2 card
  bench.modules.connect(1, 2.0f);   // HPF module
  bench.firmware("module_MESURE.v10.01.hex");
  bench.firmware("module_HPF.v1.5.hex");
  FirmwareStandInCore::Report report = bench.run();
  EXPECT_EQ(bench.runs(), std::vector<std::string>{"2|1|/home/ORV/firmware/module_MESURE.v10.01.hex"});
  EXPECT_FALSE(bench.box.exists(kDir + "module_MESURE.v10.01.hex"));
  EXPECT_TRUE(bench.box.exists(kDir + "module_HPF.v1.5.hex"));
  EXPECT_EQ(report.types, std::vector<int>{0});
  EXPECT_EQ(report.failingBusAddress, 0);
}

TEST(modules_Upgrade, oneEnergieFileServesEveryModuleAndAFailureStopsTheJob) {
  const struct {
    const char* statuses;  // exit status of each run in turn
    std::vector<std::string> runs;
    int failing;
    bool fileKept;
  } cases[] = {
      {"", {"6", "7", "8"}, 0, false},
      {"0\n3\n", {"6", "7"}, 7, true},
      {"1\n", {"6"}, 6, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.statuses);
    FlashBench bench;
    for (int type = 2; type <= 4; ++type) bench.modules.connect(type, 1.0f);
    bench.firmware("module_ENERGIE.v1.2.hex");
    bench.box.write("/fwloader.status", c.statuses);
    FirmwareStandInCore::Report report = bench.run();
    std::vector<std::string> runs;
    for (const auto& address : c.runs)
      runs.push_back("2|" + address + "|/home/ORV/firmware/module_ENERGIE.v1.2.hex");
    EXPECT_EQ(bench.runs(), runs);
    EXPECT_EQ(report.failingBusAddress, c.failing);
    EXPECT_EQ(report.types, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(bench.box.exists(kDir + "module_ENERGIE.v1.2.hex"), c.fileKept);
  }
}

TEST(modules_Upgrade, aFileIsTakenOnlyForAnOlderFirmwareOfTheSameLine) {
  const struct {
    const char* what;
    int type;
    float installed;
    unsigned char state;
    int busId;
    const char* file;
    bool flashed;
  } cases[] = {
      {"newer HPF firmware", 1, 1.4f, 1, 5, "module_HPF.v1.5.hex", true},
      {"line 9 file for a line 10 module", 1, 10.2f, 1, 5, "module_HPF.v9.9.hex", false},
      {"line 10 file for a line 9 module", 1, 9.0f, 1, 5, "module_HPF.v10.3.hex", false},
      {"card at 9.5", 0, 9.5f, 1, 1, "module_MESURE.v10.01.hex", false},
      {"same version", 0, 10.01f, 1, 1, "module_MESURE.v10.01.hex", false},
      {"no version known", 0, 0.0f, 1, 1, "module_MESURE.v10.01.hex", false},
      {"module lost", 0, 10.0f, 2, 1, "module_MESURE.v10.01.hex", false},
      {"no bus address", 0, 10.0f, 1, 0, "module_MESURE.v10.01.hex", false},
      {"name without a version", 0, 10.0f, 1, 1, "module_MESURE.vX.hex", false},
      {"file of another type", 0, 10.0f, 1, 1, "module_HPF.v10.5.hex", false},
      {"unknown file", 0, 10.0f, 1, 1, "module_OTHER.v11.0.hex", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FlashBench bench;
    bench.modules.state[c.type] = c.state;
    bench.modules.version[c.type] = c.installed;
    bench.modules.busId[c.type] = c.busId;
    bench.firmware(c.file);
    FirmwareStandInCore::Report report = bench.run();
    EXPECT_EQ(bench.runs().size(), c.flashed ? 1u : 0u);
    EXPECT_EQ(report.types.size(), c.flashed ? 1u : 0u);
    EXPECT_NE(bench.box.exists(kDir + c.file), c.flashed);
  }
}

TEST(modules_Upgrade, aFileNameIsHandedToTheFlasherAsDataNeverAsShellText) {
  FlashBench bench;
  char here[4096];
  ASSERT_NE(getcwd(here, sizeof here), nullptr);
  ASSERT_EQ(chdir(bench.box.root().c_str()), 0);
  bench.modules.connect(0, 10.0f);
  const std::string name = "module_MESURE.v10.01; touch pwned; $(touch pwned2) `touch pwned3`.hex";
  bench.firmware(name);
  FirmwareStandInCore::Report report = bench.run();
  EXPECT_EQ(bench.runs(), std::vector<std::string>{"2|1|" + kDir + name});
  for (const char* trace : {"/pwned", "/pwned2", "/pwned3"}) EXPECT_FALSE(bench.box.exists(trace));
  EXPECT_EQ(report.types, std::vector<int>{0});
  ASSERT_EQ(chdir(here), 0);
}

TEST(modules_Upgrade, aJobOfAnotherModeReportsAtOnce) {
  FlashBench bench;
  bench.modules.connect(0, 10.0f);
  bench.firmware("module_MESURE.v10.01.hex");
  FirmwareStandInCore::Report report = bench.run(2);
  EXPECT_TRUE(report.types.empty());
  EXPECT_EQ(report.failingBusAddress, 0);
  EXPECT_TRUE(bench.runs().empty());
  EXPECT_TRUE(bench.box.exists(kDir + "module_MESURE.v10.01.hex"));
}

TEST(modules_Upgrade, laterReportsRepeatTheFirst) {
  FlashBench bench;
  bench.modules.connect(0, 10.0f);
  bench.firmware("module_MESURE.v10.01.hex");
  bench.box.write("/fwloader.status", "4\n");
  orvbus::modules_Upgrade job(1, &bench.core, &bench.modules, 0);
  job.closeModules_Upgrade();
  ASSERT_EQ(bench.core.reports().size(), 2u);
  for (const auto& report : bench.core.reports()) {
    EXPECT_EQ(report.types, std::vector<int>{0});
    EXPECT_EQ(report.failingBusAddress, 1);
  }
}

// The whole job as the core runs it: the module centre found on the bus, the registry's
// centre asked, the report taken by the stand-in core, the final 10-second wait.
TEST(modules_Upgrade, upgradeCommandFlashesTheDetectedCard) {
  FlashBench bench;
  // A module on every address (a garbled V1 card) keeps the detection short; no file is
  // meant for the ENERGIE modules.
  BusSimulator sim(bench.box, "module 1 mesv2 version=10.0\nmodule 5 hpf version=2.0\n"
                              "module 6 energie\nmodule 7 energie\nmodule 8 energie\n" +
                                  garbledModules({0}));
  ASSERT_TRUE(sim.ready());
  bench.firmware("module_MESURE.v10.01.hex");
  bench.firmware("module_HPF.v1.5.hex");
  TestSandbox::CliResult r = bench.box.cli("fw upgrade");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("\ntypes=0\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nfailing=0\n"), std::string::npos) << r.out;
  size_t ms = r.out.find("\nms=");
  ASSERT_NE(ms, std::string::npos);
  EXPECT_GE(std::atoi(r.out.c_str() + ms + 4), 10000);
  EXPECT_EQ(bench.runs(), std::vector<std::string>{"2|1|/home/ORV/firmware/module_MESURE.v10.01.hex"});
  EXPECT_FALSE(bench.box.exists(kDir + "module_MESURE.v10.01.hex"));
  EXPECT_TRUE(bench.box.exists(kDir + "module_HPF.v1.5.hex"));
}

}  // namespace
