#include "netInterface.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <utility>

#include "orv_test_sandbox.h"

namespace {

const char kRouteHeader[] = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";

class NetInterfaceTest : public ::testing::Test {
protected:
  TestSandbox box;

  void addInterface(const std::string& name, const std::string& mac, const std::string& flags,
                    const std::string& ipv4 = "") {
    std::string dir = "/sys/class/net/" + name;
    box.write(dir + "/address", mac + "\n");
    box.write(dir + "/flags", flags + "\n");
    if (!ipv4.empty()) box.write(dir + "/ipv4", ipv4 + "\n");
  }
  // One route line in the kernel's format: addresses as dotted text, flags in hex.
  static std::string route(const char* iface, const char* dest, const char* gw, unsigned flags,
                           const char* mask) {
    char line[160];
    std::snprintf(line, sizeof line, "%s\t%08X\t%08X\t%04X\t0\t0\t0\t%08X\t0\t0\t0\n", iface,
                  inet_addr(dest), inet_addr(gw), flags, inet_addr(mask));
    return line;
  }
};

// This machine's loopback, read with the real ioctl: the layer must never change it.
std::string realLoopbackAddress() {
  int s = socket(AF_INET, SOCK_DGRAM, 0);
  struct ifreq ifr {};
  std::strcpy(ifr.ifr_name, "lo");
  std::string text = ioctl(s, SIOCGIFADDR, &ifr) == 0
                         ? inet_ntoa(reinterpret_cast<struct sockaddr_in*>(&ifr.ifr_addr)->sin_addr)
                         : "";
  close(s);
  return text;
}

}  // namespace

TEST_F(NetInterfaceTest, ReadsComeFromTheSandboxInterfaces) {
  addInterface("eth0", "02:00:00:00:00:42", "0x1003", "192.0.2.10 255.255.255.0");
  unsigned char mac[6] = {};
  EXPECT_EQ(if_get_macadress("eth0", mac), 0);
  const unsigned char expected[6] = {0x02, 0, 0, 0, 0, 0x42};
  EXPECT_EQ(std::memcmp(mac, expected, 6), 0);
  EXPECT_EQ(if_get_addr("eth0"), inet_addr("192.0.2.10"));
  EXPECT_EQ(if_get_mask("eth0"), inet_addr("255.255.255.0"));

  EXPECT_EQ(if_get_macadress(nullptr, mac), -1);
  EXPECT_EQ(if_get_macadress("eth0", nullptr), -1);
  EXPECT_EQ(if_get_macadress("ra0", mac), -1);  // no such interface
  EXPECT_EQ(if_get_addr("ra0"), 0u);
  EXPECT_EQ(if_get_mask("../eth0"), 0u);
  EXPECT_EQ(box.platformCalls(), "");  // reads record nothing

  auto r = box.cli("net mac eth0");
  EXPECT_EQ(r.out, "mac=02:00:00:00:00:42\n");
}

TEST_F(NetInterfaceTest, ChangesAreRecordedAndSeenByLaterReads) {
  std::string loopback = realLoopbackAddress();
  addInterface("eth0", "02:00:00:00:00:42", "0x1002");
  EXPECT_EQ(if_enable("eth0"), 0);
  EXPECT_EQ(box.read("/sys/class/net/eth0/flags"), "0x1003\n");
  EXPECT_EQ(if_set_addr("eth0", inet_addr("192.0.2.10")), 0);
  EXPECT_EQ(if_set_mask("eth0", inet_addr("255.255.255.0")), 0);
  EXPECT_EQ(if_get_addr("eth0"), inet_addr("192.0.2.10"));
  EXPECT_EQ(if_set_default_route(inet_addr("192.0.2.1")), 0);
  EXPECT_EQ(if_get_default_route("eth0"), inet_addr("192.0.2.1"));
  EXPECT_EQ(box.read("/proc/net/route"),
            std::string(kRouteHeader) + route("eth0", "0.0.0.0", "192.0.2.1", 0x3, "0.0.0.0"));

  testing::internal::CaptureStderr();
  EXPECT_EQ(if_set_default_route(inet_addr("192.0.2.1")), -1);     // already there
  EXPECT_EQ(if_set_default_route(inet_addr("198.51.100.1")), -1);  // on no network of ours
  EXPECT_NE(testing::internal::GetCapturedStderr().find("ioctl: "), std::string::npos);
  EXPECT_EQ(if_set_addr("wlan9", inet_addr("192.0.2.20")), -1);    // no such interface
  EXPECT_EQ(if_disable("eth0"), 0);
  EXPECT_EQ(box.read("/sys/class/net/eth0/flags"), "0x1002\n");

  EXPECT_EQ(box.platformCalls(),
            "ioctl SIOCSIFFLAGS eth0 0x1003\n"
            "ioctl SIOCSIFADDR eth0 192.0.2.10\n"
            "ioctl SIOCSIFNETMASK eth0 255.255.255.0\n"
            "ioctl SIOCADDRT 0.0.0.0 mask 0.0.0.0 gw 192.0.2.1\n"
            "ioctl SIOCADDRT 0.0.0.0 mask 0.0.0.0 gw 192.0.2.1\n"
            "ioctl SIOCADDRT 0.0.0.0 mask 0.0.0.0 gw 198.51.100.1\n"
            "ioctl SIOCSIFADDR wlan9 192.0.2.20\n"
            "ioctl SIOCSIFFLAGS eth0 0x1002\n");
  EXPECT_EQ(realLoopbackAddress(), loopback);
}

