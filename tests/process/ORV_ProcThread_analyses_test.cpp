// Reference learning and the leak analyses on generated hourly means files: the learned
// reference, the 3-day alarm with its threshold, hysteresis and hour counter, the long
// period, the commanded recalculation, the automatic raise, and windows read through
// damaged lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "gpio.h"
#include "support/moy_msr_generator.h"
#include "support/proc_fixture.h"

namespace {

const char kMeans[] = "/home/ORV/moy.msr";
const char kBackup[] = "/usr/share/config.conf";
const int kLearning = MoyMsrGenerator::kLearning;
const int kWatch = MoyMsrGenerator::kWatch;

// Daily step k that gives the scaled 3-day slope s over y = 100, 100-k, 100-2k, 100-3k:
// s = -125 k / (243.75 - 5 k).
float stepForSlope(float s) { return 243.75f * s / (5.0f * s - 125.0f); }

class AnalysisTest : public ProcFixture {
protected:
  AnalysisTest() {
    box.mkdirs("/usr/share");
    commissionedDaysAgo(8);
  }

  // Counted from the time of the thread's pass, which the learning gate reads.
  void commissionedDaysAgo(int days) {
    setCfg(prockey::FLAG_PREM_DEMARRAGE, static_cast<int>(thread->passTime) - days * 86400);
  }

  // Watch state with a learned reference of `reference` kg.
  void watching(float reference) {
    setCfgFloat(prockey::MOYENNE_REFERENCE, reference);
    setCfg(prockey::FLAG_ALARM, 0);
    setMes(procmes::LeakState, 0);
    setMes(procmes::LeakStateCopy, 0);
    thread->noyau_.flag_alarme = 0;
  }

  // 171 learning lines, then what the test adds.
  static MoyMsrGenerator afterLearning() {
    return MoyMsrGenerator().hours(171, 60, 100.0f, kLearning);
  }

  void writeMeans(const MoyMsrGenerator& g) { box.write(kMeans, g.text()); }

  // One hourly run of the analyses; its console output.
  std::string analyse() {
    testing::internal::CaptureStdout();
    thread->start_Analyse();
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
  }

  float cfgFloat(int id) { return store->getCFG_struct(id).floatValue; }
};

}  // namespace

TEST_F(AnalysisTest, LearningTakesTheMeanOfTheLastDays) {
  // Three older lines, then seven days whose weighted means are 121 to 127 kg: the first
  // day weighs 12 h of 60 records at 120 kg against 12 h of 20 records at 124 kg.
  MoyMsrGenerator full = MoyMsrGenerator().hours(3, 60, 500.0f, kLearning);
  full.hours(12, 60, 120.0f, kLearning).hours(12, 20, 124.0f, kLearning);
  full.days({122, 123, 124, 125, 126, 127}, 60, kLearning);
  writeMeans(full);
  setCfg(prockey::FLAG_ALARM, 1);
  thread->noyau_.flag_alarme = 1;

  analyse();
  EXPECT_NEAR(cfgFloat(prockey::MOYENNE_REFERENCE), 124.0f, 1e-3);
  EXPECT_NEAR(mesFloat(procmes::ReferenceMass), 124.0f, 1e-3);
  EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), 0);
  EXPECT_EQ(mesInt(procmes::LeakState), 0);
  // The copy is taken as soon as the reference is stored.
  ASSERT_TRUE(box.exists(kBackup));
  EXPECT_NE(box.read(kBackup).find("\nMOYENNE_REFERENCE=124.000000\n"), std::string::npos);
  EXPECT_NE(box.commands().find("cp /home/ORV/config.conf /usr/share/"), std::string::npos);
}

