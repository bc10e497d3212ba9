#include "netInterface.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <net/route.h>
#include <netdb.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "orvPlatform.h"

namespace {

constexpr unsigned kRouteUpGateway = RTF_UP | RTF_GATEWAY;

// One socket per call, closed on return.
class ControlSocket {
public:
  ControlSocket() : fd_(socket(AF_INET, SOCK_DGRAM, 0)) {}
  ~ControlSocket() {
    if (fd_ >= 0) close(fd_);
  }
  int fd() const { return fd_; }

private:
  int fd_;
};

int setInterfaceAddress(const char* name, unsigned long request, in_addr_t addr) {
  ControlSocket s;
  if (s.fd() < 0) return -1;
  struct ifreq ifr;
  ifc_init_ifr(name, &ifr);
  init_sockaddr_in(reinterpret_cast<struct sockaddr_in*>(&ifr.ifr_addr), addr);
  return orv::interfaceIoctl(s.fd(), request, &ifr) < 0 ? -1 : 0;
}

in_addr_t getInterfaceAddress(const char* name, unsigned long request) {
  ControlSocket s;
  if (s.fd() < 0) return 0;
  struct ifreq ifr;
  ifc_init_ifr(name, &ifr);
  if (orv::interfaceIoctl(s.fd(), request, &ifr) < 0) return 0;
  return reinterpret_cast<struct sockaddr_in*>(&ifr.ifr_addr)->sin_addr.s_addr;
}

struct RouteLine {
  char iface[64];
  unsigned dest, gateway, flags, mask;
};

// Walks "/proc/net/route" (header line skipped); `visit` returns false to stop. False
// when the table cannot be read.
template <typename Visit>
bool walkRouteTable(Visit visit) {
  FILE* f = std::fopen(orv::devicePath("/proc/net/route").c_str(), "r");
  if (f == nullptr) return false;
  if (std::fscanf(f, "%*[^\n]\n") < 0) {
    std::fclose(f);
    return true;
  }
  RouteLine r;
  int refcnt, use, metric, mtu, window, irtt;
  while (std::fscanf(f, "%63s%X%X%X%d%d%d%X%d%d%d\n", r.iface, &r.dest, &r.gateway, &r.flags,
                     &refcnt, &use, &metric, &r.mask, &mtu, &window, &irtt) == 11) {
    if (!visit(r)) break;
  }
  std::fclose(f);
  return true;
}

}  // namespace

std::string orv::dottedAddress(in_addr_t addr) {
  struct in_addr a {};
  a.s_addr = addr;
  char text[INET_ADDRSTRLEN] = "";
  inet_ntop(AF_INET, &a, text, sizeof text);
  return text;
}

struct sockaddr_in* init_sockaddr_in(struct sockaddr_in* sa, in_addr_t addr) {
  std::memset(sa, 0, sizeof *sa);
  sa->sin_family = AF_INET;
  sa->sin_port = 0;
  sa->sin_addr.s_addr = addr;
  return sa;
}

void ifc_init_ifr(const char* name, struct ifreq* ifr) {
  std::memset(ifr, 0, sizeof *ifr);
  if (name) std::strncpy(ifr->ifr_name, name, IFNAMSIZ);
  ifr->ifr_name[IFNAMSIZ - 1] = '\0';
}

int ifc_set_flags(const char* name, int socket, unsigned set, unsigned clear) {
  struct ifreq ifr;
  ifc_init_ifr(name, &ifr);
  if (orv::interfaceIoctl(socket, SIOCGIFFLAGS, &ifr) < 0) return -1;
  ifr.ifr_flags = static_cast<short>((ifr.ifr_flags & ~clear) | set);
  return orv::interfaceIoctl(socket, SIOCSIFFLAGS, &ifr);
}

int if_enable(const char* name) {
  ControlSocket s;
  return s.fd() < 0 ? -1 : ifc_set_flags(name, s.fd(), IFF_UP, 0);
}

int if_disable(const char* name) {
  ControlSocket s;
  return s.fd() < 0 ? -1 : ifc_set_flags(name, s.fd(), 0, IFF_UP);
}

