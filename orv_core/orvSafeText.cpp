#include "orvSafeText.h"

#include <cctype>
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
