// The self-test page and its worker: the report items, the report file, the relay pulses
// and the result code, on a core with its module centre on orvbus-sim (a V2 card 2.1, the
// other modules garbled so that detection passes over them at once).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "AutoTest.h"
#include "ModulsCenter.h"
#include "core_device.h"
#include "orv_classPtr.h"
#include "orvbus_sim.h"
#include "port22_claim.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

const char kConfig[] =
    "CONFIG_IFACE=eth0\nCONFIG_DHCP=0\nCONFIG_STFP_IP=127.0.0.1\nCONFIG_SRV_ID=12\n";

struct LocaleFirst {
  LocaleFirst() {
    setenv("LANG", "C.UTF-8", 1);  // the report file's local 8-bit encoding
    testApplication();
  }
};

// The supervision server as the connection test sees it: something listening on
// 127.0.0.1:22 of the test's network namespace (claimed first).
class PortListener {
public:
  PortListener() {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(22);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int on = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    listening_ = fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
                 ::listen(fd_, 4) == 0;
  }
  ~PortListener() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool listening() const { return listening_; }

private:
  int fd_ = -1;
  bool listening_ = false;
};

struct SelfTestDevice : LocaleFirst, CoreDevice {
  SelfTestDevice() : CoreDevice(kConfig) {
    box.write("/sys/class/net/eth0/carrier", "1\n");
    box.write("/platform_stub/diskspace", "104857600 209715200");
    sim.reset(new BusSimulator(
        box, "module 1 mesv2 configured=1 version=2.1\n" + garbledModules({0, 5, 6, 7, 8})));
    centre.reset(new ModulsCenter());
    Singleton<orv_classPtr>::ptr()->modules = centre.get();
    centre->initModulsCenter();
    centre->autoDetect_AllModuls();
    page.reset(new AutoTest);
    page->resize(640, 480);
    page->show();
    list = page->findChild<QListWidget*>(QStringLiteral("textEdit"));
    start = page->findChild<QPushButton*>(QStringLiteral("pB_AutoTest_Start"));
    esc = page->findChild<QPushButton*>(QStringLiteral("Esc"));
  }
  ~SelfTestDevice() override {
    page.reset();
    Singleton<orv_classPtr>::ptr()->modules = nullptr;
    centre.reset();
  }
  // Taps "Lancer AutoTest" and waits (30 s at most) for Quitter to be enabled again.
  void run() {
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_FALSE(start->isEnabled());
    EXPECT_FALSE(esc->isEnabled());
    for (int i = 0; i < 3000 && !esc->isEnabled(); ++i) {
      QCoreApplication::processEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(esc->isEnabled());
    EXPECT_TRUE(start->isEnabled());
  }
  std::vector<std::string> items() const {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
  }
  int count(const std::string& item) const {
    int n = 0;
    for (const std::string& i : items()) n += i == item;
    return n;
  }
  int countStarting(const std::string& prefix) const {
    int n = 0;
    for (const std::string& i : items()) n += i.compare(0, prefix.size(), prefix) == 0;
    return n;
  }
  static int occurrences(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }
  // The output lines of the call log, in order.
  std::string outputWrites() const {
    std::istringstream log(box.platformCalls());
    std::string out;
    for (std::string line; std::getline(log, line);)
      if (line.compare(0, 5, "gpio ") == 0) out += line + "\n";
    return out;
  }
  int mes(int index) { return core->datas()->getMES_struct(index).intValue; }

  std::unique_ptr<BusSimulator> sim;
  std::unique_ptr<ModulsCenter> centre;
  std::unique_ptr<AutoTest> page;
  QListWidget* list = nullptr;
  QPushButton* start = nullptr;
  QPushButton* esc = nullptr;
};

const char kPulses[] =
    "gpio PORTE10 OUTPUT 1\ngpio PORTE10 OUTPUT 0\ngpio PORTE8 OUTPUT 1\ngpio PORTE8 OUTPUT 0\n";

TEST(AutoTest, TwoRunsOfTheWorkedExample) {
  Port22Claim port22;
  if (!port22.refusal().empty()) GTEST_SKIP() << port22.refusal();
  SelfTestDevice d;
  ASSERT_TRUE(d.sim->ready());
  PortListener server;
  ASSERT_TRUE(server.listening());
  d.run();
  d.run();

  EXPECT_EQ(d.count("Demarrage de l'AutoTest ...\n"), 2);
  EXPECT_EQ(
      d.countStarting("\nKernel ORV: 2.6.35.3-orv-host\nVersion ORV: v10.4.5\n ++ ORV ID: 12\n"),
      2);
  EXPECT_EQ(d.count("\nEspace de Stockage (libre/total): 100Mo/200Mo\n"), 2);
  EXPECT_EQ(
      d.countStarting("\nConfiguration Reseau ETHERNET:\n ++ Cable Reseau ETHERNET brancher OK\n"),
      2);
  EXPECT_EQ(d.count("\nConnection Internet/Voredane:\n ++ Connection au serveur VOREDANE OK\n"), 2);
  EXPECT_EQ(d.count(" ++ Module MesureV2: v2.1\n"), 2);
  EXPECT_EQ(d.count("Résultat = 6943\n"), 2);
  EXPECT_EQ(d.count("\nAutoTest Terminer!\n"), 2);
  EXPECT_EQ(d.items().back(), "\nAutoTest Terminer!\n");
  // The date line ends with the semicolon of its format.
  for (const std::string& item : d.items()) {
    if (item.find("ORV DATE/TIME: ") != std::string::npos) {
      EXPECT_EQ(item.substr(item.size() - 2), ";\n");
    }
  }
  EXPECT_EQ(d.list->verticalScrollBar()->value(), 0);  // scrolled to the top

  const std::string report = d.box.read("/tmp/autotest.log");
  EXPECT_EQ(SelfTestDevice::occurrences(report, "Résultat = 6943"), 2);
  EXPECT_EQ(report.substr(report.size() - 20), "\nAutoTest Terminer!\n");
  const std::string commands = d.box.commands();
  for (const char* c : {"uname -r\n", "free\n", "df -h\n"})
    EXPECT_NE(commands.find(c), std::string::npos) << c;
  EXPECT_EQ(d.mes(565), 1);
  EXPECT_EQ(d.mes(566), 1);
  EXPECT_EQ(SelfTestDevice::occurrences(d.box.platformCalls(), kPulses), 2);
  saveScreen(d.page.get(), "AutoTest-twoRuns");

  d.page->hide();
  d.page->show();
  EXPECT_EQ(d.list->count(), 0);  // a page shown again starts empty; the file keeps all
}

TEST(AutoTest, ServerDownAndTheRelaysOfTheCurrentAlarm) {
  Port22Claim port22;  // nothing listens on it for this test
  if (!port22.refusal().empty()) GTEST_SKIP() << port22.refusal();
  SelfTestDevice d;
  ASSERT_TRUE(d.sim->ready());
  struct Case {
    int alarmType;
    std::string after;  // the call log after the pulses
    bool relaysOn;
  } cases[] = {
      {103, "gpio PORTE8 OUTPUT 1\ngpio PORTE10 OUTPUT 1\n", true},
      {7, "", false},
  };
  for (const Case& c : cases) {
    d.core->setAlarmType(c.alarmType);
    d.box.write("/platform_calls.log", "");
    d.run();
    EXPECT_EQ(d.outputWrites(), kPulses + c.after) << c.alarmType;
    const std::string dump = d.box.cli("gpio dump").out;
    const size_t at = dump.find("PORTE.data=");
    ASSERT_NE(at, std::string::npos) << dump;
    const unsigned long data = std::stoul(dump.substr(at + 11), nullptr, 16);
    EXPECT_EQ((data >> 8) & 1, c.relaysOn ? 1u : 0u) << dump;
    EXPECT_EQ((data >> 10) & 1, c.relaysOn ? 1u : 0u) << dump;
  }
  EXPECT_EQ(d.count("\nConnection Internet/Voredane:\n -- ERREUR connection au serveur VOREDANE\n"),
            2);
  EXPECT_EQ(d.count("Résultat = 6843\n"), 2);
  EXPECT_EQ(d.mes(566), 0);
  saveScreen(d.page.get(), "AutoTest-serverDown");
}

}  // namespace
