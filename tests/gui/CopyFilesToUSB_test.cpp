// The USB page: backup into a folder per second on the key, restore of the settings files
// (a restored boot script reboots through the core), configuration read from the key, and
// the bench program's restore-only profile. Every copy goes through the file functions.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "CopyFilesToUSB.h"
#include "core_device.h"
#include "lock_holder.h"
#include "support/file_dialog_answers.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

const char kConfig[] = "CONFIG_SRV_ID=1234\n";

// A device whose clock reads 2024-03-01 10:00:00 UTC, with the key plugged in.
struct UsbDevice : CoreDevice {
  UsbDevice() : CoreDevice((setUtc(), kConfig)) {
    box.write("/sys/block/uba", "");
    box.mkdirs("/home/usbkey1");
  }
  static void setUtc() {
    setenv("TZ", "UTC", 1);
    tzset();
  }
  std::string message(QWidget& page) {
    return page.findChild<QLabel*>(QStringLiteral("label_msg"))->text().toStdString();
  }
  static void tap(QWidget& page, const char* button) {
    QPushButton* b = page.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  // Rewrites the live file from the store and reads the server ID back from it.
  int writeAndRead() {
    core->datas()->writeAllToConfigFile();
    return orv_configFile("/home/ORV/config.conf").get<int>("CONFIG_SRV_ID", -1, "General");
  }
  // Restores from `folder` on the key, as the technician picks it in the folder dialog.
  void restoreFrom(CopyFilesToUSB& page, const std::string& folder) {
    FileDialogAnswers dialogs;
    dialogs.then(box.path(folder));
    tap(page, "pB_RestoreFromUsb");
  }
  bool commandsHave(const std::string& text) {
    return box.commands().find(text) != std::string::npos;
  }
  QApplication& app = testApplication();
};

// A backup of the previous major version whose only key this version refuses (a bus
// address of the old numbering) is one that its migration drops.
const char kVersion9Backup[] =
    "[General]\nCONFIG_VERSION_MAJOR=9\nCONFIG_VERSION_MINOR=2\nCONFIG_SRV_ID=555\n"
    "[Module_Energie_0]\nz6_ENER_uart_rs485_id=1\n";

// The static network lines of a device without a gateway.
const char kStaticNoGateway[] =
    "CONFIG_DHCP=0\nCONFIG_IP=192.168.1.48\nCONFIG_MASK=255.255.255.0\nCONFIG_GW=0.0.0.0\n";

// Key files named config.conf that are no device configuration, with what is wrong.
std::vector<std::pair<const char*, std::string>> notADeviceConfiguration() {
  std::string noise(1 << 20, '\0');
  std::mt19937 bytes(6);
  for (char& c : noise) c = static_cast<char>(bytes());
  // A device configuration as far as its content goes, but far beyond any real one.
  std::string huge = "[General]\nCONFIG_SRV_ID=555\n";
  while (huge.size() < (10u << 20)) huge += "# " + std::string(77, 'x') + "\n";
  return {
      {"a device configuration of 10 MB", huge},
      {"no identity", "[General]\nFOO=1\n"},
      {"1 MB of random bytes", noise},
      {"a NUL byte", std::string("[General]\nCONFIG_SRV_ID=555\nCONFIG_ORV_NAME=a") + '\0' + "\n"},
      {"an interface the board lacks", "[General]\nCONFIG_SRV_ID=555\nCONFIG_IFACE=eth1\n"},
      {"a height that is no number", "[General]\nCONFIG_SRV_ID=555\nCONFIG_HEIGHT=nan\n"},
      // Leading zeros (octal elsewhere), no address, broadcast, a split mask.
      {"address 192.168.1.010", "[General]\nCONFIG_SRV_ID=555\nCONFIG_IP=192.168.1.010\n"},
      {"address 192.168.001.060", "[General]\nCONFIG_SRV_ID=555\nCONFIG_IP=192.168.001.060\n"},
      {"address 192.168.1.08", "[General]\nCONFIG_SRV_ID=555\nCONFIG_IP=192.168.1.08\n"},
      {"address 0.0.0.0", "[General]\nCONFIG_SRV_ID=555\nCONFIG_IP=0.0.0.0\n"},
      {"address 255.255.255.255", "[General]\nCONFIG_SRV_ID=555\nCONFIG_IP=255.255.255.255\n"},
      {"gateway 255.255.255.255", "[General]\nCONFIG_SRV_ID=555\nCONFIG_GW=255.255.255.255\n"},
      {"mask 255.0.255.0", "[General]\nCONFIG_SRV_ID=555\nCONFIG_MASK=255.0.255.0\n"},
  };
}

TEST(CopyFilesToUSB, BackupCopiesEveryListedFileIntoAFolderOfTheSecond) {
  UsbDevice d;
  const char* files[] = {"/home/ORV/ORV_2024_02_28.msr", "/home/ORV/ORV_2024_02_29.msr",
                         "/home/ORV/moy.msr", "/home/ORV/journal.log",
                         "/home/ORV/traceroute.log", "/etc/init.d/rcS"};
  for (const char* f : files) d.box.write(f, std::string("content of ") + f + "\n");
  CopyFilesToUSB page;
  page.show();
  EXPECT_EQ(d.message(page), "Votre dongle USB est brancher\n");
  auto* bar = page.findChild<QProgressBar*>(QStringLiteral("progressBar_copy"));
  EXPECT_FALSE(bar->isVisible());
  saveScreen(&page, "CopyFilesToUSB-keyPresent");

  UsbDevice::tap(page, "pB_CopyToUsb");
  std::string folder;
  for (unsigned secs = 1709287200; secs < 1709287206 && folder.empty(); ++secs)
    if (d.box.exists("/home/usbkey1/orv_1234_" + std::to_string(secs)))
      folder = "/home/usbkey1/orv_1234_" + std::to_string(secs) + "/";
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(d.box.run("ls '" + d.box.path(folder) + "' | wc -l").out, "7\n");
  for (const char* f : files) {
    const std::string name = std::string(f).substr(std::string(f).find_last_of('/') + 1);
    EXPECT_EQ(d.box.read(folder + name), d.box.read(f)) << name;
  }
  EXPECT_EQ(d.box.read(folder + "config.conf"), d.box.read("/home/ORV/config.conf"));
  EXPECT_EQ(d.message(page), "Sauvegarde terminer.");
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->maximum(), 6);
  EXPECT_EQ(bar->value(), 6);
  EXPECT_FALSE(d.commandsHave("cp "));  // no shell copy
  saveScreen(&page, "CopyFilesToUSB-backupDone");
}