TEST_F(AnalysisTest, LearningNeedsMoreThanItsDaysOfLines) {
  struct Case {
    const char* what;
    int commissionedDays;
    MoyMsrGenerator file;
    const char* message;
    int flagAlarm;  // FLAG_ALARM after the run: a learning run that ends publishes 0
  };
  const Case cases[] = {
      {"170 lines: 24 x 7 + 2 is not enough", 8,
       MoyMsrGenerator().hours(170, 60, 100.0f, kLearning), "analyse_moy() : Pas assez de donnees....", 0},
      {"learning period not over", 2, MoyMsrGenerator().hours(200, 60, 100.0f, kLearning),
       " *** Periode d'apprentissage pour 2 jours, pas d'analyse", 1},
      {"a learning day without records", 8,
       MoyMsrGenerator().hours(171 - 48, 60, 100.0f, kLearning).hours(24, 0, 0.0f, kLearning)
           .hours(24, 60, 100.0f, kLearning),
       "Analyse_moy(): Erreur Sum <= 0 !!!", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setCfgFloat(prockey::MOYENNE_REFERENCE, 0.0f);
    setCfg(prockey::FLAG_ALARM, 1);
    commissionedDaysAgo(c.commissionedDays);
    writeMeans(c.file);
    std::string out = analyse();
    EXPECT_NE(out.find(c.message), std::string::npos) << out;
    EXPECT_EQ(cfgFloat(prockey::MOYENNE_REFERENCE), 0.0f);
    EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), c.flagAlarm);
    EXPECT_FALSE(box.exists(kBackup));
  }
  // The day without records is a failed learning run.
  EXPECT_EQ(thread->analyse_moy(), -2);
}

TEST_F(AnalysisTest, ThreeDaySlopeAgainstItsThreshold) {
  struct Case {
    const char* what;
    float days[3];
    const char* slopeText;  // "" for no alarm
    int state;
  };
  const Case cases[] = {
      {"100, 90, 80, 70 kg: -6.45 below -5.00", {90, 80, 70}, "-6.45", 2},
      {"100, 99, 98, 97 kg: -0.52, no alarm", {99, 98, 97}, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    core.clearRecords();
    watching(100.0f);
    writeMeans(afterLearning().days({c.days[0], c.days[1], c.days[2]}, 60, kWatch));
    analyse();
    EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), c.state);
    EXPECT_EQ(mesInt(procmes::LeakState), c.state);
    EXPECT_EQ(mesInt(procmes::LeakStateCopy), c.state);
    const float expectedSlope = c.state ? -6.4516f : -0.5236f;
    EXPECT_NEAR(cfgFloat(prockey::ANCIEN_PENTE), expectedSlope, 1e-3);
    EXPECT_NEAR(mesFloat(procmes::Slope3Days), expectedSlope, 1e-3);
    auto alarms = core.alarms();
    if (*c.slopeText) {
      ASSERT_EQ(alarms.size(), 1u);
      EXPECT_EQ(alarms[0].code, 100);
      EXPECT_TRUE(alarms[0].send);
      EXPECT_EQ(alarms[0].text1, c.slopeText);
      EXPECT_EQ(alarms[0].text2, "-5.00");
      ASSERT_EQ(core.journal().size(), 1u);
      EXPECT_NE(core.journal()[0].find(";100;-6.45;-5.00;;"), std::string::npos);
      EXPECT_EQ(relay("PORTE10"), 1);
      const float points[4] = {100, 90, 80, 70};
      for (int k = 0; k < 4; ++k) EXPECT_NEAR(thread->noyau_.points_A3j[k], points[k], 1e-3);
    } else {
      EXPECT_TRUE(alarms.empty());
    }
  }
}

TEST_F(AnalysisTest, StandingAlarmHysteresis) {
  struct Case {
    const char* what;
    float slope;
    int result;         // flag_alarme after the run
    unsigned hours;     // alarm100_hours after the run (5 before)
    bool erreurData;
  };
  const Case cases[] = {
      {"-4.8 inside the 0.3 band: held", -4.8f, 2, 6, false},
      {"-4.6 above the band: released", -4.6f, 0, 0, false},
      {"-5.5 at or below the threshold: Erreur data for the hour", -5.5f, 0, 6, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    core.clearRecords();
    setCfgFloat(prockey::MOYENNE_REFERENCE, 100.0f);
    setCfg(prockey::FLAG_ALARM, 2);
    thread->noyau_.flag_alarme = 2;
    thread->noyau_.alarm100_sent = true;
    thread->alarm100_hours = 5;
    const float k = stepForSlope(c.slope);
    writeMeans(afterLearning().days({100 - k, 100 - 2 * k, 100 - 3 * k}, 60, kWatch));
    std::string out = analyse();
    EXPECT_NEAR(mesFloat(procmes::Slope3Days), c.slope, 0.02);
    EXPECT_EQ(thread->noyau_.flag_alarme, c.result);
    EXPECT_EQ(thread->alarm100_hours, c.hours);
    EXPECT_EQ(out.find("Erreur data") != std::string::npos, c.erreurData);
    EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), 2);  // only an acknowledgement clears it
    EXPECT_TRUE(core.alarms().empty());
  }
}