int if_set_addr(const char* name, in_addr_t addr) { return setInterfaceAddress(name, SIOCSIFADDR, addr); }
in_addr_t if_get_addr(const char* name) { return getInterfaceAddress(name, SIOCGIFADDR); }
int if_set_mask(const char* name, in_addr_t mask) { return setInterfaceAddress(name, SIOCSIFNETMASK, mask); }
in_addr_t if_get_mask(const char* name) { return getInterfaceAddress(name, SIOCGIFNETMASK); }

int if_set_default_route(in_addr_t gateway) {
  ControlSocket s;
  if (s.fd() < 0) return -1;
  struct rtentry rt;
  std::memset(&rt, 0, sizeof rt);
  init_sockaddr_in(reinterpret_cast<struct sockaddr_in*>(&rt.rt_dst), 0);
  init_sockaddr_in(reinterpret_cast<struct sockaddr_in*>(&rt.rt_genmask), 0);
  init_sockaddr_in(reinterpret_cast<struct sockaddr_in*>(&rt.rt_gateway), gateway);
  rt.rt_flags = RTF_UP | RTF_GATEWAY;
  if (orv::interfaceIoctl(s.fd(), SIOCADDRT, &rt) < 0) {
    perror("ioctl");
    return -1;
  }
  return 0;
}

in_addr_t if_get_default_route(const char* name) {
  in_addr_t gateway = 0;
  if (name == nullptr) return 0;
  walkRouteTable([&](const RouteLine& r) {
    if (std::strcmp(r.iface, name) == 0 && r.dest == 0 &&
        (r.flags & kRouteUpGateway) == kRouteUpGateway) {
      gateway = r.gateway;
      return false;
    }
    return true;
  });
  return gateway;
}

int if_remove_host_routes(const char* name) {
  if (name == nullptr) return -1;
  ControlSocket s;
  bool readable = walkRouteTable([&](const RouteLine& r) {
    if (std::strcmp(r.iface, name) != 0 || (r.flags & kRouteUpGateway) != kRouteUpGateway)
      return true;
    struct rtentry rt;
    std::memset(&rt, 0, sizeof rt);
    rt.rt_flags = static_cast<unsigned short>(r.flags);
    init_sockaddr_in(reinterpret_cast<struct sockaddr_in*>(&rt.rt_dst), r.dest);
    init_sockaddr_in(reinterpret_cast<struct sockaddr_in*>(&rt.rt_gateway), r.gateway);
    init_sockaddr_in(reinterpret_cast<struct sockaddr_in*>(&rt.rt_genmask), r.mask);
    // Named, so that a route of the same shape on the other interface is left alone.
    char dev[IFNAMSIZ];
    std::strncpy(dev, name, IFNAMSIZ - 1);
    dev[IFNAMSIZ - 1] = '\0';
    rt.rt_dev = dev;
    if (s.fd() < 0 || orv::interfaceIoctl(s.fd(), SIOCDELRT, &rt) < 0) {
      printf("failed to remove route for %s to %s: %s\n", name, orv::dottedAddress(r.dest).c_str(),
             strerror(errno));
    }
    return true;
  });
  return readable ? 0 : -1;
}

int if_get_macadress(const char* name, unsigned char* mac) {
  if (name == nullptr || mac == nullptr) return -1;
  ControlSocket s;
  if (s.fd() < 0) return -1;
  struct ifreq ifr;
  ifc_init_ifr(name, &ifr);
  int rc = orv::interfaceIoctl(s.fd(), SIOCGIFHWADDR, &ifr);
  if (rc < 0) return rc;
  std::memcpy(mac, ifr.ifr_hwaddr.sa_data, 6);
  return rc;
}

unsigned short in_cksum(unsigned short* data, int length) {
  unsigned sum = 0;
  int left = length;
  unsigned short* w = data;
  while (left > 1) {
    sum += *w++;
    left -= 2;
  }
  if (left == 1) sum += *reinterpret_cast<unsigned char*>(w);  // low byte, other byte 0
  sum = (sum >> 16) + (sum & 0xFFFF);
  sum += sum >> 16;
  return static_cast<unsigned short>(~sum);
}

