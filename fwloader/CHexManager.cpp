#include "CHexManager.h"

#include <cstdio>
#include <fstream>

#include "bootFrame.h"
#include "orvPlatform.h"

namespace {
constexpr int kData = 0;
constexpr int kEndOfFile = 1;
constexpr int kExtendedSegment = 2;
constexpr int kExtendedLinear = 4;
constexpr int kStartLinear = 5;  // the last record type of the format
// Module addresses from here on are the boot area, which a firmware file may carry.
constexpr uint32_t kBootArea = 0x9FC00000u;
constexpr unsigned kImageSlack = 4;

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

CHexManager::CHexManager() : next_(0) {}

CHexManager::~CHexManager() = default;

int CHexManager::ConvertAsciiToHex(const char* text, uint8_t* out, unsigned capacity) {
  unsigned n = 0;
  for (size_t i = 0; text[i] != '\0'; i += 2) {
    int high = hexDigit(text[i]);
    int low = text[i + 1] != '\0' ? hexDigit(text[i + 1]) : -1;
    if (high < 0 || low < 0 || n >= capacity) return -1;
    out[n++] = static_cast<uint8_t>(high << 4 | low);
  }
  return static_cast<int>(n);
}

bool CHexManager::parseLine(const std::string& line, int lineNumber,
                            std::vector<uint8_t>* record) {
  char why[96];
  uint8_t bytes[kMaxRecordBytes];
  int n = -1;
  if (line[0] != ':') {
    std::snprintf(why, sizeof why, "line %d: not a record", lineNumber);
  } else if (line.size() > kMaxLineLength ||
             (n = ConvertAsciiToHex(line.c_str() + 1, bytes, kMaxRecordBytes)) < 0 ||
             // The conversion stops at a NUL byte: the rest of the line would be lost unread.
             2 * static_cast<size_t>(n) != line.size() - 1) {
    std::snprintf(why, sizeof why, "line %d: bad hex digits or too long", lineNumber);
  } else if (n < 5 || bytes[0] != n - 5) {
    std::snprintf(why, sizeof why, "line %d: length byte does not match the record", lineNumber);
  } else {
    uint8_t sum = 0;
    for (int i = 0; i < n; ++i) sum = static_cast<uint8_t>(sum + bytes[i]);
    int type = bytes[3];
    if (sum != 0) {
      std::snprintf(why, sizeof why, "line %d: bad checksum", lineNumber);
    } else if ((type == kExtendedSegment || type == kExtendedLinear) && bytes[0] != 2) {
      std::snprintf(why, sizeof why, "line %d: address record without 2 data bytes", lineNumber);
    } else {
      record->assign(bytes, bytes + n);
      return true;
    }
  }
  loadError_ = why;
  return false;
}

int CHexManager::LoadHexFile(const char* path) {
  records_.clear();
  next_ = 0;
  loadError_.clear();
  path_ = path ? path : "";
  if (path_.empty()) {
    loadError_ = "empty path";
    return 0;
  }
  std::ifstream in(orv::devicePath(path_), std::ios::binary);
  if (!in) {
    loadError_ = "cannot open " + path_;
    return 0;
  }
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    // CR and LF are no part of the record: a CRLF file gives the same bytes.
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    if (line.empty()) continue;
    std::vector<uint8_t> record;
    if (!parseLine(line, lineNumber, &record)) {
      records_.clear();
      return 0;
    }
    records_.push_back(std::move(record));
  }
  uint32_t lowest, highestEnd;
  if (!buildImage(&lowest, &highestEnd, &loadError_)) {
    records_.clear();
    return 0;
  }
  if (highestEnd <= lowest) {
    loadError_ = "no data record inside the module flash";
    records_.clear();
    return 0;
  }
  ResetHexFilePointer();
  return 1;
}

int CHexManager::ResetHexFilePointer() {
  if (records_.empty()) return 0;
  next_ = 0;
  return 1;
}

