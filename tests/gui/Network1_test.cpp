// The network page on a device whose supervision server is the test SFTP server: opening
// in both modes, saving and applying the settings through the network stand-in, the
// connection test with the server identity and the configuration backup, the traceroute,
// sending and receiving files, and the server address dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "ORV_fileManip.h"
#include "ORV_sysNet.h"
#include "Network1.h"
#include "ZuvVirtualKeyboard.h"
#include "changeSrvIpDialog.h"
#include "core_device.h"
#include "lock_holder.h"
#include "sftp_test_server.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/text_fits.h"
#include "time_bounds.h"

namespace {

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}
// Position of `part` in `text`, npos when missing.
size_t at(const std::string& text, const std::string& part) { return text.find(part); }

const char kTestOk[] = "Reseau INTERNET OK, Connexion avec le serveur reussie.";
const char kTestFailed[] = "AUCUN Reseau INTERNET, Echec de la connexion avec le serveur";
const char kSaveRefused[] = "ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.";
const char kSaved[] = "Enregistrement CONFIG Reseau reussie.";
const char kGrey[] = "QPushButton { color: rgb(167, 167, 167); }";
const char kRed[] = "QPushButton { color: rgb(255, 0, 0); }";
// A remote actions file that sets the alarm delay to 45 minutes.
const char kDelayAction[] =
    "<actions>\n  <action type=\"1\" key=\"ALARME_TEMPORISATION\" value=\"45\" "
    "journal=\"1\"/>\n</actions>\n";

using Keys = std::map<std::string, std::string>;

// Lines of section General: these defaults, with `overrides` replacing or adding keys.
std::string netConfig(const Keys& overrides = {}) {
  std::map<std::string, std::string> keys = {
      {"CONFIG_STFP_IP", "127.0.0.1"}, {"CONFIG_SRV_ID", "12"},
      {"CONFIG_IFACE", "eth0"},        {"CONFIG_DHCP", "0"},
      {"CONFIG_IP", "192.168.1.48"},   {"CONFIG_MASK", "255.255.255.0"},
      {"CONFIG_GW", "192.168.1.1"},    {"FLAG_PREM_DEMARRAGE", "1"}};
  for (const auto& o : overrides) keys[o.first] = o.second;
  std::string lines;
  for (const auto& k : keys) lines += k.first + "=" + k.second + "\n";
  return lines;
}

// A device with its network stand-in (eth0 with its cable, its address and default route),
// its boot script, orvQT's working directory, and the network page on top.
struct NetworkDevice : CoreDevice {
  explicit NetworkDevice(const Keys& overrides = Keys(), bool serverReachable = true)
      : CoreDevice(netConfig(overrides), serverReachable) {
    box.write("/sys/class/net/eth0/address", "00:1a:2b:3c:4d:5e\n");
    box.write("/sys/class/net/eth0/flags", "0x1043\n");
    box.write("/sys/class/net/eth0/ipv4", "192.168.1.48 255.255.255.0\n");
    box.write("/sys/class/net/eth0/carrier", "1\n");
    box.write("/proc/net/route",
              "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\t"
              "IRTT\neth0\t00000000\t0101A8C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n");
    box.mkdirs("/usr/share");
    box.mkdirs("/etc/init.d");
    core->ORV_fileManip_Ptr()->CreateDefaultRCFile(false);
    // What the device did so far is not what the page does.
    std::remove(box.path("/platform_calls.log").c_str());
    std::remove(box.path("/log/commands.log").c_str());
  }
  void addDongle(const std::string& link = "57\n") {
    box.write("/sys/class/net/ra0/address", "00:0c:43:00:00:01\n");
    box.write("/sys/class/net/ra0/flags", "0x1043\n");
    box.write("/sys/class/net/ra0/ipv4", "192.168.2.30 255.255.255.0\n");
    box.write("/sys/class/net/ra0/carrier", "1\n");
    box.write("/sys/class/net/ra0/wireless/link", link);
    box.mkdirs("/home/WIRELESS");  // where the driver and its settings live
  }
  Network1& open(bool edit) {
    page.reset(new Network1(nullptr));
    reloads.reset(new QSignalSpy(page.get(), &Network1::OnReloadConfTimerSignal));
    alarms.reset(new QSignalSpy(page.get(), &Network1::OnNetworkConfigAlarm));
    page->resize(640, 480);
    page->show();
    if (edit)
      page->showNetwork();
    else
      page->showTraceRoute();
    return *page;
  }
  template <typename W = QWidget>
  W* w(const char* name) {
    return page->findChild<W*>(QLatin1String(name));
  }
  void click(const char* name) { w<QPushButton>(name)->click(); }
  std::string status() { return w<QLabel>("labelStatus")->text().toStdString(); }
  std::string text(const char* name) { return w<QLineEdit>(name)->text().toStdString(); }
  // Unlocks an address field by its button and types `typed` into it.
  void retype(const char* button, const char* field, const QString& typed) {
    click(button);
    QLineEdit* edit = w<QLineEdit>(field);
    ASSERT_TRUE(edit->isEnabled());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
  }
  bool showsPicture(const char* file) {
    const QPixmap* shown = w<QLabel>("label_net_state")->pixmap();
    return shown && shown->toImage() == QImage(QStringLiteral("gui_images/") + file)
                                             .convertToFormat(shown->toImage().format());
  }
  // Nothing of a save reached the settings, the boot script or the interfaces.
  void expectNothingWritten(const std::string& conf, const std::string& rcs) {
    EXPECT_EQ(config(), conf);
    EXPECT_EQ(box.read("/etc/init.d/rcS"), rcs);
    EXPECT_FALSE(has(box.commands(), "ifconfig"));
    EXPECT_FALSE(has(box.platformCalls(), "ioctl"));
  }
  int mes(int index) { return core->datas()->getMES_struct(index).intValue; }
  std::string shot(const std::string& state) { return saveScreen(page.get(), "Network1-" + state); }

  QApplication& app = testApplication();
  std::string workDir = prepareOrvqtWorkDir(box);
  WorkingDirectory cwd{workDir};
  std::unique_ptr<Network1> page;
  std::unique_ptr<QSignalSpy> reloads;
  std::unique_ptr<QSignalSpy> alarms;
};

// One test server with the trees of devices 12 and 99 for the whole program.
using Network1Test = SftpServerSuite<12, 99>;