TEST(CopyFilesToUSB, BackupWithoutKeyOrWithAnUnwritableKey) {
  {
    UsbDevice d;
    d.box.run("rm -f '" + d.box.path("/sys/block/uba") + "'");
    CopyFilesToUSB page;
    UsbDevice::tap(page, "pB_CopyToUsb");
    EXPECT_EQ(d.message(page), "Veuillez brancher votre dongle USB SVP !\n");
    EXPECT_EQ(d.box.run("ls -A '" + d.box.path("/home/usbkey1") + "'").out, "");
    page.show();
    saveScreen(&page, "CopyFilesToUSB-noKey");
  }
  {
    UsbDevice d;
    d.box.run("rmdir '" + d.box.path("/home/usbkey1") + "'");
    d.box.write("/home/usbkey1", "not a folder");
    for (const char* f : {"/home/ORV/ORV_2024_02_28.msr", "/home/ORV/ORV_2024_02_29.msr",
                          "/home/ORV/moy.msr", "/home/ORV/journal.log", "/home/ORV/traceroute.log",
                          "/etc/init.d/rcS"})
      d.box.write(f, "x\n");
    CopyFilesToUSB page;
    UsbDevice::tap(page, "pB_CopyToUsb");
    EXPECT_EQ(d.message(page), "ERREUR Sauvegarde: 7 fichier(s) non copie(s).");
    page.show();
    saveScreen(&page, "CopyFilesToUSB-backupFailed");
  }
}

