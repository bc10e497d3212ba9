#include "busFrame.h"

#include "busCrc.h"

std::vector<unsigned char> encodeBusRequest(const BusFrame& request) {
  std::vector<unsigned char> payload = request.payload;
  if (payload.empty()) payload.push_back(request.code);
  unsigned n = static_cast<unsigned>(payload.size());
  int crc = calculateCRC(payload.data(), n);
  std::vector<unsigned char> wire;
  wire.reserve(kBusHeaderSize + n + 1);
  for (unsigned v : {unsigned(request.address), n & 0xFF, (n >> 8) & 0xFF, unsigned(request.code),
                     unsigned(crc) & 0xFF, (unsigned(crc) >> 8) & 0xFF})
    wire.push_back(static_cast<unsigned char>(v));
  wire.insert(wire.end(), payload.begin(), payload.end());
  wire.push_back(0x00);
  return wire;
}

int decodeBusReply(const unsigned char* reply, int count, int expectedLength, int address,
                   BusFrame* out) {
  if (reply == nullptr || count != expectedLength || count < kBusHeaderSize) return -4;
  int n = reply[1] | (reply[2] << 8);
  if (n != count - kBusHeaderSize) return -2;
  int crc = reply[4] | (reply[5] << 8);
  if (crc != calculateCRC(reply + kBusHeaderSize, static_cast<unsigned>(n))) return -2;
  if (address >= 0 && reply[0] != address) return -2;
  if (out) {
    out->address = reply[0];
    out->code = reply[3];
    out->payload.assign(reply + kBusHeaderSize, reply + count);
  }
  return 0;
}
