// A module's serial bootloader, as the flasher meets it on the line: it waits for the
// module-bus request that sends the module into its bootloader (unless it starts there),
// then answers boot information, erase, program (records parsed strictly into a flash
// image), CRC over its own flash, and leave. Faults are scripted.
//
// Bytes in, bytes out: the same model serves the tests' in-memory port and a simulator on
// a pseudo-terminal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bootFrame.h"

struct BootloaderScript {
  std::string letters = "ME";  // boot information: two letters and an id
  int id = 3;
  bool startsInBootloader = true;
  // The module-bus request it enters its bootloader on: address and code.
  int busAddress = 1;
  int bootCode = 0x12;
  int silentFrom = 0;  // commands from this one (1..4) get no reply; 0: all answered
  int crcBad = 0;      // the first K CRC replies are wrong; -1: all of them
};

class BootloaderModel {
public:
  static constexpr uint32_t kFlashBase = 0x9D000000u;
  static constexpr uint32_t kFlashSize = 0x500000u;
  static constexpr unsigned kBootModeBaud = 9600;
  static constexpr unsigned kBootloaderBaud = 19200;

  explicit BootloaderModel(const BootloaderScript& script = BootloaderScript());

  // Bytes from the line at `baud` (0 when unknown); returns the reply bytes.
  std::vector<uint8_t> receive(const uint8_t* data, size_t count, unsigned baud);

  bool inBootloader() const { return inBootloader_; }
  uint8_t flashByte(uint32_t address) const;
  uint16_t flashCrc(uint32_t start, uint32_t length) const;

  // What the module saw.
  int bootFrames = 0;
  int commands[8] = {};   // frames received per command 1..7
  int programPasses = 0;  // program frames that start a pass (after an erase or a CRC)
  int recordsInLastFrame = 0;
  int badFrames = 0;      // program frames refused for a malformed record
  uint32_t lastCrcStart = 0, lastCrcLength = 0;
  uint16_t lastCrcExpected = 0;
  int crcPassed = 0;      // CRC replies that matched the flasher's expectation

private:
  std::vector<uint8_t> answer(const uint8_t* body, size_t length);
  bool program(const uint8_t* records, size_t length);
  void scanForBootFrame(const uint8_t* data, size_t count);

  BootloaderScript script_;
  bool inBootloader_;
  std::vector<uint8_t> flash_;
  std::vector<uint8_t> busWindow_;  // last bytes seen while not in the bootloader
  bootframe::Receiver rx_{1000};
  int lastCommand_ = 0;
  // Address bases of the records, kept from one program frame to the next.
  uint32_t linearBase_ = 0, segmentBase_ = 0;
  int crcRepliesLeftBad_;
};
