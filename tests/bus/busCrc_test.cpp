#include "busCrc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Bit-at-a-time CRC-16/XMODEM, as a second opinion on the nibble table.
int bitwiseXmodem(const std::vector<unsigned char>& data) {
  unsigned crc = 0;
  for (unsigned char byte : data) {
    crc ^= static_cast<unsigned>(byte) << 8;
    for (int i = 0; i < 8; ++i) crc = (crc & 0x8000) ? ((crc << 1) ^ 0x1021) : (crc << 1);
    crc &= 0xFFFF;
  }
  return static_cast<int>(crc);
}

struct CrcCase {
  const char* what;
  std::vector<unsigned char> data;
  int crc;
};

}  // namespace

TEST(BusCrc, KnownVectors) {
  const std::string check = "123456789";
  const CrcCase cases[] = {
      {"check value", std::vector<unsigned char>(check.begin(), check.end()), 0x31C3},
      {"no data", {}, 0x0000},
      {"V2 identification request (12)", {0x0C}, 0xC18C},
      {"V2 read request (13)", {0x0D}, 0xD1AD},
      {"HPF identification 'f'", {0x66}, 0x0C60},
      {"ENERGIE identification '4'", {0x34}, 0x76D7},
      {"ENERGIE '6'", {0x36}, 0x5695},
      {"V2 identification reply", {0x01, 0x00, 0x00, 0x20, 0x41}, 0xF452},
      {"HPF 'e' reply", {0x01, 0x02, 0x00, 0x00, 0x00, 0x40}, 0x49E7},
      {"ENERGIE '3' reply", {0x00, 0x00, 0x00, 0x80, 0x3F}, 0xDC24},
      {"all ones", {0xFF, 0xFF}, 0x1D0F},
  };
  for (const CrcCase& c : cases)
    EXPECT_EQ(calculateCRC(c.data.data(), c.data.size()), c.crc) << c.what;
}

TEST(BusCrc, AgreesWithBitwiseCrcOverLongPayloads) {
  std::vector<unsigned char> data;
  unsigned seed = 12345;
  for (int n = 0; n < 300; ++n) {
    seed = seed * 1103515245u + 12345u;
    data.push_back(static_cast<unsigned char>(seed >> 16));
    ASSERT_EQ(calculateCRC(data.data(), data.size()), bitwiseXmodem(data)) << "length " << data.size();
  }
  for (unsigned char b = 0; b < 16; ++b) EXPECT_EQ(calculateCRC(&b, 1), bitwiseXmodem({b})) << int(b);
  EXPECT_EQ(calculateCRC(nullptr, 4), 0);
}
