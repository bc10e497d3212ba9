// The bench's network page in the real window: what it shows at a fresh start, the Wi-Fi
// fields, Apply with nothing changed, with fixed settings, with refused settings and with
// a settings file that cannot be written.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "ZuvVirtualKeyboard.h"
#include "fNetworkConf.h"
#include "port22_claim.h"
#include "support/bench_window.h"
#include "screen_shot.h"

namespace {

template <typename T>
T* child(QWidget* page, const char* name) {
  return page->findChild<T*>(QString::fromLatin1(name));
}

class BenchNetworkPage : public ::testing::Test {
protected:
  void SetUp() override {
    layOutBenchBoard(box);
    window = benchWindow();
    window->show();
    page = window->networkPage();
    ASSERT_NE(page, nullptr);
  }
  void TearDown() override {
    if (window->worker()) waitRunEnd(*window);
  }
  void choose(const char* combo, const char* text) {
    auto* box = child<QComboBox>(page, combo);
    box->setCurrentIndex(box->findText(QString::fromUtf8(text)));
  }
  void apply() { QTest::mouseClick(child<QPushButton>(page, "pB_ApllyNetworkConf"), Qt::LeftButton); }

  // The runs that Apply starts go to the page's server, 127.0.0.1: port 22 is held so that
  // no other test's server is up there meanwhile to take their file.
  Port22Claim port22;
  TestSandbox box;
  std::unique_ptr<MainWindow> window;
  fNetworkConf* page = nullptr;
};

TEST_F(BenchNetworkPage, FreshStartShowsTheBoardsSettings) {
  EXPECT_EQ(window->pages()->currentWidget(), page);
  EXPECT_TRUE(window->keyboard()->isVisible());
  EXPECT_FALSE(window->findChild<QPushButton*>("pB_resetBench")->isVisible());
  EXPECT_FALSE(window->findChild<QPushButton*>("pB_reboot")->isVisible());
  const struct { const char* name; const char* text; } fields[] = {
      {"lineEditIP", "192.0.2.10"}, {"lineEditMask", "255.255.255.0"}, {"lineEditGw", "192.0.2.1"}};
  for (const auto& f : fields) {
    EXPECT_EQ(child<QLineEdit>(page, f.name)->text().toStdString(), f.text);
    EXPECT_FALSE(child<QLineEdit>(page, f.name)->isEnabled()) << f.name;
  }
  const char* mac[6] = {"02", "00", "00", "00", "00", "42"};
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(child<QLineEdit>(page, ("lE_MAC_" + std::to_string(i)).c_str())->text().toStdString(), mac[i]);
  EXPECT_EQ(child<QLineEdit>(page, "lineEditSftpSrvIP")->text().toStdString(), "127.0.0.1");
  EXPECT_FALSE(child<QLineEdit>(page, "lE_wifi_ssid")->isVisible());
  saveScreen(window.get(), "fNetworkConf-fresh-start");
  // The end-to-end test taps Apply at this place of the 640x480 window.
  auto* applyButton = child<QPushButton>(page, "pB_ApllyNetworkConf");
  const QRect place(applyButton->mapTo(window.get(), QPoint(0, 0)), applyButton->size());
  EXPECT_TRUE(place.contains(319, 308)) << place.x() << "," << place.y() << " " << place.width()
                                        << "x" << place.height();

  choose("comboBox_IFaceType", "wlan0  Wifi");
  EXPECT_TRUE(child<QLineEdit>(page, "lE_wifi_ssid")->isVisible());
  EXPECT_EQ(child<QLineEdit>(page, "lE_wifi_ssid")->text().toStdString(), "norvale_wifi");
  EXPECT_EQ(child<QLineEdit>(page, "lE_wifi_cryptKey")->text().toStdString(), "5820194736615093827401");
  saveScreen(window.get(), "fNetworkConf-wifi");
  choose("comboBox_IFaceType", "eth0 Ethernet");
  EXPECT_FALSE(child<QLineEdit>(page, "lE_wifi_ssid")->isVisible());
  EXPECT_FALSE(child<QLineEdit>(page, "lE_wifi_cryptKey")->isVisible());

  apply();
  EXPECT_EQ(window->pages()->currentWidget(), window->resultPage());
  EXPECT_FALSE(window->keyboard()->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return resultLines(*window).size() >= 2; }, 10000));
  EXPECT_EQ(resultLines(*window)[0], "Kernel Version: 2.6.35.3-orv-host");
  EXPECT_EQ(resultLines(*window)[1], "Composant ETHERNET: DM9000-X");
  EXPECT_TRUE(networkCalls(box).empty());
}

TEST_F(BenchNetworkPage, FixedSettingsAreWrittenAndNetworkingRestarted) {
  box.write("/platform_stub/dmesg.out", "dm9000a\n");
  choose("comboBox_DHCP", "OFF");
  EXPECT_TRUE(child<QLineEdit>(page, "lineEditIP")->isEnabled());
  child<QLineEdit>(page, "lineEditIP")->setText("192.0.2.20");
  saveScreen(window.get(), "fNetworkConf-static");
  apply();
  EXPECT_EQ(networkCalls(box), (std::vector<std::string>{"ifconfig wlan0 down", "ifconfig eth0 down",
                                                         "networking stop", "networking restart"}));
  EXPECT_EQ(box.read("/etc/network/interfaces"),
            staticInterfaces("192.0.2.20", "255.255.255.0", "192.0.2.1"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return resultLines(*window).size() >= 3; }, 10000));
  EXPECT_EQ(resultLines(*window)[0], "Reconfiguration du réseau réussi OK");
  EXPECT_EQ(resultLines(*window)[2], "Composant ETHERNET: DM9000-A");
}

TEST_F(BenchNetworkPage, RefusedSettingsChangeNothingAndTheRunStarts) {
  choose("comboBox_DHCP", "OFF");
  child<QLineEdit>(page, "lineEditGw")->setText("192.0.2.1 x");
  apply();
  EXPECT_TRUE(networkCalls(box).empty());
  EXPECT_FALSE(box.exists("/etc/network/interfaces"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !resultLines(*window).empty(); }, 10000));
  EXPECT_EQ(resultLines(*window)[0], "ERREUR Reconfiguration du réseau");
  EXPECT_TRUE(lineIsRed(*window, "ERREUR Reconfiguration du réseau"));
  EXPECT_NE(window->worker(), nullptr);
  saveScreen(window.get(), "fNetworkConf-refused");
}

TEST_F(BenchNetworkPage, UnwritableSettingsFileStillRestartsTheNetwork) {
  box.run("rm -rf '" + box.path("/etc/network") + "'");
  choose("comboBox_DHCP", "OFF");
  child<QLineEdit>(page, "lineEditIP")->setText("192.0.2.30");
  apply();
  ASSERT_FALSE(networkCalls(box).empty());
  EXPECT_EQ(networkCalls(box).back(), "networking restart");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !resultLines(*window).empty(); }, 10000));
  EXPECT_TRUE(lineIsRed(*window, "ERREUR Reconfiguration du réseau"));
  EXPECT_NE(window->worker(), nullptr);
}

}  // namespace
