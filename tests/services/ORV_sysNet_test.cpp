#include "ORV_sysNet.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <climits>
#include <functional>
#include <sstream>
#include <vector>

#include "orv_test_sandbox.h"

namespace {

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The sandbox's interface stand-in (netInterface.h): one interface, up, with an address.
void addInterface(const TestSandbox& box, const std::string& name, const std::string& ipv4,
                  const std::string& mac = "02:00:00:00:00:42") {
  box.write("/sys/class/net/" + name + "/address", mac + "\n");
  box.write("/sys/class/net/" + name + "/flags", "0x1043\n");
  box.write("/sys/class/net/" + name + "/ipv4", ipv4 + "\n");
}

// A default route line of "/proc/net/route": addresses as the in-memory word.
std::string defaultRoute(const std::string& iface, const std::string& gateway) {
  char line[128];
  std::snprintf(line, sizeof line, "%s\t00000000\t%08X\t0003\t0\t0\t0\t00000000\t0\t0\t0\n",
                iface.c_str(), inet_addr(gateway.c_str()));
  return line;
}

void writeRoutes(const TestSandbox& box, const std::string& lines) {
  box.write("/proc/net/route",
            "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n" +
                lines);
}

// A plant network as the kernel has it before a reconfiguration: eth0 10.0.0.5/8 through
// 10.0.0.1, and the Wi-Fi with a default route of its own.
void kernelNetwork(const TestSandbox& box) {
  addInterface(box, "eth0", "10.0.0.5 255.0.0.0", "00:1a:2b:3c:4d:5e");
  addInterface(box, "ra0", "172.16.0.9 255.255.0.0");
  writeRoutes(box, defaultRoute("eth0", "10.0.0.1") + defaultRoute("ra0", "172.16.0.1"));
}

// The stand-in's calls of the interface ioctls, in order.
std::vector<std::string> ioctlCalls(const TestSandbox& box) {
  std::vector<std::string> calls;
  std::istringstream in(box.platformCalls());
  for (std::string l; std::getline(in, l);)
    if (l.rfind("ioctl ", 0) == 0 || l.rfind("udhcpc ", 0) == 0) calls.push_back(l);
  return calls;
}

}  // namespace

TEST(SysNetStateFiles, CarrierLinkQualityAndMounts) {
  struct Case {
    const char* file;
    const char* content;  // nullptr: no file
    std::function<int(ORV_sysNet&)> read;
    int expected;
  } cases[] = {
      {"/sys/class/net/eth0/carrier", "1\n", [](ORV_sysNet& n) { return n.isETH0_Cable_Plugged(); }, 1},
      {"/sys/class/net/eth0/carrier", "0\n", [](ORV_sysNet& n) { return n.isETH0_Cable_Plugged(); }, 0},
      {"/sys/class/net/eth0/carrier", "", [](ORV_sysNet& n) { return n.isETH0_Cable_Plugged(); }, 0},
      {"/sys/class/net/eth0/carrier", nullptr, [](ORV_sysNet& n) { return n.get_NetworkConnectivity(0); }, 0},
      {"/sys/class/net/eth0/carrier", "1\n", [](ORV_sysNet& n) { return n.get_NetworkConnectivity(0); }, 1},
      // The Wi-Fi counts as started when its interface exists, whatever its carrier says.
      {"/sys/class/net/ra0/carrier", "0\n", [](ORV_sysNet& n) { return n.isWifiRA0_Started(); }, 1},
      {"/sys/class/net/ra0/carrier", nullptr, [](ORV_sysNet& n) { return n.isWifiRA0_Started(); }, 0},
      {"/sys/class/net/ra0/carrier", "0\n", [](ORV_sysNet& n) { return n.get_NetworkConnectivity(1); }, 1},
      {"/sys/class/net/ra0/carrier", "1\n", [](ORV_sysNet& n) { return n.get_NetworkConnectivity(2); }, 0},
      {"/sys/class/net/ra0/wireless/link", "57\n", [](ORV_sysNet& n) { return n.get_WifiQualityLevel(); }, 57},
      {"/sys/class/net/ra0/wireless/link", "", [](ORV_sysNet& n) { return n.get_WifiQualityLevel(); }, -1},
      {"/sys/class/net/ra0/wireless/link", nullptr, [](ORV_sysNet& n) { return n.get_WifiQualityLevel(); }, -1},
      {"/proc/mounts", "rootfs / rootfs rw 0 0\n/dev/uba1 /home/usbkey1 vfat rw 0 0\n",
       [](ORV_sysNet& n) { return n.IsUSB_DeviceMounted("/DEV/UBA1"); }, 1},
      {"/proc/mounts", "/dev/uba1 /home/usbkey1 vfat rw 0 0\n",
       [](ORV_sysNet& n) { return n.IsUSB_DeviceMounted("/dev/uba"); }, 0},
      {"/proc/mounts", "/dev/uba1 /home/usbkey1 vfat rw 0 0\n",
       [](ORV_sysNet& n) { return n.IsUSB_DeviceMounted(nullptr); }, 0},
      {"/proc/mounts", nullptr, [](ORV_sysNet& n) { return n.IsUSB_DeviceMounted("/dev/uba1"); }, 0},
  };
  for (const auto& c : cases) {
    TestSandbox box;
    if (c.content) box.write(c.file, c.content);
    ORV_sysNet net;
    EXPECT_EQ(c.read(net), c.expected) << c.file << " [" << (c.content ? c.content : "none") << "]";
  }
}

