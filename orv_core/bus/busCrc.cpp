#include "busCrc.h"

namespace {
// Entry i: the CRC register after shifting in the four bits i.
const unsigned short kNibbleTable[16] = {0x0000, 0x1021, 0x2042, 0x3063, 0x4084, 0x50A5,
                                         0x60C6, 0x70E7, 0x8108, 0x9129, 0xA14A, 0xB16B,
                                         0xC18C, 0xD1AD, 0xE1CE, 0xF1EF};
}  // namespace

int calculateCRC(const unsigned char* data, unsigned length) {
  unsigned crc = 0;
  if (data == nullptr) return 0;
  for (unsigned i = 0; i < length; ++i) {
    crc = (kNibbleTable[(crc >> 12) ^ (data[i] >> 4)] ^ (crc << 4)) & 0xFFFF;
    crc = (kNibbleTable[(crc >> 12) ^ (data[i] & 0x0F)] ^ (crc << 4)) & 0xFFFF;
  }
  return static_cast<int>(crc);
}
