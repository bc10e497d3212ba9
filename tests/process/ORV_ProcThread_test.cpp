// The processing thread's start-up, pass, schedule and pause: what it publishes, which
// relays it drives, when the hourly and nightly work run and what they ask of the core.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

#include <unistd.h>

#include "gpio.h"
#include "support/plant_lines.h"
#include "support/proc_fixture.h"

namespace {

class ProcThreadTest : public ProcFixture {
protected:
  ProcThreadTest() {
    modules.setExchange(ORV_ProcScriptedModules::v2Card(1080, 5.641f, 25, 20, 20));
  }

  // Notices to the main window, without the data-ready notices.
  std::vector<std::string> msgBox() {
    std::vector<std::string> out;
    for (const std::string& n : core.notices())
      if (n.rfind("msgbox", 0) == 0 || n.rfind("text", 0) == 0 || n.rfind("progress", 0) == 0 ||
          n == "stop")
        out.push_back(n);
    return out;
  }
  bool hourlyWorkRan() { return !msgBox().empty(); }
  void forgetRecords() { core.clearRecords(); }
};

using Texts = std::vector<std::string>;

const Texts kHourlyNotices = {"msgbox 2", "progress 0", "text 1",  "progress 20", "text 2",
                              "progress 30", "progress 90", "text 3", "progress 100", "stop"};

}  // namespace

TEST_F(ProcThreadTest, StartUpKeepsTheRelayOfAStoredLeakAlarm) {
  struct Case {
    int flagAlarm;
    int stat3j;
    int statLp;
    bool sent;
    int porte10;
  };
  const Case cases[] = {
      {4, 1, 1, true, 1},  {4, 1, 0, true, 0}, {6, 0, 1, true, 1}, {2, 1, 0, true, 1},
      {2, 0, 1, true, 0},  {3, 1, 1, true, 0}, {1, 1, 1, false, 0}, {0, 1, 1, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flagAlarm * 100 + c.stat3j * 10 + c.statLp);
    int off = 0;
    GPIO("PORTE10", "OUTPUT", &off);
    ORV_ProcStandInCore fresh;
    setCfg(prockey::FLAG_ALARM, c.flagAlarm);
    setCfg(prockey::STAT3J_CHECK, c.stat3j);
    setCfg(prockey::STATLP_CHECK, c.statLp);
    makeThread();
    thread->setCore(&fresh);
    EXPECT_EQ(thread->initORV_process(), 1);
    EXPECT_EQ(thread->noyau_.flag_alarme, c.flagAlarm);
    EXPECT_EQ(thread->noyau_.alarm100_sent, c.sent);
    EXPECT_EQ(relay("PORTE10"), c.porte10);
    EXPECT_EQ(fresh.getAlarmType(), c.porte10 ? 100 : 0);
  }
}

TEST_F(ProcThreadTest, StartUpReadsTheInputsAndBringsTheDayFileToRam) {
  setInput("PORTG8", 0);  // active low: the plant runs
  setInput("PORTB9", 1);
  setInput("PORTB10", 0);
  const std::string name = core.getMeasureMsrFileName();
  box.write("/home/ORV/" + name, "earlier lines\n");
  thread->initORV_process();
  EXPECT_EQ(mesInt(procmes::PlantRunning), 1);
  EXPECT_EQ(mesInt(procmes::InputPORTB9), 0);
  EXPECT_EQ(mesInt(procmes::InputPORTB10), 1);
  EXPECT_EQ(box.read("/ramdisk/" + name), "earlier lines\n");
}

TEST_F(ProcThreadTest, StartUpWithoutARebootKeepsTheRamDayFile) {
  // The program restarted during the day: the RAM file has the lines written since the
  // last hourly copy to flash.
  const std::string name = core.getMeasureMsrFileName();
  box.write("/home/ORV/" + name, "earlier lines\n");
  box.write("/ramdisk/" + name, "earlier lines\nlines of the last hour\n");
  thread->initORV_process();
  EXPECT_EQ(box.read("/ramdisk/" + name), "earlier lines\nlines of the last hour\n");
  EXPECT_EQ(box.read("/home/ORV/" + name), "earlier lines\n");
}

