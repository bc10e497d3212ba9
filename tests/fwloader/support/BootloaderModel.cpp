#include "BootloaderModel.h"

#include <algorithm>

BootloaderModel::BootloaderModel(const BootloaderScript& script)
    : script_(script),
      inBootloader_(script.startsInBootloader),
      flash_(kFlashSize, 0xFF),
      crcRepliesLeftBad_(script.crcBad) {}

uint8_t BootloaderModel::flashByte(uint32_t address) const {
  if (address < kFlashBase || address - kFlashBase >= kFlashSize) return 0xFF;
  return flash_[address - kFlashBase];
}

uint16_t BootloaderModel::flashCrc(uint32_t start, uint32_t length) const {
  std::vector<uint8_t> bytes(length);
  for (uint32_t i = 0; i < length; ++i) bytes[i] = flashByte(start + i);
  return bootframe::crc16(bytes.data(), bytes.size());
}

void BootloaderModel::scanForBootFrame(const uint8_t* data, size_t count) {
  uint8_t code = static_cast<uint8_t>(script_.bootCode);
  uint8_t payload[1] = {code};
  uint16_t crc = bootframe::crc16(payload, 1);
  const uint8_t expected[8] = {static_cast<uint8_t>(script_.busAddress), 1, 0, code,
                               static_cast<uint8_t>(crc & 0xFF), static_cast<uint8_t>(crc >> 8),
                               code, 0};
  busWindow_.insert(busWindow_.end(), data, data + count);
  auto hit = std::search(busWindow_.begin(), busWindow_.end(), expected, expected + 8);
  if (hit == busWindow_.end()) {
    if (busWindow_.size() > 64) busWindow_.erase(busWindow_.begin(), busWindow_.end() - 8);
    return;
  }
  ++bootFrames;
  busWindow_.clear();
  inBootloader_ = true;
}

std::vector<uint8_t> BootloaderModel::receive(const uint8_t* data, size_t count, unsigned baud) {
  if (!inBootloader_) {
    if (baud == 0 || baud == kBootModeBaud) scanForBootFrame(data, count);
    return {};
  }
  if (baud != 0 && baud != kBootloaderBaud) return {};
  std::vector<uint8_t> out;
  size_t used = 0;
  // Frames are fed one at a time: the receiver drops what follows a complete frame.
  while (used < count) {
    size_t step = 0;
    bool complete = false;
    while (used + step < count && !complete) complete = rx_.feed(data + used + step++, 1);
    used += step;
    if (!complete) break;
    std::vector<uint8_t> body(rx_.body(), rx_.body() + rx_.bodyLength() - 2);
    rx_.release();
    std::vector<uint8_t> reply = answer(body.data(), body.size());
    out.insert(out.end(), reply.begin(), reply.end());
  }
  return out;
}

bool BootloaderModel::program(const uint8_t* records, size_t length) {
  // Parsed strictly by each record's length byte; the frame is refused as a whole when a
  // record is short or its checksum is wrong.
  uint32_t linearBase = linearBase_, segmentBase = segmentBase_;
  size_t at = 0;
  int count = 0;
  std::vector<std::pair<uint32_t, std::vector<uint8_t>>> placed;
  while (at < length) {
    if (length - at < 5 || length - at < 5u + records[at]) return false;
    const uint8_t* r = records + at;
    size_t n = 5u + r[0];
    uint8_t sum = 0;
    for (size_t i = 0; i < n; ++i) sum = static_cast<uint8_t>(sum + r[i]);
    if (sum != 0) return false;
    uint32_t value = r[0] >= 2 ? static_cast<uint32_t>(r[4] << 8 | r[5]) : 0;
    switch (r[3]) {
      case 0: {
        uint32_t address = (linearBase + segmentBase + static_cast<uint32_t>(r[1] << 8 | r[2])) |
                           0x80000000u;
        placed.emplace_back(address, std::vector<uint8_t>(r + 4, r + 4 + r[0]));
        break;
      }
      case 2: segmentBase = value << 4; linearBase = 0; break;
      case 4: linearBase = value << 16; segmentBase = 0; break;
      default: linearBase = segmentBase = 0; break;
    }
    at += n;
    ++count;
  }
  for (const auto& p : placed)
    for (size_t i = 0; i < p.second.size(); ++i) {
      uint32_t address = p.first + static_cast<uint32_t>(i);
      if (address >= kFlashBase && address - kFlashBase < kFlashSize)
        flash_[address - kFlashBase] = p.second[i];
    }
  linearBase_ = linearBase;
  segmentBase_ = segmentBase;
  recordsInLastFrame = count;
  return true;
}

std::vector<uint8_t> BootloaderModel::answer(const uint8_t* body, size_t length) {
  int command = body[0];
  if (command >= 1 && command <= 7) ++commands[command];
  int previous = lastCommand_;
  lastCommand_ = command;
  bool silent = script_.silentFrom > 0 && command >= script_.silentFrom && command <= 4;
  std::vector<uint8_t> reply = {static_cast<uint8_t>(command)};
  switch (command) {
    case 1:
      reply.push_back(static_cast<uint8_t>(script_.letters.size() > 0 ? script_.letters[0] : 0));
      reply.push_back(static_cast<uint8_t>(script_.letters.size() > 1 ? script_.letters[1] : 0));
      reply.push_back(static_cast<uint8_t>(script_.id));
      break;
    case 2:
      if (silent) return {};
      std::fill(flash_.begin(), flash_.end(), 0xFF);
      linearBase_ = segmentBase_ = 0;
      break;
    case 3:
      if (silent) return {};
      if (previous != 3) ++programPasses;
      if (!program(body + 1, length - 1)) {
        ++badFrames;
        return {};
      }
      break;
    case 4: {
      if (length < 11) return {};
      auto le32 = [&](size_t at) {
        return static_cast<uint32_t>(body[at] | body[at + 1] << 8 | body[at + 2] << 16 |
                                     static_cast<uint32_t>(body[at + 3]) << 24);
      };
      lastCrcStart = le32(1);
      lastCrcLength = le32(5);
      lastCrcExpected = static_cast<uint16_t>(body[9] | body[10] << 8);
      if (silent) return {};
      uint16_t crc = flashCrc(lastCrcStart, lastCrcLength);
      if (crcRepliesLeftBad_ != 0) {
        crc = static_cast<uint16_t>(crc + 1);
        if (crcRepliesLeftBad_ > 0) --crcRepliesLeftBad_;
      }
      if (crc == lastCrcExpected) ++crcPassed;
      reply.push_back(static_cast<uint8_t>(crc & 0xFF));
      reply.push_back(static_cast<uint8_t>(crc >> 8));
      break;
    }
    case 7:
      // The module starts its new firmware; a module that sat in its bootloader from the
      // start waits there for the next run.
      inBootloader_ = script_.startsInBootloader;
      return {};
    default:
      return {};
  }
  if (silent) return {};
  return bootframe::encode(reply);
}