TEST_F(Network1Test, OpensForEditingWithTheStoredSettings) {
  NetworkDevice dev;
  dev.open(true);
  EXPECT_EQ(dev.text("lineEditID"), "12");
  EXPECT_FALSE(dev.w("lineEditID")->isEnabled());
  EXPECT_TRUE(dev.w("comboBox_IFaceType")->isEnabled());
  EXPECT_TRUE(dev.w("comboBox_DHCP")->isEnabled());
  EXPECT_EQ(dev.w<QComboBox>("comboBox_IFaceType")->currentText().toStdString(), "eth0 Ethernet");
  EXPECT_EQ(dev.w<QComboBox>("comboBox_DHCP")->currentText().toStdString(), "OFF");
  EXPECT_EQ(dev.text("lineEditIP"), "192.168.1.48");
  EXPECT_EQ(dev.text("lineEditMask"), "255.255.255.0");
  EXPECT_EQ(dev.text("lineEditGw"), "192.168.1.1");
  for (const char* field : {"lineEditIP", "lineEditMask", "lineEditGw"})
    EXPECT_FALSE(dev.w(field)->isEnabled()) << field;
  QPushButton* save = dev.w<QPushButton>("pB_save");
  EXPECT_TRUE(save->isVisible());
  EXPECT_FALSE(save->isEnabled());
  EXPECT_EQ(save->styleSheet().toStdString(), kGrey);
  for (const char* hidden : {"label_wifi_title", "btn_wifi_ssid", "lE_wifi_ssid", "btn_wifi_type",
                             "cB_wifi_authType", "btn_wifi_key", "lE_wifi_cryptKey",
                             "pB_WifiRadioLevel"})
    EXPECT_FALSE(dev.w(hidden)->isVisible()) << hidden;
  EXPECT_EQ(dev.status(), "");
  EXPECT_TRUE(dev.showsPicture("ethernet_on.png"));
  ASSERT_EQ(dev.reloads->count(), 1);
  EXPECT_EQ(dev.reloads->at(0).at(0).toInt(), 900000);
  dev.shot("edit-eth0");

  // The keyboard comes and goes with its button.
  dev.click("keyboardButton");
  EXPECT_TRUE(dev.w("keyboard")->isVisible());
  EXPECT_EQ(dev.w<QPushButton>("keyboardButton")->text().toStdString(), "Clavier\nOFF");
  dev.shot("edit-keyboard");
  dev.click("keyboardButton");
  EXPECT_FALSE(dev.w("keyboard")->isVisible());
}

TEST_F(Network1Test, ReadOnlyViewOnWifiMeasuresTheLinkQuality) {
  NetworkDevice dev(Keys{{"CONFIG_IFACE", "ra0"},
                     {"CONFIG_WIFI_SSID", "atelier"},
                     {"CONFIG_WIFI_TYPE", "2"},
                     {"CONFIG_WIFI_KEY", "secret"}});
  dev.addDongle();
  dev.open(false);
  for (const char* hidden : {"pB_save", "keyboardButton", "btnSERVER", "btn_wifi_key",
                             "lE_wifi_cryptKey"})
    EXPECT_FALSE(dev.w(hidden)->isVisible()) << hidden;
  EXPECT_EQ(dev.text("lE_wifi_ssid"), "atelier");
  EXPECT_EQ(dev.w<QComboBox>("cB_wifi_authType")->currentText().toStdString(), "WPAPSK2 TKIP");
  for (const char* off : {"lE_wifi_ssid", "cB_wifi_authType", "comboBox_IFaceType",
                          "comboBox_DHCP", "lineEditID"})
    EXPECT_FALSE(dev.w(off)->isEnabled()) << off;
  EXPECT_TRUE(dev.w("pB_WifiRadioLevel")->isVisible());
  EXPECT_TRUE(dev.showsPicture("wifi_on.png"));
  QTimer* quality = dev.page->findChild<QTimer*>(QStringLiteral("wifiQualityTimer"));
  ASSERT_NE(quality, nullptr);
  EXPECT_TRUE(quality->isActive());
  EXPECT_EQ(quality->interval(), 2000);
  ASSERT_EQ(dev.reloads->count(), 1);
  EXPECT_EQ(dev.reloads->at(0).at(0).toInt(), 900000);

  dev.page->onUpdate_WifiQualityLevel();
  EXPECT_EQ(dev.w<QProgressBar>("pB_WifiRadioLevel")->value(), 57);
  dev.shot("view-wifi");
  std::remove(dev.box.path("/sys/class/net/ra0/wireless/link").c_str());
  dev.page->onUpdate_WifiQualityLevel();
  EXPECT_EQ(dev.status(), "ERREUR WIFI USB non Configurer");

  dev.page->onStart_WifiQualityMeasure(false);
  EXPECT_EQ(dev.page->findChild<QTimer*>(QStringLiteral("wifiQualityTimer")), nullptr);
}

TEST_F(Network1Test, BrindlowKernelOffersNoWifiInterface) {
  NetworkDevice dev(Keys{{"CONFIG_IFACE", "ra0"},
                         {"CONFIG_KERNEL_VER", "2.6.35.3-brindlow"},
                         {"CONFIG_WIFI_SSID", "atelier"}});
  dev.open(true);
  QComboBox* interfaces = dev.w<QComboBox>("comboBox_IFaceType");
  ASSERT_EQ(interfaces->count(), 1);
  EXPECT_EQ(interfaces->currentText().toStdString(), "eth0 Ethernet");
  EXPECT_TRUE(dev.w("lE_wifi_ssid")->isVisible());
  EXPECT_EQ(dev.text("lE_wifi_ssid"), "atelier");
}

TEST_F(Network1Test, ConnectionTestFetchesTheServerIdentityAndTracesTheRoute) {
  NetworkDevice dev(Keys{{"CONFIG_SRV_ID", "0"}});
  server_.write("ORV/compteur/numerodossier.txt", "1234\n3\n15\n");
  const std::string trace = "traceroute to 127.0.0.1\n 1  127.0.0.1  0.05 ms\n";
  dev.box.write("/platform_stub/traceroute.out", trace);
  dev.open(true);

  dev.click("testButton");
  EXPECT_EQ(dev.text("lineEditID"), "1234");
  EXPECT_TRUE(dev.configHas("CONFIG_SRV_ID=1234"));
  EXPECT_TRUE(dev.configHas("CONFIG_SRV_HOUR=3"));
  EXPECT_TRUE(dev.configHas("CONFIG_SRV_MIN=15"));
  EXPECT_FALSE(server_.exists("ORV/compteur/numerodossier.txt"));
  EXPECT_TRUE(dev.box.exists("/home/ORV/numerodossier.txt"));
  ASSERT_EQ(dev.alarms->count(), 1);
  EXPECT_EQ(dev.alarms->at(0).at(0).toTime(), QTime(3, 15, 0));
  EXPECT_TRUE(has(dev.box.platformCalls(), "traceroute -n 127.0.0.1\n"));
  EXPECT_EQ(dev.box.read("/home/ORV/traceroute.log"), trace);
  EXPECT_EQ(dev.box.read("/usr/share/rcS"), dev.box.read("/etc/init.d/rcS"));
  EXPECT_EQ(dev.box.read("/usr/share/config.conf"), dev.config());
  EXPECT_EQ(dev.mes(565), 1);
  EXPECT_EQ(dev.mes(566), 1);
  EXPECT_EQ(dev.status(), kTestOk);
  EXPECT_TRUE(dev.w("testButton")->isEnabled());
  dev.shot("test-identity");

  // The server gone silent.
  std::remove(dev.box.path("/platform_calls.log").c_str());
  ASSERT_TRUE(server_.suspend());
  dev.click("testButton");
  ASSERT_TRUE(server_.resume());
  EXPECT_EQ(dev.status(), kTestFailed);
  EXPECT_EQ(dev.mes(566), 0);
  EXPECT_TRUE(dev.showsPicture("ethernet_off.png"));
  EXPECT_FALSE(has(dev.box.platformCalls(), "traceroute"));
  dev.shot("test-no-server");

  // No cable: the link state is written, the server is not tried.
  dev.box.write("/sys/class/net/eth0/carrier", "0\n");
  dev.click("testButton");
  EXPECT_EQ(dev.status(),
            "Veuillez verifier que votre cable ethernet est raccorder\n"
            "OU que votre dongle USB WiFi est brancher.");
  EXPECT_EQ(dev.mes(565), 0);
}