unsigned CHexManager::NextHexRecordLength() const {
  return next_ < records_.size() ? static_cast<unsigned>(records_[next_].size()) : 0;
}

int CHexManager::GetNextHexRecord(uint8_t* out, unsigned capacity) {
  unsigned n = NextHexRecordLength();
  if (n == 0 || n > capacity) return 0;
  const std::vector<uint8_t>& record = records_[next_++];
  std::copy(record.begin(), record.end(), out);
  return static_cast<int>(n);
}

// Every record the program command sends must either land in the image, and so be checked
// by the CRC, or be a boot-area record, which the module's bootloader keeps out of the
// program flash. Any other record would reach the module unchecked: the file is refused.
bool CHexManager::buildImage(uint32_t* lowest, uint32_t* highestEnd, std::string* why) {
  image_.assign(kFlashSize + kImageSlack, 0xFF);
  uint32_t linearBase = 0, segmentBase = 0;
  *lowest = 0xFFFFFFFFu;
  *highestEnd = 0;
  bool ended = false;
  char text[96];
  auto refuse = [&](size_t index, const char* reason) {
    std::snprintf(text, sizeof text, "record %zu: %s", index + 1, reason);
    if (why) *why = text;
    return false;
  };
  for (size_t i = 0; i < records_.size(); ++i) {
    const std::vector<uint8_t>& r = records_[i];
    unsigned dataLength = r[0];
    int type = r[3];
    if (ended) return refuse(i, "after the end-of-file record");
    if (type > kStartLinear) return refuse(i, "of an unknown type");
    if (type == kExtendedSegment) {
      segmentBase = static_cast<uint32_t>(r[4] << 8 | r[5]) * 16;
      linearBase = 0;
    } else if (type == kExtendedLinear) {
      linearBase = static_cast<uint32_t>(r[4] << 8 | r[5]) << 16;
      segmentBase = 0;
    } else if (type != kData) {
      linearBase = segmentBase = 0;
      ended = type == kEndOfFile;
    } else if (dataLength > 0) {
      // Physical (0x1D...) and virtual (0x9D...) addresses land in the same place.
      uint32_t address = (linearBase + segmentBase + static_cast<uint32_t>(r[1] << 8 | r[2])) |
                         0x80000000u;
      uint64_t end = static_cast<uint64_t>(address) + dataLength;
      bool inFlash = address >= kFlashBase && end <= uint64_t{kFlashBase} + kFlashSize;
      if (end > 0x100000000ull) return refuse(i, "data wrap past 0xFFFFFFFF");
      if (!inFlash && address < kBootArea) return refuse(i, "data outside the module flash");
      if (!inFlash) continue;  // boot area: not programmed into the flash
      std::copy(r.begin() + 4, r.begin() + 4 + dataLength, image_.begin() + (address - kFlashBase));
      if (address < *lowest) *lowest = address;
      if (end > *highestEnd) *highestEnd = static_cast<uint32_t>(end);
    }
  }
  // A file cut short, even at a line boundary, would flash part of a firmware.
  if (!ended) {
    if (why) *why = "no end-of-file record";
    return false;
  }
  return true;
}

bool CHexManager::VerifyFlash(unsigned* start, unsigned* length, unsigned short* crc) {
  uint32_t lowest, highestEnd;
  if (!buildImage(&lowest, &highestEnd, nullptr) || highestEnd <= lowest) return false;
  // The end grows by its own remainder modulo 4: the module's bootloader computes the
  // same range, so this is kept as it is and is not a rounding up.
  *start = lowest & ~3u;
  *length = highestEnd + (highestEnd & 3u) - *start;
  *crc = bootframe::crc16(image_.data() + (*start - kFlashBase), *length);
  return true;
}

uint8_t CHexManager::FlashByte(uint32_t address) const {
  if (image_.empty() || address < kFlashBase || address >= kFlashBase + kFlashSize) return 0xFF;
  return image_[address - kFlashBase];
}