TEST(CopyFilesToUSB, RestoreReplacesTheSettingsFilesAndRebootsForTheBootScript) {
  UsbDevice d;
  const std::string keyFolder = "/home/usbkey1/my backup/";
  d.box.write(keyFolder + "config.conf", "[General]\nCONFIG_SRV_ID=4321\n");
  d.box.write(keyFolder + "rcS", "#!/bin/sh\necho restored\n");
  d.box.write(keyFolder + "traceroute.log", "never restored\n");
  d.box.write("/etc/init.d/rcS", "#!/bin/sh\n");
  CopyFilesToUSB page;
  page.show();
  FileDialogAnswers dialogs;
  dialogs.then(d.box.path("/home/usbkey1/my backup"));
  UsbDevice::tap(page, "pB_RestoreFromUsb");

  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].caption,
            "Veuillez selectionner le Dossier USB Restauration fichiers sauvegardes");
  EXPECT_EQ(dialogs.shown[0].directory, d.box.path("/home/usbkey1"));
  EXPECT_EQ(d.box.read("/home/ORV/config.conf"), d.box.read(keyFolder + "config.conf"));
  EXPECT_EQ(d.box.read("/etc/init.d/rcS"), d.box.read(keyFolder + "rcS"));
  EXPECT_FALSE(d.box.exists("/home/ORV/traceroute.log"));
  EXPECT_EQ(d.cfgInt("CONFIG_SRV_ID"), 4321);
  EXPECT_EQ(d.box.run("stat -c %a '" + d.box.path("/etc/init.d/rcS") + "'").out, "774\n");
  const std::string calls = d.box.platformCalls();
  const size_t off = calls.find("gpio PORTE7 OUTPUT 0\n");
  ASSERT_NE(off, std::string::npos) << calls;
  EXPECT_NE(calls.find("gpio PORTE7 OUTPUT 1\nreboot\n", off), std::string::npos) << calls;
  const std::string commands = d.box.commands();
  EXPECT_NE(commands.find("cp /home/ORV/config.conf /usr/share/\n"), std::string::npos);
  EXPECT_EQ(commands.find("cp "), commands.rfind("cp ")) << commands;  // that one only
  EXPECT_EQ(commands.find("chmod"), std::string::npos);
  EXPECT_EQ(d.message(page), "Restauration terminer.");
  saveScreen(&page, "CopyFilesToUSB-restoreDone");
}

TEST(CopyFilesToUSB, RestoreCancelledOrFailedCopy) {
  UsbDevice d;
  CopyFilesToUSB page;
  FileDialogAnswers dialogs;
  dialogs.then("");  // cancelled: the label stays
  UsbDevice::tap(page, "pB_RestoreFromUsb");
  EXPECT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(d.message(page), "Votre dongle USB est brancher\n");

  // A candidate that cannot be read is not restored and not acted on: no reload.
  const std::string live = d.box.read("/home/ORV/config.conf");
  d.box.write("/home/usbkey1/bad/moy.msr", "means\n");
  d.box.mkdirs("/home/usbkey1/bad/config.conf");
  dialogs.then(d.box.path("/home/usbkey1/bad"));
  UsbDevice::tap(page, "pB_RestoreFromUsb");
  EXPECT_EQ(d.message(page), "ERREUR Restauration: 1 fichier(s) non copie(s).");
  EXPECT_EQ(d.box.read("/home/ORV/moy.msr"), "means\n");
  EXPECT_EQ(d.box.read("/home/ORV/config.conf"), live);
  EXPECT_EQ(d.cfgInt("CONFIG_SRV_ID"), 1234);
}

