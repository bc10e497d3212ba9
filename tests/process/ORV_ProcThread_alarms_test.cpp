// Low-level, module and sensor alarms of the pass, and the acknowledgement: codes, texts,
// latches, stored fault bits, journal lines and the relays in the GPIO register file.
#include <gtest/gtest.h>

#include "gpio.h"
#include "support/proc_fixture.h"

namespace {

class AlarmTest : public ProcFixture {
protected:
  AlarmTest() { thread->modsDatas_ = ORV_ProcScriptedModules::v2Card(1080, 5.641f, 25, 20, 20); }

  // One low-level evaluation of a pass that ran `seconds` after `start`.
  void lowLevelPassAt(time_t start, int seconds, float massKg) {
    orv::setWallClock(start + seconds);
    thread->noyau_.lowLevelClock = start + seconds;
    setMesFloat(procmes::RefrigerantMass, massKg);
    thread->gestion_Alarme_NivBas();
  }
  std::vector<ORV_ProcStandInCore::AlarmRecord> alarmsWithCode(int code) {
    std::vector<ORV_ProcStandInCore::AlarmRecord> out;
    for (const auto& a : core.alarms())
      if (a.code == code) out.push_back(a);
    return out;
  }
  // Journal lines without their time stamp ("code;a;b;c;").
  std::vector<std::string> journal() {
    std::vector<std::string> out;
    for (const std::string& line : core.journal()) out.push_back(line.substr(20));
    return out;
  }
};

using Lines = std::vector<std::string>;

}  // namespace

TEST_F(AlarmTest, LowLevelRaisedOnceAfterItsDelay) {
  setCfg(prockey::ALARME_NIVEAU_MINI_G, 50000);
  setCfg(prockey::ALARME_TEMPORISATION, 20);
  const time_t t0 = ProcFixture::localTime("2024-03-05 10:00:00");
  lowLevelPassAt(t0, 0, 49.9f);
  EXPECT_EQ(mesInt(procmes::LowLevelDetected), 1);
  EXPECT_EQ(mesInt(procmes::LowLevelStartTime), static_cast<int>(t0));
  lowLevelPassAt(t0, 20 * 60 - 1, 49.9f);
  EXPECT_EQ(mesInt(procmes::LowLevelDuration), 20 * 60 - 1);
  EXPECT_TRUE(alarmsWithCode(103).empty());
  lowLevelPassAt(t0, 20 * 60, 49.9f);
  lowLevelPassAt(t0, 20 * 60 + 30, 49.9f);
  auto raised = alarmsWithCode(103);
  ASSERT_EQ(raised.size(), 1u);
  EXPECT_TRUE(raised[0].send);
  EXPECT_EQ(raised[0].text1, "50000");
  EXPECT_EQ(raised[0].text2, "49000");  // whole kilograms
  EXPECT_EQ(mesInt(procmes::LowLevelAlarm), 1);
  EXPECT_EQ(relay("PORTE8"), 1);
  EXPECT_EQ(relay("PORTE10"), 1);
  EXPECT_EQ(journal(), Lines({"103;50000;49000;;"}));
}