TEST(SysNetClock, SuccessOnlyWhenTheTimeProgramReportsIt) {
  struct Case {
    bool ntpclientInstalled;
    int ntpclientStatus;
    const char* ntpclientOut;
    int checkStatus;  // ntpnet_check
    const char* server;
    int result;
    bool ranCheck;
  } cases[] = {
      {false, 0, "New Local DateTime: 2024-01-31\n", 0, "127.0.0.1", 0, false},
      {true, 0, "New Local DateTime: 2024-01-31\n", 0, "127.0.0.1", 1, false},
      {true, 1, "New Local DateTime: 2024-01-31\n", 0, "127.0.0.1", 1, true},
      {true, 0, "no answer\n", 0, "127.0.0.1", 1, true},
      {true, 0, "no answer\n", 3, "127.0.0.1", 0, true},
      {true, 0, "New Local DateTime: 2024-01-31\n", 0, "127.0.0.1;reboot", 0, false},
  };
  for (const auto& c : cases) {
    TestSandbox box;
    if (c.ntpclientInstalled) box.write("/bin/ntpclient", "");
    box.scriptStub("ntpclient", c.ntpclientStatus, c.ntpclientOut);
    box.scriptStub("ntpnet_check", c.checkStatus, "checked\n");
    ORV_sysNet net;
    std::string server = c.server;
    SCOPED_TRACE(std::to_string(c.ntpclientStatus) + " " + c.ntpclientOut + " " + server);
    EXPECT_EQ(net.syncNet_DateTime(server), c.result);
    bool ranClient = c.ntpclientInstalled && server == "127.0.0.1";
    EXPECT_EQ(box.commands().find("/bin/ntpclient " + server + "\n") == 0, ranClient);
    EXPECT_EQ(contains(box.commands(), "/usr/bin/ntpnet_check " + server + "\n"), c.ranCheck);
    // Through the recording stubs, never the machine's own programs.
    EXPECT_EQ(contains(box.platformCalls(), "ntpclient 127.0.0.1\n"), ranClient);
    EXPECT_EQ(contains(box.platformCalls(), "ntpnet_check 127.0.0.1\n"), c.ranCheck);
  }
}

TEST(SysNetClock, TimeZoneLinkByOffset) {
  struct Case {
    int offset;
    const char* zone;  // nullptr: nothing done
  } cases[] = {{2, "GMT-2"}, {-3, "GMT+3"}, {0, "GMT0"}, {14, "GMT-14"},
               {-12, "GMT+12"}, {15, nullptr}, {-13, nullptr}};
  for (const auto& c : cases) {
    TestSandbox box;
    box.mkdirs("/etc");
    ::symlink("/usr/share/zoneinfo/Etc/Missing", box.path("/etc/localtime").c_str());
    ORV_sysNet net;
    EXPECT_EQ(net.setLocalTimeConfig(c.offset), 0) << c.offset;
    char target[PATH_MAX] = "";
    ssize_t n = ::readlink(box.path("/etc/localtime").c_str(), target, sizeof target - 1);
    target[n > 0 ? n : 0] = '\0';
    if (c.zone) {
      EXPECT_EQ(std::string(target), std::string("/usr/share/zoneinfo/Etc/") + c.zone);
      EXPECT_EQ(box.commands(),
                std::string("ln -s /usr/share/zoneinfo/Etc/") + c.zone + " /etc/localtime\n");
    } else {
      EXPECT_EQ(std::string(target), "/usr/share/zoneinfo/Etc/Missing");
      EXPECT_EQ(box.commands(), "");
    }
  }
}

