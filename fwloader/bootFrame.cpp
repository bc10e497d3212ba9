#include "bootFrame.h"

#include "busCrc.h"

namespace bootframe {

uint16_t crc16(const uint8_t* data, size_t length) {
  return static_cast<uint16_t>(calculateCRC(data, static_cast<unsigned>(length)));
}

namespace {
bool needsEscape(uint8_t b) { return b == kStart || b == kEnd || b == kEscape; }

size_t putEscaped(uint8_t b, uint8_t* out) {
  size_t n = 0;
  if (needsEscape(b)) out[n++] = kEscape;
  out[n++] = b;
  return n;
}
}  // namespace

size_t encode(const uint8_t* commandAndPayload, size_t length, uint8_t* out) {
  uint16_t crc = crc16(commandAndPayload, length);
  size_t n = 0;
  out[n++] = kStart;
  for (size_t i = 0; i < length; ++i) n += putEscaped(commandAndPayload[i], out + n);
  n += putEscaped(static_cast<uint8_t>(crc & 0xFF), out + n);
  n += putEscaped(static_cast<uint8_t>(crc >> 8), out + n);
  out[n++] = kEnd;
  return n;
}

std::vector<uint8_t> encode(const std::vector<uint8_t>& commandAndPayload) {
  std::vector<uint8_t> out(maxEncodedSize(commandAndPayload.size()));
  out.resize(encode(commandAndPayload.data(), commandAndPayload.size(), out.data()));
  return out;
}

Receiver::Receiver(size_t bodySize) : body_(bodySize), resetLength_(bodySize - 4) {}

bool Receiver::feed(const uint8_t* bytes, size_t count) {
  if (ready_) return true;
  for (size_t i = 0; i < count; ++i) {
    if (length_ > resetLength_) length_ = 0;
    uint8_t b = bytes[i];
    if (!escape_ && b == kEscape) {
      escape_ = true;
    } else if (!escape_ && b == kStart) {
      length_ = 0;
    } else if (!escape_ && b == kEnd) {
      if (length_ >= 3) {
        uint16_t got = static_cast<uint16_t>(body_[length_ - 2] | (body_[length_ - 1] << 8));
        if (crc16(body_.data(), length_ - 2) == got) {
          ready_ = true;
          return true;
        }
      }
    } else {
      body_[length_++] = b;
      escape_ = false;
    }
  }
  return false;
}

void Receiver::release() {
  // The body is emptied as well: a stray 0x04 must not deliver the same frame twice.
  ready_ = false;
  length_ = 0;
}

}  // namespace bootframe
