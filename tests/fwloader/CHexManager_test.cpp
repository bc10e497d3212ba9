#include "CHexManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orv_test_sandbox.h"

namespace {
// The worked example: 16 bytes at 0x9D000000 and 5 at 0x9D000010 (physical addresses
// under an extended linear address of 0x1D00).
const std::string kExt = ":020000041D00DD\n";
const std::string kData16 = ":1000000000112233445566778899AABBCCDDEEFFF8\n";
const std::string kData5 = ":050010000102030405DC\n";
const std::string kEof = ":00000001FF\n";
const std::string kBody = kExt + kData16 + kData5;
const std::string kExample = kBody + kEof;

std::string crlf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

struct Loaded {
  int ok;
  unsigned start = 0, length = 0;
  unsigned short crc = 0;
  int records = 0;
};

Loaded load(const TestSandbox& box, const std::string& content) {
  box.write("/home/ORV/firmware/module_MESURE.v1.hex", content);
  CHexManager hex;
  Loaded r{hex.LoadHexFile("/home/ORV/firmware/module_MESURE.v1.hex")};
  if (r.ok) {
    EXPECT_TRUE(hex.VerifyFlash(&r.start, &r.length, &r.crc));
    r.records = hex.LineCount();
  }
  return r;
}
}  // namespace

// File content -> accepted or refused, and the range and CRC the module must confirm.
TEST(CHexManager, FilesAndTheirFlashRange) {
  struct Case {
    const char* what;
    std::string content;
    int ok;
    unsigned start, length;
    unsigned short crc;
    int records;
  } cases[] = {
      {"worked example", kExample, 1, 0x9D000000, 22, 0x25BB, 4},
      {"CRLF copy gives the same records", crlf(kExample), 1, 0x9D000000, 22, 0x25BB, 4},
      {"blank line between records is skipped", kExt + kData16 + "\n" + kData5 + kEof, 1,
       0x9D000000, 22, 0x25BB, 4},
      {"no final line feed", kExt + kData16 + kData5 + ":00000001FF", 1, 0x9D000000, 22,
       0x25BB, 4},
      {"virtual address 0x9D00 lands in the same place",
       ":020000049D005D\n" + kData16 + kData5 + kEof, 1, 0x9D000000, 22, 0x25BB, 4},
      {"boot area record is skipped and does not widen the range",
       kBody + ":020000041FC01B\n:04000000AAAAAAAA54\n" + kEof, 1, 0x9D000000, 22, 0x25BB, 6},
      {"start address record is no data", kBody + ":040000059D0000005A\n" + kEof, 1,
       0x9D000000, 22, 0x25BB, 5},
      {"end with remainder 2 grows by 2",
       kExt + ":12000000010101010101010101010101010101010101DC\n" + kEof, 1, 0x9D000000, 20, 0x2037,
       3},
      {"end with remainder 3 grows by 3",
       kExt + ":1300000001010101010101010101010101010101010101DA\n" + kEof, 1, 0x9D000000, 22,
       0x604A, 3},
      {"start is rounded down to 4", kExt + ":03000500070809E0\n" + kEof, 1, 0x9D000004, 4,
       0xD6B3, 3},
      {"range may end 3 bytes past the flash",
       ":020000041D4F8E\n:03FFFC00010203FC\n" + kEof, 1, 0x9D4FFFFC, 6, 0x4893, 3},

      // Refused before anything reaches the module.
      {"bad checksum", kExt + ":1000000000112233445566778899AABBCCDDEEFFF9\n" + kEof, 0},
      {"not a hex digit", kExt + ":10000000001122334455667788G9AABBCCDDEEFFF8\n" + kEof, 0},
      {"length byte larger than the bytes present", kExt + ":060010000102030405DB\n" + kEof, 0},
      {"length byte smaller than the bytes present", kExt + ":040010000102030405DD\n" + kEof, 0},
      {"odd digit count", kExt + ":050010000102030405DC0\n" + kEof, 0},
      {"line that is no record", kExt + kData16 + "garbage\n" + kData5 + kEof, 0},
      {"NUL byte hiding the record behind it on its line",
       kExt + kData16.substr(0, kData16.size() - 1) + std::string(1, '\0') + kData5 + kEof, 0},
      {"NUL byte after a record",
       kBody + ":00000001FF" + std::string(1, '\0') + "\n", 0},
      {"record cut short", kExt + ":0500\n" + kEof, 0},
      {"address record without two data bytes", ":010000041DDE\n" + kData16 + kEof, 0},
      {"no record at all", "", 0},
      {"only an end record", kEof, 0},
      {"data only outside the flash", ":020000041FC01B\n:04000000AAAAAAAA54\n" + kEof, 0},
      {"line longer than the longest record", kExt + ":" + std::string(600, '0') + "\n" + kEof,
       0},
      // Cut at a line boundary: every line is sound, the end of the firmware is missing.
      {"no end-of-file record", kBody, 0},
      {"cut after the first data record", kExt + kData16, 0},
      // Records the module would receive but the CRC would not cover.
      {"record over the end of the flash", kBody + ":020000041D4F8E\n:04FFFE0001020304F5\n" + kEof,
       0},
      {"extended segment data below the flash",
       kBody + ":020000021000EC\n:04000000BBBBBBBB10\n" + kEof, 0},
      {"record wrapping past 0xFFFFFFFF",
       kBody + ":02000004FFFFFC\n:08FFFC000102030405060708D9\n" + kEof, 0},
      {"data after the end-of-file record", kExample + kExt + kData16, 0},
      {"record of unknown type 07", kBody + ":00000007F9\n" + kEof, 0},
  };
  for (const Case& c : cases) {
    TestSandbox box;
    Loaded got = load(box, c.content);
    EXPECT_EQ(got.ok, c.ok) << c.what;
    if (!c.ok || !got.ok) continue;
    EXPECT_EQ(got.start, c.start) << c.what;
    EXPECT_EQ(got.length, c.length) << c.what;
    EXPECT_EQ(got.crc, c.crc) << c.what;
    EXPECT_EQ(got.records, c.records) << c.what;
  }
}

