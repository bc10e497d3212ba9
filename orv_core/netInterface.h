// Network interface layer: IPv4 settings of an interface ("eth0", the Wi-Fi "ra0"), the
// default route, the MAC address and reachability tests, over the Linux socket ioctls
// and the kernel's route table. Every function opens its own socket and closes it.
// Addresses and masks are in network byte order, as inet_addr gives them.
//
// Host build: the interface ioctls never reach this machine's kernel. Interfaces live in
// the sandbox, one folder each, as sysfs would show them:
//   $ORV_ROOT/sys/class/net/<if>/address   MAC, "02:00:00:00:00:42"
//   $ORV_ROOT/sys/class/net/<if>/flags     interface flags, "0x1003"
//   $ORV_ROOT/sys/class/net/<if>/ipv4      host stand-in only: "ADDRESS NETMASK", dotted
// and the route table is "$ORV_ROOT/proc/net/route" (the kernel's format). Reads come
// from these files; every change is recorded in the platform call log ("ioctl SIOCSIFADDR
// eth0 192.0.2.10") and then applied to the files, so a later read sees it. A missing
// folder is a missing interface (ENODEV). Ping, TCP checks and name resolution are real
// (tests use 127.0.0.1 only).
#pragma once

#include <net/if.h>
#include <netinet/in.h>

#include <string>

struct sockaddr_in* init_sockaddr_in(struct sockaddr_in* sa, in_addr_t addr);
// Zeroes `ifr` and copies at most IFNAMSIZ - 1 characters of `name`.
void ifc_init_ifr(const char* name, struct ifreq* ifr);
// Reads the flags, clears `clear`, sets `set`, writes them back: the write's result, -1
// when the flags cannot be read.
int ifc_set_flags(const char* name, int socket, unsigned set, unsigned clear);
int if_enable(const char* name);
int if_disable(const char* name);

int if_set_addr(const char* name, in_addr_t addr);  // 0, -1 on failure
in_addr_t if_get_addr(const char* name);            // 0 when it cannot be read
int if_set_mask(const char* name, in_addr_t mask);
in_addr_t if_get_mask(const char* name);

// Adds the default route through `gateway` (no interface named): 0, -1 on failure.
int if_set_default_route(in_addr_t gateway);
// Gateway of the first default route of `name` (up and gateway flags); 0 when none.
in_addr_t if_get_default_route(const char* name);
// Deletes every route of `name` with the up and gateway flags: 0, -1 when the route table
// cannot be read. A refused delete is printed and the walk goes on.
int if_remove_host_routes(const char* name);

// Copies the 6-byte hardware address: 0, -1 for a null argument or a failed read.
int if_get_macadress(const char* name, unsigned char* mac);

// One ICMP echo with a 2000 ms wait: 1 echo reply (or the own request looped back), 0
// another ICMP answer, -1 no answer or an error.
int if_ping(const char* address);
// Internet checksum (RFC 1071) of `length` bytes.
unsigned short in_cksum(unsigned short* data, int length);
// TCP connect with a 2 s wait: 1 connected, 2 reached but the port refused, 0 no network.
int if_check_ip(const char* address, const char* port);
// First IPv4 address of `host` in dotted text; "" when it cannot be resolved.
std::string toip(const char* host);

namespace orv {
// An IPv4 address in network byte order as dotted text ("192.0.2.1").
std::string dottedAddress(in_addr_t addr);

// The interface ioctls (SIOCGIF*, SIOCSIF*, SIOCADDRT, SIOCDELRT) of this layer: the
// kernel's on the device, the sandbox stand-in described above in the host build.
int interfaceIoctl(int socket, unsigned long request, void* arg);
}  // namespace orv