int if_ping(const char* address) {
  static unsigned char packet[64];  // persists between calls
  int sock = socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
  if (sock < 0) {
    perror("ping: socket");
    return -1;
  }
  std::memset(packet, 0, sizeof packet);
  packet[0] = 8;  // echo request, code 0, identifier 0
  unsigned short sequence = 1;
  std::memcpy(packet + 6, &sequence, 2);
  for (int i = 16; i < 64; ++i) packet[i] = static_cast<unsigned char>(i - 8);
  // The checksum field is 0 while the sum is taken (the buffer keeps the last one).
  unsigned short sum = in_cksum(reinterpret_cast<unsigned short*>(packet), sizeof packet);
  std::memcpy(packet + 2, &sum, 2);

  struct sockaddr_in to;
  init_sockaddr_in(&to, inet_addr(address ? address : ""));
  int result = -1;
  ssize_t sent = sendto(sock, packet, sizeof packet, 0, reinterpret_cast<struct sockaddr*>(&to), sizeof to);
  if (sent < 0) {
    perror("sendto");
  } else if (sent == static_cast<ssize_t>(sizeof packet)) {
    struct pollfd p {sock, POLLIN, 0};
    int ready = poll(&p, 1, 2000);
    if (ready < 0) {
      printf("Ping error %d", errno);
    } else if (ready > 0) {
      unsigned char reply[406];
      ssize_t n = recv(sock, reply, sizeof reply, 0);
      if (n < 0) {
        perror("ping: recvfrom");
      } else {
        int headerLength = (reply[0] & 0x0F) * 4;
        if (n >= headerLength + 8) {
          int type = reply[headerLength];
          printf("Reply %d\n", type);
          result = (type == 0 || type == 8) ? 1 : 0;
        }
      }
    }
  }
  close(sock);
  return result;
}

int if_check_ip(const char* address, const char* port) {
  int portNumber = port ? std::atoi(port) : 0;
  const char* host = address ? address : "";
  int sock = socket(AF_INET, SOCK_STREAM, 0);
  if (sock < 0) {
    printf("NO Network/Server Connection!\n");
    return 0;
  }
  fcntl(sock, F_SETFL, fcntl(sock, F_GETFL, 0) | O_NONBLOCK);
  struct sockaddr_in to;
  init_sockaddr_in(&to, inet_addr(host));
  to.sin_port = htons(static_cast<uint16_t>(portNumber));
  int result = 0;
  int rc = connect(sock, reinterpret_cast<struct sockaddr*>(&to), sizeof to);
  int pending = rc == 0 ? 0 : errno;
  bool reached = rc == 0;
  if (rc != 0 && errno == EINPROGRESS) {
    struct pollfd p {sock, POLLOUT, 0};
    if (poll(&p, 1, 2000) > 0) {
      socklen_t len = sizeof pending;
      getsockopt(sock, SOL_SOCKET, SO_ERROR, &pending, &len);
      reached = true;
    }
  } else if (rc != 0) {
    // Failed at once (no route, ...): the socket would poll writable with no pending
    // error left, so only a refusal counts as reaching the host.
    reached = errno == ECONNREFUSED;
  }
  if (reached && pending == 0) {
    printf("Connection to %s:%d OK\n", host, portNumber);
    result = 1;
  } else if (reached) {
    printf("Connection to %s:%d OK but Port NOT respond!\n", host, portNumber);
    result = 2;
  } else {
    printf("NO Network/Server Connection!\n");
  }
  close(sock);
  return result;
}

std::string toip(const char* host) {
  if (host == nullptr || *host == '\0') return "";
  struct addrinfo hints {};
  hints.ai_family = AF_INET;
  struct addrinfo* found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) != 0 || found == nullptr) return "";
  char text[INET_ADDRSTRLEN] = "";
  inet_ntop(AF_INET, &reinterpret_cast<struct sockaddr_in*>(found->ai_addr)->sin_addr, text, sizeof text);
  freeaddrinfo(found);
  return text;
}
