// The interface ioctls of the network layer: the kernel's on the device; in the host build
// a stand-in over the sandbox's interface folders and route table (see netInterface.h),
// so that nothing here can change this machine's interfaces or routes.
#include "netInterface.h"

#include <sys/ioctl.h>

#ifndef ORV_DEVICE_BUILD
#include <arpa/inet.h>
#include <dirent.h>
#include <net/route.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "orvPlatform.h"
#include "orv_utils.h"
#endif

#ifdef ORV_DEVICE_BUILD

int orv::interfaceIoctl(int socket, unsigned long request, void* arg) {
  return ioctl(socket, request, arg);
}

#else

namespace {

const char kInterfaceRoot[] = "/sys/class/net/";
const char kRouteTable[] = "/proc/net/route";
const char kRouteHeader[] = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT";

using orv::dottedAddress;

in_addr_t addressOf(const struct sockaddr& sa) {
  return reinterpret_cast<const struct sockaddr_in*>(&sa)->sin_addr.s_addr;
}

void setAddress(struct sockaddr* sa, in_addr_t addr) {
  init_sockaddr_in(reinterpret_cast<struct sockaddr_in*>(sa), addr);
}

int fail(int error) {
  errno = error;
  return -1;
}

// The sandbox folder of one interface; "" when the name cannot be one.
std::string interfaceDir(const std::string& name) {
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) return "";
  return orv::devicePath(kInterfaceRoot + name);
}

bool interfaceExists(const std::string& name) {
  std::string dir = interfaceDir(name);
  struct stat st;
  return !dir.empty() && stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string firstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

void writeLine(const std::string& path, const std::string& line) { std::ofstream(path) << line << '\n'; }

struct InterfaceState {
  unsigned flags = 0;
  in_addr_t addr = 0;
  in_addr_t mask = 0;
};

InterfaceState readState(const std::string& name) {
  std::string dir = interfaceDir(name);
  InterfaceState s;
  s.flags = static_cast<unsigned>(std::strtoul(firstLine(dir + "/flags").c_str(), nullptr, 0));
  std::istringstream ipv4(firstLine(dir + "/ipv4"));
  std::string addr, mask;
  ipv4 >> addr >> mask;
  if (!addr.empty()) s.addr = inet_addr(addr.c_str());
  if (!mask.empty()) s.mask = inet_addr(mask.c_str());
  return s;
}

void writeState(const std::string& name, const InterfaceState& s) {
  std::string dir = interfaceDir(name);
  char flags[16];
  std::snprintf(flags, sizeof flags, "0x%x", s.flags);
  writeLine(dir + "/flags", flags);
  writeLine(dir + "/ipv4", dottedAddress(s.addr) + " " + dottedAddress(s.mask));
}

// Failure knob of a set request, so that each step of a reconfiguration can be made to
// fail: "$ORV_ROOT/platform_stub/ioctl_<REQUEST>.status" holding a non-zero number.
bool scriptedFailure(const char* request) {
  std::ifstream in(orv::devicePath(std::string("/platform_stub/ioctl_") + request + ".status"));
  int status = 0;
  return (in >> status) && status != 0;
}

int interfaceRequest(unsigned long request, struct ifreq* ifr) {
  std::string name = ifr->ifr_name;
  const char* what = request == SIOCSIFFLAGS ? "SIOCSIFFLAGS"
                     : request == SIOCSIFADDR ? "SIOCSIFADDR"
                     : request == SIOCSIFNETMASK ? "SIOCSIFNETMASK" : nullptr;
  if (what) {
    std::string value;
    if (request == SIOCSIFFLAGS) {
      char text[16];
      std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned short>(ifr->ifr_flags));
      value = text;
    } else {
      value = dottedAddress(addressOf(ifr->ifr_addr));
    }
    orv::recordPlatformCall(std::string("ioctl ") + what + " " + name + " " + value);
    if (scriptedFailure(what)) return fail(EPERM);
  }
  if (!interfaceExists(name)) return fail(ENODEV);

  InterfaceState s = readState(name);
  switch (request) {
    case SIOCGIFFLAGS: ifr->ifr_flags = static_cast<short>(s.flags); return 0;
    case SIOCSIFFLAGS: s.flags = static_cast<unsigned short>(ifr->ifr_flags); break;
    case SIOCGIFADDR:
      if (s.addr == 0) return fail(EADDRNOTAVAIL);
      setAddress(&ifr->ifr_addr, s.addr);
      return 0;
    case SIOCSIFADDR: s.addr = addressOf(ifr->ifr_addr); break;
    case SIOCGIFNETMASK:
      if (s.addr == 0) return fail(EADDRNOTAVAIL);
      setAddress(&ifr->ifr_netmask, s.mask);
      return 0;
    case SIOCSIFNETMASK: s.mask = addressOf(ifr->ifr_netmask); break;
    case SIOCGIFHWADDR: {
      unsigned mac[6] = {0, 0, 0, 0, 0, 0};
      std::sscanf(firstLine(interfaceDir(name) + "/address").c_str(), "%x:%x:%x:%x:%x:%x", &mac[0],
                  &mac[1], &mac[2], &mac[3], &mac[4], &mac[5]);
      std::memset(&ifr->ifr_hwaddr, 0, sizeof ifr->ifr_hwaddr);
      for (int i = 0; i < 6; ++i) ifr->ifr_hwaddr.sa_data[i] = static_cast<char>(mac[i]);
      return 0;
    }
    default: return fail(EINVAL);
  }
  writeState(name, s);
  return 0;
}

