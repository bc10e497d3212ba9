// Flashing sequence of fwloader: puts the module into its bootloader with one module-bus
// frame, then over the bootloader link asks its boot information, checks the firmware
// file against the module type, erases, programs, has the CRC checked and leaves.
//
// Everything after the start runs on the link's I/O thread; the program's main thread
// only waits for the finished flag and then reads the exit status.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "CBootLoader.h"
#include "zuvTimer.h"

// Fixed waits and retry spacings of the sequence, in milliseconds.
struct FlasherTiming {
  int bootFrameDelayMs = 2000;  // from the start to the boot-mode frame
  int bootFrameDrainMs = 2000;  // after the boot-mode frame, before the port closes
  int searchDelayMs = 4000;     // before the bootloader search
  int leaveWaitMs = 4000;       // after arming the leave command, before closing
  int shortRetryMs = 1000;      // first search, program, leave
  int longRetryMs = 5000;       // erase, CRC and every restart after no reply
  // Last resort: the link idle with nothing armed for this long ends the run.
  int stallLimitMs = 60000;
};

class modules_Upgrade : public CBootLoaderReceiver {
public:
  // Exit statuses of the program.
  enum {
    kExitOk = 0,
    kExitFileRefused = 6,
    kExitTypeMismatch = 7,
    kExitStartFailure = 8,
  };
  static constexpr int kMaxFailures = 10;
  static constexpr int kMaxCrcMismatches = 3;

  explicit modules_Upgrade(std::unique_ptr<CComPort> port = nullptr,
                           const FlasherTiming& timing = FlasherTiming());
  virtual ~modules_Upgrade();

  // Starts a run: 0 for an empty path or a bootloader port that does not open, else 1
  // and the run goes on by itself.
  int initModules_Upgrade(int id, const std::string& path);
  void closeModules_Upgrade();

  bool isFlashingFinished() const { return finished_; }
  bool isConnectionEstablished() const { return connected_; }
  int get_errorCounter() const { return errorCounter_; }
  void GetProgress(int* done, int* total) { bootLoader_.GetProgress(done, total); }
  // Polls the finished flag every millisecond (ending a stalled run) and returns the
  // exit status of the run.
  int waitFlashingFinished();
  // Ends a run whose link went idle with nothing outstanding (a state the sequence
  // never leaves by itself); true when it did.
  bool checkLinkStalled();

  void OnReceiveResponse(uint8_t command, const uint8_t* payload, size_t length) override;
  void OnTransmitFailure(uint8_t command) override;

  int sendModulFirmUpMode(int id);
  int onSerialPort_Open();
  void onSerialPort_Close();
  int onCheckBootLoaderPresence();
  void onAutoSetModuleType();
  bool onCheck_FirmwareFileType(int type);
  int onLoadHexFileToFlash();
  void PrintConsole(const std::string& text);

  int moduleType() const { return moduleType_; }

private:
  void issue(uint8_t command, int delayMs);
  void endRun(int status);
  void leaveAndClose();

  CBootLoader bootLoader_;
  std::atomic<bool> connected_;
  std::atomic<bool> portOpen_;
  zuvTimer timer_;
  int moduleType_;
  std::atomic<bool> finished_;
  std::string firmwarePath_;
  int failureCounter_;
  std::string moduleLetters_;
  int bootloaderId_;
  std::atomic<int> errorCounter_;
  std::timed_mutex printMutex_;
  FlasherTiming timing_;
  std::atomic<uint8_t> lastIssued_;
};
