// The receive pass against a real OpenSSH server on 127.0.0.1:22 of the test's private
// network namespace: the remote actions file, program archives, module firmware, hostile
// names, the server ID file and the configuration backup.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "firmwareLauncher.h"
#include "core_device.h"
#include "support/sftp_test_server.h"

namespace {

// Module types 0 V2 card, 1 HPF, 2..4 ENERGIE 1..3: connect state and firmware version.
class FakeModules : public FirmwareModules {
public:
  struct Module {
    unsigned char state;
    float version;
  };
  FakeModules() : modules{} {}
  FakeModules& set(int type, unsigned char state, float version) {
    modules[type] = {state, version};
    return *this;
  }
  unsigned char isModul_connected(int type) override { return type >= 0 && type < 6 ? modules[type].state : 0; }
  float Modul_firmVersion(int type) override { return type >= 0 && type < 5 ? modules[type].version : 0.0f; }
  int getModul_rs485_id(int type) override { return 0; }
  Module modules[6];
};

// Device 12 checking every 300 s, no alarm, the given modules, its download folders.
class ReceiveDevice : public CoreDevice {
public:
  explicit ReceiveDevice(bool serverReachable = true)
      : CoreDevice("CONFIG_SRV_ID=12\nCONFIG_TIMER_PERIOD=300\nFLAG_ALARM=0\n", serverReachable) {
    for (const char* dir : {"/home/ORV/programme", "/home/ORV/firmware", "/usr/share"}) box.mkdirs(dir);
    upd->setFirmwareModules(&modules);
    upd->sftpClient().setTransferLimits(5, 5);
  }

  std::string script() { return box.read("/home/ORV/orvSysUpdate.sh"); }
  static bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }
  // Files below the sandbox named `name`.
  std::string find(const std::string& name) {
    return box.run("find '" + box.root() + "' -name '" + name + "'").out;
  }
  std::vector<std::string> localFiles(const std::string& dir) {
    std::istringstream in(box.run("ls -1 '" + box.path(dir) + "'").out);
    std::vector<std::string> names;
    for (std::string name; std::getline(in, name);) names.push_back(name);
    return names;
  }
  // A gzip tar holding one file of this name and content, as bytes.
  std::string archiveOf(const std::string& name, const std::string& content) {
    box.write("/tmp/pack/" + name, content);
    box.run("tar czf '" + box.path("/tmp/pack.tar.gz") + "' -C '" + box.path("/tmp/pack") + "' '" +
            name + "'; rm -r '" + box.path("/tmp/pack") + "'");
    std::string bytes = box.read("/tmp/pack.tar.gz");
    box.run("rm '" + box.path("/tmp/pack.tar.gz") + "'");
    return bytes;
  }

  FakeModules modules;
};

bool waitFor(const std::function<bool()>& done, int seconds = 30) {
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return true;
}

class ReceivePass : public SftpServerTest {};

// The loop's check every 300 s comes once in this test: everything happens within it.
TEST_F(ReceivePass, ActionsFileCarriedOutWithinOneCheckOfTheLoop) {
  ReceiveDevice device;
  const std::string marker = "/tmp/orv-receive-command-ran";
  server_.write("ORV/12/SversD/actions.xml",
                "<actions>\n"
                "  <action type=\"1\" key=\"ALARME_TEMPORISATION\" value=\"120\" journal=\"1\"/>\n"
                "  <action type=\"14\" cmd=\"touch " + marker + "\"/>\n"
                "  <action type=\"2\" journal=\"1\"/>\n"
                "  <action type=\"4\" journal=\"1\"/>\n"
                "</actions>\n");
  device.upd->setNextCheckTime(orv::wallClockNow());
  device.upd->start();

  ASSERT_TRUE(waitFor([&] {
    return server_.exists("ORV/Frequence/zORV-12") && device.journalHas("5003;;;NET;") &&
           device.has(server_.read("ORV/12/config.conf"), "\nALARME_TEMPORISATION=90\n");
  })) << server_.files().size() << " files on the server\n" << device.box.read("/home/ORV/journal.log");
  EXPECT_FALSE(server_.exists("ORV/12/SversD/actions.xml"));
  EXPECT_FALSE(device.box.exists("/tmp/actions.xml"));
  EXPECT_TRUE(device.configHas("ALARME_TEMPORISATION=90"));
  EXPECT_TRUE(device.journalHas("5000;ALARME_TEMPORISATION;90;NET;"));
  EXPECT_TRUE(device.journalHas("5001;;;NET;"));
  EXPECT_TRUE(device.has(device.box.platformCalls(), "server-command touch " + marker + "\n"));
  EXPECT_FALSE(device.box.exists(marker));
  EXPECT_NE(0, access(marker.c_str(), F_OK));
  EXPECT_TRUE(device.has(device.box.commands(), "cp /home/ORV/config.conf /usr/share/\n"));
  EXPECT_EQ(device.config(), device.box.read("/usr/share/config.conf"));
  EXPECT_TRUE(server_.exists("ORV/Alarmes/yORV.12"));
}