// A backup of server ID 99: a valid one is put in place and the device restarts; a broken
// one leaves every live file as it was and says so under the test's final text.
TEST_F(Network1Test, NewServerIdLoadsItsBackup) {
  for (bool valid : {true, false}) {
    SCOPED_TRACE(valid ? "valid backup" : "broken backup");
    NetworkDevice dev;
    dev.box.write("/home/ORV/moy.msr", "live means\n");
    const std::string backupConf =
        valid ? "[General]\nCONFIG_SRV_ID=99\nCONFIG_STFP_IP=127.0.0.1\n" : "[Autre]\nX=1\n";
    server_.write("ORV/99/config.conf", backupConf);
    server_.write("ORV/99/moy.msr", "server means\n");
    dev.open(true);

    dev.page->OnEnab_serverID();
    EXPECT_TRUE(dev.w("lineEditID")->isEnabled());
    EXPECT_EQ(dev.w("pB_save")->styleSheet().toStdString(), kRed);
    QLineEdit* id = dev.w<QLineEdit>("lineEditID");
    id->setFocus();
    id->selectAll();
    QTest::keyClicks(id, "99");
    dev.click("pB_save");
    EXPECT_EQ(dev.status(), "Changement ID 99 Sauvegarder.");
    EXPECT_TRUE(dev.configHas("CONFIG_SRV_ID=99"));
    EXPECT_FALSE(has(dev.box.platformCalls(), "ifconfig"));

    const std::string conf = dev.config(), rcs = dev.box.read("/etc/init.d/rcS");
    dev.click("testButton");
    const std::string calls = dev.box.platformCalls();
    if (valid) {
      EXPECT_EQ(dev.config(), backupConf);
      EXPECT_EQ(dev.box.read("/home/ORV/moy.msr"), "server means\n");
      EXPECT_TRUE(dev.proc->get_sleepThreadState());
      const size_t low = at(calls, "gpio PORTE7 OUTPUT 0"), high = at(calls, "gpio PORTE7 OUTPUT 1"),
                   reboot = at(calls, "reboot"), trace = at(calls, "traceroute -n");
      ASSERT_NE(reboot, std::string::npos) << calls;
      EXPECT_LT(low, high);
      EXPECT_LT(high, reboot);
      EXPECT_LT(reboot, trace);
      EXPECT_EQ(dev.status(), kTestOk);
    } else {
      EXPECT_EQ(dev.status(), std::string(kTestOk) +
                                  "\nECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, "
                                  "veuillez reessayer");
      EXPECT_EQ(dev.config(), conf);
      EXPECT_EQ(dev.box.read("/home/ORV/moy.msr"), "live means\n");
      EXPECT_EQ(dev.box.read("/etc/init.d/rcS"), rcs);
      EXPECT_FALSE(has(calls, "reboot"));
      EXPECT_FALSE(dev.box.exists("/home/ORV/config.conf.download"));
      EXPECT_FALSE(dev.box.exists("/home/ORV/moy.msr.download"));
      dev.shot("test-broken-backup");
    }
  }
}

TEST_F(Network1Test, StaticAddressIsSavedAndApplied) {
  struct Case {
    const char* failingRequest;  // "" for none
    const char* status;
  };
  for (const Case& c : {Case{"", kSaved}, Case{"SIOCSIFNETMASK", kSaveRefused}}) {
    SCOPED_TRACE(c.failingRequest);
    NetworkDevice dev;
    if (*c.failingRequest)
      dev.box.write(std::string("/platform_stub/ioctl_") + c.failingRequest + ".status", "1\n");
    dev.open(true);
    dev.retype("btnIP", "lineEditIP", "192.168.1.60");
    EXPECT_EQ(dev.w("pB_save")->styleSheet().toStdString(), kRed);
    dev.click("pB_save");
    EXPECT_EQ(dev.status(), c.status);
    EXPECT_TRUE(dev.configHas("CONFIG_IP=192.168.1.60"));
    EXPECT_TRUE(has(dev.box.read("/etc/init.d/rcS"),
                    "/sbin/ifconfig eth0 192.168.1.60 netmask 255.255.255.0"));
    const std::string commands = dev.box.commands(), calls = dev.box.platformCalls();
    ASSERT_NE(at(commands, "/sbin/ifconfig ra0 down"), std::string::npos);
    EXPECT_LT(at(commands, "/sbin/ifconfig eth0 down"), at(commands, "/sbin/ifconfig ra0 down"));
    EXPECT_FALSE(has(commands, "insmod") || has(commands, "rmmod"));
    EXPECT_TRUE(has(calls, "ioctl SIOCSIFADDR eth0 192.168.1.60\n"));
    EXPECT_TRUE(has(calls, "ioctl SIOCSIFNETMASK eth0 255.255.255.0\n"));
    const size_t route = at(calls, "ioctl SIOCADDRT 0.0.0.0 mask 0.0.0.0 gw 192.168.1.1");
    if (*c.failingRequest) {
      EXPECT_EQ(route, std::string::npos);
    } else {
      EXPECT_NE(route, std::string::npos);
      dev.shot("saved-static");
    }
    EXPECT_FALSE(dev.w("pB_save")->isEnabled());
    EXPECT_EQ(dev.w("pB_save")->styleSheet().toStdString(), kGrey);
  }
}

