#include "modules_Upgrade.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "busFrame.h"

namespace {

struct ModuleTypeName {
  const char* letters;
  const char* fileNamePart;
  const char* startMessage;
};
// Index = module type; type 0 is a module the flasher does not know.
const ModuleTypeName kModuleTypes[] = {
    {"", "", ""},
    {"ME", "module_MESURE.v", "Demarrage programmation Module MESUREv2 ..."},
    {"HP", "module_HPF.v", "Demarrage programmation Module HPF ..."},
    {"EN", "module_ENERGIE.v", "Demarrage programmation Module ENERGIE ..."},
    {"CO", "module_COP.v", "Demarrage programmation Module COP ..."},
};
constexpr int kModuleTypeCount = sizeof kModuleTypes / sizeof kModuleTypes[0];

// Command of the module-bus request that sends a module into its bootloader.
int bootModeCode(int id) {
  switch (id) {
    case 1: return 0x12;              // measurement card V2
    case 5: return 0x6F;              // HPF
    case 6: case 7: case 8: return 0x3D;  // ENERGIE 1 to 3
    case 10: return 0x58;             // COP
    default: return -1;
  }
}

constexpr unsigned kBootModeBaud = 9600;
constexpr unsigned kBootloaderBaud = 19200;
constexpr unsigned short kSends = 3;

}  // namespace

modules_Upgrade::modules_Upgrade(std::unique_ptr<CComPort> port, const FlasherTiming& timing)
    : bootLoader_(std::move(port)),
      connected_(false),
      portOpen_(false),
      moduleType_(0),
      finished_(false),
      failureCounter_(0),
      bootloaderId_(0),
      errorCounter_(0),
      timing_(timing),
      lastIssued_(0) {
  std::printf("[modules_Upgrade] Started\n");
  std::fflush(stdout);
}

modules_Upgrade::~modules_Upgrade() {
  // The I/O thread runs this object's handlers: it must be gone before the members are.
  bootLoader_.ShutdownThread();
  bootLoader_.JoinThread();
}

int modules_Upgrade::initModules_Upgrade(int id, const std::string& path) {
  if (path.empty()) return 0;
  firmwarePath_ = path;
  connected_ = false;
  portOpen_ = false;
  finished_ = false;
  if (id > 0) {
    timer_.waitTimeout(timing_.bootFrameDelayMs);
    sendModulFirmUpMode(id);
  }
  timer_.waitTimeout(timing_.searchDelayMs);
  return onCheckBootLoaderPresence();
}

void modules_Upgrade::closeModules_Upgrade() {
  bootLoader_.JoinThread();
  if (timer_.isStarted()) timer_.stop();
  finished_ = true;
  std::printf("[modules_Upgrade] Closed\n");
  std::fflush(stdout);
}

int modules_Upgrade::sendModulFirmUpMode(int id) {
  int code = bootModeCode(id);
  if (code < 0) return 0;
  // A module-bus request without data: its code is its one-byte payload (8 bytes on the
  // wire with the trailing 0x00).
  std::vector<uint8_t> frame =
      encodeBusRequest(BusFrame{static_cast<uint8_t>(id), static_cast<uint8_t>(code), {}});
  bootLoader_.ClosePort();
  if (!bootLoader_.OpenPort(kBootModeBaud)) return 0;
  int written = bootLoader_.WritePort(frame.data(), static_cast<int>(frame.size()));
  timer_.waitTimeout(timing_.bootFrameDrainMs);
  bootLoader_.ClosePort();
  return written == static_cast<int>(frame.size()) ? 1 : 0;
}

int modules_Upgrade::onSerialPort_Open() {
  portOpen_ = false;
  connected_ = false;
  bootLoader_.ClosePort();
  if (!bootLoader_.OpenPort(kBootloaderBaud)) return 0;
  portOpen_ = true;
  bootLoader_.ShutdownThread();
  bootLoader_.CreateRxTxThread(this);
  usleep(1000);
  return 1;
}

void modules_Upgrade::onSerialPort_Close() {
  // Closed once, whichever thread gets here first.
  if (!portOpen_.exchange(false)) return;
  connected_ = false;
  bootLoader_.ShutdownThread();
  bootLoader_.ClosePort();
  PrintConsole("RS-232/MODULE Deconnecter");
  finished_ = true;
}

int modules_Upgrade::onCheckBootLoaderPresence() {
  if (!onSerialPort_Open()) {
    PrintConsole("Aucunne Reponse RS-232, veuillez verifier que le Module est bien en position "
                 "BOOTLOADER et/ou votre port serie RS-232.");
    return 0;
  }
  PrintConsole("Ouverture Port RS-232 OK\n ++++ Recherche du MODULE/BOOTLOADER en cours...");
  issue(1, timing_.shortRetryMs);
  return 1;
}

void modules_Upgrade::onAutoSetModuleType() {
  moduleType_ = 0;
  for (int type = 1; type < kModuleTypeCount; ++type) {
    if (moduleLetters_ == kModuleTypes[type].letters) {
      moduleType_ = type;
      PrintConsole(kModuleTypes[type].startMessage);
      return;
    }
  }
}

