#include "ORV_sysNet.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <strings.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "netInterface.h"
#include "orvPlatform.h"
#include "orvSafeText.h"
#include "orv_utils.h"

namespace {

std::string dotted(in_addr_t addr) {
  struct in_addr a {};
  a.s_addr = addr;
  char text[INET_ADDRSTRLEN] = "";
  inet_ntop(AF_INET, &a, text, sizeof text);
  return text;
}

std::string text(const char* s) { return s ? s : ""; }

// First line of a kernel state file converted as a decimal integer; `fallback` when the
// file cannot be opened or is empty.
long readStateFile(const char* devicePath, long fallback) {
  std::ifstream in(orv::devicePath(devicePath));
  std::string line;
  if (!in || !std::getline(in, line)) return fallback;
  return std::strtol(line.substr(0, 127).c_str(), nullptr, 10);
}

// Runs one of the time programs with its output captured; true on exit status 0 and, when
// `successText` is given, with that text in the output.
bool timeProgramSucceeded(const std::string& command, const char* successText) {
  int status = -1;
  std::string out = orv::captureCommand(command, &status);
  bool exitedOk = status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return exitedOk && (!successText || out.find(successText) != std::string::npos);
}

}  // namespace

std::string ORV_sysNet::get_iface_macAddr(std::string iface) {
  unsigned char mac[6] = {};
  if (if_get_macadress(iface.c_str(), mac) != 0) return "";
  char out[18];
  std::snprintf(out, sizeof out, "%.2X:%.2X:%.2X:%.2X:%.2X:%.2X", mac[0], mac[1], mac[2], mac[3],
                mac[4], mac[5]);
  return out;
}

std::string ORV_sysNet::if_getKernel_IfaceInfo(std::string iface, int what) {
  switch (what) {
    case 0: return dotted(if_get_addr(iface.c_str()));
    case 1: return dotted(if_get_mask(iface.c_str()));
    case 2: return dotted(if_get_default_route(iface.c_str()));
    default: return "";
  }
}

int ORV_sysNet::if_setKernel_IfaceConfig(std::string iface, int what, std::string value) {
  const bool usable = what == 1 ? isNetmask(value) : isDeviceAddress(value);
  uint32_t address;
  if (!usable || !parseDottedIPv4(value, &address)) return -1;
  switch (what) {
    case 0: return if_set_addr(iface.c_str(), address);
    case 1: return if_set_mask(iface.c_str(), address);
    case 2: return if_set_default_route(address);
    default: return -1;
  }
}

int ORV_sysNet::if_setIFace_State(std::string iface, bool up) {
  return up ? if_enable(iface.c_str()) : if_disable(iface.c_str());
}

int ORV_sysNet::if_pingIP(const char* host) {
  return host && isDottedIPv4(host) && if_ping(host) == 1 ? 1 : 0;
}

int ORV_sysNet::startDHCP_leaseRequest(std::string iface) {
  if (!isKnownInterface(iface)) return -1;
  if_disable(iface.c_str());
  if_enable(iface.c_str());
  return systemCommand(("/usr/sbin/udhcpc -bq -i " + iface).c_str());
}

bool ORV_sysNet::checkDHCP_Network_Status(std::string iface) {
  if (if_getKernel_IfaceInfo(iface, 0) != "0.0.0.0") return true;
  startDHCP_leaseRequest(iface);
  return false;
}

int ORV_sysNet::checkNetworkCFG_Status(std::string iface, std::string ip, std::string mask,
                                       std::string gw) {
  return if_getKernel_IfaceInfo(iface, 0) == ip && if_getKernel_IfaceInfo(iface, 1) == mask &&
                 if_getKernel_IfaceInfo(iface, 2) == gw
             ? 1
             : 0;
}

int ORV_sysNet::reconfigureNetwork(std::string iface, int dhcp, std::string ip,
                                   std::string mask, std::string gw) {
  if (dhcp == 1) {
    startDHCP_leaseRequest(iface);
    return 0;
  }
  // Each refused value gives the code of the step that would have used it, before any
  // step runs, so a bad setting never half-changes the interface.
  if (!isKnownInterface(iface)) return -1;
  if (const char* refused = staticNetworkRefusal(ip, mask, gw)) {
    const std::string key = refused;
    return key == "CONFIG_IP" ? -2 : key == "CONFIG_MASK" ? -3 : -4;
  }
  uint32_t address, netmask, gateway;
  parseDottedIPv4(ip, &address);
  parseDottedIPv4(mask, &netmask);
  parseDottedIPv4(gw, &gateway);

  if (if_enable(iface.c_str()) < 0) return -1;
  if (if_set_addr(iface.c_str(), address) < 0) return -2;
  if (if_set_mask(iface.c_str(), netmask) < 0) return -3;
  if_remove_host_routes("eth0");
  if_remove_host_routes("ra0");
  if (gateway == 0) return 0;  // "0.0.0.0": a network without a gateway, no default route
  int rc = if_set_default_route(gateway);
  return rc < 0 ? -4 : rc;
}

