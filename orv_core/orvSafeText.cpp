#include "orvSafeText.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

bool isDottedIPv4(const std::string& text) {
  int parts = 0;
  size_t i = 0;
  while (parts < 4) {
    size_t start = i;
    int value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && i - start < 3)
      value = value * 10 + (text[i++] - '0');
    if (i == start || value > 255) return false;
    ++parts;
    if (parts < 4) {
      if (i >= text.size() || text[i] != '.') return false;
      ++i;
    }
  }
  return i == text.size();
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