TEST_F(Network1Test, HalfTypedFieldsAreRefusedWithNothingWritten) {
  NetworkDevice dev;
  dev.open(true);
  const std::string conf = dev.config(), rcs = dev.box.read("/etc/init.d/rcS");
  dev.retype("btnIP", "lineEditIP", "192.168.1.");
  dev.click("pB_save");
  EXPECT_EQ(dev.status(), kSaveRefused);
  dev.expectNothingWritten(conf, rcs);
  EXPECT_TRUE(dev.w("lineEditIP")->isEnabled());
  EXPECT_TRUE(dev.w("pB_save")->isEnabled());
  EXPECT_EQ(dev.w("pB_save")->styleSheet().toStdString(), kRed);
  dev.shot("save-refused");

  // The half-typed address stays refused once its field is closed by another button.
  dev.click("btnMask");
  dev.click("pB_save");
  EXPECT_EQ(dev.status(), kSaveRefused);
  EXPECT_EQ(dev.config(), conf);

  // The ID field takes digits only, and an emptied one is refused the same way.
  dev.retype("btnIP", "lineEditIP", "192.168.1.48");
  dev.page->OnEnab_serverID();
  QLineEdit* id = dev.w<QLineEdit>("lineEditID");
  id->setFocus();
  id->end(false);
  QTest::keyClick(id, Qt::Key_Backspace);  // "1"
  QTest::keyClicks(id, "2a");
  EXPECT_EQ(dev.text("lineEditID"), "12");
  id->clear();
  dev.click("pB_save");
  EXPECT_EQ(dev.status(), kSaveRefused);
  EXPECT_EQ(dev.config(), conf);
  EXPECT_TRUE(id->isEnabled());
}

// Leading zeros (octal to the system's converters), no address, broadcast, a split mask
// and a network that cannot be routed: the save shows its error and writes nothing, neither settings, nor boot script,
// nor interface. A plain address is taken.
TEST_F(Network1Test, UnusableAddressesAreRefusedWithNothingWritten) {
  struct Case {
    const char* button;
    const char* field;
    const char* typed;
    bool saved;
  } cases[] = {
      {"btnIP", "lineEditIP", "192.168.1.010", false},
      {"btnIP", "lineEditIP", "192.168.001.060", false},
      {"btnIP", "lineEditIP", "192.168.1.08", false},
      {"btnIP", "lineEditIP", "0.0.0.0", false},
      {"btnIP", "lineEditIP", "255.255.255.255", false},
      {"btnGW", "lineEditGw", "255.255.255.255", false},
      {"btnGW", "lineEditGw", "192.168.1.08", false},
      {"btnMask", "lineEditMask", "255.0.255.0", false},
      // A network the kernel would not route: gateway outside the subnet or the address
      // itself, the subnet's own network or broadcast address.
      {"btnGW", "lineEditGw", "10.0.0.1", false},
      {"btnGW", "lineEditGw", "192.168.1.48", false},
      {"btnIP", "lineEditIP", "192.168.1.0", false},
      {"btnIP", "lineEditIP", "192.168.1.255", false},
      {"btnIP", "lineEditIP", "192.168.1.10", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    NetworkDevice dev;
    dev.open(true);
    const std::string conf = dev.config(), rcs = dev.box.read("/etc/init.d/rcS"),
                      calls = dev.box.platformCalls();
    dev.retype(c.button, c.field, QString::fromLatin1(c.typed));
    dev.click("pB_save");
    if (c.saved) {
      EXPECT_EQ(dev.status(), kSaved);
      EXPECT_TRUE(dev.configHas(std::string("CONFIG_IP=") + c.typed));
      EXPECT_TRUE(has(dev.box.platformCalls(), "ioctl SIOCSIFADDR eth0 192.168.1.10\n"));
      continue;
    }
    EXPECT_EQ(dev.status(), kSaveRefused);
    EXPECT_EQ(dev.config(), conf);
    EXPECT_EQ(dev.box.read("/etc/init.d/rcS"), rcs);
    EXPECT_EQ(dev.box.platformCalls(), calls);
    EXPECT_FALSE(has(dev.box.commands(), "ifconfig"));
    if (std::string(c.typed) == "192.168.1.010") dev.shot("address-refused");
  }
}

// Gateway 0.0.0.0 is a static network without a gateway: a save with it stored or typed
// works, sets address and mask, adds no default route and writes no resolver.
TEST_F(Network1Test, StaticNetworkWithoutGatewaySaves) {
  struct Case {
    const char* what;
    Keys stored;
    const char *button, *field, *typed;  // button nullptr: the DHCP list is set to OFF
  } cases[] = {
      {"address typed, no gateway stored", Keys{{"CONFIG_GW", "0.0.0.0"}}, "btnIP", "lineEditIP",
       "192.168.1.60"},
      {"no gateway typed", Keys(), "btnGW", "lineEditGw", "0.0.0.0"},
      {"DHCP without a route switched to static",
       Keys{{"CONFIG_DHCP", "1"}, {"CONFIG_IP", "192.168.1.77"}, {"CONFIG_GW", "0.0.0.0"}}, nullptr,
       nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    NetworkDevice dev(c.stored);
    std::remove(dev.box.path("/etc/resolv.conf").c_str());
    dev.open(true);
    if (c.button)
      dev.retype(c.button, c.field, QString::fromLatin1(c.typed));
    else
      dev.w<QComboBox>("comboBox_DHCP")->setCurrentIndex(0);
    dev.click("pB_save");
    EXPECT_EQ(dev.status(), kSaved);
    const std::string address = dev.text("lineEditIP");
    EXPECT_TRUE(dev.configHas("CONFIG_DHCP=0"));
    EXPECT_TRUE(dev.configHas("CONFIG_IP=" + address));
    EXPECT_TRUE(dev.configHas("CONFIG_GW=0.0.0.0"));
    const std::string rcs = dev.box.read("/etc/init.d/rcS"), calls = dev.box.platformCalls();
    EXPECT_TRUE(has(rcs, "/sbin/ifconfig eth0 " + address + " netmask 255.255.255.0\n"));
    EXPECT_FALSE(has(rcs, "udhcpc"));
    EXPECT_FALSE(dev.box.exists("/etc/resolv.conf"));
    EXPECT_TRUE(has(calls, "ioctl SIOCSIFADDR eth0 " + address + "\n"));
    EXPECT_TRUE(has(calls, "ioctl SIOCSIFNETMASK eth0 255.255.255.0\n"));
    EXPECT_FALSE(has(calls, "SIOCADDRT"));
    EXPECT_EQ(dev.text("lineEditGw"), "0.0.0.0");
    if (c.button && std::string(c.button) == "btnIP") dev.shot("saved-without-gateway");
  }

  // Only a Wi-Fi key typed: the stored gateway 0.0.0.0 is checked though not retyped.
  NetworkDevice dev(Keys{{"CONFIG_IFACE", "ra0"}, {"CONFIG_WIFI_TYPE", "1"}, {"CONFIG_GW", "0.0.0.0"}});
  dev.addDongle();
  dev.open(true);
  dev.retype("btn_wifi_key", "lE_wifi_cryptKey", "cle atelier 2");
  dev.click("pB_save");
  EXPECT_EQ(dev.status(), kSaved);
  EXPECT_EQ(dev.core->datas()->getCFG_struct(CFG_WIFI_KEY).stringValue, "cle atelier 2");
  EXPECT_TRUE(has(dev.box.read("/home/WIRELESS/RT2870STA.dat"), "WPAPSK=cle atelier 2\n"));
  EXPECT_FALSE(has(dev.box.platformCalls(), "SIOCADDRT"));
  dev.shot("saved-wifi-key-without-gateway");
}

// Holds the store's key lock from another thread until release(): every write of the page
// meanwhile runs into its timeout, however slow the machine.
class KeyLockHeld {
public:
  explicit KeyLockHeld(orvDatas* store)
      : holder_([this, store] {
          const bool taken = store->lock_ORVconfig() == 1;
          std::unique_lock<std::mutex> lock(mutex_);
          state_ = taken ? kHeld : kFailed;
          changed_.notify_all();
          changed_.wait(lock, [this] { return state_ == kReleasing; });
          if (taken) store->unlock_ORVconfig();
        }) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return state_ != kStarting; });
    held_ = state_ == kHeld;
  }
  bool held() const { return held_; }
  void release() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      state_ = kReleasing;
    }
    changed_.notify_all();
    if (holder_.joinable()) holder_.join();
  }
  ~KeyLockHeld() { release(); }

