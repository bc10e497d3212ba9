// The module firmware job: lists the firmware files the server left in
// "/home/ORV/firmware/", runs the flasher "/usr/bin/fwloader ADDR PATH" once for every
// connected module that a newer file is meant for, one after the other, deletes the used
// files, waits 10 s and reports to the core. All of it happens inside the constructor, in
// the creating thread (the server exchange thread), while both worker threads are paused.
//
// The flasher is started with an argument vector, never through a shell: the file names
// come from a server download and must not be able to run anything.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "zuvTimer.h"

// What the job asks the module centre about a module type (0 V2 card, 1 HPF, 2..4
// ENERGIE 0..2, 5 V1 card). ModulsCenter answers it.
class FirmwareModules {
public:
  virtual ~FirmwareModules() = default;
  virtual unsigned char isModul_connected(int type) = 0;
  virtual float Modul_firmVersion(int type) = 0;
  virtual int getModul_rs485_id(int type) = 0;
};

// The core's side of a firmware job: its report. The core implements it; until then a
// stand-in (FirmwareStandInCore) takes the report.
class ORV_FirmwareCore {
public:
  virtual ~ORV_FirmwareCore() = default;
  // `types`: the module types chosen, in flashing order; `failingBusAddress`: the bus
  // address whose flashing failed, 0 when none did. The core may delete the job inside.
  virtual void OnExitFirmwareUpdate(std::vector<int>& types, int failingBusAddress) = 0;
};

// The fwloader class of the flasher program has the same name and links this library.
namespace orvbus {

class modules_Upgrade {
public:
  static constexpr const char* kFirmwareDir = "/home/ORV/firmware/";
  static constexpr const char* kFlasher = "/usr/bin/fwloader";
  static constexpr int kFinalWaitMs = 10000;

  // Runs the whole job and reports to `core`. `modules` defaults to the module centre of
  // the object registry; `finalWaitMs` is the busy wait after flashing.
  modules_Upgrade(int mode, ORV_FirmwareCore* core, FirmwareModules* modules = nullptr,
                  int finalWaitMs = kFinalWaitMs);
  virtual ~modules_Upgrade();
  modules_Upgrade(const modules_Upgrade&) = delete;
  modules_Upgrade& operator=(const modules_Upgrade&) = delete;

  virtual bool isFlashingFinished();

  // The whole job; always 1.
  int initModules_Upgrade();
  // Fills the file list with the ".hex" files of the firmware directory (device paths, in
  // name order): true when there is at least one.
  bool scanFirmwareDir();
  // Chooses the modules and flashes them: true when every chosen module was flashed,
  // false when none was chosen or a flash failed.
  bool onStartModuleFirmCheck();
  // True when `file` is newer firmware for the connected module of `type`; `entry` then
  // holds the module's bus address and the file.
  bool onCheck_updFirmwareNeed(int type, std::string file, std::pair<int, std::string>& entry);
  // Runs the flasher: its wait status, 0 for success.
  int onStartFirmware_Upgrade(int busAddress, std::string file);
  // The report to the core (again with the same lists on a later call).
  void closeModules_Upgrade();
  // 1 with `file` the first scanned file for `type`, 0 when there is none.
  int onGet_FirmwareFileName(int type, std::string& file);

  int failingBusAddress() const { return failingBusAddress_; }
  const std::vector<int>& typeList() const { return typeList_; }

private:
  zuvTimer stopwatch_;
  int mode_;
  bool finished_;
  int failingBusAddress_;
  std::vector<std::pair<int, std::string>> flashList_;
  std::vector<std::string> fileList_;
  std::vector<int> typeList_;
  ORV_FirmwareCore* core_;
  FirmwareModules* modules_;
  int finalWaitMs_;
};

}  // namespace orvbus

// Firmware version carried by a file name of `type` ("/home/ORV/firmware/module_MESURE.v
// 10.01.hex" gives 10.01); false when the name gives no number or fits no module type.
bool firmwareFileVersion(int type, const std::string& path, float* version);