bool modules_Upgrade::onCheck_FirmwareFileType(int type) {
  if (firmwarePath_.empty()) return false;
  if (type > 0 && type < kModuleTypeCount &&
      firmwarePath_.find(kModuleTypes[type].fileNamePart) == std::string::npos)
    return false;
  return firmwarePath_.find(".hex") != std::string::npos;
}

int modules_Upgrade::onLoadHexFileToFlash() {
  if (!onCheck_FirmwareFileType(moduleType_)) {
    PrintConsole("ERREUR de lecture du fichier FIRMWARE");
    errorCounter_ = kExitFileRefused;
  } else if (firmwarePath_.find(moduleLetters_) == std::string::npos) {
    PrintConsole("LE TYPE du MODULE/BOOTLOADER est incompatible avec le fichier FIRMWARE");
    errorCounter_ = kExitTypeMismatch;
  } else if (!bootLoader_.LoadHexFile(firmwarePath_.c_str())) {
    PrintConsole("Fichier inexistant ou Erreur dans le fichier Firmware Hex");
    PrintConsole("[CHexManager] " + bootLoader_.HexLoadError());
    errorCounter_ = kExitFileRefused;
  } else {
    PrintConsole("Fichier Firmware HEX charger avec succes");
    return 1;
  }
  // The module was put into its bootloader: tell it to leave before giving up.
  leaveAndClose();
  return 0;
}

void modules_Upgrade::OnReceiveResponse(uint8_t command, const uint8_t* payload,
                                        size_t length) {
  switch (command) {
    case 1: {
      bootloaderId_ = payload[2];
      if (!connected_) {
        PrintConsole("MODULE Connecter");
        connected_ = true;
      }
      char line[64];
      std::snprintf(line, sizeof line, "Version du Bootloader: %c%c[id:%d]", payload[0],
                    payload[1], bootloaderId_);
      PrintConsole(line);
      moduleLetters_.assign(reinterpret_cast<const char*>(payload), 2);
      onAutoSetModuleType();
      if (!onLoadHexFileToFlash()) return;
      PrintConsole("Demarrage de la programmation du Nouveau Firmware ...");
      issue(2, timing_.longRetryMs);
      break;
    }
    case 2:
      PrintConsole("Flash Effacer");
      issue(3, timing_.shortRetryMs);
      break;
    case 3:
      PrintConsole("Programmation Terminer");
      issue(4, timing_.longRetryMs);
      break;
    case 4: {
      unsigned short reported = static_cast<unsigned short>(payload[0] | payload[1] << 8);
      if (reported == bootLoader_.CalculateFlashCRC()) {
        PrintConsole("Verification CRC flash OK");
        errorCounter_ = kExitOk;
        leaveAndClose();
        break;
      }
      PrintConsole("Erreur CRC flash, redemarrage de la Programmation");
      // Reprogram without a new erase; the failure count is shared with the no-reply
      // retries of the whole run.
      if (++failureCounter_ <= kMaxCrcMismatches) {
        issue(3, timing_.shortRetryMs);
      } else {
        failureCounter_ = 0;
        endRun(4 + 1);
      }
      break;
    }
    default:
      break;
  }
}

void modules_Upgrade::OnTransmitFailure(uint8_t command) {
  PrintConsole("Aucunne Reponse du MODULE. Echec Operation CMD_ID: " + std::to_string(command));
  if (++failureCounter_ <= kMaxFailures) {
    // Programming and CRC restart from an erased flash.
    issue(command == 3 || command == 4 ? 2 : command, timing_.longRetryMs);
    PrintConsole("Tentative " + std::to_string(failureCounter_) + "/10 de redemarrage Operation");
  } else {
    failureCounter_ = 0;
    endRun(command + 1);
  }
}

int modules_Upgrade::waitFlashingFinished() {
  while (!finished_) {
    checkLinkStalled();
    usleep(1000);
  }
  return errorCounter_;
}

bool modules_Upgrade::checkLinkStalled() {
  if (finished_ || !portOpen_ || bootLoader_.IdleForMs() <= timing_.stallLimitMs) return false;
  int command = lastIssued_;
  PrintConsole("Plus aucune commande en cours. Echec Operation CMD_ID: " +
               std::to_string(command));
  endRun(command >= 1 && command <= 4 ? command + 1 : 2);
  return true;
}

void modules_Upgrade::issue(uint8_t command, int delayMs) {
  lastIssued_ = command;
  bootLoader_.SendCommand(command, kSends, static_cast<unsigned short>(delayMs));
}

void modules_Upgrade::endRun(int status) {
  // The status is in place before the link closes: closing sets the finished flag, and
  // the main thread reads the status as soon as it sees it.
  errorCounter_ = status;
  PrintConsole("Erreur de la Programmation, veuillez contacter le SAV.");
  onSerialPort_Close();
}

void modules_Upgrade::leaveAndClose() {
  issue(7, timing_.shortRetryMs);
  // Nothing is transmitted during the wait; the closing pass sends the leave frame once.
  timer_.waitTimeout(timing_.leaveWaitMs);
  onSerialPort_Close();
}

void modules_Upgrade::PrintConsole(const std::string& text) {
  if (!printMutex_.try_lock_for(std::chrono::seconds(2))) return;
  std::printf("modules_Upgrade::-- %s\n", text.c_str());
  std::fflush(stdout);
  printMutex_.unlock();
}
