// "start": the core's start-up as the program runs it, without a main window: the queued
// notices go to a recorder that prints them. The core then runs (processing pass, server
// exchange) for the given time in the event loop of this thread.
//
//   start [--run SECONDS]
//
// In the host build it first lays out the device folders the core writes into, as the
// board's file systems have them.
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ModulsCenter.h"
#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "ORV_noticeRecorder.h"
#include "cli.h"
#include "orvDatas.h"
#include "orvPlatform.h"

namespace {

// Folders of the board that the core expects to exist.
const char* const kDeviceFolders[] = {"/home/ORV/programme", "/home/ORV/firmware", "/ramdisk",
                                      "/tmp", "/etc/init.d", "/home/WIRELESS"};

void layOutSandbox() {
  if (orv::sandboxRoot().empty()) return;  // the board has them
  for (const char* folder : kDeviceFolders) {
    std::string path = orv::devicePath(folder);
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
      mkdir(path.substr(0, slash).c_str(), 0775);
    mkdir(path.c_str(), 0775);
  }
}

int runStart(const CliArgs& args) {
  long seconds = 0;
  if (args.size() == 2 && args[0] == "--run") {
    char* end = nullptr;
    seconds = std::strtol(args[1].c_str(), &end, 10);
    if (*end != '\0' || seconds < 0) return cliUsage("start");
  } else if (!args.empty()) {
    return cliUsage("start");
  }
  layOutSandbox();

  static int argc = 1;
  static char name[] = "orvcore-cli";
  static char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  ORV_noticeRecorder window;
  ORV_core* core = new ORV_core();  // lives until the process ends, as on the board
  int started = core->initORV_core();
  cliPrint("started", static_cast<long long>(started));
  std::fflush(stdout);

  QTimer::singleShot(static_cast<int>(seconds * 1000), &app, &QCoreApplication::quit);
  app.exec();

  orvDatas* store = core->datas();
  cliPrint("network_link", static_cast<long long>(store->getMES_struct(ORV_core::kMesNetworkLink).intValue));
  cliPrint("server_reachable",
           static_cast<long long>(store->getMES_struct(ORV_core::kMesServerReachable).intValue));
  cliPrint("cycles", static_cast<long long>(
      store->getCFG_struct(orvDatas::getCFG_ID_fromKeyString("CONFIG_CYCLE_NBRE")).intValue));
  cliPrint("proc_paused", static_cast<long long>(core->procThread() && core->procThread()->get_sleepThreadState()));
  cliPrint("upd_paused", static_cast<long long>(core->updThread() && core->updThread()->get_sleepThreadState()));
  // The program has no orderly stop: park the workers and leave without running the
  // destructors under their feet.
  if (core->updThread()) core->updThread()->change_sleepThreadState(true);
  if (core->procThread()) core->procThread()->change_sleepThreadState(true);
  std::fflush(stdout);
  _exit(0);
}

CliGroup group("start", "start [--run SECONDS]", &runStart);

}  // namespace
