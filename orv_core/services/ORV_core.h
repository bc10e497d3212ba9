// The one core object of the controller. It starts the configuration store, the file and
// network services, the refrigerant facade, the module centre, the processing thread and
// the server exchange thread in a fixed order, owns them for the life of the process, fans
// every alarm out to the journal, the relays and the server, carries out the restart
// actions and the update hand-offs, reaches the main window by queued notices, and guards
// relearning and the reference recalculation.
//
// Registry slots written: 0 core, 1 store, 2 refrigerant facade, 3 module centre,
// 4 processing thread, 5 server exchange thread. Slot 7 (main window) is read by the
// notices. The file and network services are reached through ORV_fileManip_Ptr() and
// ORV_sysNet_Ptr().
//
// Threads: initORV_core() runs in the GUI thread before any worker exists. The alarm
// dispatch, the notices and the restarts are called from every thread; the two alarm
// fields and the two worker pointers are atomics (a reader takes a worker pointer once),
// the firmware job is touched by the server exchange thread only.
#pragma once

#include <atomic>
#include <list>
#include <string>
#include <utility>
#include <vector>

#include "ORV_ProcCore.h"
#include "ORV_UpdCore.h"
#include "firmwareLauncher.h"

class FLuidsNorvale;
class ModulsCenter;
class ORV_ProcThread;
class ORV_UpdThread;
class orvDatas;

class ORV_core : public ORV_ProcCore, public ORV_UpdCore, public ORV_FirmwareCore {
public:
  // Measurement fields written by the start-up.
  static constexpr int kMesNetworkLink = 565;
  static constexpr int kMesServerReachable = 566;
  // Outputs: the two alarm relays and the output every restart action cycles.
  static constexpr const char* kRelayA = "PORTE8";
  static constexpr const char* kRelayB = "PORTE10";
  static constexpr const char* kRestartOutput = "PORTE7";
  // Restart waits, milliseconds.
  static constexpr int kRestartOutputMs = 5000;
  static constexpr int kRebootDelayMs = 2000;

  ORV_core();
  ~ORV_core() override;
  ORV_core(const ORV_core&) = delete;
  ORV_core& operator=(const ORV_core&) = delete;

  // --- Start-up and shutdown (ORV_core.cpp) ---
  // The start-up sequence; 1.
  int initORV_core();
  int start_orvDatas();
  int start_ORV_fileManip();
  int start_ORV_sysNet();
  int start_FLuidsNorvale();
  int start_ModulsCenter();
  int start_ORV_process();
  int start_ORV_UpdThread();
  void stop_ORV_UpdThread();
  void stop_ORV_process();
  void stop_ModulsCenter();
  void stop_FLuidsNorvale();
  void stop_ORV_fileManip();
  void stop_ORV_sysNet();
  void stop_orvDatas();
  // Ends both worker threads, then deletes every owned object, each taken out of its
  // member and registry slot before it goes. Nothing in the program calls it: it ends
  // through a restart action.
  void closeORV_core();

  // Passes per measurement record: 5, less the refrigerant's components, less the
  // connected ENERGIE modules when module 1 is one of them, less one with an HPF module,
  // at least 0. Stored in CONFIG_CYCLE_NBRE when it changed; returned.
  int calculateNumCycle();
  // Loads a refrigerant; a failure falls back to the stored one (R404A when none).
  void change_FLuid(std::string name);
  int read_ORVversion();

  ORV_sysNet* ORV_sysNet_Ptr() override { return sysNet_; }
  ORV_fileManip* ORV_fileManip_Ptr() override { return fileManip_; }
  virtual int ORV_version() { return version_; }

  // Console trace "[dd/mm/YYYY_HH:MM:SS]> message" (message cut at 255 characters).
  static void DBG_PrintCons(const char* format, ...) __attribute__((format(printf, 1, 2)));

  // The owned objects (null until started).
  orvDatas* datas() const { return datas_; }
  FLuidsNorvale* fluids() const { return fluids_; }
  ModulsCenter* modulsCenter() const { return modules_; }
  ORV_ProcThread* procThread() const { return proc_.load(); }
  ORV_UpdThread* updThread() const { return upd_.load(); }
  const std::vector<std::string>& fallbackServers() const { return fallbackServers_; }

  // Tool and test hook: takes these worker objects as the core's own without starting
  // them, registered in slots 4 and 5 as the start operations do (each may be null).
  void adoptWorkerThreads(ORV_ProcThread* proc, ORV_UpdThread* upd);

  // --- Alarm dispatch, restarts, notices, update hand-offs (ORV_coreAlarm.cpp) ---
  void dispatchAlarm(int code, bool send, std::string text1, std::string text2) override;
  void setAlarmType(int type) override { alarmType_ = type; }
  int getAlarmType() override { return alarmType_; }
  bool getStatistiqueAlarm() override { return statistiqueAlarm_; }
  void setStatistiqueAlarm(bool set) { statistiqueAlarm_ = set; }

