// A device as the remote actions and the receive pass find it, in a fresh sandbox with the
// program clock at 2024-03-01 10:00:00: a core with its store, file and network services,
// processing and exchange thread objects that are not started (registered in the core,
// the exchange initialised), the network link up and the server reachable at the last
// check unless told otherwise. Upload requests are only queued.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "orvDatas.h"
#include "orv_test_sandbox.h"

class CoreDevice {
public:
  // `config`: lines of section General of "/home/ORV/config.conf".
  explicit CoreDevice(const std::string& config, bool serverReachable = true) {
    setenv("ORV_CLOCK_START", "2024-03-01 10:00:00", 1);
    orv::resetWallClock();
    box.write("/home/ORV/config.conf", "[General]\n" + config);
    core.reset(new ORV_core());
    core->start_orvDatas();
    core->start_ORV_fileManip();
    core->start_ORV_sysNet();
    int link = 1, reachable = serverReachable ? 1 : 0;
    core->datas()->setMES_struct(ORV_core::kMesNetworkLink, &link);
    core->datas()->setMES_struct(ORV_core::kMesServerReachable, &reachable);
    proc.reset(new ORV_ProcThread(core.get(), nullptr));
    upd.reset(new ORV_UpdThread(core.get()));
    upd->init();
    core->adoptWorkerThreads(proc.get(), upd.get());
  }
  virtual ~CoreDevice() {
    core->adoptWorkerThreads(nullptr, nullptr);
    upd.reset();
    proc.reset();
    core->closeORV_core();
    unsetenv("ORV_CLOCK_START");
    orv::resetWallClock();
  }
  CoreDevice(const CoreDevice&) = delete;
  CoreDevice& operator=(const CoreDevice&) = delete;

  int cfgInt(const char* key) {
    return core->datas()->getCFG_struct(orvDatas::getCFG_ID_fromKeyString(key)).intValue;
  }
  std::string config() { return box.read("/home/ORV/config.conf"); }
  bool configHas(const std::string& keyValue) {
    return config().find("\n" + keyValue + "\n") != std::string::npos;
  }
  // Journal lines without their date and time ("5001;;;NET;").
  std::vector<std::string> journal() {
    std::istringstream in(box.read("/home/ORV/journal.log"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
      lines.push_back(line.substr(line.find(';', line.find(';') + 1) + 1));
    return lines;
  }
  bool journalHas(const std::string& line) {
    std::vector<std::string> lines = journal();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  // Queued upload requests, sorted.
  std::vector<int> uploads() {
    std::vector<int> codes = upd->queuedRequests();
    std::sort(codes.begin(), codes.end());
    return codes;
  }
  // "upd/proc" with "-" for a worker that runs.
  std::string paused() {
    return std::string(upd->get_sleepThreadState() ? "upd" : "-") + "/" +
           (proc->get_sleepThreadState() ? "proc" : "-");
  }

  TestSandbox box;
  std::unique_ptr<ORV_core> core;
  std::unique_ptr<ORV_ProcThread> proc;
  std::unique_ptr<ORV_UpdThread> upd;
};
