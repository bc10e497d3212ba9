// The core's network, clock and mount services: interface settings as the kernel sees
// them, DHCP lease requests, static reconfiguration, the server's SFTP port test, the
// USB Wi-Fi driver, the carrier and link-quality files, the clock synchronisation and the
// time-zone link. No state: one object, created and owned by the core and reached through
// ORV_core::ORV_sysNet_Ptr(), called from the GUI and server exchange threads alike.
//
// Every text that goes into a command line (interface, address, mask, gateway, MAC,
// server) is checked first; a refused text runs nothing and gives the failure result.
#pragma once

#include <string>

class ORV_sysNet {
public:
  ORV_sysNet() = default;
  virtual ~ORV_sysNet() = default;

  int initORV_sysNet() { return 1; }
  void closeORV_sysNet() {}

  // "00:1A:2B:3C:4D:5E", "" when the address cannot be read.
  std::string get_iface_macAddr(std::string iface);
  // Dotted kernel address (what 0), mask (1) or default route (2); "" for another what.
  std::string if_getKernel_IfaceInfo(std::string iface, int what);
  // Sets the address (0), mask (1) or default route (2, the gateway alone) from dotted
  // text; the layer's result, -1 for another what or a value that is not an address.
  int if_setKernel_IfaceConfig(std::string iface, int what, std::string value);
  int if_setIFace_State(std::string iface, bool up);
  int if_pingIP(const char* host);  // 1 answered, else 0

  // Interface down and up, then "/usr/sbin/udhcpc -bq -i <iface>"; the shell's status.
  int startDHCP_leaseRequest(std::string iface);
  // false, after starting a lease request, when the interface has no address.
  bool checkDHCP_Network_Status(std::string iface);
  // 1 when the kernel's address, mask and default route equal the texts exactly.
  int checkNetworkCFG_Status(std::string iface, std::string ip, std::string mask,
                             std::string gw);
  // dhcp 1: lease request, 0. Otherwise static, stopping at the first failing step:
  // enable -1, address -2, mask -3, (gateway routes of eth0 and ra0 removed), default
  // route -4. A value that is not valid gives the code of its step before anything runs.
  int reconfigureNetwork(std::string iface, int dhcp, std::string ip, std::string mask,
                         std::string gw);
  // TCP connect to host:service (IPv4), given at most kConnectTimeoutMs to complete;
  // 1 accepted, 0 otherwise (refused, silent, unknown host).
  static constexpr int kConnectTimeoutMs = 5000;
  int checkInternet_Status(const char* host, const char* service);

  int loadKernelWifiModule(bool load);  // insmod / rmmod; the shell's status
  int get_WifiQualityLevel();           // "/sys/class/net/ra0/wireless/link", -1 unknown
  int isWifiRA0_Started();              // 1 when the ra0 interface exists
  int isETH0_Cable_Plugged();           // "/sys/class/net/eth0/carrier", 0 unknown
  int get_NetworkConnectivity(unsigned char which);  // 0 Ethernet cable, 1 Wi-Fi

  int IFCONFIG_IP(const char* iface, const char* ip, const char* mask);
  int IFCONFIG_MAC(const char* iface, const char* mac);
  int IFCONFIG_ROUTE_ADD(const char* iface, const char* gw);
  int IFCONFIG_ROUTE_DEL(const char* gw);
  int IFCONFIG_DOWN(const char* iface);
  int IFCONFIG_UP(const char* iface);

  // 1 when "/proc/mounts" lists the device (case ignored).
  int IsUSB_DeviceMounted(const char* device);
  // 1 when the time program reported success (exit status 0 and, for ntpclient, its
  // success text); 0 otherwise. The caller then writes the hardware clock.
  int syncNet_DateTime(std::string server);
  // Links "/etc/localtime" to the Etc zone of the offset in hours; the link command's
  // status, 0 without action for an offset with no zone file.
  int setLocalTimeConfig(int offset);
};