TEST_F(ProcThreadTest, PassPublishesAndNotifiesEvenWithoutAModuleCentre) {
  setCfg(prockey::FLAG_PREM_DEMARRAGE, 0);
  thread->setModulsCenter(nullptr);
  thread->modsDatas_.stateMesV2 = 2;
  thread->update_Process();
  EXPECT_EQ(core.dataReadyCount(), 1);
  EXPECT_EQ(modules.counts().rounds, 0);
  modules_exchange_t published;
  store->get_ORVmodsDatas(published);
  EXPECT_EQ(published.stateMesV2, 2);
  // The module alarms still run on the last copy of the exchange record.
  ASSERT_EQ(core.alarms().size(), 1u);
  EXPECT_EQ(core.alarms()[0].code, 112);
}

TEST_F(ProcThreadTest, CardValuesThatAreNoNumbersAreInvalidReadings) {
  // A V2 card's weight, pressure and three temperatures, taken by a pass, then written to
  // the day file and the hourly means as the record steps do: invalid readings, as 999.
  const float kInf = std::numeric_limits<float>::infinity();
  setCfg(prockey::FLAG_PREM_DEMARRAGE, 1);
  for (float bad : {std::nanf(""), kInf, -kInf}) {
    SCOPED_TRACE(bad);
    core.clearRecords();
    makeThread();
    box.run("rm -f '" + box.path("/home/ORV/moy.msr") + "'");
    modules.setExchange(ORV_ProcScriptedModules::v2Card(bad, bad, bad, bad, bad));
    thread->update_Process();
    EXPECT_EQ(mesInt(procmes::ColumnWeight), 999);
    thread->save_mesurement();
    thread->save_mesurement();
    thread->accumulate_moyenne();
    const struct_compteur_moyenne& m = thread->moyenne_;
    EXPECT_EQ(m.n_mass + m.n_tsor + m.n_tent + m.n_text, 0);
    ASSERT_EQ(thread->WriteMoyenne(&thread->passLocalTime), 0);

    const std::vector<std::string> lines = core.measurementLines();
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<std::string> fields = fieldsOf(lines[0]);
    // Mass, liquid, outside, high pressure, inlet.
    const std::pair<int, const char*> expected[] = {
        {1, "-"}, {2, "999.00"}, {3, "999.00"}, {6, "999.00"}, {12, "999.00"}};
    for (const auto& f : expected) EXPECT_EQ(fields.at(f.first - 1), f.second) << "field " << f.first;
    for (const std::string& text : {lines[0], box.read("/home/ORV/moy.msr")}) {
      for (const char* word : {"nan", "inf"}) EXPECT_EQ(text.find(word), std::string::npos) << text;
    }
  }
}

TEST_F(ProcThreadTest, SilentBusRoundSleepsAndStillPublishes) {
  modules.setRoundResult(0);
  modules_exchange_t lost = ORV_ProcScriptedModules::v2Card(999, 999, 999, 999, 999);
  lost.stateMesV2 = 2;
  modules.setExchange(lost);
  setMes(procmes::PlantRunning, 1);
  struct_cumul_puissanse cumuls{};
  cumuls.puissTotalComp = 7.0f;
  modules.setCumuls(cumuls);
  thread->update_Process();
  EXPECT_EQ(sleeps, std::vector<unsigned>({1}));
  modules_exchange_t published;
  store->get_ORVmodsDatas(published);
  EXPECT_EQ(published.stateMesV2, 2);
  EXPECT_FLOAT_EQ(thread->cumulPuissance_.puissTotalComp, 0.0f);  // cumuls not taken
  EXPECT_EQ(thread->moyenne_.n_run_passes, 0);
  EXPECT_EQ(core.dataReadyCount(), 1);
  EXPECT_EQ(core.alarms().size(), 1u);
}