TEST_F(AnalysisTest, StoredAlarmAfterARestartIsSentOnceMore) {
  // As after the nightly restart: FLAG_ALARM 2, sent, hour counter 0; the slope stays low.
  setCfgFloat(prockey::MOYENNE_REFERENCE, 100.0f);
  setCfg(prockey::FLAG_ALARM, 2);
  thread->noyau_.flag_alarme = 2;
  thread->noyau_.alarm100_sent = true;
  writeMeans(afterLearning().days({90, 80, 70}, 60, kWatch));

  std::vector<size_t> sent;
  std::vector<bool> erreurData;
  for (int run = 0; run < 5; ++run) {
    erreurData.push_back(analyse().find("Erreur data") != std::string::npos);
    sent.push_back(core.alarms().size());
  }
  EXPECT_EQ(erreurData, (std::vector<bool>{true, false, true, false, true}));
  EXPECT_EQ(sent, (std::vector<size_t>{0, 1, 1, 1, 1}));
  EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), 2);
}

TEST_F(AnalysisTest, LongPeriodSetsItsStateWithoutAMessage) {
  struct Case {
    const char* what;
    int statLp;
    int state;
  };
  const Case cases[] = {{"long-period check on", 1, 4}, {"long-period check off", 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    core.clearRecords();
    watching(100.0f);
    setCfg(prockey::STATLP_CHECK, c.statLp);
    writeMeans(afterLearning().days({99, 98, 97, 96, 95, 94, 93}, 60, kWatch));
    std::string out = analyse();
    EXPECT_NEAR(mesFloat(procmes::SlopeLongPeriod), -1.2844f, 1e-3);
    EXPECT_NEAR(mesFloat(procmes::Slope3Days), -1.1970f, 1e-3);
    EXPECT_NE(out.find("Nombre de jours = 7"), std::string::npos);
    EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), c.state);
    EXPECT_EQ(mesInt(procmes::LeakState), c.state);
    EXPECT_TRUE(core.alarms().empty());
    EXPECT_TRUE(core.journal().empty());
  }
}

TEST_F(AnalysisTest, NoUsablePeriodKeepsTheMeansFile) {
  // With a 2 kg reference and next to no mass, every divisor mean(xy) - mean(x)^2 is
  // negative.
  watching(2.0f);
  writeMeans(afterLearning().hours(168, 60, 0.01f, kWatch));
  const std::string before = box.read(kMeans);
  testing::internal::CaptureStdout();
  EXPECT_EQ(thread->analyse_moy(), -1);
  std::fflush(stdout);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Nombre de jours = -1"), std::string::npos);
  EXPECT_EQ(box.read(kMeans), before);
  EXPECT_EQ(box.commands().find("rm "), std::string::npos);
}