TEST_F(ReceivePass, TwoLineActionsFileIsDeletedAndChangesNothing) {
  ReceiveDevice device;
  const std::string config = device.config();
  server_.write("ORV/12/SversD/actions.xml",
                "<actions>\n  <action type=\"1\" key=\"CONFIG_DIAM_TUBE\" value=\"42\" journal=\"1\"/>\n");

  EXPECT_EQ(0, device.upd->CheckActions());

  EXPECT_FALSE(server_.exists("ORV/12/SversD/actions.xml"));
  EXPECT_FALSE(device.box.exists("/tmp/actions.xml"));
  EXPECT_EQ(config, device.config());
  EXPECT_TRUE(device.journal().empty());
  EXPECT_FALSE(device.box.exists("/usr/share/config.conf"));
  EXPECT_TRUE(server_.exists("ORV/Frequence/zORV-12")) << "the download marker goes all the same";
}

TEST_F(ReceivePass, NewerProgramHandedToTheUpdateScriptThenTheBoardRestarts) {
  ReceiveDevice device;
  for (const char* name : {"ORV_100500.tar.gz", "ORV_100500.sha256", "ORV_100405.tar.gz", "ORV_100405.sha256"})
    server_.write(std::string("ORV/12/programme/") + name, name);
  server_.write("ORV/Programme/v10/ORV_100600.tar.gz", "common");  // the device's folder wins

  EXPECT_EQ(1, device.upd->receive_SFTP_files());

  EXPECT_EQ((std::vector<std::string>{"ORV_100500.sha256", "ORV_100500.tar.gz"}),
            device.localFiles("/home/ORV/programme"));
  EXPECT_EQ((std::vector<std::string>{"ORV_100405.sha256", "ORV_100405.tar.gz"}),
            server_.list("ORV/12/programme")) << "the running version stays on the server";
  EXPECT_TRUE(server_.exists("ORV/Programme/v10/ORV_100600.tar.gz"));
  EXPECT_TRUE(device.has(device.script(), "\n/usr/bin/orv_update /home/ORV/programme/ORV_100500.tar.gz\n"
                                          "rm /home/ORV/programme/ORV_100500.sha256\n"
                                          "rm /home/ORV/programme/ORV_100500.tar.gz\n"))
      << device.script();
  const std::string calls = device.box.platformCalls();
  EXPECT_TRUE(device.has(calls, "gpio PORTE7 OUTPUT 0\n"));
  EXPECT_EQ("reboot", calls.substr(calls.rfind('\n', calls.size() - 2) + 1, 6)) << calls;
}

TEST_F(ReceivePass, CommonProgramFolderServesWhenTheDevicesIsEmptyAndKeepsItsFiles) {
  ReceiveDevice device;
  server_.write("ORV/Programme/v10/ORV_100600.tar.gz", "archive");
  server_.write("ORV/Programme/v10/ORV_100600.sha256", "sum");

  EXPECT_EQ(2, device.upd->CheckProgramNetUpgrade());

  EXPECT_EQ((std::vector<std::string>{"ORV_100600.sha256", "ORV_100600.tar.gz"}),
            device.localFiles("/home/ORV/programme"));
  EXPECT_EQ((std::vector<std::string>{"ORV_100600.sha256", "ORV_100600.tar.gz"}),
            server_.list("ORV/Programme/v10"));
  EXPECT_TRUE(device.has(device.script(), "/usr/bin/orv_update /home/ORV/programme/ORV_100600.tar.gz\n"));
}

