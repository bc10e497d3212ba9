// Network, link and small-file helpers of the bench-test program: the board's
// "/etc/network/interfaces" and its reconfiguration, the carrier files, the start-up file
// "orv_starter" and the bench's text files. Free functions, no state, no lock; every path
// is a device path resolved through the platform seam, every command goes through the
// command runner.
#pragma once

#include <string>
#include <vector>

// Interfaces of the bench: "eth0" (wired) and "wlan0" (the USB Wi-Fi dongle).
bool isBenchInterface(const std::string& iface);

// True when the settings may go into the interfaces file: a bench interface; with
// `dhcp` 0, address, mask and gateway dotted IPv4; Wi-Fi name and key free of control
// characters (a line feed would add lines to the file).
bool benchNetworkSettingsValid(const std::string& iface, int dhcp, const std::string& ip,
                               const std::string& mask, const std::string& gw,
                               const std::string& ssid, const std::string& key);
// A server address the bench can use: not empty, no blank, no control character.
bool benchServerAddressValid(const std::string& server);

// The text of "/etc/network/interfaces" for these settings.
std::string interfacesFileText(const std::string& iface, int dhcp, const std::string& ip,
                               const std::string& mask, const std::string& gw,
                               const std::string& ssid, const std::string& key);
// Replaces "/etc/network/interfaces" with that text (a power cut leaves the old or the new
// file). 1 written, 0 not.
int CreateInterfacesFile(std::string iface, int dhcp, std::string ip, std::string mask,
                         std::string gw, std::string ssid, std::string key);

// Refused settings run nothing and give false. Otherwise: both interfaces down,
// "networking stop", the interfaces file replaced, "networking restart" and a wait of
// `settleMs` (for a lease or the Wi-Fi association) whether or not the file was written,
// so the board is never left without network. True when the file was replaced.
bool reconfigureNetwork(std::string iface, int dhcp, std::string ip, std::string mask,
                        std::string gw, std::string ssid, std::string key,
                        int settleMs = 10000);

// "/sbin/ifconfig <iface> down" for a bench interface; the shell's status, -1 refused.
int benchInterfaceDown(const std::string& iface);

// Kernel's current address (0), mask (1) or default gateway (2) of `iface`, dotted;
// "0.0.0.0" when it cannot be read.
std::string if_getKernel_IfaceInfo(std::string iface, int what);
// The wired MAC address "02:00:00:00:00:42", "" when it cannot be read.
std::string get_iface_macAddr(std::string iface);
// 1 when the wired link is up ("/sys/class/net/eth0/carrier"), else 0.
int isETH0_Cable_Plugged();
// 1 when "/sys/class/net/wlan0/carrier" opens: the Wi-Fi interface exists.
int isWifi_Started();
// 1 when a TCP connection to host:service was made, else 0.
int checkInternet_Status(const char* host, const char* service);

// Total and free MiB of "/home"; returns the free figure.
int getStorageInfoSize(int* total, int* free);

// Writes `content` (truncating, or appending); false for an empty path or a file that
// cannot be opened or written. `makeExecutable` sets 0774 on a truncating write.
bool writeToFile(const char* path, const std::string& content, bool append,
                 bool makeExecutable);
// Appends every line of the file without its line feed; false when it cannot be opened.
bool readFile_All(const char* path, std::vector<std::string>* lines);
// Appends exactly `count` entries, the file's first lines ("" past its end); false when
// it cannot be opened.
bool readFile_LinesNum(const char* path, int count, std::vector<std::string>* lines);
// Replaces every line of "/home/ORV/orv_starter" that begins with `prefix` by `line` and
// replaces the file (old or new content after a power cut); false when it cannot be read
// or written.
bool modifyORVstarterFile(const std::string& prefix, const std::string& line);
