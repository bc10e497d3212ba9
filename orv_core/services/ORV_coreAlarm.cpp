// The core's outputs: the alarm fan-out (journal, relays, alarm file, upload request), the
// restart actions, the queued notices to the main window, the firmware and program update
// hand-offs, the configuration reload, the storage query and the file service that the
// processing thread reaches through the core.
#include <unistd.h>

#include <QMetaObject>
#include <QObject>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "FirmwareStandInCore.h"
#include "ModulsCenter.h"
#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "orv_utils.h"
#include "storageThread.h"

namespace {

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// The core reaches the main window's slots by name knowing it only as a QObject, so it
// needs no widget library. Slot 7 holds a cORV, whose first and only base is QWidget, and
// QWidget's first base is QObject: with the C++ ABI of GCC and Clang both are primary
// bases at offset 0, so the slot's address is the window's QObject (tests/gui/cORV_test
// checks it on the real class). A polymorphic base placed before QWidget would break it.
QObject* mainWindow() {
  return reinterpret_cast<QObject*>(Singleton<orv_classPtr>::ptr()->mainWindow);
}

void notify(const char* slot) {
  if (QObject* window = mainWindow()) QMetaObject::invokeMethod(window, slot, Qt::QueuedConnection);
}

void notify(const char* slot, int value) {
  if (QObject* window = mainWindow())
    QMetaObject::invokeMethod(window, slot, Qt::QueuedConnection, Q_ARG(int, value));
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Alarm dispatch

void ORV_core::dispatchAlarm(int code, bool send, std::string text1, std::string text2) {
  if (code > 7 && fileManip_) fileManip_->write_logfile(code, text1.c_str(), text2.c_str(), nullptr);

  // Relays are only switched on here; the acknowledgement and the start-up switch them off.
  switchOnAlarmRelays(code);

  if (send) {
    if (fileManip_) fileManip_->Send_Alarmes(code, text1.c_str(), text2.c_str());
    if (ORV_UpdThread* upd = upd_) upd->add_toSendFilesToServerList(1);
  }
  if (code == 100) statistiqueAlarm_ = true;
  if (code == 100 || code == 103) alarmType_ = code;
}

void ORV_core::switchOnAlarmRelays(int code) {
  if (code == 100) {
    driveOutput(kRelayB, 1);
  } else if (code == 103 || code == 106 || code == 109 || code == 112) {
    driveOutput(kRelayA, 1);
    driveOutput(kRelayB, 1);
  }
}

// The alarm type holds only 100 or 103 (or 0 when none is active).
void ORV_core::reapplyAlarmRelays() { switchOnAlarmRelays(alarmType_); }

// ---------------------------------------------------------------------------------------
// Restart actions

int ORV_core::OnORV_RestartAction(int type) {
  ::sync();
  if (type >= 1) {
    driveOutput(kRestartOutput, 0);
    sleepMs(kRestartOutputMs);
    driveOutput(kRestartOutput, 1);
    sleepMs(kRestartOutputMs);
  }
  if (type == 1) {
    std::fflush(stdout);
    std::abort();
  }
  if (type == 2) {
    if (ORV_UpdThread* upd = upd_) upd->change_sleepThreadState(true);
    if (ORV_ProcThread* proc = proc_) proc->change_sleepThreadState(true);
    sleepMs(kRebootDelayMs);
    ::sync();  // the workers wrote on until they were paused
    systemCommand("/sbin/reboot");
  } else if (type == 3) {
    ORV_core* core = Singleton<orv_classPtr>::ptr()->core;
    ORV_fileManip* files = core ? core->ORV_fileManip_Ptr() : nullptr;
    if (files) files->write_logfile(E_EVT_RESTART_COM, "0", "0", nullptr);
  }
  return 1;
}

// ---------------------------------------------------------------------------------------
// Queued notices to the main window

void ORV_core::UpdatedDataReady_signal() { notify("OnNoyauUpdate"); }
void ORV_core::startMsgBOX_signal(int mode) { notify("OnStartMsgBox", mode); }
void ORV_core::stopMsgBOX_signal() { notify("OnStopMsgBox"); }
void ORV_core::setMsgBOXtxt_signal(int text) { notify("OnSetMsgBoxInfoTxt", text); }
void ORV_core::setMsgBOX_ProgressValue_signal(int percent) {
  notify("OnSetMsgBoxProgressValue", percent);
}

// ---------------------------------------------------------------------------------------
// Worker pauses of the hand-offs: only the workers that ran are paused, and only those
// are resumed, so a thread that a screen had paused stays paused.

void ORV_core::pauseWorkers(bool* updPaused, bool* procPaused) {
  ORV_UpdThread* upd = upd_;
  *updPaused = upd && !upd->get_sleepThreadState();
  if (*updPaused) upd->change_sleepThreadState(true);
  ORV_ProcThread* proc = proc_;
  *procPaused = proc && !proc->get_sleepThreadState();
  if (*procPaused) proc->change_sleepThreadState(true);
}

void ORV_core::resumeWorkers(bool updPaused, bool procPaused) {
  ORV_UpdThread* upd = upd_;
  if (updPaused && upd) upd->change_sleepThreadState(false);
  ORV_ProcThread* proc = proc_;
  if (procPaused && proc) proc->change_sleepThreadState(false);
}

// ---------------------------------------------------------------------------------------
// Firmware and program updates, configuration reload

void ORV_core::OnStartFirmwareUpdate(int mode) {
  startMsgBOX_signal(4);
  pauseWorkers(&firmwarePausedUpd_, &firmwarePausedProc_);
  delete firmwareJob_;  // an earlier job has reported already
  firmwareJob_ = nullptr;
  // The job runs to its end inside its constructor and reports through OnExitFirmwareUpdate.
  orvbus::modules_Upgrade* job = new orvbus::modules_Upgrade(mode, this, modules_);
  firmwareJob_ = job;
}

void ORV_core::OnExitFirmwareUpdate(std::vector<int>& types, int failedAddress) {
  const int failedType = FirmwareStandInCore::failingTypeOfAddress(failedAddress);
  // Texts 7..11: the V2 card, the HPF module, ENERGIE modules 1..3.
  const int failureText = failedType >= 0 ? 7 + failedType : 0;
  if (failureText) setMsgBOXtxt_signal(failureText);

  // The modules flashed before the failing one restart with new firmware: identify again.
  if (modules_) {
    for (int type : types) {
      if (type == failedType) break;
      modules_->Modul_setConnectState(type, 2);
    }
  }
  delete firmwareJob_;
  firmwareJob_ = nullptr;
  resumeWorkers(firmwarePausedUpd_, firmwarePausedProc_);
  firmwarePausedUpd_ = firmwarePausedProc_ = false;

  if (failureText) {
    // The failure text stays on the message page, which the technician closes.
    if (fileManip_)
      fileManip_->write_logfile(LOG_ERROR, "FIRMWARE", std::to_string(failedAddress).c_str(), nullptr);
    return;
  }
  setMsgBOXtxt_signal(4);
  stopMsgBOX_signal();
}

void ORV_core::OnStartFirmwareUpdateViaScript(int energyCount, float energyVersion,
                                              bool energyUpdate, float hpfVersion, bool hpfUpdate,
                                              float mesVersion, bool mesUpdate) {
  if (fileManip_)
    fileManip_->updateFirmware(energyCount, energyVersion, energyUpdate, hpfVersion, hpfUpdate,
                               mesVersion, mesUpdate);
  ::sync();
  systemCommand("/sbin/reboot");
}

int ORV_core::UpdateSystemFS(const std::string& archive) {
  startMsgBOX_signal(3);
  bool updPaused = false, procPaused = false;
  pauseWorkers(&updPaused, &procPaused);
  int result = fileManip_ ? fileManip_->updateSystemFS(archive) : 0;
  setMsgBOXtxt_signal(4);
  if (result <= 1) {
    resumeWorkers(updPaused, procPaused);
    stopMsgBOX_signal();
  } else {
    setMsgBOXtxt_signal(5);  // a restart follows: the workers stay paused
  }
  return result;
}

int ORV_core::reloadBackupCONFIG(bool reboot) {
  ORV_ProcThread* proc = proc_;
  const bool procPaused = proc && !proc->get_sleepThreadState();
  if (procPaused) proc->change_sleepThreadState(true);
  int written = 0;
  if (datas_ && datas_->readORVconfigFile(datas_->configFilePath()) && fileManip_)
    written = fileManip_->CreateDefaultRCFile(false);
  if (written) {
    if (reboot) OnORV_RestartAction(2);
    return written;
  }
  if (procPaused) proc->change_sleepThreadState(false);
  return 0;
}

// ---------------------------------------------------------------------------------------
// Storage

void ORV_core::getStorageInfoSize(int* totalMiB, int* freeMiB) {
  storageThread::readStorageFigures(totalMiB, freeMiB);
}

void ORV_core::getStorageInfoSize(int& totalMiB, int& freeMiB) {
  getStorageInfoSize(&totalMiB, &freeMiB);
}

void ORV_core::runStorageCleanup() {
  storageThread cleanup(fileManip_);
  cleanup.start();
  cleanup.join();
}

void ORV_core::start_StorageFreeSpace() {
  int total = 0, free = 0;
  bool readable = storageThread::readStorageFigures(&total, &free);
  DBG_PrintCons("[ORV_core] Espace de Stockage (libre/total): %dMo/%dMo", free, total);
  if (readable && storageThread::isStorageFull(free)) {
    std::printf(" -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...\n");
    runStorageCleanup();
  }
}

// ---------------------------------------------------------------------------------------
// File service for the processing thread

void ORV_core::write_logfile(int event, const char* a, const char* b, const char* c) {
  if (fileManip_) fileManip_->write_logfile(event, a, b, c);
}

std::string ORV_core::getMeasureMsrFileName() {
  return fileManip_ ? fileManip_->getMeasureMsrFileName()
                    : ORV_fileManip::measureMsrFileNameAt(orv::wallClockNow());
}

int ORV_core::write_mesurement_file(const char* line) {
  return fileManip_ ? fileManip_->write_mesurement_file(line) : 0;
}