TEST_F(AlarmTest, PumpDownThresholdOnlyWithThePlantStopped) {
  setCfg(prockey::ALARME_NIVEAU_MINI_G, 0);
  setCfg(prockey::ALARME_TEMPORISATION, 20);
  setCfg(prockey::ALARME_NIVEAU_MINI_G_NUIT, 50000);
  setCfg(prockey::ALARME_TEMPORISATION_NUIT, 30);
  const time_t t0 = ProcFixture::localTime("2024-03-05 02:00:00");
  struct Case {
    const char* what;
    int pumpDown;
    int running;
    size_t alarms;
  };
  const Case cases[] = {
      {"pump-down, plant stopped: night threshold and delay", 1, 0, 1},
      {"pump-down, plant running: day threshold 0, never low", 1, 1, 0},
      {"no pump-down: day threshold", 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    core.clearRecords();
    setMes(procmes::LowLevelDetected, 0);
    setMes(procmes::LowLevelAlarm, 0);
    setCfg(prockey::ALARME_PUMPDOWN, c.pumpDown);
    setMes(procmes::PlantRunning, c.running);
    lowLevelPassAt(t0, 0, 40.0f);
    lowLevelPassAt(t0, 20 * 60, 40.0f);
    EXPECT_TRUE(alarmsWithCode(103).empty());
    lowLevelPassAt(t0, 30 * 60, 40.0f);
    EXPECT_EQ(alarmsWithCode(103).size(), c.alarms);
  }
}

TEST_F(AlarmTest, LowLevelEndsByItselfAtTheThreshold) {
  setCfg(prockey::ALARME_NIVEAU_MINI_G, 50000);
  setCfg(prockey::ALARME_TEMPORISATION, 1);
  const time_t t0 = ProcFixture::localTime("2024-03-05 10:00:00");
  struct Case {
    const char* what;
    float back;           // mass of the pass that ends the episode
    bool leakAlarm;       // a statistical alarm stands as well
    int porte10After;
    Lines journalAfter;   // lines after the 103 line
  };
  const Case cases[] = {
      {"50.0 kg is not below 50000 g", 50.0f, false, 0, {"1;103;;AUTO;"}},
      {"an invalid mass ends the episode too", 999.0f, false, 0, {"1;103;;AUTO;"}},
      {"the leak relay stays for a statistical alarm", 60.0f, true, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ORV_ProcStandInCore fresh;
    thread->setCore(&fresh);
    if (c.leakAlarm) fresh.dispatchAlarm(100, true, "-6.45", "-5.00");
    lowLevelPassAt(t0, 0, 49.9f);
    lowLevelPassAt(t0, 60, 49.9f);
    ASSERT_EQ(relay("PORTE8"), 1);
    lowLevelPassAt(t0, 90, c.back);
    EXPECT_EQ(relay("PORTE8"), 0);
    EXPECT_EQ(relay("PORTE10"), c.porte10After);
    EXPECT_EQ(mesInt(procmes::LowLevelDetected), 0);
    EXPECT_EQ(mesInt(procmes::LowLevelAlarm), 0);
    EXPECT_EQ(mesInt(procmes::LowLevelDuration), 0);
    EXPECT_EQ(mesInt(procmes::LowLevelStartTime), 0);
    Lines after;
    for (const std::string& line : fresh.journal()) after.push_back(line.substr(20));
    after.erase(after.begin(), after.begin() + (c.leakAlarm ? 2 : 1));
    EXPECT_EQ(after, c.journalAfter);
    EXPECT_EQ(fresh.getAlarmType(), c.leakAlarm ? 103 : 7);
    thread->setCore(&core);
  }
}

TEST_F(AlarmTest, ModuleLostAndBackOnePerPass) {
  setCfg(prockey::FLAG_ALARM_CAPTEUR, 0x20);
  modules_exchange_t& x = thread->modsDatas_;
  x.stateMesV2 = 2;
  x.stateHpf = 2;
  x.stateEner[1] = 2;
  thread->gestion_Alarmes_Moduls();
  thread->gestion_Alarmes_Moduls();
  thread->gestion_Alarmes_Moduls();
  thread->gestion_Alarmes_Moduls();  // all latched: nothing more
  x.stateMesV2 = 1;
  thread->gestion_Alarmes_Moduls();
  thread->gestion_Alarmes_Moduls();  // back and unlatched: nothing more

  auto a = core.alarms();
  ASSERT_EQ(a.size(), 4u);
  struct Expected {
    int code;
    bool send;
    const char* text1;
    const char* text2;
  };
  const Expected expected[] = {{112, true, "0", "-4"},
                               {115, true, "0", "-4"},
                               {125, true, "0", "-4"},
                               {112, false, "Reconnecte via WATCHDOG", "OK"}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(a[i].code, expected[i].code);
    EXPECT_EQ(a[i].send, expected[i].send);
    EXPECT_EQ(a[i].text1, expected[i].text1);
    EXPECT_EQ(a[i].text2, expected[i].text2);
  }
  // The card's five sensor bits join the stored ones.
  EXPECT_EQ(cfgInt(prockey::FLAG_ALARM_CAPTEUR), 0x3F);
  EXPECT_EQ(mesInt(procmes::SensorFaultFlags), 0x3F);
  EXPECT_EQ(relay("PORTE8"), 1);
  EXPECT_EQ(relay("PORTE10"), 1);
}

TEST_F(AlarmTest, EachSensorFaultRaisesItsCodeAndBit) {
  struct Case {
    int value;
    int code;
    int bit;
    int relays;
  };
  const Case cases[] = {
      {modval::Poids, 109, 0x10, 1},  {modval::HP, 110, 0x08, 0},
      {modval::BP, 111, 0x40, 0},     {modval::TempSOR, 106, 0x04, 1},
      {modval::TempENT, 105, 0x02, 0}, {modval::TempEXT, 104, 0x01, 0},
      {modval::TempASP, 107, 0x20, 0}, {modval::TempREF, 120, 0x48, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    makeThread();
    core.clearRecords();
    setCfg(prockey::FLAG_ALARM_CAPTEUR, 0);
    int off = 0;
    GPIO("PORTE8", "OUTPUT", &off);
    GPIO("PORTE10", "OUTPUT", &off);
    thread->modsDatas_.sensorFault[c.value] = 1;
    thread->gestion_Alarmes_Capteurs();
    thread->gestion_Alarmes_Capteurs();  // latched: once
    auto a = core.alarms();
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].code, c.code);
    EXPECT_TRUE(a[0].send);
    EXPECT_EQ(a[0].text1, "0");
    EXPECT_EQ(a[0].text2, "0");
    EXPECT_EQ(cfgInt(prockey::FLAG_ALARM_CAPTEUR), c.bit);
    EXPECT_EQ(mesInt(procmes::SensorFaultFlags), c.bit);
    EXPECT_EQ(relay("PORTE8"), c.relays);
    EXPECT_EQ(relay("PORTE10"), c.relays);
  }
}

TEST_F(AlarmTest, SensorFaultsOnePerPassStoredBitsAccumulate) {
  setCfg(prockey::FLAG_ALARM_CAPTEUR, 0x1F);  // a card lost earlier
  thread->modsDatas_.sensorFault[modval::Poids] = 1;
  thread->modsDatas_.sensorFault[modval::HP] = 1;
  thread->modsDatas_.sensorFault[modval::TempASP] = 1;
  thread->gestion_Alarmes_Capteurs();
  EXPECT_EQ(mesInt(procmes::SensorAlarmBits), 0x10);
  thread->gestion_Alarmes_Capteurs();
  thread->gestion_Alarmes_Capteurs();
  std::vector<int> codes;
  for (const auto& a : core.alarms()) codes.push_back(a.code);
  EXPECT_EQ(codes, std::vector<int>({109, 110, 107}));
  EXPECT_EQ(cfgInt(prockey::FLAG_ALARM_CAPTEUR), 0x3F);

  // A fault that goes and comes back raises again; going away is silent.
  thread->modsDatas_.sensorFault[modval::HP] = 0;
  thread->gestion_Alarmes_Capteurs();
  EXPECT_EQ(core.alarms().size(), 3u);
  thread->modsDatas_.sensorFault[modval::HP] = 1;
  thread->gestion_Alarmes_Capteurs();
  EXPECT_EQ(core.alarms().size(), 4u);
  EXPECT_EQ(core.alarms().back().code, 110);
}

TEST_F(AlarmTest, AcknowledgementJournalsAndClearsEverything) {
  struct Case {
    const char* what;
    int who;
    int flagAlarm;
    int sensorBits;
    bool lowLevel;
    Lines journal;
  };
  const Case cases[] = {
      {"both leak alarms and a discharge sensor, local", 1, 6, 0x48, false,
       {"1;100;Yes leak;ORV;", "1;101;Yes leak;ORV;", "1;110;;ORV;", "1;111;;ORV;",
        "1;112;;ORV;"}},
      {"3-day leak and a low level, remote", 2, 2, 0, true,
       {"1;100;Yes leak;NET;", "1;103;Yes leak;NET;"}},
      {"a lost card, from the reference check", -1, 0, 0x1F, false,
       {"1;104;;ORV;", "1;105;;ORV;", "1;106;;ORV;", "1;109;;ORV;", "1;110;;ORV;"}},
      {"long-period leak only", 1, 4, 0, false, {"1;101;Yes leak;ORV;"}},
      {"learning: nothing to journal", 1, 1, 0, false, {}},
  };
  store->setYesOrNoLeak("Yes leak");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    makeThread();
    core.clearRecords();
    setCfg(prockey::FLAG_ALARM, c.flagAlarm);
    setCfg(prockey::FLAG_ALARM_CAPTEUR, c.sensorBits);
    setMes(procmes::LowLevelAlarm, c.lowLevel ? 1 : 0);
    setMes(procmes::LowLevelDetected, c.lowLevel ? 1 : 0);
    thread->noyau_.alarm100_sent = true;
    thread->alarm100_hours = 5;
    thread->noyau_.sensorFaultLatch[3] = 1;
    thread->noyau_.moduleLostLatch[0] = 1;
    core.dispatchAlarm(103, true, "1", "1");  // relays on
    core.clearRecords();

    thread->ResetAlarmes(c.who);

    EXPECT_EQ(journal(), c.journal);
    EXPECT_EQ(relay("PORTE8"), 0);
    EXPECT_EQ(relay("PORTE10"), 0);
    auto a = core.alarms();
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].code, 7);
    EXPECT_TRUE(a[0].send);
    EXPECT_EQ(a[0].text1, "1");
    EXPECT_EQ(a[0].text2, "1");
    EXPECT_EQ(core.getAlarmType(), 7);
    EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), c.flagAlarm > 1 ? 0 : c.flagAlarm);
    EXPECT_EQ(cfgInt(prockey::FLAG_ALARM_CAPTEUR), 0);
    EXPECT_EQ(mesInt(procmes::SensorFaultFlags), 0);
    EXPECT_EQ(mesInt(procmes::LowLevelAlarm), 0);
    EXPECT_EQ(mesInt(procmes::LowLevelDetected), 0);
    EXPECT_FALSE(thread->noyau_.alarm100_sent);
    EXPECT_EQ(thread->alarm100_hours, 0u);
    // The pass starts again from the cleared state, not from the acknowledged alarm.
    EXPECT_EQ(thread->noyau_.flag_alarme, c.flagAlarm > 1 ? 0 : c.flagAlarm);
    // Latches are cleared with a leak alarm only.
    EXPECT_EQ(thread->noyau_.sensorFaultLatch[3], c.flagAlarm > 1 ? 0 : 1);
  }
}
