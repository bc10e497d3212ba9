// The bench board in a test sandbox: the start-up file naming orv_test, the wired
// interface 192.0.2.10/24 with its route through 192.0.2.1 and its cable, the Wi-Fi
// dongle, the GPIO tree with every input at rest, the fluid-property library file, 55 of
// 100 MiB free, the direction device of the RS-485 line and the clock at 14/03/2025
// 09:30:00. The measurement card (orvbus-sim on "/dev/ttySAC1") and the server are the
// test's to start.
#pragma once

#include <QApplication>

#include <cstdlib>
#include <string>

#include "gpio_sysfs_tree.h"
#include "orvPlatform.h"
#include "orv_test_sandbox.h"

inline QApplication& benchApplication() {
  static int argc = 1;
  static char name[] = "orv-test-bench";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// The card of the checks: a configured V2 card of version 10.2 on the bench's port.
constexpr const char* kBenchCard = "module 1 mesv2 configured=1 version=10.2\n";
constexpr const char* kBenchCardDevice = "/dev/ttySAC1";

inline void layOutBenchBoard(const TestSandbox& box) {
  box.write("/home/ORV/orv_starter", "#!/bin/sh\nORV_BIN_NAME=orv_test\n");
  box.write("/sys/class/net/eth0/address", "02:00:00:00:00:42\n");
  box.write("/sys/class/net/eth0/flags", "0x1003\n");
  box.write("/sys/class/net/eth0/ipv4", "192.0.2.10 255.255.255.0\n");
  box.write("/sys/class/net/eth0/carrier", "1\n");
  box.write("/sys/class/net/wlan0/carrier", "1\n");
  // Default route of eth0 through 192.0.2.1 (addresses in the kernel's byte order).
  box.write("/proc/net/route",
            "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
            "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n"
            "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n");
  layOutGpioSysfs(box);
  box.write("/usr/lib/librefprop.so.9.12", "stand-in\n");
  box.mkdirs("/etc/network");
  box.write("/platform_stub/diskspace", "57671680 104857600\n");
  box.write("/dev/rs485_Ctrl", "");
  setenv("ORV_CLOCK_START", "2025-03-14 09:30:00", 1);
  orv::resetWallClock();
}

// The network lines of the call log, in order ("ifconfig ...", "networking ...").
inline std::vector<std::string> networkCalls(const TestSandbox& box) {
  std::vector<std::string> out;
  std::istringstream log(box.platformCalls());
  for (std::string line; std::getline(log, line);)
    if (line.rfind("ifconfig", 0) == 0 || line.rfind("networking", 0) == 0) out.push_back(line);
  return out;
}

// The interfaces file of a wired static setting.
inline std::string staticInterfaces(const std::string& ip, const std::string& mask,
                                    const std::string& gw) {
  return "# interfaces(5) file used by ifup(8) and ifdown(8)\nauto lo\niface lo inet "
         "loopback\n\nauto eth0\nallow-hotplug eth0\niface eth0 inet static\n address " +
         ip + "\n netmask " + mask + "\n gateway " + gw + "\n dns-nameservers " + gw + "\n\n";
}