TEST_F(AnalysisTest, CommandedRecalculationCountsDownHourly) {
  // The last 11 lines: 6 of 60 records at 104 kg, 5 of 30 records at 110 kg.
  watching(100.0f);
  writeMeans(afterLearning().hours(61, 60, 100.0f, kWatch).hours(6, 60, 104.0f, kWatch)
                 .hours(5, 30, 110.0f, kWatch));
  setCfg(prockey::FLAG_RECALC_MOYREF, 1);
  setCfg(prockey::CONFIG_MOY_REF_RECALCUL_CTRL, -1);

  std::vector<int> countdown;
  for (int run = 0; run < 12; ++run) {
    analyse();
    countdown.push_back(cfgInt(prockey::CONFIG_MOY_REF_RECALCUL_CTRL));
  }
  EXPECT_EQ(countdown, (std::vector<int>{11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(cfgFloat(prockey::MOYENNE_REFERENCE), 100.0f);
  EXPECT_FALSE(box.exists(kBackup));

  analyse();
  const float weighted = (6 * 60 * 104.0f + 5 * 30 * 110.0f) / (6 * 60 + 5 * 30);
  EXPECT_NEAR(cfgFloat(prockey::MOYENNE_REFERENCE), weighted, 1e-3);
  EXPECT_NEAR(mesFloat(procmes::ReferenceMass), weighted, 1e-3);
  EXPECT_EQ(cfgInt(prockey::FLAG_RECALC_MOYREF), 0);
  EXPECT_EQ(cfgInt(prockey::CONFIG_MOY_REF_RECALCUL_CTRL), -1);
  EXPECT_TRUE(box.exists(kBackup));
}

TEST_F(AnalysisTest, AutomaticRaiseAboveThreeTimesTheReference) {
  struct Case {
    const char* what;
    float mass;
    float reference;
  };
  const Case cases[] = {{"31 kg against 10 kg: raised", 31.0f, 31.0f},
                        {"29 kg against 10 kg: kept", 29.0f, 10.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    watching(10.0f);
    setMesFloat(procmes::ReferenceMass, 0.0f);
    writeMeans(afterLearning().hours(360, 60, c.mass, kWatch));
    analyse();
    EXPECT_NEAR(cfgFloat(prockey::MOYENNE_REFERENCE), c.reference, 1e-3);
    EXPECT_NEAR(mesFloat(procmes::ReferenceMass), c.mass == c.reference ? c.reference : 0.0f, 1e-3);
  }
}

TEST_F(AnalysisTest, DamagedLinesNeitherStopNorShiftTheWindow) {
  // Empty, short, two-character and unreadable lines inside the 3-day window.
  MoyMsrGenerator g = afterLearning().days({90}, 60, kWatch).hours(12, 60, 80.0f, kWatch);
  g.raw("").raw("ab").raw("01/03/2026;13;60;80.00;100.00;-1.00;0.00;-5.00;0.00;12.40;24.10;22.80;0;")
      .raw("01/03/2026;14;60;nan;100.00;-1.00;0.00;-5.00;0.00;12.40;24.10;22.80;0;1.50;0;");
  g.hours(12, 60, 80.0f, kWatch).days({70}, 60, kWatch);
  watching(100.0f);
  writeMeans(g);
  EXPECT_EQ(thread->analyse_moy(), 0);
  EXPECT_NEAR(mesFloat(procmes::Slope3Days), -6.4516f, 1e-3);
}

TEST_F(AnalysisTest, SixMonthsAtMostAreRead) {
  // Ten old lines at 1 kg before the last 4320: read, they would pull the first day down.
  watching(100.0f);
  writeMeans(afterLearning().hours(10, 60, 1.0f, kWatch).hours(4320, 60, 100.0f, kWatch));
  std::string out = analyse();
  EXPECT_NE(out.find("donnees de six mois"), std::string::npos);
  EXPECT_NE(out.find("Nombre de jours = 180"), std::string::npos);
  EXPECT_NEAR(mesFloat(procmes::SlopeLongPeriod), 0.0f, 1e-4);
  EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), 0);
}

TEST_F(AnalysisTest, OnlyValidDaysEnterTheRegressions) {
  // Each history after learning, analysed by a fresh thread (the device restarts every
  // night) against a 100 kg reference. A day of lines without one valid mass is left out;
  // with too few days left the run gives no result and keeps the stored slope.
  const float kKept = -0.75f;  // ANCIEN_PENTE before the run
  const float kNan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* what;
    MoyMsrGenerator file;
    const char* alarmText;  // text1 of alarm 100, "" for none
    int flagAlarm;          // FLAG_ALARM after the run (0 before)
    float slope3;           // ANCIEN_PENTE after the run
    float slopeLong;        // measurement index 517 after the run (NaN: not run)
    const char* says;       // console text of the run
  };
  const Case cases[] = {
      {"worked example: 90, 80, 70 kg", afterLearning().days({90, 80, 70}, 60, kWatch), "-6.45", 2,
       -6.4516f, kNan, "Pente à 3 jours = -6.45"},
      {"long period: 99 down to 93 kg", afterLearning().days({99, 98, 97, 96, 95, 94, 93}, 60, kWatch),
       "", 4, -1.1970f, -1.2844f, "pente grande periode = -1.28"},
      {"three hours a day without a valid mass",
       afterLearning().hours(21, 60, 100.0f, kWatch).hours(3, 12, 999.0f, kWatch)
           .hours(21, 60, 100.0f, kWatch).hours(3, 12, 999.0f, kWatch)
           .hours(21, 60, 100.0f, kWatch).hours(3, 12, 999.0f, kWatch),
       "", 0, 0.0f, kNan, "Calcul[3] = 100.00"},
      {"the last of 96 watch hours: 24 without a valid mass",
       afterLearning().days({100, 100, 100}, 60, kWatch).hours(24, 12, 999.0f, kWatch), "", 0, 0.0f,
       kNan, "Calcul[3]: aucune mesure valide ce jour"},
      {"the same 24 hours as older software wrote them, at 0.00 kg",
       afterLearning().days({100, 100, 100}, 60, kWatch).hours(24, 12, 0.0f, kWatch), "", 0, 0.0f,
       kNan, "Calcul[3]: aucune mesure valide ce jour"},
      {"a day without records amid three",
       afterLearning().days({100}, 60, kWatch).hours(24, 0, 0.0f, kWatch).days({100}, 60, kWatch), "", 0,
       0.0f, kNan, "Calcul[2]: aucune mesure valide ce jour"},
      {"two of three days without records",
       afterLearning().days({100}, 60, kWatch).hours(48, 0, 0.0f, kWatch), "", 0, kKept, kNan,
       "1 jour(s) sur 3 avec des mesures valides, pas de resultat"},
      {"a day without records in the week",
       afterLearning().days({100, 100, 100}, 60, kWatch).hours(24, 0, 0.0f, kWatch)
           .days({100, 100, 100}, 60, kWatch),
       "", 0, 0.0f, 0.0f, "Nombre de jours = 7"},
      {"absurd masses on every line", afterLearning().hours(168, 60, 3e38f, kWatch), "", 0, kKept, kNan,
       "Analyse grande periode: 0 jour(s) avec des mesures valides, pas de resultat"},
      {"negative masses", afterLearning().days({100}, 60, kWatch).hours(48, 60, -50.0f, kWatch), "", 0,
       kKept, kNan, "pas de resultat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    core.clearRecords();
    int off = 0;
    GPIO("PORTE10", "OUTPUT", &off);
    makeThread();
    commissionedDaysAgo(8);
    watching(100.0f);
    setCfgFloat(prockey::ANCIEN_PENTE, kKept);
    setMesFloat(procmes::SlopeLongPeriod, kNan);
    writeMeans(c.file);
    const std::string out = analyse();
    EXPECT_NE(out.find(c.says), std::string::npos) << out;
    EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), c.flagAlarm);
    EXPECT_NEAR(cfgFloat(prockey::ANCIEN_PENTE), c.slope3, 1e-3);
    if (std::isnan(c.slopeLong)) {
      EXPECT_TRUE(std::isnan(mesFloat(procmes::SlopeLongPeriod)));
    } else {
      EXPECT_NEAR(mesFloat(procmes::SlopeLongPeriod), c.slopeLong, 1e-3);
    }
    const auto alarms = core.alarms();
    if (*c.alarmText) {
      ASSERT_EQ(alarms.size(), 1u);
      EXPECT_EQ(alarms[0].code, 100);
      EXPECT_EQ(alarms[0].text1, c.alarmText);
      EXPECT_EQ(alarms[0].text2, "-5.00");
    } else {
      EXPECT_TRUE(alarms.empty());
    }
    EXPECT_EQ(relay("PORTE10"), c.flagAlarm == 2 ? 1 : 0);
    const std::string conf = box.read("/home/ORV/config.conf");
    for (const char* value : {"nan\n", "inf\n"}) EXPECT_EQ(conf.find(value), std::string::npos) << value;
  }
}