TEST_F(ProcThreadTest, PlantRunningFromTheCompressorsOrTheInput) {
  struct Case {
    const char* what;
    uint8_t ener0;
    float totalComp;
    int input;  // PORTG8 level
    int running;
  };
  const Case cases[] = {
      {"ENERGIE 0 connected, compressors on", 1, 3.5f, 1, 1},
      {"ENERGIE 0 connected, compressors off: the input is not read", 1, 0.0f, 0, 0},
      {"ENERGIE 0 lost counts as known", 2, 0.0f, 0, 0},
      {"no ENERGIE 0: input low means running", 0, 0.0f, 0, 1},
      {"no ENERGIE 0: input high means stopped", 0, 9.0f, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setCfg(prockey::FLAG_PREM_DEMARRAGE, 0);  // no refrigerant step
    modules_exchange_t x = ORV_ProcScriptedModules::v2Card(1080, 5.641f, 25, 20, 20);
    x.stateEner[0] = c.ener0;
    modules.setExchange(x);
    struct_cumul_puissanse cumuls{};
    cumuls.puissTotalComp = c.totalComp;
    modules.setCumuls(cumuls);
    setInput("PORTG8", c.input);
    makeThread();
    thread->update_Process();
    EXPECT_EQ(mesInt(procmes::PlantRunning), c.running);
    EXPECT_EQ(thread->moyenne_.n_run_passes, c.running);
  }
}

TEST_F(ProcThreadTest, PlantValuesHandedToTheHpfModule) {
  setCfg(prockey::FLAG_PREM_DEMARRAGE, 0);
  setInput("PORTG8", 0);
  struct_cumul_puissanse cumuls{};
  cumuls.puissComp[0] = 12.9f;
  cumuls.puissComp[1] = -0.5f;  // a faulty reading must not wrap
  cumuls.puissComp[5] = 3.0f;
  modules.setCumuls(cumuls);
  modules.setHpfState(0);
  thread->update_Process();
  EXPECT_EQ(modules.counts().hpfExchanges, 0);
  modules.setHpfState(2);
  thread->fluidDatas_[0].val[0] = 25.0f;
  thread->update_Process();
  ASSERT_EQ(modules.counts().hpfExchanges, 1);
  ProcToHpfValues v = modules.lastHpfValues();
  EXPECT_EQ(v.plantRunning, 1);
  EXPECT_EQ(v.puissComp[0], 12u);
  EXPECT_EQ(v.puissComp[1], 0u);
  EXPECT_EQ(v.puissComp[5], 3u);
  EXPECT_FLOAT_EQ(v.tempExt, 20.0f);
  EXPECT_FLOAT_EQ(v.tsatHp, 25.0f);
  EXPECT_FLOAT_EQ(v.hp, 5.641f);
}

TEST_F(ProcThreadTest, HourlyWorkAtHalfPastFiftyNine) {
  struct Case {
    const char* firstPass;
    bool runsAtOnce;
  };
  const Case cases[] = {{"2024-03-05 10:59:45", true}, {"2024-03-05 10:15:00", false},
                        {"2024-03-05 10:59:29", false}, {"2024-03-05 10:59:30", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.firstPass);
    forgetRecords();
    makeThread();
    setClock(c.firstPass);
    thread->update_Process();
    EXPECT_EQ(hourlyWorkRan(), c.runsAtOnce);
    if (c.runsAtOnce) {
      EXPECT_EQ(msgBox(), kHourlyNotices);
      EXPECT_EQ(thread->noyau_.hourlyDeadline, localTime("2024-03-05 11:59:30"));
    }
    // The next pass of the same minute does nothing more; 11:59:30 runs it again.
    forgetRecords();
    thread->update_Process();
    EXPECT_FALSE(hourlyWorkRan());
    setClock("2024-03-05 11:59:30");
    thread->update_Process();
    EXPECT_TRUE(hourlyWorkRan());
  }
}

TEST_F(ProcThreadTest, DeadlineFollowsPausesAndClockSteps) {
  setClock("2024-03-05 10:15:00");
  thread->update_Process();
  // Three hours later (a long pause or a clock set forward): one hourly run at this
  // hour's 59:30, not one per pass to catch up.
  setClock("2024-03-05 13:10:00");
  thread->update_Process();
  thread->update_Process();
  EXPECT_FALSE(hourlyWorkRan());
  EXPECT_EQ(thread->noyau_.hourlyDeadline, localTime("2024-03-05 13:59:30"));
  // Clock set back by five hours: the work does not wait five hours more.
  setClock("2024-03-05 08:20:00");
  thread->update_Process();
  EXPECT_EQ(thread->noyau_.hourlyDeadline, localTime("2024-03-05 08:59:30"));
  setClock("2024-03-05 08:59:31");
  thread->update_Process();
  EXPECT_TRUE(hourlyWorkRan());
}

TEST_F(ProcThreadTest, EnergyCountersResetEveryHour) {
  setClock("2024-03-05 10:59:45");
  thread->update_Process();
  EXPECT_EQ(modules.counts().energyResets, 1);
  EXPECT_TRUE(core.restarts().empty());
}

TEST_F(ProcThreadTest, StorageCleanupAt44MiBFree) {
  struct Case {
    long long freeMiB;
    int cleanups;
  };
  const Case cases[] = {{44, 1}, {45, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.freeMiB);
    forgetRecords();
    box.write("/platform_stub/diskspace",
              std::to_string(c.freeMiB * 1048576) + " " + std::to_string(4000LL * 1048576) + "\n");
    makeThread();
    setClock("2024-03-05 10:59:45");
    thread->update_Process();
    EXPECT_EQ(core.storageCleanups(), c.cleanups);
    auto box6 = msgBox();
    EXPECT_EQ(std::count(box6.begin(), box6.end(), "text 6"), c.cleanups);
  }
}

TEST_F(ProcThreadTest, NightlyWorkMovesTheDayFileAndAsksForARestart) {
  struct Case {
    const char* when;
    bool nightly;
  };
  const Case cases[] = {{"2024-03-05 23:59:30", true},
                        {"2024-03-05 23:58:59", false},
                        {"2024-03-06 00:00:10", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.when);
    forgetRecords();
    setClock(c.when);
    const std::string name = core.getMeasureMsrFileName();
    box.write("/ramdisk/" + name, "the day\n");
    modules_exchange_t x = ORV_ProcScriptedModules::v2Card(1080, 5.641f, 25, 20, 20);
    x.stateEner[0] = 1;
    modules.setExchange(x);
    makeThread();
    thread->alarm100_hours = 3;
    thread->noyau_.hourlyDeadline = orv::wallClockNow();  // the hourly work is due now
    auto before = modules.counts();
    thread->update_Process();
    ASSERT_TRUE(hourlyWorkRan());
    // Every hourly run copies the day file to flash; the night moves it.
    EXPECT_EQ(box.exists("/ramdisk/" + name), !c.nightly);
    EXPECT_EQ(box.read("/home/ORV/" + name), "the day\n");
    EXPECT_EQ(core.restarts(), c.nightly ? std::vector<int>({2}) : std::vector<int>());
    EXPECT_EQ(box.platformCalls().find("restart 2") != std::string::npos, c.nightly);
    EXPECT_EQ(modules.counts().enerReboots - before.enerReboots, c.nightly ? 1 : 0);
    EXPECT_EQ(modules.counts().dailyPowerLogs - before.dailyPowerLogs, c.nightly ? 1 : 0);
    EXPECT_EQ(thread->alarm100_hours, c.nightly ? 0u : 3u);
    box.run("rm -f '" + box.path("/home/ORV/" + name) + "' '" + box.path("/platform_calls.log") +
            "'");
  }
}

TEST_F(ProcThreadTest, NightlyWorkKeepsTheRamDayFileWhenTheCopyFails) {
  setClock("2024-03-05 23:59:30");
  const std::string name = core.getMeasureMsrFileName();
  box.write("/ramdisk/" + name, "the day\n");
  box.mkdirs("/home/ORV/" + name);  // the flash copy cannot be written
  thread->noyau_.hourlyDeadline = orv::wallClockNow();
  thread->update_Process();
  EXPECT_EQ(box.read("/ramdisk/" + name), "the day\n");
  EXPECT_EQ(core.restarts(), std::vector<int>({2}));
}

TEST_F(ProcThreadTest, RelearnResetClearsAlarmsAndStartsLearning) {
  setCfg(prockey::FLAG_ALARM, 6);
  setCfg(prockey::FLAG_ALARM_CAPTEUR, 0x1F);
  setCfgFloat(prockey::MOYENNE_REFERENCE, 180.0f);
  setMesFloat(procmes::ReferenceMass, 180.0f);
  setMesFloat(procmes::Slope3Days, -6.0f);
  setMesFloat(procmes::SlopeLongPeriod, -2.0f);
  core.dispatchAlarm(112, true, "0", "-4");
  thread->noyau_.alarm100_sent = true;
  thread->noyau_.moduleLostLatch[0] = 1;
  thread->noyau_.sensorFaultLatch[7] = 1;
  core.clearRecords();

  thread->ResetProcess();

  EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), 1);
  EXPECT_EQ(cfgInt(prockey::FLAG_ALARM_CAPTEUR), 0);
  EXPECT_FLOAT_EQ(store->getCFG_struct(prockey::MOYENNE_REFERENCE).floatValue, 0.0f);
  EXPECT_FLOAT_EQ(mesFloat(procmes::ReferenceMass), 0.0f);
  EXPECT_FLOAT_EQ(mesFloat(procmes::Slope3Days), 0.0f);
  EXPECT_FLOAT_EQ(mesFloat(procmes::SlopeLongPeriod), 0.0f);
  EXPECT_EQ(relay("PORTE8"), 0);
  EXPECT_EQ(relay("PORTE10"), 0);
  EXPECT_EQ(thread->noyau_.flag_alarme, 1);
  EXPECT_FALSE(thread->noyau_.alarm100_sent);
  EXPECT_EQ(thread->noyau_.moduleLostLatch[0], 0);
  EXPECT_EQ(thread->noyau_.sensorFaultLatch[7], 0);
  ASSERT_EQ(core.alarms().size(), 1u);
  EXPECT_EQ(core.alarms()[0].code, 7);
  EXPECT_TRUE(core.alarms()[0].send);
  EXPECT_TRUE(core.journal().empty());  // code 7 journals nothing
}

