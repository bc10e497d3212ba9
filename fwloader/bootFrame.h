// Frame of the bootloader link, the same in both directions:
//   0x7F, body, 0x04
// where the body is the command byte, the payload and the CRC-16/XMODEM of command and
// payload, low byte first. Every body byte equal to 0x04, 0x7F or 0x10 (CRC bytes and the
// command byte included) goes out as 0x10 followed by the byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bootframe {

constexpr uint8_t kStart = 0x7F;
constexpr uint8_t kEnd = 0x04;
constexpr uint8_t kEscape = 0x10;

// CRC-16/XMODEM of the link (the bus CRC).
uint16_t crc16(const uint8_t* data, size_t length);

// Size on the line of a body of `commandAndPayload` bytes if every byte, CRC included,
// had to be escaped: what a frame buffer must hold.
constexpr size_t maxEncodedSize(size_t commandAndPayload) {
  return 2 + 2 * (commandAndPayload + 2);
}

// Writes the frame of command + payload (`length` bytes, CRC not included) into `out`,
// which holds at least maxEncodedSize(length) bytes. Returns the frame length.
size_t encode(const uint8_t* commandAndPayload, size_t length, uint8_t* out);
std::vector<uint8_t> encode(const std::vector<uint8_t>& commandAndPayload);

// Receive side: collects the unescaped body of incoming frames, byte by byte, across
// reads. A frame is taken when an unescaped 0x04 closes at least 3 body bytes whose last
// two are the little-endian CRC of the rest; a frame with a bad CRC is kept and later
// bytes are appended until the next 0x7F. An unescaped 0x7F always restarts the frame.
class Receiver {
public:
  // The flasher's replies are short; a bootloader receiving program frames needs more.
  static constexpr size_t kBodySize = 256;

  // A body growing past bodySize - 4 bytes without a good frame is thrown away.
  explicit Receiver(size_t bodySize = kBodySize);

  // Feeds bytes; returns true as soon as a frame is complete, dropping the rest of the
  // chunk. Does nothing while a taken frame waits to be released.
  bool feed(const uint8_t* bytes, size_t count);
  bool frameReady() const { return ready_; }
  // Body of the frame taken (command, payload, CRC).
  const uint8_t* body() const { return body_.data(); }
  size_t bodyLength() const { return length_; }
  // Payload of the frame taken: between the command byte and the CRC.
  const uint8_t* payload() const { return body_.data() + 1; }
  size_t payloadLength() const { return length_ - 3; }
  // Releases the frame taken; the next frame is collected from scratch.
  void release();

private:
  std::vector<uint8_t> body_;
  size_t resetLength_;
  size_t length_ = 0;
  bool escape_ = false;
  bool ready_ = false;
};

}  // namespace bootframe
