// Bootloader link: builds the command frames, sends and repeats them, parses the replies
// and hands every reply and every unanswered command to the flashing sequence, always on
// the link's I/O thread.
//
// Commands: 1 boot information, 2 erase, 3 program (up to 11 HEX records in byte form),
// 4 CRC of a flash range, 7 leave the bootloader (5 and 6 are built like 7).
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "CComPort.h"
#include "CHexManager.h"
#include "bootFrame.h"
#include "zuvTimer.h"

class RxTxThread;

// What the link reports to the flashing sequence.
class CBootLoaderReceiver {
public:
  virtual ~CBootLoaderReceiver() = default;
  // A valid reply of command 1, 2 or 4 (payload after the command byte, CRC excluded),
  // or the end of programming for command 3.
  virtual void OnReceiveResponse(uint8_t command, const uint8_t* payload, size_t length) = 0;
  // Every send of command 1 to 4 went unanswered.
  virtual void OnTransmitFailure(uint8_t command) = 0;
};

class CBootLoader {
public:
  static constexpr unsigned kBootloaderPort = 1;
  static constexpr size_t kFrameSize = 1000;
  static constexpr int kMaxRecordsPerFrame = 11;
  static constexpr int kReadChunk = 245;

  // Takes the port; a null port gives the board's serial port.
  explicit CBootLoader(std::unique_ptr<CComPort> port = nullptr);
  virtual ~CBootLoader();

  // Builds the frame of `command` and arms `sends` sends `delayMs` apart; the I/O thread
  // transmits. 0 when the command is not 1 to 7 or a program command found no record.
  int SendCommand(uint8_t command, unsigned short sends, unsigned short delayMs);

  int OpenPort(unsigned baud);
  void ClosePort();
  bool GetPortOpenStatus() const;
  // Writes with the RS-485 driver enabled; returns the count written.
  uint16_t WritePort(const uint8_t* data, int length);

  int LoadHexFile(const char* path);
  const std::string& HexLoadError() const { return hex_.LoadError(); }
  unsigned short CalculateFlashCRC();
  void GetProgress(int* done, int* total);

  void CreateRxTxThread(CBootLoaderReceiver* owner);
  // Stops the I/O thread after one last transmit pass. Called on the I/O thread itself,
  // the loop ends after the current pass and JoinThread() reaps it later.
  void ShutdownThread();
  void JoinThread();

  // Milliseconds the link has been idle with no command armed or awaiting a reply
  // while its thread runs; 0 while busy.
  int64_t IdleForMs() const;

  // One pass of the I/O loop.
  void rxtxTask();
  void TransmitTask();
  void ReceiveTask();

private:
  int buildProgramPayload(size_t* bodyLength);
  void HandleResponse(uint8_t command, const uint8_t* payload, size_t length);
  void HandleNoResponse();
  void noteActivity();

  std::unique_ptr<RxTxThread> thread_;
  uint8_t txFrame_[kFrameSize];
  uint16_t txLength_;
  bootframe::Receiver rx_;
  uint16_t sendsLeft_;
  bool noResponse_;
  int txState_;  // 0 idle, 1 waiting for a reply
  uint8_t lastCommand_;
  uint16_t sendsAllowed_;
  uint16_t retryDelayMs_;
  CHexManager hex_;
  bool restartFromFirstRecord_;
  zuvTimer retryClock_;
  int nextRetryTimeMs_;
  uint8_t cmdBody_[kFrameSize];
  CBootLoaderReceiver* owner_;
  std::unique_ptr<CComPort> port_;
  bool closing_;
  // Building a frame and arming it is one step for the I/O thread; handlers run inside
  // its pass and issue commands again, hence recursive.
  mutable std::recursive_mutex mutex_;
  std::atomic<bool> busy_;
  std::atomic<int64_t> idleSinceMs_;
};
