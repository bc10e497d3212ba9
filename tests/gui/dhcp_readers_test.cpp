// Every screen that shows CONFIG_DHCP shows what the store holds: the start-up report, the
// self-test's network lines and the network page's DHCP list, for a device on DHCP and one
// with a fixed address. (The store keeps that int key in its char value.)
#include <gtest/gtest.h>

#include <QComboBox>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Network1.h"
#include "cAutoTestThread.h"
#include "core_device.h"
#include "support/orvqt_window.h"

namespace {

const char kNetwork[] =
    "CONFIG_IFACE=eth0\nCONFIG_IP=192.168.1.48\nCONFIG_MASK=255.255.255.0\n"
    "CONFIG_GW=192.168.1.1\nCONFIG_STFP_IP=127.0.0.1\n";

// The DHCP line of the start-up report.
std::string reportLine(int dhcp) {
  PlantOptions options;
  options.config = std::string(kNetwork) + "CONFIG_DHCP=" + std::to_string(dhcp) + "\n";
  WindowPlant plant(options);
  if (!plant.start("fr")) return "<report not shown>";
  for (const std::string& line : plant.reportLines())
    if (line.compare(0, 10, " ++ DHCP: ") == 0) return line;
  return "<no DHCP line>";
}

// The self-test's DHCP line, without its newline.
std::string selfTestLine(int dhcp) {
  CoreDevice dev(std::string(kNetwork) + "CONFIG_DHCP=" + std::to_string(dhcp) + "\n");
  std::string all;
  cAutoTestThread worker;
  QObject::connect(
      &worker, &cAutoTestThread::sig_ThreadUpdText, &worker,
      [&all](const QString& text, bool) { all += text.toStdString(); }, Qt::DirectConnection);
  worker.start();
  worker.wait();
  const size_t at = all.find(" ++ DHCP: ");
  return at == std::string::npos ? "<no DHCP line>" : all.substr(at, all.find('\n', at) - at);
}

// What the network page's DHCP list shows once the page is open for editing.
std::string networkPageChoice(int dhcp) {
  testApplication();
  CoreDevice dev(std::string(kNetwork) + "CONFIG_DHCP=" + std::to_string(dhcp) + "\n");
  dev.box.write("/sys/class/net/eth0/address", "00:1a:2b:3c:4d:5e\n");
  dev.box.write("/sys/class/net/eth0/flags", "0x1043\n");
  dev.box.write("/sys/class/net/eth0/ipv4", "192.168.1.48 255.255.255.0\n");
  dev.box.write("/sys/class/net/eth0/carrier", "1\n");
  Network1 page(nullptr);
  page.resize(640, 480);
  page.show();
  page.showNetwork();
  saveScreen(&page, "Network1-dhcp-" + std::to_string(dhcp));
  return page.findChild<QComboBox*>(QStringLiteral("comboBox_DHCP"))->currentText().toStdString();
}

}  // namespace

TEST(DhcpReaders, EveryScreenShowsTheStoredFlag) {
  struct Case {
    int stored;
    const char* report;
    const char* listChoice;
  };
  for (const Case& c : {Case{0, " ++ DHCP: OFF", "OFF"}, Case{1, " ++ DHCP: ON", "ON"}}) {
    SCOPED_TRACE("CONFIG_DHCP=" + std::to_string(c.stored));
    EXPECT_EQ(reportLine(c.stored), c.report);
    EXPECT_EQ(selfTestLine(c.stored), c.report);
    EXPECT_EQ(networkPageChoice(c.stored), c.listChoice);
  }
}
