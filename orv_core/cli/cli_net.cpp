// "net": the network interface layer by hand (in the host build, on the sandbox's
// interfaces and route table).
#include <arpa/inet.h>

#include <cstdio>

#include "cli.h"
#include "netInterface.h"
#include "orvSafeText.h"

namespace {

using orv::dottedAddress;

int result(long long rc) {
  cliPrint("result", rc);
  return rc < 0 ? cliFail("net", "the interface request failed (" + std::to_string(rc) + ")") : 0;
}

int runNet(const CliArgs& a) {
  const std::string cmd = a.empty() ? "" : a[0];
  if (cmd == "mac" && a.size() == 2) {
    unsigned char mac[6];
    if (if_get_macadress(a[1].c_str(), mac) != 0)
      return cliFail("net", "no MAC address of " + a[1]);
    char text[18];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2], mac[3],
                  mac[4], mac[5]);
    cliPrint("mac", std::string(text));
    return 0;
  }
  if (cmd == "get" && a.size() == 2) {
    cliPrint("address", dottedAddress(if_get_addr(a[1].c_str())));
    cliPrint("netmask", dottedAddress(if_get_mask(a[1].c_str())));
    return 0;
  }
  if (cmd == "set" && a.size() == 4) {
    // Both checked before the interface is touched: a refused mask leaves the address too.
    if (!isDeviceAddress(a[2])) return cliFail("net", "not a device address: " + a[2]);
    if (!isNetmask(a[3])) return cliFail("net", "not a network mask: " + a[3]);
    uint32_t address, mask;
    parseDottedIPv4(a[2], &address);
    parseDottedIPv4(a[3], &mask);
    if (if_set_addr(a[1].c_str(), address) != 0) return result(-2);
    return result(if_set_mask(a[1].c_str(), mask) != 0 ? -3 : 0);
  }
  if (cmd == "up" && a.size() == 2) return result(if_enable(a[1].c_str()));
  if (cmd == "down" && a.size() == 2) return result(if_disable(a[1].c_str()));
  if (cmd == "route" && a.size() == 2) {
    if (!isGatewayAddress(a[1])) return cliFail("net", "not a gateway address: " + a[1]);
    uint32_t gateway;
    parseDottedIPv4(a[1], &gateway);
    // "0.0.0.0" is no gateway: there is no default route to add.
    return result(gateway == 0 ? 0 : if_set_default_route(gateway));
  }
  if (cmd == "getroute" && a.size() == 2) {
    cliPrint("gateway", dottedAddress(if_get_default_route(a[1].c_str())));
    return 0;
  }
  if (cmd == "delroutes" && a.size() == 2) return result(if_remove_host_routes(a[1].c_str()));
  if (cmd == "checkip" && a.size() == 3) {
    cliPrint("result", static_cast<long long>(if_check_ip(a[1].c_str(), a[2].c_str())));
    return 0;
  }
  if (cmd == "ping" && a.size() == 2) {
    cliPrint("result", static_cast<long long>(if_ping(a[1].c_str())));
    return 0;
  }
  if (cmd == "toip" && a.size() == 2) {
    cliPrint("ip", toip(a[1].c_str()));
    return 0;
  }
  return cliUsage("net");
}

CliGroup group("net",
               "net mac IF | get IF | set IF ADDR MASK | up IF | down IF | route GW | getroute IF | "
               "delroutes IF | checkip ADDR PORT | ping ADDR | toip HOST",
               &runNet);
}  // namespace