// orvcore-cli takes an address only when the device can use it, and decimal only: a
// refused address or mask leaves the interface untouched and says why.
TEST_F(NetInterfaceTest, CliSetsOnlyUsableAddresses) {
  addInterface("eth0", "02:00:00:00:00:42", "0x1003", "192.0.2.10 255.255.255.0");
  const std::pair<const char*, const char*> refused[] = {
      {"192.168.1.010", "255.255.255.0"}, {"192.168.001.060", "255.255.255.0"},
      {"192.168.1.08", "255.255.255.0"},  {"0.0.0.0", "255.255.255.0"},
      {"255.255.255.255", "255.255.255.0"}, {"192.168.1.10", "255.0.255.0"},
  };
  for (const auto& r : refused) {
    const auto result = box.cli(std::string("net set eth0 ") + r.first + " " + r.second);
    EXPECT_EQ(result.status, 1) << r.first << " " << r.second;
    EXPECT_NE(result.out.find("orvcore-cli net: not a "), std::string::npos) << result.out;
    EXPECT_EQ(box.platformCalls(), "");
    EXPECT_EQ(box.read("/sys/class/net/eth0/ipv4"), "192.0.2.10 255.255.255.0\n");
  }
  for (const char* gateway : {"010.001.002.003", "192.168.1.08", "255.255.255.255"}) {
    EXPECT_EQ(box.cli(std::string("net route ") + gateway).status, 1) << gateway;
    EXPECT_EQ(box.platformCalls(), "");
  }
  // "0.0.0.0" is no gateway: taken, and no default route is added.
  const auto none = box.cli("net route 0.0.0.0");
  EXPECT_EQ(none.status, 0) << none.out;
  EXPECT_EQ(none.out, "result=0\n");
  EXPECT_EQ(box.platformCalls(), "");

  const auto accepted = box.cli("net set eth0 192.168.1.10 255.255.255.0");
  EXPECT_EQ(accepted.status, 0) << accepted.out;
  EXPECT_EQ(box.platformCalls(),
            "ioctl SIOCSIFADDR eth0 192.168.1.10\nioctl SIOCSIFNETMASK eth0 255.255.255.0\n");
}

TEST_F(NetInterfaceTest, DefaultRouteOfAnInterface) {
  struct Case {
    const char* what;
    std::string table;
    const char* gateway;
  } cases[] = {
      {"the only default route is on ra0", route("ra0", "0.0.0.0", "192.0.2.1", 0x3, "0.0.0.0"), "0.0.0.0"},
      {"default route without the gateway flag",
       route("eth0", "0.0.0.0", "192.0.2.1", 0x1, "0.0.0.0"), "0.0.0.0"},
      {"network route, then the default route",
       route("eth0", "192.0.2.0", "0.0.0.0", 0x1, "255.255.255.0") +
           route("eth0", "0.0.0.0", "192.0.2.1", 0x3, "0.0.0.0") +
           route("eth0", "0.0.0.0", "192.0.2.254", 0x3, "0.0.0.0"),
       "192.0.2.1"},
  };
  for (const Case& c : cases) {
    box.write("/proc/net/route", kRouteHeader + c.table);
    EXPECT_EQ(if_get_default_route("eth0"), inet_addr(c.gateway)) << c.what;
  }
  box.write("/proc/net/route", kRouteHeader + route("eth0", "0.0.0.0", "192.0.2.1", 0x3, "0.0.0.0"));
  EXPECT_EQ(box.cli("net getroute eth0").out, "gateway=192.0.2.1\n");
  std::remove(box.path("/proc/net/route").c_str());
  EXPECT_EQ(if_get_default_route("eth0"), 0u);
}

