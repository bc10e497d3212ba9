#include "busFrame.h"

#include <gtest/gtest.h>

#include <vector>

using Bytes = std::vector<unsigned char>;

TEST(BusFrame, RequestsOnTheWire) {
  struct Case {
    const char* what;
    BusFrame request;
    Bytes wire;
  } cases[] = {
      {"V2 identification", {1, 0x0C, {}}, {0x01, 0x01, 0x00, 0x0C, 0x8C, 0xC1, 0x0C, 0x00}},
      {"V2 read", {1, 0x0D, {}}, {0x01, 0x01, 0x00, 0x0D, 0xAD, 0xD1, 0x0D, 0x00}},
      {"HPF 'f'", {5, 'f', {}}, {0x05, 0x01, 0x00, 0x66, 0x60, 0x0C, 0x66, 0x00}},
      {"ENERGIE 0 '4'", {6, '4', {}}, {0x06, 0x01, 0x00, 0x34, 0xD7, 0x76, 0x34, 0x00}},
      {"ENERGIE 0 '6'", {6, '6', {}}, {0x06, 0x01, 0x00, 0x36, 0x95, 0x56, 0x36, 0x00}},
      {"with data of its own", {5, 'g', {0x01, 0x02}}, {0x05, 0x02, 0x00, 0x67, 0x73, 0x13, 0x01, 0x02, 0x00}},
  };
  for (const Case& c : cases) EXPECT_EQ(encodeBusRequest(c.request), c.wire) << c.what;

  BusFrame big{7, 0x27, Bytes(300, 0xA5)};
  Bytes wire = encodeBusRequest(big);
  ASSERT_EQ(wire.size(), 6u + 300u + 1u);
  EXPECT_EQ(wire[1], 0x2C);  // 300 = 0x012C, low byte first
  EXPECT_EQ(wire[2], 0x01);
  EXPECT_EQ(wire.back(), 0x00);
}

TEST(BusFrame, RepliesAreCheckedAsTheClientsDo) {
  const Bytes v2 = {0x01, 0x05, 0x00, 0x0B, 0x52, 0xF4, 0x01, 0x00, 0x00, 0x20, 0x41};
  const Bytes hpf = {0x05, 0x06, 0x00, 0x65, 0xE7, 0x49, 0x01, 0x02, 0x00, 0x00, 0x00, 0x40};
  Bytes badCrc = v2;
  badCrc[4] ^= 0xFF;
  Bytes badLength = v2;
  badLength[1] = 0x06;
  Bytes otherAddress = v2;
  otherAddress[0] = 0x09;
  Bytes garbledPayload = hpf;
  garbledPayload[8] ^= 0x10;
  struct Case {
    const char* what;
    Bytes reply;
    int count;
    int expected;
    int address;
    int result;
  } cases[] = {
      {"V2 identification reply", v2, 11, 11, -1, 0},
      {"HPF identification reply from its address", hpf, 12, 12, 5, 0},
      {"HPF reply checked against another address", hpf, 12, 12, 6, -2},
      {"V2 card does not check the address", otherAddress, 11, 11, -1, 0},
      {"CRC field wrong", badCrc, 11, 11, -1, -2},
      {"payload bit flipped", garbledPayload, 12, 12, 5, -2},
      {"length field other than count - 6", badLength, 11, 11, -1, -2},
      {"one byte short", v2, 10, 11, -1, -4},
      {"nothing read", v2, 0, 11, -1, -4},
      {"read failed", v2, -1, 11, -1, -4},
  };
  for (const Case& c : cases) {
    BusFrame out;
    EXPECT_EQ(decodeBusReply(c.reply.data(), c.count, c.expected, c.address, &out), c.result) << c.what;
  }

  BusFrame out;
  ASSERT_EQ(decodeBusReply(hpf.data(), 12, 12, 5, &out), 0);
  EXPECT_EQ(out.address, 5);
  EXPECT_EQ(out.code, 'e');  // the reply code differs from the request's 'f'
  EXPECT_EQ(out.payload, (Bytes{0x01, 0x02, 0x00, 0x00, 0x00, 0x40}));
}
