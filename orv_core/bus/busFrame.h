// Frames of the module bus, the same layout for requests and replies (little-endian):
//   0 address (1 V2 card, 5 HPF, 6 + n ENERGIE n) | 1-2 payload length N | 3 command code |
//   4-5 CRC-16 of the payload | 6.. N payload bytes
// A request without data of its own carries its code as a one-byte payload, and every
// request goes on the wire followed by one extra 0x00.
#pragma once

#include <vector>

constexpr int kBusHeaderSize = 6;

struct BusFrame {
  unsigned char address = 0;
  unsigned char code = 0;
  std::vector<unsigned char> payload;
};

// Wire bytes of a request, trailing 0x00 included. An empty payload sends the code itself.
std::vector<unsigned char> encodeBusRequest(const BusFrame& request);

// Checks a reply of `count` bytes read for a request whose reply is `expectedLength`
// bytes long, with the framed clients' result codes: 0 valid (`out` filled when given);
// -4 short or missing (count differs); -2 invalid (length field other than count - 6, CRC
// mismatch, or byte 0 other than `address` when `address` >= 0).
// The reply's code may differ from the request's: the caller chooses by it.
int decodeBusReply(const unsigned char* reply, int count, int expectedLength, int address,
                   BusFrame* out);
