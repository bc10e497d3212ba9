// Firmware file of a flashing run: an Intel-HEX text file.
//
// The whole file is read and checked when it is loaded, before anything reaches the
// module: hex digits, the length byte against the bytes present, record checksums, known
// record types, an end-of-file record with nothing after it, every data record inside the
// module's program flash or its boot area (and none wrapping past 0xFFFFFFFF), and at
// least one data record inside the program flash. The checked records are then
// served in byte form to the program command and rebuilt into an image of the program
// flash for the CRC that the module must confirm.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CHexManager {
public:
  // The module's program flash: 0x9D000000 to 0x9D4FFFFF.
  static constexpr uint32_t kFlashBase = 0x9D000000u;
  static constexpr uint32_t kFlashSize = 0x500000u;
  // A record in byte form: length, address high, address low, type, data, checksum.
  static constexpr unsigned kMaxRecordData = 255;
  static constexpr unsigned kMaxRecordBytes = 5 + kMaxRecordData;
  // ':' and two digits a byte of the longest legal record.
  static constexpr unsigned kMaxLineLength = 1 + 2 * kMaxRecordBytes;

  CHexManager();
  virtual ~CHexManager();

  // Reads and checks the file. 1 when it holds a usable firmware, 0 for an empty path, a
  // file that cannot be opened or a bad file (LoadError() tells why).
  int LoadHexFile(const char* path);
  const std::string& LoadError() const { return loadError_; }

  // Serves the records from the first one again. 0 when no file is loaded.
  int ResetHexFilePointer();
  // Byte count of the record that GetNextHexRecord would serve next, 0 when none is left.
  unsigned NextHexRecordLength() const;
  // Copies the next record in byte form to `out` (room for `capacity` bytes) and returns
  // its byte count; 0 when none is left or it does not fit.
  int GetNextHexRecord(uint8_t* out, unsigned capacity);

  // Converts hexadecimal digit pairs to bytes: the byte count, or -1 for a character that
  // is no hex digit, an odd digit count or more than `capacity` bytes.
  static int ConvertAsciiToHex(const char* text, uint8_t* out, unsigned capacity);

  // Rebuilds the flash image from the records and gives the range the module must check
  // and its CRC. False (outputs untouched) when no data record lies in the flash.
  bool VerifyFlash(unsigned* start, unsigned* length, unsigned short* crc);

  int LineCount() const { return static_cast<int>(records_.size()); }
  int RecordsRead() const { return static_cast<int>(next_); }
  // Image byte at a module address (0xFF outside the flash), after VerifyFlash.
  uint8_t FlashByte(uint32_t address) const;

private:
  // Rebuilds the image from the records, with the range of the placed data. False, with
  // the reason in `why` when given, for a record that can be neither placed nor skipped.
  bool buildImage(uint32_t* lowest, uint32_t* highestEnd, std::string* why);
  bool parseLine(const std::string& line, int lineNumber, std::vector<uint8_t>* record);

  std::string path_;
  std::string loadError_;
  std::vector<std::vector<uint8_t>> records_;
  size_t next_;
  // kFlashSize bytes plus 4 of slack: the range may end up to 3 bytes past the flash.
  std::vector<uint8_t> image_;
};