TEST_F(NetInterfaceTest, RemovingGatewayRoutesKeepsTheOthers) {
  EXPECT_EQ(if_remove_host_routes("eth0"), -1);  // no route table
  const std::string keep = route("eth0", "192.0.2.0", "0.0.0.0", 0x1, "255.255.255.0") +
                           route("eth0", "198.51.100.7", "0.0.0.0", 0x5, "255.255.255.255") +
                           route("ra0", "0.0.0.0", "203.0.113.1", 0x3, "0.0.0.0");
  box.write("/proc/net/route", kRouteHeader + route("eth0", "0.0.0.0", "192.0.2.1", 0x3, "0.0.0.0") +
                                   keep + route("eth0", "10.0.0.0", "192.0.2.2", 0x3, "255.0.0.0"));
  EXPECT_EQ(if_remove_host_routes("eth0"), 0);
  EXPECT_EQ(box.read("/proc/net/route"), kRouteHeader + keep);
  EXPECT_EQ(box.platformCalls(),
            "ioctl SIOCDELRT 0.0.0.0 mask 0.0.0.0 gw 192.0.2.1 dev eth0\n"
            "ioctl SIOCDELRT 10.0.0.0 mask 255.0.0.0 gw 192.0.2.2 dev eth0\n");
}

TEST(NetInterface, InternetChecksum) {
  unsigned char echo[8] = {8, 0, 0, 0, 0, 0, 1, 0};
  unsigned short sum = in_cksum(reinterpret_cast<unsigned short*>(echo), 8);
  std::memcpy(echo + 2, &sum, 2);
  EXPECT_EQ(in_cksum(reinterpret_cast<unsigned short*>(echo), 8), 0);  // a packet with its sum

  alignas(2) unsigned char odd[3] = {0x01, 0x02, 0x03};
  // Words 0x0201 and 0x0003 (the odd byte low, the other byte 0): ~0x0204.
  EXPECT_EQ(in_cksum(reinterpret_cast<unsigned short*>(odd), 3), 0xFDFB);
  alignas(2) unsigned char carry[4] = {0xFF, 0xFF, 0x01, 0x00};
  EXPECT_EQ(in_cksum(reinterpret_cast<unsigned short*>(carry), 4), 0xFFFE);  // carry folded back
}

TEST(NetInterface, ReachabilityOnTheLoopback) {
  TestSandbox box;
  int listener = socket(AF_INET, SOCK_STREAM, 0);
  struct sockaddr_in addr {};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = inet_addr("127.0.0.1");
  ASSERT_EQ(bind(listener, reinterpret_cast<struct sockaddr*>(&addr), sizeof addr), 0);
  ASSERT_EQ(listen(listener, 4), 0);
  socklen_t len = sizeof addr;
  getsockname(listener, reinterpret_cast<struct sockaddr*>(&addr), &len);
  std::string open = std::to_string(ntohs(addr.sin_port));

  // A port nobody listens on: bound and released again.
  int probe = socket(AF_INET, SOCK_STREAM, 0);
  struct sockaddr_in closedAddr {};
  closedAddr.sin_family = AF_INET;
  closedAddr.sin_addr.s_addr = inet_addr("127.0.0.1");
  bind(probe, reinterpret_cast<struct sockaddr*>(&closedAddr), sizeof closedAddr);
  len = sizeof closedAddr;
  getsockname(probe, reinterpret_cast<struct sockaddr*>(&closedAddr), &len);
  std::string closed = std::to_string(ntohs(closedAddr.sin_port));
  close(probe);

  testing::internal::CaptureStdout();
  EXPECT_EQ(if_check_ip("127.0.0.1", open.c_str()), 1);
  EXPECT_EQ(if_check_ip("127.0.0.1", closed.c_str()), 2);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Connection to 127.0.0.1:" + open + " OK\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Connection to 127.0.0.1:" + closed + " OK but Port NOT respond!\n"),
            std::string::npos) << out;
  EXPECT_EQ(box.cli("net checkip 127.0.0.1 " + open).out,
            "Connection to 127.0.0.1:" + open + " OK\nresult=1\n");
  close(listener);

  EXPECT_EQ(toip("localhost"), "127.0.0.1");
  EXPECT_EQ(toip("127.0.0.1"), "127.0.0.1");
  EXPECT_EQ(toip(""), "");
  EXPECT_EQ(toip(nullptr), "");

  int raw = socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
  if (raw >= 0) {
    close(raw);
    testing::internal::CaptureStdout();
    EXPECT_EQ(if_ping("127.0.0.1"), 1);
    EXPECT_EQ(if_ping("127.0.0.1"), 1);  // the persistent packet gets a fresh checksum
    testing::internal::GetCapturedStdout();
  }
}

// Only where no lookup can leave the machine: a private namespace with the loopback alone.
TEST(NetInterface, UnresolvableNameGivesEmptyText) {
  bool loopbackOnly = true;
  struct if_nameindex* names = if_nameindex();
  for (struct if_nameindex* i = names; i && i->if_index != 0; ++i)
    if (std::strcmp(i->if_name, "lo") != 0) loopbackOnly = false;
  if (names) if_freenameindex(names);
  if (!loopbackOnly) GTEST_SKIP() << "runs in a network namespace with the loopback alone";
  EXPECT_EQ(toip("no-such-host.invalid"), "");
}
