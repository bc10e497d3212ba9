#include "firmwareLauncher.h"

#include <cstdio>

#include "ModulsCenter.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "orv_utils.h"

namespace {

// Name part that assigns a firmware file to a module type, and the file name pattern.
struct FirmwareName {
  const char* part;
  const char* pattern;
};

const FirmwareName* firmwareName(int type) {
  static const FirmwareName kMesure{"module_MESURE.v", "/home/ORV/firmware/module_MESURE.v%f.hex"};
  static const FirmwareName kHpf{"module_HPF.v", "/home/ORV/firmware/module_HPF.v%f.hex"};
  static const FirmwareName kEnergie{"module_ENERGIE.v",
                                     "/home/ORV/firmware/module_ENERGIE.v%f.hex"};
  switch (type) {
    case 0: return &kMesure;
    case 1: return &kHpf;
    case 2: case 3: case 4: return &kEnergie;
    default: return nullptr;
  }
}

bool contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

bool firmwareFileVersion(int type, const std::string& path, float* version) {
  const FirmwareName* name = firmwareName(type);
  if (!name) return false;
  float x = 0.0f;
  if (std::sscanf(path.c_str(), name->pattern, &x) != 1) return false;
  *version = x;
  return true;
}

namespace orvbus {

modules_Upgrade::modules_Upgrade(int mode, ORV_FirmwareCore* core, FirmwareModules* modules,
                                 int finalWaitMs)
    : mode_(mode), finished_(false), failingBusAddress_(0), core_(core), modules_(modules),
      finalWaitMs_(finalWaitMs) {
  if (!modules_) modules_ = Singleton<orv_classPtr>::ptr()->modules;
  initModules_Upgrade();
}

modules_Upgrade::~modules_Upgrade() = default;

bool modules_Upgrade::isFlashingFinished() { return finished_; }

int modules_Upgrade::initModules_Upgrade() {
  finished_ = false;
  if (!scanFirmwareDir()) {
    closeModules_Upgrade();
    return 1;
  }
  // Only mode 1 is defined; any other job reports at once, so that the threads that the
  // core paused for it are resumed.
  if (mode_ > 1) {
    closeModules_Upgrade();
    return 1;
  }
  onStartModuleFirmCheck();
  stopwatch_.waitTimeout(finalWaitMs_);
  closeModules_Upgrade();  // the core may delete the job in there: nothing may follow
  return 1;
}

bool modules_Upgrade::scanFirmwareDir() {
  if (!orvDirExist(kFirmwareDir)) return false;
  fileList_.clear();
  for (const auto& path : getDirFilesList(std::string(kFirmwareDir) + "*.hex"))
    fileList_.push_back(path);
  return !fileList_.empty();
}

bool modules_Upgrade::onStartModuleFirmCheck() {
  typeList_.clear();
  for (const auto& file : fileList_) {
    std::vector<int> types;
    if (contains(file, "module_MESURE.v")) types = {0};
    else if (contains(file, "module_HPF.v")) types = {1};
    else if (contains(file, "module_ENERGIE.v")) types = {2, 3, 4};
    for (int type : types) {
      std::pair<int, std::string> entry;
      if (onCheck_updFirmwareNeed(type, file, entry) && entry.first > 0 && !entry.second.empty()) {
        flashList_.push_back(entry);
        typeList_.push_back(type);
      }
    }
  }
  if (flashList_.empty()) return false;
  while (!flashList_.empty()) {
    std::pair<int, std::string> entry = flashList_.front();
    if (onStartFirmware_Upgrade(entry.first, entry.second) != 0) {
      failingBusAddress_ = entry.first;
      return false;
    }
    flashList_.erase(flashList_.begin());
    // One ENERGIE file serves every ENERGIE module: it goes once no module left needs it.
    bool stillNeeded = false;
    for (const auto& next : flashList_) stillNeeded = stillNeeded || next.second == entry.second;
    if (!stillNeeded) orvFileDelete(entry.second.c_str());
  }
  return true;
}

bool modules_Upgrade::onCheck_updFirmwareNeed(int type, std::string file,
                                              std::pair<int, std::string>& entry) {
  if (!modules_ || modules_->isModul_connected(type) != 1) return false;
  if (file.empty() || !contains(file, ".hex")) return false;
  float installed = modules_->Modul_firmVersion(type);
  if (!(installed > 0.0f)) return false;
  float offered = 0.0f;
  if (!firmwareFileVersion(type, file, &offered)) return false;
  // Versions 10 and above are another firmware line: never cross it either way.
  if ((installed < 10.0f) != (offered < 10.0f)) return false;
  if (!(installed < offered)) return false;
  entry = {modules_->getModul_rs485_id(type), file};
  return true;
}

int modules_Upgrade::onStartFirmware_Upgrade(int busAddress, std::string file) {
  return orv::runProgram({kFlasher, std::to_string(busAddress), file});
}

void modules_Upgrade::closeModules_Upgrade() {
  fileList_.clear();
  if (stopwatch_.isStarted()) stopwatch_.stop();
  finished_ = true;
  if (core_) core_->OnExitFirmwareUpdate(typeList_, failingBusAddress_);
}

int modules_Upgrade::onGet_FirmwareFileName(int type, std::string& file) {
  const FirmwareName* name = firmwareName(type);
  if (!name) return 0;
  for (const auto& path : fileList_) {
    if (contains(path, name->part) && contains(path, ".hex")) {
      file = path;
      return 1;
    }
  }
  return 0;
}

}  // namespace orvbus