  // 0 only the flush; 1 ends the process; 2 pauses both workers and reboots the board;
  // 3 journals the restart of the bus communication. Returns for types other than 1.
  int OnORV_RestartAction(int type) override;

  void UpdatedDataReady_signal() override;
  void startMsgBOX_signal(int mode) override;
  void stopMsgBOX_signal() override;
  void setMsgBOXtxt_signal(int text) override;
  void setMsgBOX_ProgressValue_signal(int percent) override;

  // Runs a module firmware job in the calling thread with the running workers paused.
  void OnStartFirmwareUpdate(int mode);
  // The job's report: `types` handled in order, `failedAddress` the bus address whose
  // flashing failed (any other value: none failed).
  void OnExitFirmwareUpdate(std::vector<int>& types, int failedAddress) override;
  // Writes the one-shot module flash script for the next boot, then reboots.
  void OnStartFirmwareUpdateViaScript(int energyCount, float energyVersion, bool energyUpdate,
                                      float hpfVersion, bool hpfUpdate, float mesVersion,
                                      bool mesUpdate);
  // Program update hand-off: the update script's result (2: a restart follows).
  int UpdateSystemFS(const std::string& archive);
  // Re-reads the configuration file after a backup download and rewrites the boot script;
  // non-zero on success (then the processing thread stays paused), 0 on failure.
  int reloadBackupCONFIG(bool reboot);

  // --- Remote action codes and commands from the server (ORV_coreActions.cpp) ---
  // Runs each (code, journal flag) in order, journals the flagged actions that took place
  // with the origin "NET", and queues upload request 5 after codes 2, 3 or 8. 0 for an
  // empty list, else 1.
  int dispatchNetACTIONS_List(std::list<std::pair<int, bool>>& actions);
  // Runs the server's shell commands one second apart with the running workers paused.
  // 0 for an empty list, else 1.
  int dispatchNetCMDS_List(std::vector<std::string>& commands);

  // Drives one output; the host build also records the write in the platform call log
  // ("gpio PORTE8 OUTPUT 1"), so that the order of the output changes shows. The GPIO
  // result: 0 on success.
  static int driveOutput(const char* pin, int value);
  // Switches on again the relays of the current alarm type (100: PORTE10; 103: PORTE8
  // then PORTE10), after something else (the self-test) pulsed them off.
  void reapplyAlarmRelays();

  // --- Storage (ORV_coreAlarm.cpp) ---
  void getStorageInfoSize(int* totalMiB, int* freeMiB);
  void getStorageInfoSize(int& totalMiB, int& freeMiB) override;
  void runStorageCleanup() override;
  void start_StorageFreeSpace();

  // --- File service for the processing thread ---
  void write_logfile(int event, const char* a, const char* b, const char* c) override;
  std::string getMeasureMsrFileName() override;
  int write_mesurement_file(const char* line) override;

  // --- Relearning and recalculation gates (ORV_coreLearning.cpp) ---
  // 1 when the mass and the card's readings are valid; 0 and journal event 4001 otherwise.
  int checkIfSensorError();
  // Starts learning anew; true when accepted. A refusal changes nothing.
  bool startREAPPRENTISSAGE();
  // Requests a reference recalculation; true when accepted. With clearReference the
  // reference is zeroed once the request is accepted (menu and remote recalculation), so
  // that a refusal leaves it as it was.
  bool setRecalculNivRef(bool clearReference = false);
  // Requests the recalculation of a missing reference after the learning period.
  bool checkMoyRef();
  // Brings the 3-day sensitivity and its companion into the plant's range; 1.
  int checkSensiStat();

private:

  // The relays an alarm of this code switches on.
  static void switchOnAlarmRelays(int code);

  // Steps of the start-up.
  void resetOutputs();
  bool rewriteVersionKeys();
  int checkNetworkLink(const std::string& iface);
  void checkNetworkSettings(const std::string& iface);
  bool findReachableServer(std::string& server);
  void setTime(int link, bool reachable, const std::string& server);

  // Full learning days since FLAG_PREM_DEMARRAGE.
  long learningDaysElapsed();
  // Pauses the running workers (exchange thread first) and says which it paused.
  void pauseWorkers(bool* updPaused, bool* procPaused);
  void resumeWorkers(bool updPaused, bool procPaused);

  FLuidsNorvale* fluids_;
  orvDatas* datas_;
  ModulsCenter* modules_;
  std::atomic<ORV_ProcThread*> proc_;
  ORV_sysNet* sysNet_;
  ORV_fileManip* fileManip_;
  std::atomic<ORV_UpdThread*> upd_;
  orvbus::modules_Upgrade* firmwareJob_;
  int version_;
  std::vector<std::string> fallbackServers_;
  std::atomic<int> alarmType_;
  std::atomic<bool> statistiqueAlarm_;
  // Workers that the running firmware job paused, resumed by its report.
  bool firmwarePausedUpd_;
  bool firmwarePausedProc_;
};
