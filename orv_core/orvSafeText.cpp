#include "orvSafeText.h"

#include <arpa/inet.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

bool parseDottedIPv4(const std::string& text, uint32_t* networkOrder) {
  unsigned char octets[4];
  size_t i = 0;
  for (int part = 0; part < 4; ++part) {
    if (part > 0 && (i >= text.size() || text[i++] != '.')) return false;
    const size_t start = i;
    int value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && i - start < 3)
      value = value * 10 + (text[i++] - '0');
    const bool leadingZero = i - start > 1 && text[start] == '0';
    if (i == start || leadingZero || value > 255) return false;
    octets[part] = static_cast<unsigned char>(value);
  }
  if (i != text.size()) return false;
  if (networkOrder) std::memcpy(networkOrder, octets, sizeof octets);
  return true;
}

bool isDottedIPv4(const std::string& text) { return parseDottedIPv4(text, nullptr); }

bool isDeviceAddress(const std::string& text) {
  uint32_t address;
  return parseDottedIPv4(text, &address) && address != 0 && address != 0xFFFFFFFFu;
}

bool isGatewayAddress(const std::string& text) {
  return text == "0.0.0.0" || isDeviceAddress(text);
}

bool isNetmask(const std::string& text) {
  uint32_t mask;
  if (!parseDottedIPv4(text, &mask)) return false;
  const uint32_t bits = ntohl(mask);
  // The zero bits of a contiguous mask, plus one, are a power of two.
  const uint32_t hostPart = ~bits;
  return bits != 0 && (hostPart & (hostPart + 1)) == 0;
}

const char* staticNetworkRefusal(const std::string& ip, const std::string& mask,
                                 const std::string& gw) {
  if (!isDeviceAddress(ip)) return "CONFIG_IP";
  if (!isNetmask(mask)) return "CONFIG_MASK";
  if (!isGatewayAddress(gw)) return "CONFIG_GW";
  return nullptr;
}

const char* newStaticNetworkRefusal(const std::string& ip, const std::string& mask,
                                    const std::string& gw) {
  if (const char* refused = staticNetworkRefusal(ip, mask, gw)) return refused;
  uint32_t address, netmask, gateway;
  parseDottedIPv4(ip, &address);
  parseDottedIPv4(mask, &netmask);
  parseDottedIPv4(gw, &gateway);
  const uint32_t a = ntohl(address), m = ntohl(netmask), g = ntohl(gateway);
  // A /31 or /32 has no network or broadcast address of its own.
  if (~m > 2u && ((a & ~m) == 0 || (a & ~m) == ~m)) return "CONFIG_IP";
  if (g != 0 && (g == a || (g & m) != (a & m))) return "CONFIG_GW";
  return nullptr;
}

bool isMacAddress(const std::string& text) {
  if (text.size() != 17) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    bool ok = i % 3 == 2 ? text[i] == ':' : std::isxdigit(static_cast<unsigned char>(text[i]));
    if (!ok) return false;
  }
  return true;
}

bool isKnownInterface(const std::string& text) { return text == "eth0" || text == "ra0"; }

bool isServerAddress(const std::string& text) {
  if (text.empty() || text.size() > 253 || text[0] == '-' || text[0] == '.') return false;
  for (char c : text)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '.') return false;
  return true;
}

bool isPlainText(const std::string& text) {
  static const char kShellMeta[] = "`$;&|<>()\\\"'*?[]{}!~#";
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7f || std::strchr(kShellMeta, c)) return false;
  }
  return true;
}

bool isPlainDevicePath(const std::string& text) {
  if (text.size() < 2 || text[0] != '/' || text.back() == '/') return false;
  size_t start = 1;
  while (start <= text.size()) {
    size_t end = text.find('/', start);
    if (end == std::string::npos) end = text.size();
    std::string part = text.substr(start, end - start);
    if (part.empty() || part == "." || part == "..") return false;
    for (char c : part)
      if (!std::isalnum(static_cast<unsigned char>(c)) && !std::memchr("._+-", c, 4)) return false;
    start = end + 1;
  }
  return true;
}

bool isIntegerText(const std::string& text, long long lowest, long long highest) {
  size_t digits = text.find_first_not_of("+-") == 1 ? 1 : 0;
  if (text.size() <= digits || text.find_first_not_of("0123456789", digits) != std::string::npos)
    return false;
  errno = 0;
  char* end = nullptr;
  long long value = std::strtoll(text.c_str(), &end, 10);
  return errno == 0 && *end == '\0' && value >= lowest && value <= highest;
}

bool isDecimalText(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789+-.eE") != std::string::npos ||
      text.find_first_of("0123456789") == std::string::npos)
    return false;
  errno = 0;
  char* end = nullptr;
  double value = std::strtod(text.c_str(), &end);
  return errno == 0 && *end == '\0' && std::isfinite(value);
}
