#include "bootFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

Bytes hex(const std::string& text) {
  Bytes out;
  for (size_t i = 0; i + 1 < text.size(); i += 3)
    out.push_back(static_cast<uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
  return out;
}
}  // namespace

TEST(BootFrame, CrcIsXmodem) {
  const std::string check = "123456789";
  EXPECT_EQ(bootframe::crc16(reinterpret_cast<const uint8_t*>(check.data()), check.size()),
            0x31C3);
}

// Command and payload -> the frame on the line. Escapes hit the command byte, payload
// bytes and CRC bytes alike.
TEST(BootFrame, EncodeEscapesEveryBodyByte) {
  struct Case {
    const char* what;
    const char* body;
    const char* frame;
  } cases[] = {
      {"boot information, CRC high byte 0x10", "01", "7F 01 21 10 10 04"},
      {"erase", "02", "7F 02 42 20 04"},
      {"program acknowledgement", "03", "7F 03 63 30 04"},
      {"leave", "07", "7F 07 E7 70 04"},
      {"boot information reply", "01 4D 45 03", "7F 01 4D 45 03 12 EB 04"},
      {"CRC reply, command 4 escaped", "04 BB 25", "7F 10 04 BB 25 F0 6A 04"},
      {"CRC request of the worked example", "04 00 00 00 9D 16 00 00 00 BB 25",
       "7F 10 04 00 00 00 9D 16 00 00 00 BB 25 9A 06 04"},
      {"payload bytes 7F 10 04", "05 7F 10 04", "7F 05 10 7F 10 10 10 04 8B 0B 04"},
  };
  for (const Case& c : cases) {
    Bytes frame = bootframe::encode(hex(c.body));
    if (c.frame) EXPECT_EQ(frame, hex(c.frame)) << c.what;
    EXPECT_LE(frame.size(), bootframe::maxEncodedSize(hex(c.body).size())) << c.what;
    bootframe::Receiver rx;
    ASSERT_TRUE(rx.feed(frame.data(), frame.size())) << c.what;
    Bytes body(rx.body(), rx.body() + rx.bodyLength() - 2);
    EXPECT_EQ(body, hex(c.body)) << c.what;
  }
}

TEST(BootFrame, WorstCaseFrameFitsItsBound) {
  Bytes body(497, 0x10);
  body[0] = 3;
  EXPECT_LE(bootframe::encode(body).size(), 1000u);
  EXPECT_EQ(bootframe::maxEncodedSize(497), 1000u);
}

// Byte streams fed in the reads given (separated by '|'): is a frame taken, and which.
TEST(BootFrame, ReceiverTable) {
  struct Case {
    const char* what;
    const char* reads;
    const char* body;  // nullptr: no frame
  } cases[] = {
      {"command and CRC only is a frame", "7F 02 42 20 04", "02 42 20"},
      {"two body bytes are not", "7F 02 42 04", nullptr},
      {"bad CRC", "7F 02 42 21 04", nullptr},
      {"escaped 7F inside does not restart", "7F 05 10 7F 10 10 10 04 8B 0B 04",
       "05 7F 10 04 8B 0B"},
      {"escape state carries across reads", "7F 01 21 10|10 04", "01 21 10"},
      {"frame split over three reads", "7F 01|4D 45 03 12|EB 04", "01 4D 45 03 12 EB"},
      {"7F restarts after garbage", "33 44 7F 02 42 20 04", "02 42 20"},
      {"bad frame bytes stay until the next 7F", "7F 02 42 21 04 7F 07 E7 70 04",
       "07 E7 70"},
      {"bytes after a bad frame are appended, not a new frame", "7F 02 42 21 04 07 E7 70 04",
       nullptr},
  };
  for (const Case& c : cases) {
    bootframe::Receiver rx;
    std::string reads = c.reads;
    bool got = false;
    size_t from = 0;
    while (from <= reads.size()) {
      size_t bar = reads.find('|', from);
      size_t n = bar == std::string::npos ? std::string::npos : bar - from;
      Bytes bytes = hex(reads.substr(from, n) + " ");
      got = rx.feed(bytes.data(), bytes.size());
      if (bar == std::string::npos) break;
      from = bar + 1;
    }
    EXPECT_EQ(got, c.body != nullptr) << c.what;
    if (got && c.body) {
      EXPECT_EQ(Bytes(rx.body(), rx.body() + rx.bodyLength()), hex(c.body)) << c.what;
    }
  }
}

TEST(BootFrame, SecondFrameOfTheSameReadIsDropped) {
  bootframe::Receiver rx;
  Bytes two = hex("7F 02 42 20 04 7F 07 E7 70 04 ");
  ASSERT_TRUE(rx.feed(two.data(), two.size()));
  EXPECT_EQ(rx.body()[0], 2);
  rx.release();
  Bytes nothing;
  EXPECT_FALSE(rx.feed(nothing.data(), 0));
  // A stray end byte does not deliver the released frame again.
  Bytes end = hex("04 ");
  EXPECT_FALSE(rx.feed(end.data(), end.size()));
}

TEST(BootFrame, OverlongGarbageIsThrownAway) {
  bootframe::Receiver rx;
  Bytes junk(300, 0x55);
  EXPECT_FALSE(rx.feed(junk.data(), junk.size()));
  // Without a 7F the junk stays in front of the frame's bytes: no frame.
  Bytes frame = hex("02 42 20 04 ");
  EXPECT_FALSE(rx.feed(frame.data(), frame.size()));
  Bytes good = hex("7F 02 42 20 04 ");
  EXPECT_TRUE(rx.feed(good.data(), good.size()));
}