private:
  enum State { kStarting, kHeld, kFailed, kReleasing };
  std::mutex mutex_;
  std::condition_variable changed_;
  State state_ = kStarting;
  bool held_ = false;
  std::thread holder_;
};

// A save whose writes cannot reach the store says so, stores and applies nothing; once the
// store is free again, the same typed address is written by the next save.
TEST_F(Network1Test, SaveWithTheStoreLockedReportsNothingSaved) {
  NetworkDevice dev;
  dev.open(true);
  const std::string conf = dev.config(), rcs = dev.box.read("/etc/init.d/rcS");
  dev.retype("btnIP", "lineEditIP", "192.168.1.60");
  {
    KeyLockHeld locked(dev.core->datas());
    ASSERT_TRUE(locked.held());
    dev.click("pB_save");
    EXPECT_EQ(dev.status(), kSaveRefused);
  }
  dev.expectNothingWritten(conf, rcs);
  EXPECT_FALSE(dev.w("pB_save")->isEnabled());
  dev.shot("save-store-locked");

  dev.click("btnIP");
  ASSERT_EQ(dev.text("lineEditIP"), "192.168.1.60");
  dev.click("pB_save");
  EXPECT_EQ(dev.status(), kSaved);
  EXPECT_TRUE(dev.configHas("CONFIG_IP=192.168.1.60"));
  EXPECT_TRUE(has(dev.box.platformCalls(), "ioctl SIOCSIFADDR eth0 192.168.1.60\n"));
}

// The network settings the store holds, as one text.
std::string storedNetworkSet(orvDatas* d) {
  std::string set = std::to_string(d->getCFG_struct(CFG_DHCP).charValue) + " " +
                    std::to_string(d->getCFG_struct(CFG_WIFI_TYPE).intValue);
  for (int id : {CFG_IFACE, CFG_IP, CFG_MASK, CFG_GW, CFG_WIFI_SSID, CFG_WIFI_KEY})
    set += " " + d->getCFG_struct(id).stringValue;
  return set;
}