// Names that a shell would read: refused at the listing, left on the server, never
// downloaded, never in a script or a command.
TEST_F(ReceivePass, HostileNamesAreRefused) {
  ReceiveDevice device;
  device.modules.set(1, 1, 10.2f);
  const std::vector<std::string> hostile{
      "ORV/12/programme/ORV_100500.x;touch${IFS}PWN;.tar.gz",
      "ORV/12/programme/ORV_100500 $(touch PWN).tar.gz",
      "ORV/12/programme/ORV_100500.x;touch${IFS}PWN;.sha256",
      "ORV/firmware/module_HPF.v10.5;id;.tar.gz",
      "ORV/firmware/module_HPF.v10.6 $(touch PWN).tar.gz",
      "ORV/12/SversD/actions.xml;touch PWN",
  };
  for (const std::string& path : hostile) server_.write(path, "x");
  testing::internal::CaptureStdout();

  EXPECT_EQ(1, device.upd->receive_SFTP_files());

  const std::string trace = testing::internal::GetCapturedStdout();
  for (const std::string& path : hostile) {
    EXPECT_TRUE(server_.exists(path)) << path;
    const std::string name = path.substr(path.rfind('/') + 1);
    EXPECT_TRUE(device.has(trace, "refuse (nom non conforme): ~/" + path)) << name;
  }
  EXPECT_FALSE(device.box.exists("/home/ORV/orvSysUpdate.sh"));
  EXPECT_FALSE(device.has(device.box.commands(), "tar ")) << device.box.commands();
  EXPECT_EQ("", device.find("PWN"));
  EXPECT_TRUE(device.localFiles("/home/ORV/programme").empty());
  EXPECT_TRUE(device.localFiles("/home/ORV/firmware").empty());
  EXPECT_FALSE(device.has(device.box.platformCalls(), "reboot"));
}

// HPF at 10.2 takes 10.5; ENERGIE module 1 is at the file's version already, module 3 is
// older: the file is for it, and the flash script covers three ENERGIE modules.
TEST_F(ReceivePass, NewerFirmwareUnpackedAndFlashScriptWrittenThenTheBoardRestarts) {
  ReceiveDevice device;
  device.modules.set(1, 1, 10.2f).set(2, 1, 4.0f).set(4, 1, 3.0f);
  server_.write("ORV/firmware/module_HPF.v10.5.tar.gz",
                device.archiveOf("module_HPF.v10.50.hex", ":00000001FF\n"));
  server_.write("ORV/firmware/module_ENERGIE.v4.0.tar.gz",
                device.archiveOf("module_ENERGIE.v4.00.hex", ":00000001FE\n"));

  EXPECT_EQ(1, device.upd->receive_SFTP_files());

  const std::string commands = device.box.commands();
  EXPECT_TRUE(device.has(commands, "tar xvzf /home/ORV/firmware/module_HPF.v10.5.tar.gz -C /home/ORV/firmware/\n"))
      << commands;
  EXPECT_EQ((std::vector<std::string>{"module_ENERGIE.v4.00.hex", "module_HPF.v10.50.hex"}),
            device.localFiles("/home/ORV/firmware"));
  EXPECT_EQ(":00000001FF\n", device.box.read("/home/ORV/firmware/module_HPF.v10.50.hex"));
  EXPECT_EQ((std::vector<std::string>{"module_ENERGIE.v4.0.tar.gz", "module_HPF.v10.5.tar.gz"}),
            server_.list("ORV/firmware"))
      << "the common folder keeps its files";
  const std::string script = device.script();
  EXPECT_TRUE(device.has(script, "killall orv_stater.sh\nkillall orvQT\n")) << script;
  EXPECT_TRUE(device.has(script, "  fwloader 5 /home/ORV/firmware/module_HPF.v10.50.hex\n")) << script;
  EXPECT_TRUE(device.has(script, "  fwloader 8 /home/ORV/firmware/module_ENERGIE.v4.00.hex\n")) << script;
  EXPECT_FALSE(device.has(script, "MESURE")) << script;
  EXPECT_TRUE(device.has(device.box.platformCalls(), "reboot\n"));
}

