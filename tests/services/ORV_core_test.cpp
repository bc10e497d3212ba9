// The core's hand-offs in one process: the queued notices to the main window, the program
// and firmware update hand-offs with the workers they pause and resume, the configuration
// reload, the sensitivity ranges and the shutdown. The workers are real objects, started
// only by the start-and-stop cycle; a recorder stands in for the main window.
#include "ORV_core.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "ModulsCenter.h"
#include "ORV_ProcScriptedModules.h"
#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_noticeRecorder.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "orv_test_sandbox.h"
#include "core_device.h"

namespace {

using Notices = std::vector<std::string>;

void ensureApplication() {
  static int argc = 1;
  static char name[] = "ORV_core_test";
  static char* argv[] = {name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  (void)app;
}

// The device of the remote-action tests (a core with its store, file and network services,
// worker objects that are not started) with a recorder as the main window.
class CoreBench : public ::testing::Test, protected CoreDevice {
protected:
  CoreBench() : CoreDevice("CONFIG_SRV_ID=42\n") {}
  void SetUp() override {
    ensureApplication();
    window.reset(new ORV_noticeRecorder(false));
  }
  void TearDown() override { window.reset(); }

  // The notices delivered once the event loop ran.
  Notices delivered() {
    QCoreApplication::processEvents();
    Notices n = window->notices();
    window->clear();
    return n;
  }

  std::unique_ptr<ORV_noticeRecorder> window;
};

TEST_F(CoreBench, NoticesReachTheMainWindowQueuedAndInOrder) {
  core->startMsgBOX_signal(4);
  core->setMsgBOX_ProgressValue_signal(30);
  core->setMsgBOXtxt_signal(6);
  core->UpdatedDataReady_signal();
  core->stopMsgBOX_signal();
  EXPECT_TRUE(window->notices().empty()) << "a queued call runs only in the window's event loop";
  EXPECT_EQ(delivered(), (Notices{"OnStartMsgBox(4)", "OnSetMsgBoxProgressValue(30)",
                                  "OnSetMsgBoxInfoTxt(6)", "OnNoyauUpdate()", "OnStopMsgBox()"}));

  window.reset();  // no main window: the notices go nowhere
  EXPECT_EQ(Singleton<orv_classPtr>::ptr()->mainWindow, nullptr);
  core->startMsgBOX_signal(3);
  core->UpdatedDataReady_signal();
  QCoreApplication::processEvents();
  window.reset(new ORV_noticeRecorder(false));
  EXPECT_TRUE(delivered().empty());
}

// The hand-off pauses the workers that run; a program script means a restart follows,
// otherwise it resumes exactly the workers it paused.
TEST_F(CoreBench, ProgramUpdateHandOff) {
  struct Case {
    bool checksum;        // "<name>.sha256" lies beside the archive
    bool updPausedBefore; // the network page had paused the exchange
    int result;
    Notices notices;
    std::string pausedAfter;
  } cases[] = {
      {true, false, 2, {"OnStartMsgBox(3)", "OnSetMsgBoxInfoTxt(4)", "OnSetMsgBoxInfoTxt(5)"}, "upd/proc"},
      {false, false, 0, {"OnStartMsgBox(3)", "OnSetMsgBoxInfoTxt(4)", "OnStopMsgBox()"}, "-/-"},
      {false, true, 0, {"OnStartMsgBox(3)", "OnSetMsgBoxInfoTxt(4)", "OnStopMsgBox()"}, "upd/-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("checksum ") + (c.checksum ? "yes" : "no") + ", exchange paused " +
                 (c.updPausedBefore ? "yes" : "no"));
    box.run("rm -f '" + box.path("/home/ORV/orvSysUpdate.sh") + "' '" +
            box.path("/home/ORV/programme/ORV_20.sha256") + "'");
    box.write("/home/ORV/programme/ORV_20.tar.gz", "archive");
    if (c.checksum) box.write("/home/ORV/programme/ORV_20.sha256", "sum");
    upd->change_sleepThreadState(c.updPausedBefore);
    proc->change_sleepThreadState(false);

    EXPECT_EQ(core->UpdateSystemFS("/home/ORV/programme/ORV_20.tar.gz"), c.result);
    EXPECT_EQ(delivered(), c.notices);
    EXPECT_EQ(paused(), c.pausedAfter);
    EXPECT_EQ(box.exists("/home/ORV/orvSysUpdate.sh"), c.checksum);
  }
}

// The firmware job's report: the modules flashed before the failing one are identified
// again; a failure keeps its text on the message page and goes to the journal.
TEST_F(CoreBench, FirmwareReportMarksFlashedModulesAndKeepsAFailureShown) {
  core->start_ModulsCenter();  // no bus in the sandbox: no module found
  ModulsCenter* centre = core->modulsCenter();
  centre->start_modul_mesV2();
  centre->start_modul_hpf();
  centre->start_moduls_ener();
  struct Case {
    int failedAddress;
    Notices notices;
    std::vector<int> lostTypes;
  } cases[] = {
      {1, {"OnSetMsgBoxInfoTxt(7)"}, {2}},
      {7, {"OnSetMsgBoxInfoTxt(10)"}, {2, 0, 1}},
      {0, {"OnSetMsgBoxInfoTxt(4)", "OnStopMsgBox()"}, {2, 0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("failed address " + std::to_string(c.failedAddress));
    for (int type : {0, 1, 2}) centre->Modul_setConnectState(type, 1);
    box.run("rm -f '" + box.path("/home/ORV/journal.log") + "'");
    std::vector<int> types{2, 0, 1};
    core->OnExitFirmwareUpdate(types, c.failedAddress);
    EXPECT_EQ(delivered(), c.notices);
    for (int type : {0, 1, 2}) {
      bool lost = std::find(c.lostTypes.begin(), c.lostTypes.end(), type) != c.lostTypes.end();
      EXPECT_EQ(centre->isModul_connected(type), lost ? 2 : 1) << "type " << type;
    }
    std::string journal = box.read("/home/ORV/journal.log");
    if (c.failedAddress)
      EXPECT_NE(journal.find(";201;FIRMWARE;" + std::to_string(c.failedAddress) + ";;"), std::string::npos)
          << journal;
    else
      EXPECT_EQ(journal, "");
  }
}

TEST_F(CoreBench, FirmwareJobWithNothingToFlashResumesOnlyTheWorkersItPaused) {
  upd->change_sleepThreadState(true);  // paused by a screen
  core->OnStartFirmwareUpdate(1);
  EXPECT_EQ(delivered(), (Notices{"OnStartMsgBox(4)", "OnSetMsgBoxInfoTxt(4)", "OnStopMsgBox()"}));
  EXPECT_EQ(paused(), "upd/-");
}

TEST_F(CoreBench, ConfigurationReloadAfterABackupDownload) {
  // A readable file: the boot script is rewritten and the processing stays paused.
  box.mkdirs("/etc/init.d");
  EXPECT_NE(core->reloadBackupCONFIG(false), 0);
  EXPECT_TRUE(box.exists("/etc/init.d/rcS"));
  EXPECT_EQ(paused(), "-/proc");

  // The backup vanished: nothing reloaded, the processing resumed.
  proc->change_sleepThreadState(false);
  box.run("rm -f '" + box.path("/home/ORV/config.conf") + "'");
  EXPECT_EQ(core->reloadBackupCONFIG(false), 0);
  EXPECT_EQ(paused(), "-/-");
}

// Every row of the ranges, from the top, first match decides.
TEST_F(CoreBench, SensitivityKeptInThePlantsRange) {
  struct Case {
    int setPoint;
    float r, s, rAfter, sAfter;
  } cases[] = {
      {-30, -8.0f, 150.0f, -3.0f, 0.0f},   {-30, -8.0f, 250.0f, -5.0f, 200.0f},
      {-30, -2.0f, 150.0f, -2.0f, 0.0f},   {-30, -6.0f, 50.0f, -6.0f, 200.0f},
      {-25, -4.0f, 300.0f, -4.0f, 200.0f}, {-25, -5.0f, 120.0f, -5.0f, 120.0f},
      {-21, -3.0f, 0.0f, -3.0f, 0.0f},     {-20, -8.0f, 300.0f, -4.0f, 100.0f},
      {-10, -8.0f, 450.0f, -7.0f, 400.0f}, {-10, -3.5f, 300.0f, -3.5f, 100.0f},
      {-10, -6.0f, 50.0f, -6.0f, 100.0f},  {-10, -5.0f, 500.0f, -5.0f, 400.0f},
      {-10, -7.0f, 250.0f, -7.0f, 250.0f}, {-10, -4.0f, 400.0f, -4.0f, 400.0f},
  };
  orvDatas* store = core->datas();
  for (const Case& c : cases) {
    SCOPED_TRACE("set point " + std::to_string(c.setPoint) + ", r " + std::to_string(c.r) +
                 ", s " + std::to_string(c.s));
    store->setCFG_struct(orvDatas::getCFG_ID_fromKeyString("CONFIG_CONSIGNE_BP"), &c.setPoint);
    store->setCFG_struct(orvDatas::getCFG_ID_fromKeyString("REGLAGE_ALARM_3JOURS"), &c.r);
    store->setCFG_struct(orvDatas::getCFG_ID_fromKeyString("STAT3J_VALUE"), &c.s);
    EXPECT_EQ(core->checkSensiStat(), 1);
    EXPECT_FLOAT_EQ(store->getCFG_struct(orvDatas::getCFG_ID_fromKeyString("REGLAGE_ALARM_3JOURS")).floatValue,
                    c.rAfter);
    EXPECT_FLOAT_EQ(store->getCFG_struct(orvDatas::getCFG_ID_fromKeyString("STAT3J_VALUE")).floatValue,
                    c.sAfter);
  }
}

TEST_F(CoreBench, ShutdownReleasesTheObjectsAndTheirRegistrySlots) {
  core->start_FLuidsNorvale();
  core->start_ModulsCenter();
  core->adoptWorkerThreads(nullptr, nullptr);
  core->closeORV_core();
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  EXPECT_EQ(registry->datas, nullptr);
  EXPECT_EQ(registry->fluids, nullptr);
  EXPECT_EQ(registry->modules, nullptr);
  EXPECT_EQ(registry->core, nullptr);
  EXPECT_EQ(core->datas(), nullptr);
  EXPECT_EQ(core->ORV_fileManip_Ptr(), nullptr);
  EXPECT_EQ(core->ORV_sysNet_Ptr(), nullptr);
}

// A plant whose measuring card is lost and back at every other bus round: the processing
// thread raises the card-lost alarm, with an upload request for the exchange thread, every
// second pass.
class FlappingCard : public ORV_ProcScriptedModules {
public:
  FlappingCard() { setExchange(v2Card(25000.0f, 12.0f, 20.0f, 20.0f, 20.0f)); }
  int sendTo_AllModuls() override {
    modules_exchange_t card = exchange();
    card.stateMesV2 = card.stateMesV2 == 2 ? 1 : 2;
    setExchange(card);
    return ORV_ProcScriptedModules::sendTo_AllModuls();
  }
  int rounds() { return counts().rounds; }
};

// What could still reach a worker thread's object when it was freed.
struct FreeWitness {
  std::atomic<bool> procRuns{false};
  std::atomic<bool> updRuns{false};
  std::vector<std::string> found;  // written by the thread that frees, read after the stop
};

// The two workers with a note, as their objects are freed, of any thread or pointer that
// could still reach them, and of a module centre or refrigerant facade already gone.
template <typename Worker>
class Witnessed : public Worker {
public:
  template <typename... Args>
  explicit Witnessed(FreeWitness& witness, Args... args) : Worker(args...), witness_(witness) {}
  ~Witnessed() override {
    orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
    const Worker* self = this;
    const std::string name = isProc ? "processing thread" : "exchange thread";
    if (isProc ? witness_.updRuns : witness_.procRuns)
      witness_.found.push_back(name + " freed while the other worker runs");
    ORV_core* core = registry->core;
    const void* held = !core ? nullptr
                       : isProc ? static_cast<void*>(core->procThread())
                                : static_cast<void*>(core->updThread());
    if (held == self) witness_.found.push_back(name + " freed while the core holds it");
    const void* slot = isProc ? static_cast<void*>(registry->procThread)
                              : static_cast<void*>(registry->updThread);
    if (slot == self) witness_.found.push_back(name + " freed while its registry slot holds it");
    if (!registry->modules || !registry->fluids)
      witness_.found.push_back(name + " freed after the module centre or the refrigerant facade");
  }
  int run() override {
    std::atomic<bool>& runs = isProc ? witness_.procRuns : witness_.updRuns;
    runs = true;
    const int result = Worker::run();
    runs = false;  // through a reference taken before: the object may be going already
    return result;
  }

private:
  static constexpr bool isProc = std::is_same<Worker, ORV_ProcThread>::value;
  FreeWitness& witness_;
};

// A core as the start-up leaves it (store, file and network services, refrigerant facade,
// module centre, both worker threads started and detached and owned by the core), on the
// flapping card, with the network link up so that each alarm queues an upload request.
// Nothing is sent: the exchange thread took the link as down when it started.
template <typename Proc, typename Upd>
struct AlarmingCore {
  template <typename... Extra>
  explicit AlarmingCore(Extra&... extra) {
    setenv("ORV_CLOCK_START", "2024-03-01 10:00:00", 1);  // far from the hourly work
    orv::resetWallClock();
    box.write("/home/ORV/config.conf",
              "[General]\nFLAG_PREM_DEMARRAGE=1700000000\nCONFIG_STFP_IP=127.0.0.1\n");
    core.start_orvDatas();
    core.start_ORV_fileManip();
    core.start_ORV_sysNet();
    core.start_FLuidsNorvale();
    core.start_ModulsCenter();
    Proc* proc = new Proc(extra..., &core, &card);
    proc->setSleepFunction([](unsigned) {});
    proc->initORV_process();
    Upd* upd = new Upd(extra..., &core);
    upd->init();
    int link = 1;
    core.datas()->setMES_struct(ORV_core::kMesNetworkLink, &link);
    core.adoptWorkerThreads(proc, upd);
    proc->start();
    proc->detach();
    upd->start();
    upd->detach();
  }
  ~AlarmingCore() {
    core.closeORV_core();  // a no-op after the test's own stop
    unsetenv("ORV_CLOCK_START");
    orv::resetWallClock();
  }
  // Waits until the card has been lost `alarms` times since the call.
  bool alarmsRaised(int alarms) {
    const int until = card.rounds() + 2 * alarms;
    for (int ms = 0; ms < 20000 && card.rounds() < until; ++ms) usleep(1000);
    return card.rounds() >= until;
  }

  TestSandbox box;
  FlappingCard card;
  ORV_core core;
};

// The stop ends both worker loops before it frees either object: each can call the other
// (an alarm queues an upload, a remote command pauses the processing). Each object leaves
// the core and its registry slot before it goes, and both go before the module centre and
// the refrigerant facade.
TEST(CoreLifecycle, NoWorkerIsFreedWhileAnythingCanStillReachIt) {
  ensureApplication();
  FreeWitness witness;
  {
    AlarmingCore<Witnessed<ORV_ProcThread>, Witnessed<ORV_UpdThread>> plant(witness);
    for (int ms = 0; ms < 10000 && !(witness.procRuns && witness.updRuns); ++ms) usleep(1000);
    ASSERT_TRUE(witness.procRuns && witness.updRuns);
    ASSERT_TRUE(plant.alarmsRaised(2));
    plant.core.closeORV_core();
  }
  EXPECT_EQ(witness.found, std::vector<std::string>{});
}

// Start and stop again and again while the processing thread raises alarms that reach the
// exchange thread: the stop meets the alarm dispatch at any point of it (the sanitizer build
// sees any touch of a freed worker).
TEST(CoreLifecycle, StopWhileTheProcessingThreadRaisesAlarmsAgainAndAgain) {
  ensureApplication();
  for (int cycle = 0; cycle < 20; ++cycle) {
    SCOPED_TRACE("cycle " + std::to_string(cycle));
    AlarmingCore<ORV_ProcThread, ORV_UpdThread> plant;
    ASSERT_TRUE(plant.alarmsRaised(1 + cycle % 3));
    plant.core.closeORV_core();
    orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
    EXPECT_EQ(registry->procThread, nullptr);
    EXPECT_EQ(registry->updThread, nullptr);
    EXPECT_EQ(plant.core.procThread(), nullptr);
    EXPECT_EQ(plant.core.updThread(), nullptr);
  }
}

// The core's start and stop with both worker threads running, over and over: each stop
// ends the thread before its object goes, and the processing thread before the module
// centre and the refrigerant facade it reads (the sanitizer build sees any touch after).
TEST(CoreLifecycle, WorkerThreadsStartAndStopWithTheCoreAgainAndAgain) {
  ensureApplication();
  for (int cycle = 0; cycle < 3; ++cycle) {
    TestSandbox box;
    box.write("/home/ORV/config.conf", "[General]\nFLAG_PREM_DEMARRAGE=1700000000\n");
    ORV_core core;
    core.start_orvDatas();
    core.start_ORV_fileManip();
    core.start_ORV_sysNet();
    core.start_FLuidsNorvale();
    core.start_ModulsCenter();
    core.start_ORV_process();
    core.start_ORV_UpdThread();
    ORV_ProcThread* proc = core.procThread();
    ORV_UpdThread* upd = core.updThread();
    ASSERT_TRUE(proc && upd) << "cycle " << cycle;
    for (int ms = 0; ms < 10000 && !(proc->get_ThreadRunning() && upd->get_ThreadRunning()); ++ms)
      usleep(1000);
    EXPECT_TRUE(proc->get_ThreadRunning() && upd->get_ThreadRunning()) << "cycle " << cycle;
    core.closeORV_core();
    orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
    EXPECT_EQ(registry->procThread, nullptr);
    EXPECT_EQ(registry->updThread, nullptr);
    EXPECT_EQ(registry->modules, nullptr);
    EXPECT_EQ(core.procThread(), nullptr);
    EXPECT_EQ(core.updThread(), nullptr);
  }
}

}  // namespace