TEST(CopyFilesToUSB, ConfigurationReadFromTheKey) {
  struct Case {
    std::string keyFile;
    std::string message;
    int storedId;
  };
  std::vector<Case> cases = {
      {"[General]\nCONFIG_SRV_ID=555\n", "Fichier USB /home/usbkey1/config.conf lu avec succes.",
       555},
      {kVersion9Backup, "Fichier USB /home/usbkey1/config.conf lu avec succes.", 555},
      {"[General]\nCONFIG_SRV_ID=555\n" + std::string(kStaticNoGateway),
       "Fichier USB /home/usbkey1/config.conf lu avec succes.", 555},
      {"", "ERREUR lecture fichier CONFIG USB", 1234},
      {"[Autre]\nX=1\n", "ERREUR lecture fichier CONFIG USB", 1234},
  };
  for (const auto& refused : notADeviceConfiguration())
    cases.push_back({refused.second, "ERREUR lecture fichier CONFIG USB", 1234});
  for (const Case& c : cases) {
    UsbDevice d;
    d.box.write("/home/usbkey1/config.conf", c.keyFile);
    const std::string live = d.box.read("/home/ORV/config.conf");
    CopyFilesToUSB page;
    page.show();
    FileDialogAnswers dialogs;
    dialogs.then(d.box.path("/home/usbkey1/config.conf"));
    UsbDevice::tap(page, "pB_readConfigUsb");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Ouvrir Config");
    EXPECT_EQ(dialogs.shown[0].filters, std::vector<std::string>{"Config files (config.conf)"});
    EXPECT_EQ(d.message(page), c.message);
    EXPECT_EQ(d.cfgInt("CONFIG_SRV_ID"), c.storedId);
    EXPECT_TRUE(d.box.read("/home/usbkey1/config.conf") == c.keyFile) << "key file written";
    EXPECT_EQ(d.commandsHave("cp /home/ORV/config.conf /usr/share/\n"), c.storedId == 555);
    if (c.storedId != 555) {
      EXPECT_TRUE(d.box.read("/home/ORV/config.conf") == live) << "live config.conf changed";
      saveScreen(&page, "CopyFilesToUSB-configReadError");
    } else {
      saveScreen(&page, "CopyFilesToUSB-configRead");
    }
  }
}

// A key's config.conf that is no device configuration is not restored: the live file
// stays byte for byte. One the page saved itself comes back whole.
TEST(CopyFilesToUSB, RestoreTakesOnlyADeviceConfiguration) {
  for (const auto& refused : notADeviceConfiguration()) {
    SCOPED_TRACE(refused.first);
    UsbDevice d;
    d.box.write("/home/usbkey1/orv_1/config.conf", refused.second);
    const std::string live = d.box.read("/home/ORV/config.conf");
    CopyFilesToUSB page;
    page.show();
    FileDialogAnswers dialogs;
    dialogs.then(d.box.path("/home/usbkey1/orv_1"));
    UsbDevice::tap(page, "pB_RestoreFromUsb");
    EXPECT_EQ(d.message(page), "ERREUR Restauration: 1 fichier(s) non copie(s).");
    EXPECT_TRUE(d.box.read("/home/ORV/config.conf") == live) << "live config.conf changed";
    EXPECT_EQ(d.cfgInt("CONFIG_SRV_ID"), 1234);
    EXPECT_EQ(d.writeAndRead(), 1234);  // the next ordinary write keeps the identity
    saveScreen(&page, "CopyFilesToUSB-keyConfigRefused");
  }

  UsbDevice d;
  d.box.write("/home/ORV/journal.log", "journal\n");
  int dhcp = 1;
  d.core->datas()->setCFG_struct(CFG_DHCP, &dhcp);
  d.core->datas()->setCFG_struct(CFG_ORV_NAME, "Magasin Nord");
  CopyFilesToUSB page;
  UsbDevice::tap(page, "pB_CopyToUsb");
  const std::string saved = d.box.read("/home/ORV/config.conf");
  const std::string folder = d.box.run("ls -d '" + d.box.path("/home/usbkey1") + "'/orv_1234_*").out;
  ASSERT_FALSE(folder.empty());
  int other = 99;
  d.core->datas()->setCFG_struct(CFG_SRV_ID, &other);
  d.core->datas()->setCFG_struct(CFG_ORV_NAME, "Autre");
  FileDialogAnswers dialogs;
  dialogs.then(folder.substr(0, folder.size() - 1));
  UsbDevice::tap(page, "pB_RestoreFromUsb");
  EXPECT_EQ(d.message(page), "Restauration terminer.");
  EXPECT_EQ(d.box.read("/home/ORV/config.conf"), saved);
  EXPECT_EQ(d.cfgInt("CONFIG_SRV_ID"), 1234);
  EXPECT_EQ(d.core->datas()->getCFG_struct(CFG_ORV_NAME).stringValue, "Magasin Nord");
}

