// What the supervision server asks of the device through its remote actions file: action
// codes (acknowledgement, relearning, module reboots, restarts, ...) and shell commands.
// Both run in the thread of the receive pass.
#include <unistd.h>

#include <chrono>
#include <thread>

#include "EnerModul.h"
#include "HpfModul.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_utils.h"

namespace {

// Journal events of the remote actions that have no name of their own.
constexpr int kEventRecalculation = 5004;
constexpr int kEventRestartCom = 5005;
constexpr int kEventRebootMesure = 5006;
constexpr int kEventRebootHpf = 5008;
constexpr int kEventRebootEnergie = 5009;
constexpr int kEventResetMesure = 5011;
constexpr int kNoEvent = 0;

// Code 15: the card's reset goes out in the next bus round before the board restarts.
constexpr int kResetBeforeRebootMs = 5000;
constexpr int kCommandSpacingMs = 1000;

const char kDataDir[] = "/home/ORV/";
const char kRamDiskDir[] = "/ramdisk/";

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // namespace

int ORV_core::dispatchNetACTIONS_List(std::list<std::pair<int, bool>>& actions) {
  if (actions.empty()) return 0;
  bool resultsToSend = false;
  for (const auto& action : actions) {
    const int code = action.first;
    int event = kNoEvent;
    switch (code) {
      case 2:
        if (ORV_ProcThread* proc = proc_) {
          proc->ResetAlarmes(2);
          event = E_EVT_ACTION_REARMEMENT;
        }
        break;
      case 3:
        if (proc_ && datas_ && datas_->getCFG_struct(CFG_FLAG_ALARM).intValue != 1 &&
            startREAPPRENTISSAGE())
          event = E_EVT_ACTION_REAPP;
        break;
      case 4:
        if (upd_ && fileManip_) {
          dispatchAlarm(7, true, "1", "1");
          event = E_EVT_ACTION_SEND;
        }
        break;
      case 5:
        if (fileManip_) {
          const std::string name = fileManip_->getMeasureMsrFileName();
          orvFileDelete((kDataDir + name).c_str());
          orvFileDelete((kRamDiskDir + name).c_str());
        }
        break;
      case 6:
        orvFileDelete((std::string(kDataDir) + "moy.msr").c_str());
        break;
      case 7:
        OnORV_RestartAction(2);
        break;
      case 8:
        // The reference is cleared only once the recalculation is accepted.
        if (setRecalculNivRef(true)) event = kEventRecalculation;
        break;
      case 9:
        OnORV_RestartAction(3);
        event = kEventRestartCom;
        break;
      case 10:
        if (modules_ && modules_->isModulMesV2_connected() && modules_->mesV2_ptr()) {
          modules_->mesV2_ptr()->rebootMODUL();
          event = kEventRebootMesure;
        }
        break;
      case 11:
        OnStartFirmwareUpdate(1);
        break;
      case 12:
        if (modules_ && modules_->isModulHpf_connected() && modules_->hpf_ptr()) {
          modules_->hpf_ptr()->rebootMODUL();
          event = kEventRebootHpf;
        }
        break;
      case 13:
        if (modules_ && modules_->isModulEner_connected(0) && modules_->ener_ptr()) {
          modules_->ener_ptr()->rebootMODULS(false);
          event = kEventRebootEnergie;
        }
        break;
      case 15:
        if (modules_ && modules_->isModulMesV2_connected() && modules_->mesV2_ptr()) {
          modules_->mesV2_ptr()->resetMODUL();
          sleepMs(kResetBeforeRebootMs);
          ::sync();  // the workers were not paused: flush what they wrote
          systemCommand("reboot");
          event = kEventResetMesure;
        }
        break;
      default:  // 14: the shell commands come through the command list
        break;
    }
    if (action.second && event != kNoEvent && fileManip_)
      fileManip_->write_logfile(event, nullptr, nullptr, "NET");
    resultsToSend = resultsToSend || code == 2 || code == 3 || code == 8;
  }
  ORV_UpdThread* upd = upd_;
  if (resultsToSend && upd) upd->add_toSendFilesToServerList(5);
  return 1;
}

int ORV_core::dispatchNetCMDS_List(std::vector<std::string>& commands) {
  if (commands.empty()) return 0;
  bool updPaused = false, procPaused = false;
  pauseWorkers(&updPaused, &procPaused);
  for (const std::string& command : commands) {
    orv::runServerCommand(command);
    sleepMs(kCommandSpacingMs);
  }
  resumeWorkers(updPaused, procPaused);
  return 1;
}