std::vector<std::string> interfaceNames() {
  std::vector<std::string> names;
  DIR* dir = opendir(orv::devicePath(kInterfaceRoot).c_str());
  if (dir == nullptr) return names;
  while (struct dirent* e = readdir(dir))
    if (e->d_name[0] != '.' && interfaceExists(e->d_name)) names.push_back(e->d_name);
  closedir(dir);
  return names;
}

// A new file under the name: a reader still walking the old table keeps its content.
void writeRouteTable(const std::vector<std::string>& lines) {
  mkdir(orv::devicePath("/proc").c_str(), 0755);
  mkdir(orv::devicePath("/proc/net").c_str(), 0755);
  std::string text;
  for (const std::string& l : lines) text += l + '\n';
  orvFileReplace(kRouteTable, text);
}

std::string routeLine(const std::string& iface, in_addr_t dest, in_addr_t gateway, unsigned flags,
                      in_addr_t mask) {
  char line[160];
  std::snprintf(line, sizeof line, "%s\t%08X\t%08X\t%04X\t0\t0\t0\t%08X\t0\t0\t0", iface.c_str(),
                dest, gateway, flags, mask);
  return line;
}

int routeRequest(unsigned long request, const struct rtentry* rt) {
  in_addr_t dest = addressOf(rt->rt_dst), gateway = addressOf(rt->rt_gateway),
            mask = addressOf(rt->rt_genmask);
  std::string dev = rt->rt_dev ? rt->rt_dev : "";
  orv::recordPlatformCall(std::string("ioctl ") + (request == SIOCADDRT ? "SIOCADDRT " : "SIOCDELRT ") +
                          dottedAddress(dest) + " mask " + dottedAddress(mask) + " gw " +
                          dottedAddress(gateway) + (dev.empty() ? "" : " dev " + dev));
  if (scriptedFailure(request == SIOCADDRT ? "SIOCADDRT" : "SIOCDELRT")) return fail(EPERM);

  std::vector<std::string> lines;
  {
    std::ifstream in(orv::devicePath(kRouteTable));
    std::string line;
    while (std::getline(in, line))
      if (!line.empty()) lines.push_back(line);
  }
  if (lines.empty()) lines.push_back(kRouteHeader);

  // Lines of the table that are this route (interface, destination, gateway, mask).
  auto sameRoute = [&](const std::string& line, const std::string& iface) {
    char name[64];
    unsigned d, g, f, m;
    int refcnt, use, metric;
    return std::sscanf(line.c_str(), "%63s%X%X%X%d%d%d%X", name, &d, &g, &f, &refcnt, &use, &metric,
                       &m) == 8 &&
           (iface.empty() || iface == name) && d == dest && m == mask && g == gateway;
  };

  if (request == SIOCDELRT) {
    for (size_t i = 1; i < lines.size(); ++i) {
      if (sameRoute(lines[i], dev)) {
        lines.erase(lines.begin() + static_cast<long>(i));
        writeRouteTable(lines);
        return 0;
      }
    }
    return fail(ESRCH);
  }

  // The kernel takes the interface whose up network holds the gateway.
  std::string iface = dev;
  for (const std::string& name : interfaceNames()) {
    InterfaceState s = readState(name);
    if (iface.empty() && (s.flags & IFF_UP) && s.addr != 0 && (s.addr & s.mask) == (gateway & s.mask))
      iface = name;
  }
  if (iface.empty() || !interfaceExists(iface)) return fail(ENETUNREACH);
  for (size_t i = 1; i < lines.size(); ++i)
    if (sameRoute(lines[i], iface)) return fail(EEXIST);
  lines.push_back(routeLine(iface, dest, gateway, rt->rt_flags, mask));
  writeRouteTable(lines);
  return 0;
}

}  // namespace

int orv::interfaceIoctl(int socket, unsigned long request, void* arg) {
  (void)socket;
  if (arg == nullptr) return fail(EFAULT);
  if (request == SIOCADDRT || request == SIOCDELRT)
    return routeRequest(request, static_cast<const struct rtentry*>(arg));
  return interfaceRequest(request, static_cast<struct ifreq*>(arg));
}

#endif