int ORV_sysNet::checkInternet_Status(const char* host, const char* service) {
  if (!host || !service) return 0;
  struct addrinfo hints {};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  struct addrinfo* found = nullptr;
  if (getaddrinfo(host, service, &hints, &found) != 0 || !found) return 0;
  int reachable = 0;
  // Non-blocking connect with a deadline of its own: a server address that drops the
  // connection request must not hold the caller (the GUI thread among them) for the
  // kernel's two-minute connect time-out.
  int fd = ::socket(found->ai_family, found->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                    found->ai_protocol);
  if (fd >= 0) {
    int rc = ::connect(fd, found->ai_addr, found->ai_addrlen);
    if (rc == 0) {
      reachable = 1;
    } else if (errno == EINPROGRESS) {
      struct pollfd waiting {fd, POLLOUT, 0};
      int ready;
      do ready = ::poll(&waiting, 1, kConnectTimeoutMs);
      while (ready < 0 && errno == EINTR);
      int error = 0;
      socklen_t length = sizeof error;
      if (ready == 1 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 &&
          error == 0)
        reachable = 1;
      else if (ready == 0)
        std::fprintf(stderr, "%s: pas de reponse en %d ms\n", host, kConnectTimeoutMs);
      else
        std::fprintf(stderr, "%s: %s\n", host, std::strerror(error ? error : errno));
    } else {
      std::perror(host);
    }
    ::close(fd);
  } else {
    std::perror(host);
  }
  freeaddrinfo(found);
  return reachable;
}

int ORV_sysNet::loadKernelWifiModule(bool load) {
  return systemCommand(load ? "/bin/insmod /home/WIRELESS/mt7601Usta.ko" : "/bin/rmmod mt7601Usta");
}

int ORV_sysNet::get_WifiQualityLevel() {
  return static_cast<int>(readStateFile("/sys/class/net/ra0/wireless/link", -1));
}

int ORV_sysNet::isWifiRA0_Started() {
  return std::ifstream(orv::devicePath("/sys/class/net/ra0/carrier")) ? 1 : 0;
}

int ORV_sysNet::isETH0_Cable_Plugged() {
  return static_cast<int>(readStateFile("/sys/class/net/eth0/carrier", 0));
}

int ORV_sysNet::get_NetworkConnectivity(unsigned char which) {
  switch (which) {
    case 0: return isETH0_Cable_Plugged();
    case 1: return isWifiRA0_Started();
    default: return 0;
  }
}

int ORV_sysNet::IFCONFIG_IP(const char* iface, const char* ip, const char* mask) {
  std::string m = text(mask).empty() ? "255.255.255.0" : text(mask);
  if (!isKnownInterface(text(iface)) || !isDeviceAddress(text(ip)) || !isNetmask(m))
    return -1;
  return systemCommand(("/sbin/ifconfig " + text(iface) + " " + ip + " netmask " + m).c_str());
}

int ORV_sysNet::IFCONFIG_MAC(const char* iface, const char* mac) {
  if (!isKnownInterface(text(iface)) || !isMacAddress(text(mac))) return -1;
  return systemCommand(("/sbin/ifconfig " + text(iface) + " hw ether " + mac).c_str());
}

int ORV_sysNet::IFCONFIG_ROUTE_ADD(const char* iface, const char* gw) {
  if (!isKnownInterface(text(iface)) || !isDeviceAddress(text(gw))) return -1;
  return systemCommand(("/sbin/route add default gw " + text(gw) + " " + iface).c_str());
}

int ORV_sysNet::IFCONFIG_ROUTE_DEL(const char* gw) {
  if (!isDottedIPv4(text(gw))) return -1;
  return systemCommand(("/sbin/route del default gw " + text(gw)).c_str());
}

int ORV_sysNet::IFCONFIG_DOWN(const char* iface) {
  if (!isKnownInterface(text(iface))) return -1;
  return systemCommand(("/sbin/ifconfig " + text(iface) + " down").c_str());
}

int ORV_sysNet::IFCONFIG_UP(const char* iface) {
  if (!isKnownInterface(text(iface))) return -1;
  return systemCommand(("/sbin/ifconfig " + text(iface) + " up").c_str());
}

int ORV_sysNet::IsUSB_DeviceMounted(const char* device) {
  if (!device) return 0;
  std::ifstream mounts(orv::devicePath("/proc/mounts"));
  std::string line;
  while (std::getline(mounts, line)) {
    std::string field;
    std::istringstream(line) >> field;
    if (strcasecmp(field.c_str(), device) == 0) return 1;
  }
  return 0;
}

int ORV_sysNet::syncNet_DateTime(std::string server) {
  if (!orvFileExist("/bin/ntpclient")) return 0;
  if (!isServerAddress(server)) return 0;
  if (timeProgramSucceeded("/bin/ntpclient " + server, "New Local DateTime:")) return 1;
  // ntpnet_check prints nothing we can rely on: only its exit status counts.
  return timeProgramSucceeded("/usr/bin/ntpnet_check " + server, nullptr) ? 1 : 0;
}

int ORV_sysNet::setLocalTimeConfig(int offset) {
  // "/usr/share/zoneinfo/Etc/" holds GMT-14 .. GMT+12: no link to a zone that is not there.
  if (offset > 14 || offset < -12) return 0;
  std::string zone = "GMT";
  if (offset > 0) zone += "-" + std::to_string(offset);
  else if (offset < 0) zone += "+" + std::to_string(-offset);
  else zone += "0";
  // unlink, not a file test: a link to a missing zone file must go too.
  ::unlink(orv::devicePath("/etc/localtime").c_str());
  return systemCommand(("ln -s /usr/share/zoneinfo/Etc/" + zone + " /etc/localtime").c_str());
}