// Which firmware file each module set-up takes, by the listing alone (tags: 1 MESURE,
// 2 HPF, 3..5 ENERGIE module 1..3; 0 not taken).
TEST_F(ReceivePass, FirmwareTakenOnlyByAConnectedOlderModuleOfTheSameLine) {
  struct Case {
    const char* what;
    std::function<void(FakeModules&)> modules;
    const char* file;
    int tag;
  } cases[] = {
      {"9.5 offered 10.1: other line", [](FakeModules& m) { m.set(1, 1, 9.5f); }, "module_HPF.v10.1.tar.gz", 0},
      {"10.0 offered 10.2", [](FakeModules& m) { m.set(1, 1, 10.0f); }, "module_HPF.v10.2.tar.gz", 2},
      {"10.5 offered 10.5", [](FakeModules& m) { m.set(1, 1, 10.5f); }, "module_HPF.v10.5.tar.gz", 0},
      {"unknown version 0", [](FakeModules& m) { m.set(1, 1, 0.0f); }, "module_HPF.v10.2.tar.gz", 0},
      {"lost module", [](FakeModules& m) { m.set(1, 2, 10.0f); }, "module_HPF.v10.2.tar.gz", 0},
      {"V2 card 3.1 offered 3.5", [](FakeModules& m) { m.set(0, 1, 3.1f); }, "module_MESURE.v3.5.tar.gz", 1},
      {"ENERGIE 2 older", [](FakeModules& m) { m.set(2, 1, 4.0f).set(3, 1, 3.0f); }, "module_ENERGIE.v4.tar.gz", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    server_.clearFiles();
    server_.write(std::string("ORV/12/firmware/") + c.file, "x");
    ReceiveDevice device;
    c.modules(device.modules);
    SftpDownloadMap map;

    device.upd->OnListFilesFromServer(2, map);

    SftpDownloadMap expected;
    if (c.tag) expected[{std::string("~/ORV/12/firmware/") + c.file, "/home/ORV/firmware/"}] = {true, c.tag};
    EXPECT_EQ(expected, map);
  }
}

TEST_F(ReceivePass, NoPassWhileTheServerWasUnreachableAtTheLastCheck) {
  ReceiveDevice device(false);
  server_.write("ORV/12/SversD/actions.xml", "<actions>\n  <action type=\"6\" journal=\"0\"/>\n</actions>\n");
  EXPECT_EQ(0, device.upd->receive_SFTP_files());
  EXPECT_TRUE(server_.exists("ORV/12/SversD/actions.xml"));
  EXPECT_FALSE(server_.exists("ORV/Frequence/zORV-12"));
}

// The first pass is busy with the file's two commands (one second each) when the second
// call comes: it returns at once and leaves the server's new file alone.
TEST_F(ReceivePass, SecondPassWhileOneRunsReturnsAtOnce) {
  ReceiveDevice device;
  server_.write("ORV/12/SversD/actions.xml",
                "<actions>\n  <action type=\"14\" cmd=\"true\"/>\n  <action type=\"14\" cmd=\"true\"/>\n"
                "</actions>\n");
  int first = -1;
  std::thread pass([&] { first = device.upd->receive_SFTP_files(); });
  ASSERT_TRUE(waitFor([&] { return ReceiveDevice::has(device.box.platformCalls(), "server-command true"); }));
  server_.write("ORV/12/SversD/actions.xml", "<actions>\n  <action type=\"6\" journal=\"0\"/>\n</actions>\n");

  EXPECT_FALSE(device.upd->okTo_receive_SFTP_files());
  EXPECT_EQ(0, device.upd->receive_SFTP_files());

  pass.join();
  EXPECT_EQ(1, first);
  EXPECT_TRUE(server_.exists("ORV/12/SversD/actions.xml"));
  EXPECT_TRUE(device.upd->okTo_receive_SFTP_files());
}

TEST_F(ReceivePass, CommTestFileIsSentBackAndStaysOnTheServer) {
  ReceiveDevice device;
  EXPECT_EQ(0, device.upd->CheckTestCOMM());
  server_.write("ORV/compteur/testcom.txt", "testcom\r\n");
  EXPECT_EQ(2, device.upd->CheckTestCOMM());
  EXPECT_EQ("testcom\r\n", server_.read("ORV/12/DversS/testcom.txt"));
  EXPECT_TRUE(server_.exists("ORV/compteur/testcom.txt"));
  EXPECT_FALSE(device.box.exists("/tmp/testcom.txt"));
}

// The network page's downloads, from outside through orvcore-cli.
TEST_F(ReceivePass, ServerIdFileFetchedOnceByItsExactName) {
  TestSandbox box;
  server_.write("ORV/compteur/numerodossier.txt;touch PWN", "6\n6\n6\n");
  TestSandbox::CliResult r = box.cli("srv get-id");
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_FALSE(box.exists("/home/ORV/numerodossier.txt"));

  server_.write("ORV/compteur/numerodossier.txt", "1234\n3\n45\n");
  r = box.cli("srv get-id");
  EXPECT_EQ(0, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("id=1234\nhour=3\nminute=45\n1234 3 45\n")) << r.out;
  EXPECT_EQ("1234\n3\n45\n", box.read("/home/ORV/numerodossier.txt"));
  EXPECT_FALSE(server_.exists("ORV/compteur/numerodossier.txt"));

  server_.write("ORV/compteur/numerodossier.txt", "5678\n4\n0\n");
  r = box.cli("srv get-id");
  EXPECT_NE(std::string::npos, r.out.find("\n1234 3 45\n")) << "the device's file is kept: " << r.out;
  EXPECT_TRUE(server_.exists("ORV/compteur/numerodossier.txt"));
  EXPECT_EQ("", box.run("find '" + box.root() + "' -name PWN").out);
}

TEST_F(ReceivePass, BackupReplacesBothLiveFilesOrNeither) {
  TestSandbox box;
  ASSERT_EQ(0, box.cli("cfg load").status);
  box.write("/home/ORV/moy.msr", "live means\n");
  const std::string liveConfig = box.read("/home/ORV/config.conf");
  ASSERT_EQ(0, box.run("mkdir -p '" + server_.path("ORV/99") + "' && chown --reference='" +
                       server_.path("ORV/12") + "' '" + server_.path("ORV/99") + "'").status);
  server_.write("ORV/99/config.conf", "[General]\nCONFIG_SRV_ID=99\n");

  TestSandbox::CliResult r = box.cli("srv get-backup 99");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.out.find("backup=false\n")) << r.out;
  EXPECT_EQ(liveConfig, box.read("/home/ORV/config.conf"));
  EXPECT_EQ("live means\n", box.read("/home/ORV/moy.msr"));
  EXPECT_EQ("", box.run("ls '" + box.path("/home/ORV") + "' | grep download").out);

  // Both downloaded, but the means file cannot be replaced (a folder stands in its place)
  // after the configuration was: the configuration gets its live copy back.
  server_.write("ORV/99/moy.msr", "server means\n");
  ASSERT_EQ(0, box.run("rm '" + box.path("/home/ORV/moy.msr") + "'").status);
  box.write("/home/ORV/moy.msr/in-the-way", "");
  r = box.cli("srv get-backup 99");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.out.find("backup=false\n")) << r.out;
  EXPECT_EQ(liveConfig, box.read("/home/ORV/config.conf"));
  EXPECT_EQ("config.conf\nmoy.msr\n", box.run("ls '" + box.path("/home/ORV") + "'").out)
      << "no temporary left";

  ASSERT_EQ(0, box.run("rm -r '" + box.path("/home/ORV/moy.msr") + "'").status);
  box.write("/home/ORV/moy.msr", "live means\n");

  // A configuration without settings in section General would bring the device up on
  // defaults: neither file is put in place.
  for (const char* broken : {"[Autre]\nX=1\n", "[General]\n# vide\n", ""}) {
    SCOPED_TRACE(broken);
    server_.write("ORV/99/config.conf", broken);
    r = box.cli("srv get-backup 99");
    EXPECT_EQ(1, r.status);
    EXPECT_EQ(liveConfig, box.read("/home/ORV/config.conf"));
    EXPECT_EQ("live means\n", box.read("/home/ORV/moy.msr"));
    EXPECT_EQ("config.conf\nmoy.msr\n", box.run("ls '" + box.path("/home/ORV") + "'").out);
  }
  server_.write("ORV/99/config.conf", "[General]\nCONFIG_SRV_ID=99\n");
  r = box.cli("srv get-backup 99");
  EXPECT_EQ(0, r.status);
  EXPECT_NE(std::string::npos, r.out.find("backup=true\n")) << r.out;
  EXPECT_EQ("[General]\nCONFIG_SRV_ID=99\n", box.read("/home/ORV/config.conf"));
  EXPECT_EQ("server means\n", box.read("/home/ORV/moy.msr"));
  EXPECT_TRUE(server_.exists("ORV/99/moy.msr")) << "a backup stays on the server";
}

}  // namespace