TEST(SysNetCommands, CommandTextsAndRefusedValues) {
  struct Case {
    std::function<int(ORV_sysNet&)> call;
    const char* command;  // nullptr: refused, nothing run
  } cases[] = {
      {[](ORV_sysNet& n) { return n.IFCONFIG_IP("eth0", "192.168.1.48", ""); },
       "/sbin/ifconfig eth0 192.168.1.48 netmask 255.255.255.0"},
      {[](ORV_sysNet& n) { return n.IFCONFIG_IP("ra0", "10.0.0.2", "255.0.0.0"); },
       "/sbin/ifconfig ra0 10.0.0.2 netmask 255.0.0.0"},
      {[](ORV_sysNet& n) { return n.IFCONFIG_IP("eth0", "", "255.0.0.0"); }, nullptr},
      {[](ORV_sysNet& n) { return n.IFCONFIG_IP("eth0", "10.0.0.2; reboot", ""); }, nullptr},
      {[](ORV_sysNet& n) { return n.IFCONFIG_MAC("eth0", "00:1A:2B:3C:4D:5E"); },
       "/sbin/ifconfig eth0 hw ether 00:1A:2B:3C:4D:5E"},
      {[](ORV_sysNet& n) { return n.IFCONFIG_MAC("eth0", ""); }, nullptr},
      {[](ORV_sysNet& n) { return n.IFCONFIG_ROUTE_ADD("eth0", "192.168.1.1"); },
       "/sbin/route add default gw 192.168.1.1 eth0"},
      {[](ORV_sysNet& n) { return n.IFCONFIG_ROUTE_ADD("eth0", ""); }, nullptr},
      {[](ORV_sysNet& n) { return n.IFCONFIG_ROUTE_DEL("192.168.1.1"); },
       "/sbin/route del default gw 192.168.1.1"},
      {[](ORV_sysNet& n) { return n.IFCONFIG_ROUTE_DEL("$(reboot)"); }, nullptr},
      {[](ORV_sysNet& n) { return n.IFCONFIG_DOWN("eth0"); }, "/sbin/ifconfig eth0 down"},
      {[](ORV_sysNet& n) { return n.IFCONFIG_UP("ra0"); }, "/sbin/ifconfig ra0 up"},
      {[](ORV_sysNet& n) { return n.IFCONFIG_UP("eth0 && reboot"); }, nullptr},
      {[](ORV_sysNet& n) { return n.loadKernelWifiModule(true); },
       "/bin/insmod /home/WIRELESS/mt7601Usta.ko"},
      {[](ORV_sysNet& n) { return n.loadKernelWifiModule(false); }, "/bin/rmmod mt7601Usta"},
  };
  for (const auto& c : cases) {
    TestSandbox box;
    ORV_sysNet net;
    int rc = c.call(net);
    if (c.command) {
      EXPECT_EQ(rc, 0) << c.command;
      EXPECT_EQ(box.commands(), std::string(c.command) + "\n");
      // The program's stub recorded the call: nothing reached the machine.
      std::string command = c.command;
      std::string program = command.substr(0, command.find(' '));
      program = program.substr(program.rfind('/') + 1);
      EXPECT_EQ(box.platformCalls().rfind(program + " ", 0), 0u) << box.platformCalls();
    } else {
      EXPECT_EQ(rc, -1);
      EXPECT_EQ(box.commands(), "");
    }
  }
  // The shell's status comes back as it is.
  TestSandbox box;
  box.scriptStub("ifconfig", 1);
  ORV_sysNet net;
  EXPECT_NE(net.IFCONFIG_DOWN("eth0"), 0);
}

