// "core": the core's operations one by one, on the store, the file and network services
// and worker thread objects that are not started (so nothing runs behind the steps).
// One process runs the steps in the order given; notices print at the end.
//
//   core STEP...
//     mes INDEX VALUE             sets a field of the measurement record
//     alarm CODE SEND TEXT1 TEXT2 dispatchAlarm (SEND 0 or 1)
//     restart TYPE                OnORV_RestartAction (type 1 ends the process)
//     relearn | recalc | recalc-clear | check-ref | sensors | sensitivity
//     update-system ARCHIVE       program update hand-off (device path)
//     firmware-exit TYPES ADDR    a firmware job's report (TYPES "2,0,1" or "-")
//     reload-config [reboot]      configuration reload after a backup download
//     pause upd|proc              pauses a worker, as a screen does
//     storage                     storage figures and start_StorageFreeSpace
//
// The link state (measurement 565) comes from the Ethernet carrier file, so that upload
// requests are queued only with a carrier, as after the start-up.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "ORV_noticeRecorder.h"
#include "ORV_sysNet.h"
#include "cli.h"
#include "orvDatas.h"

namespace {

std::string joined(const std::vector<int>& values) {
  std::string text;
  for (int v : values) text += (text.empty() ? "" : ",") + std::to_string(v);
  return text;
}

std::vector<int> typeList(const std::string& text) {
  std::vector<int> types;
  if (text == "-") return types;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) types.push_back(std::atoi(item.c_str()));
  return types;
}

void printBool(const char* key, bool value) { cliPrint(key, static_cast<long long>(value ? 1 : 0)); }

// Runs one step at args[i]; returns the number of words used, 0 for an unknown step.
size_t runStep(ORV_core& core, const CliArgs& args, size_t i) {
  const std::string& step = args[i];
  const size_t left = args.size() - i - 1;
  if (step == "mes" && left >= 2) {
    const int index = std::atoi(args[i + 1].c_str());
    float asFloat = std::strtof(args[i + 2].c_str(), nullptr);
    int asInt = static_cast<int>(asFloat);
    char asChar = static_cast<char>(asInt);
    switch (mesIndexType(index)) {
      case MES_FLOAT: core.datas()->setMES_struct(index, &asFloat); break;
      case MES_CHAR: core.datas()->setMES_struct(index, &asChar); break;
      default: core.datas()->setMES_struct(index, &asInt); break;
    }
    return 3;
  }
  if (step == "alarm" && left >= 4) {
    core.dispatchAlarm(std::atoi(args[i + 1].c_str()), args[i + 2] == "1", args[i + 3], args[i + 4]);
    return 5;
  }
  if (step == "restart" && left >= 1) {
    core.OnORV_RestartAction(std::atoi(args[i + 1].c_str()));
    return 2;
  }
  if (step == "relearn") return printBool("relearn", core.startREAPPRENTISSAGE()), 1;
  if (step == "recalc") return printBool("recalc", core.setRecalculNivRef()), 1;
  if (step == "recalc-clear") return printBool("recalc", core.setRecalculNivRef(true)), 1;
  if (step == "check-ref") return printBool("check_ref", core.checkMoyRef()), 1;
  if (step == "sensors") return cliPrint("sensors", static_cast<long long>(core.checkIfSensorError())), 1;
  if (step == "sensitivity") return cliPrint("sensitivity", static_cast<long long>(core.checkSensiStat())), 1;
  if (step == "update-system" && left >= 1) {
    cliPrint("update_system", static_cast<long long>(core.UpdateSystemFS(args[i + 1])));
    return 2;
  }
  if (step == "firmware-exit" && left >= 2) {
    std::vector<int> types = typeList(args[i + 1]);
    core.OnExitFirmwareUpdate(types, std::atoi(args[i + 2].c_str()));
    return 3;
  }
  if (step == "reload-config") {
    bool reboot = left >= 1 && args[i + 1] == "reboot";
    cliPrint("reload_config", static_cast<long long>(core.reloadBackupCONFIG(reboot)));
    return reboot ? 2 : 1;
  }
  if (step == "pause" && left >= 1) {
    if (args[i + 1] == "upd") core.updThread()->change_sleepThreadState(true);
    else if (args[i + 1] == "proc") core.procThread()->change_sleepThreadState(true);
    else return 0;
    return 2;
  }
  if (step == "storage") {
    int total = 0, free = 0;
    core.getStorageInfoSize(&total, &free);
    cliPrint("total_mib", static_cast<long long>(total));
    cliPrint("free_mib", static_cast<long long>(free));
    core.start_StorageFreeSpace();
    return 1;
  }
  return 0;
}

int runCore(const CliArgs& args) {
  if (args.empty()) return cliUsage("core");
  static int argc = 1;
  static char name[] = "orvcore-cli";
  static char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  ORV_noticeRecorder window;

  ORV_core core;
  core.start_orvDatas();
  core.start_ORV_fileManip();
  core.start_ORV_sysNet();
  int link = core.ORV_sysNet_Ptr()->isETH0_Cable_Plugged();
  core.datas()->setMES_struct(ORV_core::kMesNetworkLink, &link);
  ORV_ProcThread proc(&core, nullptr);
  proc.initORV_process();
  ORV_UpdThread upd(&core);
  upd.init();
  core.adoptWorkerThreads(&proc, &upd);

  int rc = 0;
  for (size_t i = 0; i < args.size();) {
    size_t used = runStep(core, args, i);
    if (used == 0) {
      rc = cliUsage("core");
      break;
    }
    i += used;
  }
  QCoreApplication::processEvents();
  cliPrint("uploads", joined(upd.queuedRequests()));
  printBool("proc_paused", proc.get_sleepThreadState());
  printBool("upd_paused", upd.get_sleepThreadState());
  cliPrint("alarm_type", static_cast<long long>(core.getAlarmType()));
  printBool("statistique", core.getStatistiqueAlarm());
  core.adoptWorkerThreads(nullptr, nullptr);
  return rc;
}

CliGroup group("core",
               "core STEP... (mes INDEX VALUE | alarm CODE SEND TEXT1 TEXT2 | restart TYPE | relearn | "
               "recalc | recalc-clear | check-ref | sensors | sensitivity | update-system ARCHIVE | "
               "firmware-exit TYPES ADDR | reload-config [reboot] | pause upd|proc | storage)",
               &runCore);

}  // namespace