TEST_F(ProcThreadTest, PausedThreadTakesNoMeasurementAndResumes) {
  setCfg(prockey::FLAG_PREM_DEMARRAGE, 0);
  thread->setPauseSleepMs(5);
  thread->change_sleepThreadState(true);
  startThread();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(core.dataReadyCount(), 0);
  EXPECT_EQ(modules.counts().rounds, 0);

  thread->change_sleepThreadState(false);
  for (int i = 0; i < 200 && core.dataReadyCount() < 3; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_GE(core.dataReadyCount(), 3);

  thread->change_sleepThreadState(true);
  // A pass under way completes; a loaded machine may take a while over it.
  for (int i = 0; i < 1000 && thread->isInPass(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_FALSE(thread->isInPass());
  int passes = core.dataReadyCount();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(core.dataReadyCount(), passes);

  stopThread();
}

TEST_F(ProcThreadTest, AcknowledgementWhilePassesRun) {
  // Passes raise and clear a card alarm while the GUI thread acknowledges between them:
  // the latches and the stored bits stay consistent (a thread sanitizer sees the lock).
  setCfg(prockey::FLAG_PREM_DEMARRAGE, 0);
  startThread();
  for (int i = 0; i < 20; ++i) {
    modules_exchange_t x = ORV_ProcScriptedModules::v2Card(1080, 5.641f, 25, 20, 20);
    x.stateMesV2 = (i % 2) ? 1 : 2;
    modules.setExchange(x);
    int passes = core.dataReadyCount();
    for (int k = 0; k < 500 && core.dataReadyCount() < passes + 2; ++k) usleep(1000);
    thread->ResetAlarmes(1);
  }
  stopThread();
  int lost = 0;
  for (const auto& a : core.alarms())
    if (a.code == 112 && a.send) lost++;
  EXPECT_EQ(lost, 10);  // each loss once, each return unlatched it
  thread->ResetAlarmes(1);
  EXPECT_EQ(cfgInt(prockey::FLAG_ALARM_CAPTEUR), 0);
  EXPECT_EQ(relay("PORTE8"), 0);
  EXPECT_EQ(relay("PORTE10"), 0);
}