// A save whose one write cannot be made (the file lock held elsewhere) keeps none of its
// fields, whichever field changed: neither in the file nor in memory, where a later save of
// another key would write them.
TEST_F(Network1Test, FailedSaveKeepsNoFieldOfTheSet) {
  struct Case {
    const char* what;
    std::function<void(NetworkDevice&)> edit;
  } cases[] = {
      {"interface",
       [](NetworkDevice& dev) { dev.w<QComboBox>("comboBox_IFaceType")->setCurrentIndex(1); }},
      {"DHCP", [](NetworkDevice& dev) { dev.w<QComboBox>("comboBox_DHCP")->setCurrentIndex(1); }},
      {"address", [](NetworkDevice& dev) { dev.retype("btnIP", "lineEditIP", "192.168.1.60"); }},
      {"mask", [](NetworkDevice& dev) { dev.retype("btnMask", "lineEditMask", "255.255.0.0"); }},
      {"gateway", [](NetworkDevice& dev) { dev.retype("btnGW", "lineEditGw", "192.168.1.2"); }},
      {"Wi-Fi name",
       [](NetworkDevice& dev) { dev.retype("btn_wifi_ssid", "lE_wifi_ssid", "Magasin"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const bool wifi = std::string(c.what) == "Wi-Fi name";
    NetworkDevice dev(wifi ? Keys{{"CONFIG_IFACE", "ra0"}, {"CONFIG_WIFI_TYPE", "1"}} : Keys());
    if (wifi) dev.addDongle();
    orvDatas* d = dev.core->datas();
    dev.open(true);
    const std::string conf = dev.config(), rcs = dev.box.read("/etc/init.d/rcS"),
                      set = storedNetworkSet(d);
    c.edit(dev);
    {
      LockHeldElsewhere held([&] { return d->lock_FILEconfig() == 1; },
                             [&] { d->unlock_FILEconfig(); });
      dev.click("pB_save");
    }
    EXPECT_EQ(dev.status(), kSaveRefused);
    dev.expectNothingWritten(conf, rcs);
    EXPECT_EQ(storedNetworkSet(d), set);
    int hour = 5;
    ASSERT_EQ(d->setCFG_struct(CFG_SRV_HOUR, &hour), 1);
    EXPECT_EQ(storedNetworkSet(d), set);
    ASSERT_TRUE(dev.configHas("CONFIG_SRV_HOUR=5"));
    EXPECT_TRUE(dev.configHas("CONFIG_DHCP=0"));
    for (int id : {CFG_IFACE, CFG_IP, CFG_MASK, CFG_GW, CFG_WIFI_SSID, CFG_WIFI_KEY})
      EXPECT_TRUE(dev.configHas(std::string(ORV_CFG_TAG[id]) + "=" + d->getCFG_struct(id).stringValue))
          << ORV_CFG_TAG[id];
  }
}

// Settings stored but a boot script that could not be written: the next start would go
// back to the old network, so the save is no success.
TEST_F(Network1Test, UnwrittenBootScriptIsAFailedSave) {
  NetworkDevice dev;
  std::remove(dev.box.path("/etc/init.d/rcS").c_str());
  dev.box.mkdirs("/etc/init.d/rcS/in-the-way");
  dev.open(true);
  dev.retype("btnIP", "lineEditIP", "192.168.1.60");
  dev.click("pB_save");
  EXPECT_EQ(dev.status(), kSaveRefused);
  EXPECT_TRUE(dev.configHas("CONFIG_IP=192.168.1.60"));
}

TEST_F(Network1Test, DhcpTakesTheLeaseOrStoresNoAddress) {
  for (bool lease : {false, true}) {
    SCOPED_TRACE(lease ? "lease" : "no lease");
    NetworkDevice dev;
    dev.box.write("/sys/class/net/eth0/ipv4", "0.0.0.0 0.0.0.0\n");
    if (lease)
      dev.box.write("/platform_stub/udhcpc.lease", "192.168.1.77 255.255.255.0 192.168.1.1\n");
    dev.open(true);
    dev.w<QComboBox>("comboBox_DHCP")->setCurrentIndex(1);
    for (const char* off : {"lineEditIP", "lineEditMask", "lineEditGw", "btnIP", "btnMask", "btnGW"})
      EXPECT_FALSE(dev.w(off)->isEnabled()) << off;
    EXPECT_EQ(dev.w("pB_save")->styleSheet().toStdString(), kRed);
    dev.click("pB_save");
    EXPECT_TRUE(dev.configHas("CONFIG_DHCP=1"));
    EXPECT_TRUE(has(dev.box.commands(), "/usr/sbin/udhcpc -bq -i eth0"));
    if (lease) {
      EXPECT_EQ(dev.text("lineEditIP"), "192.168.1.77");
      EXPECT_TRUE(dev.configHas("CONFIG_IP=192.168.1.77"));
      EXPECT_TRUE(dev.configHas("CONFIG_GW=192.168.1.1"));
      EXPECT_EQ(dev.status(), kSaved);
      dev.shot("saved-dhcp");
    } else {
      EXPECT_EQ(dev.status(), "Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.");
      EXPECT_TRUE(dev.configHas("CONFIG_IP=0.0.0.0"));
    }
  }
}

TEST_F(Network1Test, WifiSettingsGoToTheDriverFile) {
  {  // No dongle: the interface is stored, the Wi-Fi driver left alone.
    NetworkDevice dev;
    dev.open(true);
    dev.w<QComboBox>("comboBox_IFaceType")->setCurrentIndex(1);
    EXPECT_TRUE(dev.showsPicture("wifi_off.png"));
    dev.click("pB_save");
    EXPECT_EQ(dev.status(), "Veuillez brancher le DONGLE USB WIFI, merci.");
    EXPECT_TRUE(dev.configHas("CONFIG_IFACE=ra0"));
    EXPECT_FALSE(has(dev.box.commands(), "insmod") || has(dev.box.commands(), "rmmod"));
  }
  NetworkDevice dev(Keys{{"CONFIG_IFACE", "ra0"}, {"CONFIG_WIFI_TYPE", "1"}});
  dev.addDongle();
  dev.open(true);
  dev.retype("btn_wifi_ssid", "lE_wifi_ssid", "Magasin Wifi 2");
  dev.click("btn_wifi_type");
  dev.w<QComboBox>("cB_wifi_authType")->setCurrentIndex(4);
  EXPECT_EQ(dev.w<QComboBox>("cB_wifi_authType")->currentText().toStdString(), "WPAPSK2 AES");
  dev.retype("btn_wifi_key", "lE_wifi_cryptKey", "cle secrete 1");
  dev.shot("edit-wifi");
  dev.click("pB_save");
  const std::string driver = dev.box.read("/home/WIRELESS/RT2870STA.dat");
  for (const char* line : {"SSID=Magasin Wifi 2\n", "AuthMode=WPA2PSK\n", "EncrypType=AES\n",
                           "WPAPSK=cle secrete 1\n"})
    EXPECT_TRUE(has(driver, line)) << line;
  const std::string commands = dev.box.commands();
  const size_t eth = at(commands, "/sbin/ifconfig eth0 down"),
               ra = at(commands, "/sbin/ifconfig ra0 down"), rm = at(commands, "/bin/rmmod mt7601Usta"),
               ins = at(commands, "/bin/insmod /home/WIRELESS/mt7601Usta.ko");
  ASSERT_NE(ins, std::string::npos) << commands;
  EXPECT_LT(eth, ra);
  EXPECT_LT(ra, rm);
  EXPECT_LT(rm, ins);

  // Names and keys with blanks come back whole.
  dev.open(true);
  EXPECT_EQ(dev.text("lE_wifi_ssid"), "Magasin Wifi 2");
  EXPECT_EQ(dev.text("lE_wifi_cryptKey"), "cle secrete 1");
}

TEST_F(Network1Test, SendQueuesTheUploadAndReceiveRunsOnePass) {
  {
    NetworkDevice dev;
    dev.open(true);
    dev.click("testButton");
    ASSERT_EQ(dev.mes(565), 1);
    dev.click("sendFilesButton");
    EXPECT_EQ(dev.status(), "OK: Transfert des fichiers reussi.");
    EXPECT_EQ(dev.uploads(), std::vector<int>{0});
    EXPECT_TRUE(dev.page->isEnabled());
    dev.shot("send-ok");

    // The send's own test fails: no success, although an earlier test succeeded.
    ASSERT_TRUE(server_.suspend());
    dev.click("sendFilesButton");
    ASSERT_TRUE(server_.resume());
    EXPECT_EQ(dev.status(), "ERREUR Transfert des fichiers.");
    EXPECT_EQ(dev.uploads(), std::vector<int>{0});

    server_.write("ORV/12/SversD/actions.xml", kDelayAction);
    dev.click("receiveFilesButton");
    EXPECT_EQ(dev.status(), "Reception des fichiers SFTP termine.");
    EXPECT_FALSE(server_.exists("ORV/12/SversD/actions.xml"));
    EXPECT_TRUE(dev.configHas("ALARME_TEMPORISATION=45"));
    EXPECT_TRUE(dev.journalHas("5000;ALARME_TEMPORISATION;45;NET;"));
  }
  NetworkDevice offline(Keys(), false);
  offline.open(true);
  offline.click("receiveFilesButton");
  EXPECT_EQ(offline.status(),
            "Reception des fichiers deja en cours ou pas d'Internet, veuillez reessayer plus tard.");
}

// The exchange thread started on a device with no server ID and another server address;
// the page then gives it both. Without an ID, send and receive are refused; once an ID is
// saved, the upload goes into that ID's folder and the receive pass reads from it.
TEST_F(Network1Test, SendAndReceiveGoToTheServerIdAndAddressSavedLast) {
  NetworkDevice dev(Keys{{"CONFIG_SRV_ID", "0"}, {"CONFIG_STFP_IP", "127.0.0.9"}});
  dev.open(true);
  dev.page->slot_newSrvIP(QStringLiteral("127.0.0.1"));
  ASSERT_TRUE(dev.configHas("CONFIG_STFP_IP=127.0.0.1"));

  dev.click("sendFilesButton");
  EXPECT_EQ(dev.status(), "ERREUR Transfert des fichiers.");
  EXPECT_TRUE(dev.uploads().empty());
  dev.shot("send-without-id");
  dev.click("receiveFilesButton");
  EXPECT_EQ(dev.status(),
            "Reception des fichiers deja en cours ou pas d'Internet, veuillez reessayer plus tard.");

  dev.page->OnEnab_serverID();
  QLineEdit* id = dev.w<QLineEdit>("lineEditID");
  id->setFocus();
  id->selectAll();
  QTest::keyClicks(id, "99");
  dev.click("pB_save");
  ASSERT_TRUE(dev.configHas("CONFIG_SRV_ID=99"));

  dev.click("sendFilesButton");
  EXPECT_EQ(dev.status(), "OK: Transfert des fichiers reussi.");
  ASSERT_EQ(dev.uploads(), std::vector<int>{0});
  // The thread's loop takes the request once the page is left.
  EXPECT_EQ(dev.upd->check_sendFilesToServerList(), 0);
  EXPECT_TRUE(dev.uploads().empty()) << "sent, not put back for a retry";
  EXPECT_TRUE(server_.exists("ORV/99/config.conf"));
  EXPECT_TRUE(server_.list("ORV/0").empty());

  server_.write("ORV/99/SversD/actions.xml", kDelayAction);
  dev.click("receiveFilesButton");
  EXPECT_EQ(dev.status(), "Reception des fichiers SFTP termine.");
  EXPECT_FALSE(server_.exists("ORV/99/SversD/actions.xml"));
  EXPECT_TRUE(dev.configHas("ALARME_TEMPORISATION=45"));
}

TEST_F(Network1Test, ServerAddressDialogStoresOnlyAnAddress) {
  NetworkDevice dev;
  dev.open(true);
  struct Case {
    QString typed;
    const char* status;
    const char* stored;
  };
  const Case cases[] = {
      {QStringLiteral("127.0.0.9"), "Enregistrement de la Nouvelle Adresse IP Serveur(127.0.0.9)",
       "127.0.0.9"},
      {QStringLiteral("127.0.0.9"), "Cette Adresse IP Serveur est deja Configurer", "127.0.0.9"},
      {QString(), "Cette Adresse IP Serveur est deja Configurer", "127.0.0.9"},
      {QStringLiteral("127.0.0.1;touch pwned"), "ERREUR Adresse IP Serveur non valide.",
       "127.0.0.9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    std::string shown;
    bool digits = false;
    // The dialog runs modally: answer it from inside its event loop.
    QTimer::singleShot(50, [&] {
      auto* dialog = qobject_cast<changeSrvIpDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_SrvIP_0"));
      shown = field->text().toStdString();
      // The keyboard shows its digits page: its first key types "1".
      QWidget* keyboard = dialog->findChild<QWidget*>(QStringLiteral("keyboard"));
      QPushButton* first = keyboard ? keyboard->findChild<QPushButton*>(QStringLiteral("key0")) : nullptr;
      digits = keyboard && keyboard->isVisible() && first && first->text() == QStringLiteral("1");
      field->setText(c.typed);
      dialog->findChild<QPushButton*>(QStringLiteral("pushButton_SEND"))->click();
    });
    dev.page->OnEnab_serverIP();
    EXPECT_TRUE(digits);
    EXPECT_EQ(dev.status(), c.status);
    EXPECT_TRUE(dev.configHas(std::string("CONFIG_STFP_IP=") + c.stored));
  }
  EXPECT_FALSE(dev.box.exists("/pwned"));
  EXPECT_FALSE(QFile::exists(QStringLiteral("pwned")));

  // Cancel sends nothing.
  QTimer::singleShot(50, [] {
    auto* dialog = qobject_cast<changeSrvIpDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_SrvIP_0"))->setText("10.0.0.1");
    dialog->findChild<QPushButton*>(QStringLiteral("pushButton_ANNULER"))->click();
  });
  dev.page->OnEnab_serverIP();
  EXPECT_TRUE(dev.configHas("CONFIG_STFP_IP=127.0.0.9"));
}

// The visible controls of a page that lie off the 640x480 panel, and its buttons and keys
// pressed under a finger's height or over one another: a page laid out taller than the
// panel pushes its lower rows off it, squeezes them or lays them over each other.
std::string offPanel(QWidget* page) {
  std::string found;
  std::vector<std::pair<QWidget*, QRect>> buttons;
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    const std::string name = w->objectName().toStdString();
    const QRect at(w->mapTo(page, QPoint()), w->size());
    if (!QRect(0, 0, 640, 480).contains(at)) found += name + " off the panel\n";
    if (!qobject_cast<QAbstractButton*>(w)) continue;
    if (w->height() < ZuvVirtualKeyboard::kFingerKey)
      found += name + " " + std::to_string(w->height()) + " px high\n";
    for (const auto& other : buttons)
      if (other.second.intersects(at))
        found += name + " over " + other.first->objectName().toStdString() + "\n";
    buttons.emplace_back(w, at);
  }
  return found;
}

// Every status the page can show is whole in its label, in every language, at the page's
// own font: on the Ethernet page and with the Wi-Fi block, the keyboard down and up. The
// connection test's texts are shown with a failed backup load under them.
TEST_F(Network1Test, EveryStatusIsWholeInEveryLanguage) {
  const char* const backupFailures[] = {
      "ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer",
      "ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer"};
  auto translated = [](const char* source, const QString& arg = QString()) {
    const QString text = QCoreApplication::translate("Network1", source);
    return arg.isEmpty() ? text : text.arg(arg);
  };
  auto statuses = [&] {
    QStringList texts;
    for (const char* source :
         {"ERREUR WIFI USB non Configurer",
          "ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.",
          "Reconfiguration Reseau en cours .........",
          "Veuillez brancher le DONGLE USB WIFI, merci.",
          "Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.",
          "Enregistrement CONFIG Reseau reussie.",
          "Veuillez verifier que votre cable ethernet est raccorder\n"
          "OU que votre dongle USB WiFi est brancher.",
          "Test de la connexion en cours...",
          "Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ...",
          "Recuperation des fichiers de CONFIG VOREDANE OK\nMise en Place des fichiers(2) de "
          "CONFIG en cours, ATTENTION Redemarrage ORV ....",
          "Mise en Place des fichiers de CONFIG reussit, REBOOT en cours....",
          "Transfert des fichiers en cours ...", "OK: Transfert des fichiers reussi.",
          "ERREUR Transfert des fichiers.", "Reception des fichiers en cours ...",
          "Reception des fichiers SFTP termine.",
          "Reception des fichiers deja en cours ou pas d'Internet, veuillez reessayer plus "
          "tard.",
          "Cette Adresse IP Serveur est deja Configurer", "ERREUR Adresse IP Serveur non valide."})
      texts << translated(source);
    texts << translated("Changement ID %1 Sauvegarder.", QStringLiteral("2147483647"))
          << translated("Enregistrement de la Nouvelle Adresse IP Serveur(%1)",
                        QStringLiteral("255.255.255.255"));
    for (const char* end : {"Reseau INTERNET OK, Connexion avec le serveur reussie.",
                            "AUCUN Reseau INTERNET, Echec de la connexion avec le serveur"}) {
      texts << translated(end);
      for (const char* failure : backupFailures)
        texts << translated(end) + QLatin1Char('\n') + translated(failure);
    }
    return texts;
  };

  const struct {
    const char* iface;
    bool keyboard;
  } pages[] = {{"eth0", false}, {"eth0", true}, {"ra0", false}, {"ra0", true}};
  for (const auto& p : pages) {
    NetworkDevice dev(Keys{{"CONFIG_IFACE", p.iface}});
    dev.addDongle();
    dev.open(true);
    const std::string state = std::string(p.iface) + (p.keyboard ? "-keyboard" : "");
    QLabel* status = dev.w<QLabel>("labelStatus");
    for (const char* code : kPanelLanguages) {
      SCOPED_TRACE(state + " " + code);
      PanelLanguage language(code);
      ASSERT_TRUE(language.loaded);
      std::string cut;
      for (const QString& text : statuses()) {
        if (p.keyboard && !dev.w("keyboard")->isVisible()) dev.click("keyboardButton");
        dev.page->resize(640, 480);
        QMetaObject::invokeMethod(dev.page.get(), "setStatus", Q_ARG(QString, text));
        dev.page->layout()->invalidate();
        dev.page->layout()->activate();
        if (!status->isVisible() || status->text() != text)
          cut += "labelStatus not shown (" + text.toStdString() + ")\n";
        cut += cutLabels(dev.page.get()) + offPanel(dev.page.get());
      }
      EXPECT_EQ(cut, "");
      if (std::string(code) == "fr" || std::string(code) == "ru")
        dev.shot("status-" + state + "-" + code);
    }
  }
}

// With the Wi-Fi block and the keyboard up the page has no room for a status: a status puts
// the keyboard down, and the keyboard brought up again hides the status row; every key and
// button stays on the panel.
TEST_F(Network1Test, StatusAndKeyboardShareTheRoomUnderTheFields) {
  NetworkDevice dev(Keys{{"CONFIG_IFACE", "ra0"}});
  dev.addDongle();
  dev.open(true);
  dev.click("keyboardButton");
  ASSERT_TRUE(dev.w("keyboard")->isVisible());
  EXPECT_EQ(offPanel(dev.page.get()), "");

  dev.page->onEndTestConnection(false);
  EXPECT_FALSE(dev.w("keyboard")->isVisible());
  EXPECT_EQ(dev.w<QPushButton>("keyboardButton")->text().toStdString(), "Clavier\nON");
  EXPECT_TRUE(dev.w("labelStatus")->isVisible());
  dev.shot("status-ra0-keyboard-down");

  dev.click("keyboardButton");
  EXPECT_TRUE(dev.w("keyboard")->isVisible());
  EXPECT_FALSE(dev.w("labelStatus")->isVisible());
  EXPECT_EQ(offPanel(dev.page.get()), "");
  dev.shot("status-ra0-keyboard-up");

  // Without the keyboard the status comes back.
  dev.click("keyboardButton");
  EXPECT_TRUE(dev.w("labelStatus")->isVisible());
  EXPECT_EQ(dev.status(), kTestFailed);
}

// The address dialog fills the 640x480 panel and no more, in every language: its field,
// every key of its keyboard and both buttons inside it, each a finger high, no text cut.
TEST_F(Network1Test, ServerAddressDialogFitsThePanelInEveryLanguage) {
  NetworkDevice dev;
  dev.open(true);
  const QRect panel(0, 0, 640, 480);
  for (const char* code : kPanelLanguages) {
    SCOPED_TRACE(code);
    PanelLanguage language(code);
    ASSERT_TRUE(language.loaded);
    std::string outside, low, cut;
    QTimer::singleShot(50, [&] {
      auto* dialog = qobject_cast<changeSrvIpDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      // The test screen is larger than the panel: the dialog is given the panel's place.
      dialog->setWindowState(Qt::WindowNoState);
      dialog->setGeometry(panel);
      QCoreApplication::processEvents();
      const QRect frame = dialog->frameGeometry();
      if (!panel.contains(frame))
        outside += "dialog " + std::to_string(frame.width()) + "x" +
                   std::to_string(frame.height()) + "\n";
      QList<QWidget*> targets;
      targets << dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_SrvIP_0"));
      for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        if (b->isVisible()) targets << b;
      for (QWidget* w : targets) {
        const QRect at(w->mapToGlobal(QPoint(0, 0)), w->size());
        const std::string name = w->objectName().toStdString() + " " +
                                 w->property("text").toString().toStdString();
        if (!panel.contains(at)) outside += name + "\n";
        if (w->height() < 40) low += name + " " + std::to_string(w->height()) + "\n";
      }
      for (const char* name : {"pushButton_ANNULER", "pushButton_SEND"}) {
        auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
        if (!button->isVisible() ||
            QFontMetrics(button->font()).horizontalAdvance(button->text()) > button->width() - 8)
          cut += std::string(name) + " " + button->text().toStdString() + "\n";
      }
      cut += cutLabels(dialog);
      if (std::string(code) == "fr") saveScreen(dialog, "changeSrvIpDialog-current-address");
      if (std::string(code) == "de") saveScreen(dialog, "changeSrvIpDialog-current-address-de");
      dialog->findChild<QPushButton*>(QStringLiteral("pushButton_ANNULER"))->click();
    });
    dev.page->OnEnab_serverIP();
    EXPECT_EQ(outside, "");
    EXPECT_EQ(low, "");
    EXPECT_EQ(cut, "");
  }
}

// A server address whose connection requests are dropped holds the page about 5 s, not the
// kernel's two minutes.
TEST_F(Network1Test, SilentServerAddressEndsWithinSeconds) {
  UnansweredAddress silent;
  bool failed = false;
  const std::string why = silent.start(&failed);
  if (failed) FAIL() << why;
  if (!why.empty()) GTEST_SKIP() << why;
  using Clock = std::chrono::steady_clock;
  auto seconds = [](Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
  };

  NetworkDevice dev(Keys{{"CONFIG_STFP_IP", UnansweredAddress::kAddress}});
  Clock::time_point start = Clock::now();
  dev.open(true);
  EXPECT_LT(seconds(start), timeBound(7.0));
  start = Clock::now();
  dev.click("testButton");
  EXPECT_LT(seconds(start), timeBound(7.0));
  EXPECT_EQ(dev.status(), kTestFailed);

  ORV_sysNet net;
  start = Clock::now();
  EXPECT_EQ(net.checkInternet_Status(UnansweredAddress::kAddress, "22"), 0);
  EXPECT_GE(seconds(start), 4.0);
  EXPECT_LE(seconds(start), timeBound(6.0));
}

}  // namespace