TEST(CHexManager, ServesRecordsInByteFormFromTheFirstAgain) {
  TestSandbox box;
  box.write("/home/ORV/fw.hex", crlf(kExample));
  CHexManager hex;
  ASSERT_EQ(hex.LoadHexFile("/home/ORV/fw.hex"), 1);
  uint8_t out[CHexManager::kMaxRecordBytes];
  std::vector<int> sizes;
  while (int n = hex.GetNextHexRecord(out, sizeof out)) sizes.push_back(n);
  // Exactly the record bytes: no byte for the CR of a CRLF line.
  EXPECT_EQ(sizes, (std::vector<int>{7, 21, 10, 5}));
  EXPECT_EQ(out[0], 0x00);
  EXPECT_EQ(out[3], 0x01);
  EXPECT_EQ(out[4], 0xFF);
  EXPECT_EQ(hex.RecordsRead(), 4);

  ASSERT_EQ(hex.ResetHexFilePointer(), 1);
  EXPECT_EQ(hex.NextHexRecordLength(), 7u);
  EXPECT_EQ(hex.GetNextHexRecord(out, 6), 0) << "a record that does not fit is not served";
  ASSERT_EQ(hex.GetNextHexRecord(out, sizeof out), 7);
  EXPECT_EQ(std::vector<uint8_t>(out, out + 7),
            (std::vector<uint8_t>{0x02, 0x00, 0x00, 0x04, 0x1D, 0x00, 0xDD}));
}

TEST(CHexManager, ImageHoldsTheDataWithGapsErased) {
  TestSandbox box;
  box.write("/home/ORV/fw.hex", kExample);
  CHexManager hex;
  ASSERT_EQ(hex.LoadHexFile("/home/ORV/fw.hex"), 1);
  unsigned start, length;
  unsigned short crc;
  ASSERT_TRUE(hex.VerifyFlash(&start, &length, &crc));
  EXPECT_EQ(hex.FlashByte(0x9D000000), 0x00);
  EXPECT_EQ(hex.FlashByte(0x9D00000F), 0xFF);
  EXPECT_EQ(hex.FlashByte(0x9D000014), 0x05);
  EXPECT_EQ(hex.FlashByte(0x9D000015), 0xFF);
}

TEST(CHexManager, MissingOrEmptyPathIsNotLoaded) {
  TestSandbox box;
  CHexManager hex;
  EXPECT_EQ(hex.LoadHexFile(""), 0);
  EXPECT_EQ(hex.LoadHexFile("/home/ORV/firmware/none.hex"), 0);
  EXPECT_EQ(hex.ResetHexFilePointer(), 0);
  uint8_t out[8];
  EXPECT_EQ(hex.GetNextHexRecord(out, sizeof out), 0);
}

TEST(CHexManager, ConvertAsciiToHex) {
  uint8_t out[4];
  EXPECT_EQ(CHexManager::ConvertAsciiToHex("0aFf", out, 4), 2);
  EXPECT_EQ(out[0], 0x0A);
  EXPECT_EQ(out[1], 0xFF);
  EXPECT_EQ(CHexManager::ConvertAsciiToHex("0x", out, 4), -1);
  EXPECT_EQ(CHexManager::ConvertAsciiToHex("012", out, 4), -1);
  EXPECT_EQ(CHexManager::ConvertAsciiToHex("0102030405", out, 4), -1);
}