TEST_F(AnalysisTest, WindowSettingsFromTheServerAreBounded) {
  // 359 hours at 31 kg and a last one at 29 kg against a 10 kg reference (raised above 30).
  struct Case {
    const char* what;
    int ajusteJours;   // z1_AJUSTE_JOURS
    float recalcHours; // CONFIG_MOY_REF_RECALCUL_HEURE, with a recalculation requested
    float reference;   // after the run
    int countdown;     // CONFIG_MOY_REF_RECALCUL_CTRL after the run
  };
  const Case cases[] = {
      {"z1_AJUSTE_JOURS 100000000: the raise averages the whole window", 100000000, 0.0f,
       (359 * 31.0f + 29.0f) / 360, -1},
      {"a recalculation over 1e30 hours never comes due", 7, 1e30f, 10.0f, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    watching(10.0f);
    setCfg(prockey::z1_AJUSTE_JOURS, c.ajusteJours);
    setCfgFloat(prockey::CONFIG_MOY_REF_RECALCUL_HEURE, c.recalcHours);
    setCfg(prockey::FLAG_RECALC_MOYREF, c.recalcHours > 0.0f ? 1 : 0);
    setCfg(prockey::CONFIG_MOY_REF_RECALCUL_CTRL, -1);
    writeMeans(afterLearning().hours(359, 60, 31.0f, kWatch).hours(1, 60, 29.0f, kWatch));
    analyse();
    EXPECT_NEAR(cfgFloat(prockey::MOYENNE_REFERENCE), c.reference, 1e-3);
    EXPECT_EQ(cfgInt(prockey::CONFIG_MOY_REF_RECALCUL_CTRL), c.countdown);
  }
}

TEST_F(AnalysisTest, MeanMassesNoReceiverHoldsAreLeftOut) {
  // A plant learned at 172.96 kg; `massText(i)` gives the mean mass field of watch line i
  // of the last three days. The default receiver (vertical, 500 x 1500 mm) holds at most
  // 589 kg; two horizontal 300 x 1130 mm receivers hold at most 283 kg.
  using MassText = std::function<std::string(int)>;
  const float kReference = 172.96f;
  auto oneLine = [](const char* text) {
    return MassText([text](int i) { return i == 5 ? std::string(text) : std::string("172.96"); });
  };
  auto everyThird = [](const char* text) {
    return MassText([text](int i) { return i % 3 == 0 ? std::string(text) : std::string("172.96"); });
  };
  // 100, 90, 80 and 70 % of the reference.
  const MassText drop = [kReference](int i) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", kReference * (0.9f - 0.1f * (i / 24)));
    return std::string(text);
  };
  struct Case {
    const char* what;
    MassText massText;
    bool horizontalPair;
    int flagAlarm;  // FLAG_ALARM after the run (0 before)
  };
  const Case cases[] = {
      {"99999.00 on one line of the oldest day", oneLine("99999.00"), false, 0},
      {"1e5 on one line of the oldest day", oneLine("1e5"), false, 0},
      {"86401 on one line of the oldest day", oneLine("86401"), false, 0},
      {"600 kg in a 589 kg receiver", oneLine("600"), false, 0},
      {"5000 kg in two receivers of 283 kg", oneLine("5000"), true, 0},
      {"1x72.96 on every third line", everyThird("1x72.96"), false, 0},
      {"1?72.96 on every third line", everyThird("1?72.96"), false, 0},
      {"a real drop", drop, false, 2},
      {"a real drop in two small receivers", drop, true, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    core.clearRecords();
    watching(kReference);
    setCfgText(prockey::CONFIG_TANK_TYPE, c.horizontalPair ? "H" : "V");
    setCfgFloat(prockey::CONFIG_DIAMETRE, c.horizontalPair ? 300.0f : 500.0f);
    setCfg(prockey::CONFIG_HEIGHT, c.horizontalPair ? 1130 : 1500);
    setCfg(prockey::CONFIG_TANK_NUMBER, c.horizontalPair ? 2 : 1);
    MoyMsrGenerator g = MoyMsrGenerator().hours(171, 60, kReference, kLearning);
    for (int i = 0; i < 72; ++i) {
      std::string line = MoyMsrGenerator::line(1700000000, 60, kReference, kWatch);
      line.replace(line.find(";172.96;") + 1, 6, c.massText(i));
      g.raw(line);
    }
    writeMeans(g);
    analyse();
    EXPECT_EQ(cfgInt(prockey::FLAG_ALARM), c.flagAlarm);
    EXPECT_EQ(core.alarms().size(), c.flagAlarm == 2 ? 1u : 0u);
    if (c.flagAlarm == 0) {
      EXPECT_NEAR(cfgFloat(prockey::ANCIEN_PENTE), 0.0f, 1e-3);
    }
  }
}