TEST(SysNetReachability, AcceptedRefusedAndNoHost) {
  int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in addr {};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ASSERT_EQ(::listen(listener, 4), 0);
  socklen_t len = sizeof addr;
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &len);
  const std::string port = std::to_string(ntohs(addr.sin_port));

  ORV_sysNet net;
  EXPECT_EQ(net.checkInternet_Status("127.0.0.1", port.c_str()), 1);
  ::close(listener);
  EXPECT_EQ(net.checkInternet_Status("127.0.0.1", port.c_str()), 0);  // refused
  EXPECT_EQ(net.checkInternet_Status(nullptr, "22"), 0);
}

TEST(SysNetKernel, SettingsAsTheKernelHasThem) {
  TestSandbox box;
  kernelNetwork(box);
  ORV_sysNet net;
  EXPECT_EQ(net.if_getKernel_IfaceInfo("eth0", 0), "10.0.0.5");
  EXPECT_EQ(net.if_getKernel_IfaceInfo("eth0", 1), "255.0.0.0");
  EXPECT_EQ(net.if_getKernel_IfaceInfo("eth0", 2), "10.0.0.1");
  EXPECT_EQ(net.if_getKernel_IfaceInfo("eth0", 3), "");
  EXPECT_EQ(net.if_getKernel_IfaceInfo("wlan9", 0), "0.0.0.0");
  EXPECT_EQ(net.get_iface_macAddr("eth0"), "00:1A:2B:3C:4D:5E");
  EXPECT_EQ(net.get_iface_macAddr("wlan9"), "");

  struct Case {
    const char *ip, *mask, *gw;
    int match;
  } cases[] = {
      {"10.0.0.5", "255.0.0.0", "10.0.0.1", 1},
      {"10.0.0.5", "255.0.0.0", "10.0.0.254", 0},  // only the gateway differs
      {"10.0.0.5", "255.255.255.0", "10.0.0.1", 0},
      {"10.0.0.6", "255.0.0.0", "10.0.0.1", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(net.checkNetworkCFG_Status("eth0", c.ip, c.mask, c.gw), c.match) << c.gw;
}

// Gateway "0.0.0.0" is a network without one: the old default routes go and none is
// added, which is what the settings comparison then reads back.
TEST(SysNetReconfigure, StaticStepsInOrder) {
  for (const char* gw : {"192.168.1.1", "0.0.0.0"}) {
    SCOPED_TRACE(gw);
    TestSandbox box;
    kernelNetwork(box);
    ORV_sysNet net;
    ASSERT_EQ(net.checkNetworkCFG_Status("eth0", "192.168.1.48", "255.255.255.0", gw), 0);
    EXPECT_EQ(net.reconfigureNetwork("eth0", 0, "192.168.1.48", "255.255.255.0", gw), 0);
    std::vector<std::string> expected = {
        "ioctl SIOCSIFFLAGS eth0 0x1043",
        "ioctl SIOCSIFADDR eth0 192.168.1.48",
        "ioctl SIOCSIFNETMASK eth0 255.255.255.0",
        "ioctl SIOCDELRT 0.0.0.0 mask 0.0.0.0 gw 10.0.0.1 dev eth0",
        "ioctl SIOCDELRT 0.0.0.0 mask 0.0.0.0 gw 172.16.0.1 dev ra0",
    };
    if (std::string(gw) != "0.0.0.0")
      expected.push_back(std::string("ioctl SIOCADDRT 0.0.0.0 mask 0.0.0.0 gw ") + gw);
    EXPECT_EQ(ioctlCalls(box), expected);
    EXPECT_EQ(net.checkNetworkCFG_Status("eth0", "192.168.1.48", "255.255.255.0", gw), 1);
    EXPECT_EQ(net.if_getKernel_IfaceInfo("ra0", 2), "0.0.0.0");
  }
}

TEST(SysNetReconfigure, FailingStepGivesItsCode) {
  struct Case {
    const char* failingRequest;  // stand-in knob
    int code;
    size_t callsMade;
  } cases[] = {
      {"SIOCSIFFLAGS", -1, 1},
      {"SIOCSIFADDR", -2, 2},
      {"SIOCSIFNETMASK", -3, 3},  // the routes are not touched
      {"SIOCADDRT", -4, 6},
  };
  for (const auto& c : cases) {
    TestSandbox box;
    kernelNetwork(box);
    box.scriptStub(std::string("ioctl_") + c.failingRequest, 1);
    ORV_sysNet net;
    EXPECT_EQ(net.reconfigureNetwork("eth0", 0, "192.168.1.48", "255.255.255.0", "192.168.1.1"),
              c.code) << c.failingRequest;
    EXPECT_EQ(ioctlCalls(box).size(), c.callsMade) << c.failingRequest;
    if (c.code > -4) {
      EXPECT_EQ(net.if_getKernel_IfaceInfo("eth0", 2), "10.0.0.1");
    }
  }
}

TEST(SysNetReconfigure, RefusedValueGivesItsStepCodeAndChangesNothing) {
  struct Case {
    const char *iface, *ip, *mask, *gw;
    int code;
  } cases[] = {
      {"eth0;reboot", "192.168.1.48", "255.255.255.0", "192.168.1.1", -1},
      {"eth0", "192.168.1.48 ", "255.255.255.0", "192.168.1.1", -2},
      {"eth0", "192.168.1.48", "", "192.168.1.1", -3},
      {"eth0", "192.168.1.48", "255.255.255.0", "192.168.1.x", -4},
      // Leading zeros, no address, broadcast, a split mask.
      {"eth0", "192.168.1.010", "255.255.255.0", "192.168.1.1", -2},
      {"eth0", "192.168.001.060", "255.255.255.0", "192.168.1.1", -2},
      {"eth0", "192.168.1.48", "255.255.255.0", "192.168.1.08", -4},
      {"eth0", "0.0.0.0", "255.255.255.0", "192.168.1.1", -2},
      {"eth0", "255.255.255.255", "255.255.255.0", "192.168.1.1", -2},
      {"eth0", "192.168.1.48", "255.255.255.0", "255.255.255.255", -4},
      {"eth0", "192.168.1.48", "255.0.255.0", "0.0.0.0", -3},
  };
  for (const auto& c : cases) {
    TestSandbox box;
    kernelNetwork(box);
    ORV_sysNet net;
    EXPECT_EQ(net.reconfigureNetwork(c.iface, 0, c.ip, c.mask, c.gw), c.code) << c.ip << " " << c.gw;
    EXPECT_TRUE(ioctlCalls(box).empty());
  }
}

TEST(SysNetDhcp, LeaseRequestThroughTheRecordedUdhcpc) {
  TestSandbox box;
  addInterface(box, "eth0", "0.0.0.0 0.0.0.0");
  writeRoutes(box, "");
  box.write("/platform_stub/udhcpc.lease", "192.168.1.20 255.255.255.0 192.168.1.1\n");
  ORV_sysNet net;
  EXPECT_FALSE(net.checkDHCP_Network_Status("eth0"));  // no address yet: a lease is requested
  std::vector<std::string> expected = {"ioctl SIOCSIFFLAGS eth0 0x1042",
                                       "ioctl SIOCSIFFLAGS eth0 0x1043", "udhcpc -bq -i eth0"};
  EXPECT_EQ(ioctlCalls(box), expected);
  EXPECT_EQ(box.commands(), "/usr/sbin/udhcpc -bq -i eth0\n");
  EXPECT_EQ(net.if_getKernel_IfaceInfo("eth0", 0), "192.168.1.20");
  EXPECT_EQ(net.if_getKernel_IfaceInfo("eth0", 2), "192.168.1.1");

  EXPECT_TRUE(net.checkDHCP_Network_Status("eth0"));  // leased: nothing more runs
  EXPECT_EQ(ioctlCalls(box).size(), 3u);
  EXPECT_EQ(net.reconfigureNetwork("eth0", 1, "", "", ""), 0);
  EXPECT_EQ(ioctlCalls(box).size(), 6u);
  EXPECT_EQ(net.startDHCP_leaseRequest("eth0 && reboot"), -1);
  EXPECT_EQ(ioctlCalls(box).size(), 6u);
}
