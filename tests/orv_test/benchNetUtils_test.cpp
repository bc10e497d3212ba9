// The bench's network and file helpers: the interfaces file for each kind of setting, the
// reconfiguration's command order, its refusals and a failed write, the start-up file
// switch and the small file readers.
#include <gtest/gtest.h>

#include <vector>

#include "benchNetUtils.h"
#include "support/bench_sandbox.h"

namespace {

const std::string kHead =
    "# interfaces(5) file used by ifup(8) and ifdown(8)\nauto lo\niface lo inet loopback\n\n";

TEST(BenchNetUtils, InterfacesFileForEachKindOfSetting) {
  struct Case {
    const char* iface;
    int dhcp;
    const char* ssid;
    const char* key;
    std::string body;
  } cases[] = {
      {"eth0", 0, "net", "secret",
       "auto eth0\nallow-hotplug eth0\niface eth0 inet static\n address 10.0.0.5\n netmask "
       "255.255.255.0\n gateway 10.0.0.1\n dns-nameservers 10.0.0.1\n\n"},
      {"eth0", 1, "net", "", "auto eth0\nallow-hotplug eth0\niface eth0 inet dhcp\n\n"},
      {"wlan0", 1, "net", "",
       "auto wlan0\nallow-hotplug wlan0\niface wlan0 inet dhcp\n wireless-mode managed\n "
       "wireless-essid net\n wireless-key off\n\n"},
      {"wlan0", 0, "net", "secret",
       "auto wlan0\nallow-hotplug wlan0\niface wlan0 inet static\n address 10.0.0.5\n netmask "
       "255.255.255.0\n gateway 10.0.0.1\n dns-nameservers 10.0.0.1\n wpa-ssid net\n wpa-psk "
       "secret\n\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(interfacesFileText(c.iface, c.dhcp, "10.0.0.5", "255.255.255.0", "10.0.0.1", c.ssid,
                                 c.key),
              kHead + c.body)
        << c.iface << " dhcp " << c.dhcp;
}

TEST(BenchNetUtils, ReconfigurationStopsWritesAndRestartsInOrder) {
  TestSandbox box;
  layOutBenchBoard(box);
  ASSERT_TRUE(reconfigureNetwork("eth0", 0, "192.0.2.20", "255.255.255.0", "192.0.2.1", "", "", 0));
  EXPECT_EQ(networkCalls(box), (std::vector<std::string>{"ifconfig wlan0 down", "ifconfig eth0 down",
                                                         "networking stop", "networking restart"}));
  EXPECT_EQ(box.read("/etc/network/interfaces"),
            staticInterfaces("192.0.2.20", "255.255.255.0", "192.0.2.1"));
  EXPECT_NE(box.commands().find("/etc/init.d/networking restart"), std::string::npos);
}

TEST(BenchNetUtils, RefusedSettingsRunNothingAndKeepTheFile) {
  TestSandbox box;
  layOutBenchBoard(box);
  box.write("/etc/network/interfaces", "old\n");
  struct Case {
    const char* iface;
    int dhcp;
    const char* ip;
    const char* gw;
    const char* ssid;
    const char* key;
  } refused[] = {
      {"eth0", 0, "192.0.2.20", "192.0.2.1 x", "", ""},
      {"eth0", 0, "192.0.2.256", "192.0.2.1", "", ""},
      {"eth0", 0, "", "192.0.2.1", "", ""},
      {"wlan0", 1, "", "", "net\nauto eth1", "k"},
      {"wlan0", 1, "", "", "net", "key\r"},
      {"eth1", 1, "", "", "", ""},
  };
  for (const Case& c : refused)
    EXPECT_FALSE(reconfigureNetwork(c.iface, c.dhcp, c.ip, "255.255.255.0", c.gw, c.ssid, c.key, 0))
        << c.iface << " " << c.ip << " " << c.gw;
  EXPECT_TRUE(networkCalls(box).empty());
  EXPECT_EQ(box.read("/etc/network/interfaces"), "old\n");
  EXPECT_TRUE(benchServerAddressValid("127.0.0.1"));
  EXPECT_FALSE(benchServerAddressValid("127.0.0.1 -o x"));
  EXPECT_FALSE(benchServerAddressValid(""));
}

TEST(BenchNetUtils, FailedWriteStillRestartsTheNetwork) {
  TestSandbox box;
  layOutBenchBoard(box);
  box.run("rm -rf '" + box.path("/etc/network") + "'");
  EXPECT_FALSE(reconfigureNetwork("eth0", 1, " ", " ", " ", " ", " ", 0));
  ASSERT_FALSE(networkCalls(box).empty());
  EXPECT_EQ(networkCalls(box).back(), "networking restart");
}

TEST(BenchNetUtils, StarterFileSwitchesTheProgramAndRefusesAFolder) {
  TestSandbox box;
  layOutBenchBoard(box);
  EXPECT_TRUE(modifyORVstarterFile("ORV_BIN_NAME=orv_test", "ORV_BIN_NAME=orvQT"));
  EXPECT_EQ(box.read("/home/ORV/orv_starter"), "#!/bin/sh\nORV_BIN_NAME=orvQT\n");
  // No matching line: the file is written back unchanged, every line ended.
  box.write("/home/ORV/orv_starter", "#!/bin/sh\nX=1");
  EXPECT_TRUE(modifyORVstarterFile("ORV_BIN_NAME=orv_test", "ORV_BIN_NAME=orvQT"));
  EXPECT_EQ(box.read("/home/ORV/orv_starter"), "#!/bin/sh\nX=1\n");
  box.run("rm -f '" + box.path("/home/ORV/orv_starter") + "'");
  EXPECT_FALSE(modifyORVstarterFile("ORV_BIN_NAME=orv_test", "ORV_BIN_NAME=orvQT"));
  box.mkdirs("/home/ORV/orv_starter");
  EXPECT_FALSE(modifyORVstarterFile("ORV_BIN_NAME=orv_test", "ORV_BIN_NAME=orvQT"));
}

TEST(BenchNetUtils, FileReadersAndLinkChecks) {
  TestSandbox box;
  layOutBenchBoard(box);
  ASSERT_TRUE(writeToFile("/home/two.txt", "a\nb\n", false, false));
  std::vector<std::string> lines;
  ASSERT_TRUE(readFile_LinesNum("/home/two.txt", 3, &lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", ""}));
  ASSERT_TRUE(writeToFile("/home/two.txt", "c\n", true, false));
  lines.clear();
  ASSERT_TRUE(readFile_All("/home/two.txt", &lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_FALSE(readFile_All("/home/none.txt", &lines));
  EXPECT_FALSE(writeToFile("", "x", false, false));

  EXPECT_EQ(isETH0_Cable_Plugged(), 1);
  EXPECT_EQ(isWifi_Started(), 1);
  EXPECT_EQ(if_getKernel_IfaceInfo("eth0", 2), "192.0.2.1");
  EXPECT_EQ(if_getKernel_IfaceInfo("wlan0", 0), "0.0.0.0");
  box.run("rm -rf '" + box.path("/sys/class/net/wlan0") + "'");
  EXPECT_EQ(isWifi_Started(), 0);
  EXPECT_EQ(checkInternet_Status("no-such-host.invalid", "22"), 0);
  int total = 0, free = 0;
  EXPECT_EQ(getStorageInfoSize(&total, &free), 55);
  EXPECT_EQ(total, 100);
}

}  // namespace
