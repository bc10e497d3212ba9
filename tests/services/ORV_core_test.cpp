// The core's hand-offs in one process: the queued notices to the main window, the program
// and firmware update hand-offs with the workers they pause and resume, the configuration
// reload, the sensitivity ranges and the shutdown. The workers are real objects, started
// only by the start-and-stop cycle; a recorder stands in for the main window.
#include "ORV_core.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ModulsCenter.h"
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