// The key's settings file is read once: one changed on the key after its judgement (here
// while the restore waits for the store's file lock) does not go in; the bytes judged do.
TEST(CopyFilesToUSB, RestoreInstallsTheSettingsAsJudged) {
  UsbDevice d;
  const std::string key = "/home/usbkey1/orv_555_1/config.conf";
  const std::string judged = "[General]\nCONFIG_SRV_ID=555\n";
  d.box.write(key, judged);
  const int watch = inotify_init1(IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(inotify_add_watch(watch, d.box.path(key).c_str(), IN_CLOSE_NOWRITE), 0);
  CopyFilesToUSB page;
  orvDatas* store = d.core->datas();
  {
    LockHeldElsewhere held([store] { return store->lock_FILEconfig() == 1; },
                           [store] { store->unlock_FILEconfig(); });
    // Once the restore has read the key file, it is swapped for one with another identity
    // and a split mask, and the lock is given back.
    std::thread swapper([&] {
      struct pollfd read = {watch, POLLIN, 0};
      if (poll(&read, 1, 10000) == 1) {
        d.box.write(key, "[General]\nCONFIG_SRV_ID=666\nCONFIG_MASK=255.0.255.0\n");
      }
      held.release();
    });
    d.restoreFrom(page, "/home/usbkey1/orv_555_1");
    swapper.join();
  }
  ::close(watch);
  EXPECT_EQ(d.message(page), "Restauration terminer.");
  EXPECT_EQ(d.box.read("/home/ORV/config.conf"), judged);
  EXPECT_EQ(d.cfgInt("CONFIG_SRV_ID"), 555);
}

TEST(CopyFilesToUSB, RestoreTakesABackupOfThePreviousVersion) {
  UsbDevice d;
  d.box.write("/home/usbkey1/orv_555_1/config.conf", kVersion9Backup);
  CopyFilesToUSB page;
  FileDialogAnswers dialogs;
  dialogs.then(d.box.path("/home/usbkey1/orv_555_1"));
  UsbDevice::tap(page, "pB_RestoreFromUsb");
  EXPECT_EQ(d.message(page), "Restauration terminer.");
  EXPECT_EQ(d.cfgInt("CONFIG_SRV_ID"), 555);
  // The live file is migrated at its reload: the old address is gone from it.
  EXPECT_EQ(d.box.read("/home/ORV/config.conf").find("z6_ENER_uart_rs485_id=1\n"),
            std::string::npos);
}

// A restored settings file is put in place and loaded as one step for the store's other
// writers: a thread that stores a setting again and again meanwhile (as the processing
// thread and the bus centre do) never writes the replaced settings back over it, and the
// store ends on the restored ones, in memory as in the file.
TEST(CopyFilesToUSB, RestoredSettingsHoldAgainstTheStoresOtherWriters) {
  UsbDevice d;
  d.box.write("/home/usbkey1/orv_1234_1/config.conf", d.config());
  std::atomic<bool> stop{false};
  std::thread writer([&] {
    for (int n = 0; !stop; ++n) d.core->datas()->setCFG_struct(CFG_ORV_NAME, n % 2 ? "A" : "B");
  });
  CopyFilesToUSB page;
  for (int round = 0; round < 30; ++round) {
    SCOPED_TRACE(round);
    int other = 99;
    ASSERT_EQ(d.core->datas()->setCFG_struct(CFG_SRV_ID, &other), 1);
    d.restoreFrom(page, "/home/usbkey1/orv_1234_1");
    EXPECT_EQ(d.message(page), "Restauration terminer.");
    EXPECT_EQ(d.cfgInt("CONFIG_SRV_ID"), 1234);
    orv_configFile live(std::string("/home/ORV/config.conf"));
    EXPECT_EQ(live.get<int>("CONFIG_SRV_ID", -1, "General"), 1234);
  }
  stop = true;
  writer.join();
}

TEST(CopyFilesToUSB, QuitFlushesThenLeavesAfterTwoSeconds) {
  UsbDevice d;
  CopyFilesToUSB page;
  QSignalSpy exits(&page, SIGNAL(sig_usbExit()));
  UsbDevice::tap(page, "pB_QuitUsb");
  auto* timer = page.findChild<QTimer*>(QStringLiteral("quitTimer"));
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_TRUE(timer->isSingleShot());
  EXPECT_EQ(timer->interval(), 2000);
  EXPECT_EQ(exits.count(), 0);
  timer->stop();
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(exits.count(), 1);
}

// The page is deleted when the quit timer runs out: a file dialog opened in the meantime
// would go with it while it waits for the technician.
TEST(CopyFilesToUSB, NoDialogOpensWhileThePageIsLeaving) {
  UsbDevice d;
  CopyFilesToUSB page;
  FileDialogAnswers dialogs;
  UsbDevice::tap(page, "pB_QuitUsb");
  for (const char* button : {"pB_RestoreFromUsb", "pB_readConfigUsb"}) UsbDevice::tap(page, button);
  EXPECT_TRUE(dialogs.shown.empty());
}

// A static network without a gateway (0.0.0.0) is a setting the device works with: a key
// backup holding it is restored whole.
TEST(CopyFilesToUSB, RestoresAStaticNetworkWithoutGateway) {
  UsbDevice d;
  const std::string backup = "[General]\nCONFIG_SRV_ID=555\n" + std::string(kStaticNoGateway);
  d.box.write("/home/usbkey1/orv_1/config.conf", backup);
  CopyFilesToUSB page;
  d.restoreFrom(page, "/home/usbkey1/orv_1");
  EXPECT_EQ(d.message(page), "Restauration terminer.");
  EXPECT_EQ(d.box.read("/home/ORV/config.conf"), backup);
  EXPECT_EQ(d.cfgInt("CONFIG_SRV_ID"), 555);
  EXPECT_FALSE(d.core->datas()->dhcpInUse());
  EXPECT_EQ(d.core->datas()->getCFG_struct(CFG_GW).stringValue, "0.0.0.0");
}

TEST(CopyFilesToUSB, BenchProfileRestoresAtConstruction) {
  UsbDevice d;
  d.box.write("/dev/usbDISK", "");
  d.box.mkdirs("/etc/network");
  d.box.write("/media/usb_drive/banc/config.conf", "[General]\nCONFIG_SRV_ID=77\n");
  d.box.write("/media/usb_drive/banc/interfaces", "auto lo\niface lo inet loopback\n");
  FileDialogAnswers dialogs;
  dialogs.then(d.box.path("/media/usb_drive/banc"));
  CopyFilesToUSB page(nullptr, UsbPageProfile::BenchRestore);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].directory, d.box.path("/media/usb_drive"));
  EXPECT_EQ(d.box.read("/home/ORV/config.conf"), d.box.read("/media/usb_drive/banc/config.conf"));
  EXPECT_EQ(d.box.read("/etc/network/interfaces"),
            d.box.read("/media/usb_drive/banc/interfaces"));
  EXPECT_EQ(d.message(page), "Restauration 2 fichier(s) terminée.");
  EXPECT_EQ(d.cfgInt("CONFIG_SRV_ID"), 1234);  // no store reload
  EXPECT_FALSE(d.commandsHave("cp"));
  EXPECT_EQ(d.box.platformCalls().find("reboot"), std::string::npos);
  EXPECT_EQ(page.findChild<QPushButton*>(QStringLiteral("pB_CopyToUsb")), nullptr);
  EXPECT_EQ(page.findChild<QPushButton*>(QStringLiteral("pB_readConfigUsb")), nullptr);
  auto* quit = page.findChild<QPushButton*>(QStringLiteral("pB_QuitUsb"));
  EXPECT_EQ(quit->text().toStdString(), "Terminer");
  EXPECT_TRUE(quit->isVisibleTo(&page));
  page.show();
  saveScreen(&page, "CopyFilesToUSB-benchRestored");

  QSignalSpy exits(&page, SIGNAL(sig_usbExit()));
  UsbDevice::tap(page, "pB_QuitUsb");
  EXPECT_EQ(exits.count(), 1);  // at once
}

TEST(CopyFilesToUSB, BenchProfileWithoutKey) {
  UsbDevice d;
  FileDialogAnswers dialogs;
  CopyFilesToUSB page(nullptr, UsbPageProfile::BenchRestore);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(d.message(page), "Veuillez brancher votre dongle USB SVP !\n");
  for (const char* name : {"pB_QuitUsb", "pB_RestoreFromUsb"})
    EXPECT_TRUE(page.findChild<QPushButton*>(QString::fromLatin1(name))->isVisibleTo(&page));
  page.show();
  saveScreen(&page, "CopyFilesToUSB-benchNoKey");
}

}  // namespace
