#include "benchNetUtils.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "ORV_sysNet.h"
#include "orvPlatform.h"
#include "orvSafeText.h"
#include "orv_utils.h"

namespace {

const char* const kInterfacesFile = "/etc/network/interfaces";
const char* const kStarterFile = "/home/ORV/orv_starter";

bool hasControlCharacter(const std::string& text) {
  for (unsigned char c : text)
    if (c < 0x20 || c == 0x7f) return true;
  return false;
}

}  // namespace

bool isBenchInterface(const std::string& iface) { return iface == "eth0" || iface == "wlan0"; }

bool benchNetworkSettingsValid(const std::string& iface, int dhcp, const std::string& ip,
                               const std::string& mask, const std::string& gw,
                               const std::string& ssid, const std::string& key) {
  if (!isBenchInterface(iface)) return false;
  if (dhcp == 0 && !(isDottedIPv4(ip) && isDottedIPv4(mask) && isDottedIPv4(gw))) return false;
  return !hasControlCharacter(ssid) && !hasControlCharacter(key);
}

bool benchServerAddressValid(const std::string& server) {
  return !server.empty() && !hasControlCharacter(server) &&
         server.find(' ') == std::string::npos;
}

std::string interfacesFileText(const std::string& iface, int dhcp, const std::string& ip,
                               const std::string& mask, const std::string& gw,
                               const std::string& ssid, const std::string& key) {
  std::string text = "# interfaces(5) file used by ifup(8) and ifdown(8)\n";
  text += "auto lo\niface lo inet loopback\n\n";
  text += "auto " + iface + "\n";
  text += "allow-hotplug " + iface + "\n";
  if (dhcp == 0) {
    text += "iface " + iface + " inet static\n";
    text += " address " + ip + "\n";
    text += " netmask " + mask + "\n";
    text += " gateway " + gw + "\n";
    text += " dns-nameservers " + gw + "\n";
  } else {
    text += "iface " + iface + " inet dhcp\n";
  }
  if (iface == "wlan0") {
    if (key.empty()) {
      text += " wireless-mode managed\n";
      text += " wireless-essid " + ssid + "\n";
      text += " wireless-key off\n";
    } else {
      text += " wpa-ssid " + ssid + "\n";
      text += " wpa-psk " + key + "\n";
    }
  }
  return text + "\n";
}

int CreateInterfacesFile(std::string iface, int dhcp, std::string ip, std::string mask,
                         std::string gw, std::string ssid, std::string key) {
  std::printf(" ** Create interfaces file\n");
  return orvFileReplace(kInterfacesFile,
                        interfacesFileText(iface, dhcp, ip, mask, gw, ssid, key));
}

bool reconfigureNetwork(std::string iface, int dhcp, std::string ip, std::string mask,
                        std::string gw, std::string ssid, std::string key, int settleMs) {
  if (!benchNetworkSettingsValid(iface, dhcp, ip, mask, gw, ssid, key)) {
    std::printf(" ** Network settings refused, nothing changed\n");
    return false;
  }
  benchInterfaceDown("wlan0");
  benchInterfaceDown("eth0");
  orv::runCommand("/etc/init.d/networking stop");
  bool written = CreateInterfacesFile(iface, dhcp, ip, mask, gw, ssid, key) == 1;
  // Restarted even when the file could not be replaced: the old file is still whole, and
  // a board left with its network stopped could not be reached any more.
  orv::runCommand("/etc/init.d/networking restart");
  if (settleMs > 0) usleep(static_cast<useconds_t>(settleMs) * 1000);
  return written;
}

int benchInterfaceDown(const std::string& iface) {
  if (!isBenchInterface(iface)) return -1;
  return orv::runCommand("/sbin/ifconfig " + iface + " down");
}

std::string if_getKernel_IfaceInfo(std::string iface, int what) {
  std::string value = ORV_sysNet().if_getKernel_IfaceInfo(iface, what);
  return value.empty() ? "0.0.0.0" : value;
}

std::string get_iface_macAddr(std::string iface) { return ORV_sysNet().get_iface_macAddr(iface); }

int isETH0_Cable_Plugged() { return ORV_sysNet().isETH0_Cable_Plugged(); }

int isWifi_Started() {
  FILE* f = std::fopen(orv::devicePath("/sys/class/net/wlan0/carrier").c_str(), "r");
  if (!f) return 0;
  std::fclose(f);
  return 1;
}

int checkInternet_Status(const char* host, const char* service) {
  return ORV_sysNet().checkInternet_Status(host, service);
}

int getStorageInfoSize(int* total, int* free) {
  *total = getTotalDiskSize("/home");
  *free = getFreeDiskSize("/home");
  return *free;
}

bool writeToFile(const char* path, const std::string& content, bool append,
                 bool makeExecutable) {
  if (path == nullptr || *path == '\0') return false;
  std::string file = orv::devicePath(path);
  FILE* f = std::fopen(file.c_str(), append ? "a" : "w");
  if (!f) return false;
  bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
  ok = std::fclose(f) == 0 && ok;
  if (ok && !append && makeExecutable) chmod(file.c_str(), 0774);
  return ok;
}

bool readFile_All(const char* path, std::vector<std::string>* lines) {
  if (path == nullptr || *path == '\0') return false;
  std::ifstream in(orv::devicePath(path));
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) lines->push_back(line);
  return true;
}

bool readFile_LinesNum(const char* path, int count, std::vector<std::string>* lines) {
  if (path == nullptr || *path == '\0') return false;
  std::ifstream in(orv::devicePath(path));
  if (!in) return false;
  for (int i = 0; i < count; ++i) {
    std::string line;
    if (!std::getline(in, line)) line.clear();
    lines->push_back(line);
  }
  return true;
}

bool modifyORVstarterFile(const std::string& prefix, const std::string& line) {
  std::vector<std::string> lines;
  if (!readFile_All(kStarterFile, &lines)) return false;
  std::string text;
  for (const std::string& l : lines) text += (l.compare(0, prefix.size(), prefix) == 0 ? line : l) + "\n";
  return orvFileReplace(kStarterFile, text) == 1;
}
