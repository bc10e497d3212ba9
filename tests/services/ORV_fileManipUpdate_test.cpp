#include <gtest/gtest.h>
#include <sys/stat.h>

#include "ORV_fileManip.h"
#include "orv_test_sandbox.h"

namespace {

const char kHead[] =
    "#!/bin/bash\n# ZUV Auto-installer\n# ORVv10 System Update Script\n"
    "/home/GPIO/gpio PORTH8 OUTPUT 0\n\n";

class UpdateScripts : public ::testing::Test {
protected:
  std::string script() const { return box.read(ORV_fileManip::kUpdateScriptPath); }
  bool scriptExists() const { return box.exists(ORV_fileManip::kUpdateScriptPath); }
  // The board's boot runs the script: it must be executable, parse, and name no host path.
  void expectRunnableDeviceScript() const {
    struct stat st {};
    ASSERT_EQ(::stat(box.path(ORV_fileManip::kUpdateScriptPath).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0774);
    const std::string host = box.path(ORV_fileManip::kUpdateScriptPath);
    EXPECT_EQ(std::system(("bash -n '" + host + "'").c_str()), 0);
    EXPECT_EQ(std::system(("sh -n '" + host + "'").c_str()), 0);
    EXPECT_EQ(script().find(box.root()), std::string::npos);
  }
  void download(const std::string& devicePath) const { box.write(devicePath, "data"); }

  TestSandbox box;
  ORV_fileManip files;
};

}  // namespace

TEST_F(UpdateScripts, ProgramScriptForAnArchiveWithItsChecksum) {
  download("/home/ORV/programme/x.tar.gz");
  download("/home/ORV/programme/x.sha256");
  EXPECT_EQ(files.updateSystemFS("/home/ORV/programme/x.tar.gz"), 2);
  EXPECT_EQ(script(), std::string(kHead) +
                          "/usr/bin/orv_update /home/ORV/programme/x.tar.gz\n"
                          "rm /home/ORV/programme/x.sha256\n"
                          "rm /home/ORV/programme/x.tar.gz\n"
                          "rm /home/ORV/orvSysUpdate.sh\n"
                          "if [ -f /home/ORV/sysUpdate.sh ]; then\n"
                          "  chmod 777 /home/ORV/sysUpdate.sh\n"
                          "  /home/ORV/./sysUpdate.sh\n"
                          "  rm /home/ORV/sysUpdate.sh\n"
                          "fi\n"
                          "\n");
  expectRunnableDeviceScript();
}

TEST_F(UpdateScripts, NoProgramScriptWithoutBothFiles) {
  struct Case {
    const char* what;
    bool archive, checksum;
  } cases[] = {
      {"no checksum", true, false}, {"no archive", false, true}, {"neither", false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::system(("rm -rf '" + box.path("/home/ORV/programme") + "'").c_str());
    if (c.archive) download("/home/ORV/programme/x.tar.gz");
    if (c.checksum) download("/home/ORV/programme/x.sha256");
    EXPECT_EQ(files.writeUPDSCRIPT_File("/home/ORV/programme/x.tar.gz"), 0);
    EXPECT_EQ(files.updateSystemFS("/home/ORV/programme/x.tar.gz"), 0);
    EXPECT_FALSE(scriptExists());
  }
}

TEST_F(UpdateScripts, ArchiveNamesThatAreNotPlainPathsWriteNothing) {
  // Each archive and its checksum file exist: only the name stands in the way.
  const char* names[] = {
      "/home/ORV/programme/x;reboot;.tar.gz",
      "/home/ORV/programme/$(reboot).tar.gz",
      "/home/ORV/programme/`id`.tar.gz",
      "/home/ORV/programme/x y.tar.gz",
      "/home/ORV/programme/x\n/sbin/reboot.tar.gz",
      "/home/ORV/programme/../../../etc/x.tar.gz",
      "/home/ORV/programme/x.zip",
      "programme/x.tar.gz",
  };
  for (const char* name : names) {
    SCOPED_TRACE(name);
    std::string archive = name;
    std::string checksum = archive.substr(0, archive.rfind(".tar.gz")) + ".sha256";
    if (archive[0] == '/') {
      download(archive);
      download(checksum);
    }
    EXPECT_EQ(files.updateSystemFS(archive), 0);
    EXPECT_FALSE(scriptExists());
  }
  // A sandbox path is not a device path: the board has no such file.
  download("/home/ORV/programme/x.tar.gz");
  download("/home/ORV/programme/x.sha256");
  EXPECT_EQ(files.updateSystemFS(box.path("/home/ORV/programme/x.tar.gz")), 0);
  EXPECT_FALSE(scriptExists());
}

TEST_F(UpdateScripts, FirmwareScriptBlocksInOrderWithTheirAddresses) {
  EXPECT_EQ(files.updateFirmware(3, 10.01f, true, 2.0f, true, 3.5f, true), 1);
  EXPECT_EQ(script(), std::string(kHead) +
                          "killall orv_stater.sh\n"
                          "killall orvQT\n"
                          "\n"
                          "if [ -f /home/ORV/firmware/module_ENERGIE.v10.01.hex ]; then\n"
                          "  fwloader 6 /home/ORV/firmware/module_ENERGIE.v10.01.hex\n"
                          "  fwloader 7 /home/ORV/firmware/module_ENERGIE.v10.01.hex\n"
                          "  fwloader 8 /home/ORV/firmware/module_ENERGIE.v10.01.hex\n"
                          "fi\n"
                          "\n"
                          " rm /home/ORV/firmware/module_ENERGIE.v10.01.hex \n"
                          "\n"
                          "if [ -f /home/ORV/firmware/module_MESURE.v3.50.hex ]; then\n"
                          "  fwloader 1 /home/ORV/firmware/module_MESURE.v3.50.hex\n"
                          "fi\n"
                          "\n"
                          " rm /home/ORV/firmware/module_MESURE.v3.50.hex \n"
                          "\n"
                          "if [ -f /home/ORV/firmware/module_HPF.v2.00.hex ]; then\n"
                          "  fwloader 5 /home/ORV/firmware/module_HPF.v2.00.hex\n"
                          "fi\n"
                          "\n"
                          " rm /home/ORV/firmware/module_HPF.v2.00.hex \n"
                          "\n"
                          "rm /home/ORV/orvSysUpdate.sh\n");
  expectRunnableDeviceScript();
}

TEST_F(UpdateScripts, FirmwareScriptFlashesOnlyTheFlaggedModules) {
  struct Case {
    int energyCount;
    bool energy, hpf, mesure;
    const char* flasherLines;  // every flasher call, in order
  } cases[] = {
      {2, true, false, false, "6 ENERGIE.v10.01|7 ENERGIE.v10.01|"},
      {1, true, false, false, "6 ENERGIE.v10.01|7 ENERGIE.v10.01|"},
      {3, true, false, false, "6 ENERGIE.v10.01|7 ENERGIE.v10.01|8 ENERGIE.v10.01|"},
      {3, false, true, false, "5 HPF.v2.00|"},
      {3, false, false, true, "1 MESURE.v3.50|"},
      {0, false, false, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flasherLines);
    EXPECT_EQ(files.updateFirmware(c.energyCount, 10.01f, c.energy, 2.0f, c.hpf, 3.5f, c.mesure),
              1);
    std::string calls;
    const std::string text = script();
    const std::string prefix = "  fwloader ";
    for (size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1)) {
      std::string line = text.substr(at + prefix.size(), text.find('\n', at) - at - prefix.size());
      std::string file = line.substr(line.find("module_") + 7);
      calls += line.substr(0, line.find(' ')) + " " + file.substr(0, file.rfind(".hex")) + "|";
    }
    EXPECT_EQ(calls, c.flasherLines);
    const std::string last = "\nrm /home/ORV/orvSysUpdate.sh\n";  // it deletes itself
    EXPECT_EQ(text.substr(text.size() - last.size()), last) << text;
    expectRunnableDeviceScript();
  }
}

TEST_F(UpdateScripts, FirmwareScriptNotWrittenIsReported) {
  std::system(("rm -rf '" + box.path("/home/ORV") + "'").c_str());
  EXPECT_EQ(files.updateFirmware(3, 10.01f, true, 2.0f, true, 3.5f, true), 0);
}
