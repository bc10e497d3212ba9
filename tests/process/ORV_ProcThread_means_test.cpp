// The hourly accumulator and the means line of "/home/ORV/moy.msr", the scan of that file
// with its line filter, and the hourly copy of the day file to flash.
#include <gtest/gtest.h>

#include "orv_utils.h"

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "support/moy_msr_generator.h"
#include "support/plant_lines.h"
#include "support/proc_fixture.h"

namespace {

const char kMeans[] = "/home/ORV/moy.msr";

std::string fixture(const std::string& name) {
  std::ifstream in(testSourceDir() + "/tests/process/fixtures/" + name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

class MeansTest : public ProcFixture {
protected:
  MeansTest() {
    thread.reset(new ProcThreadPeer(&core, &hpf));
    hpf.setHpfState(1);
    passTm = tmOf("2026-03-14 10:59:30");
    setCfg(prockey::FLAG_PREM_DEMARRAGE, static_cast<int>(localTime("2026-03-06 09:59:30")));
    setCfg(prockey::ALARME_NIVEAU_MINI_G, 1500);
    setCfg(prockey::FLAG_ALARM, 0);
    setCfg(prockey::CONFIG_CHARGE_FLUIDE, 120);
    setCfgFloat(prockey::MOYENNE_REFERENCE, 118.5f);
    setCfgFloat(prockey::ANCIEN_PENTE, -0.75f);
    setMesFloat(procmes::SlopeLongPeriod, -0.25f);
    setMes(procmes::PlantRunning, 1);
  }

  static struct tm tmOf(const char* text) {
    time_t t = localTime(text);
    struct tm out;
    localtime_r(&t, &out);
    return out;
  }

  // Record A of the hour: every reading valid.
  void recordA() {
    modules_exchange_t& x = thread->modsDatas_;
    x = ORV_ProcScriptedModules::v2Card(35000.0f, 15.0f, 30.0f, 31.0f, 18.0f);
    x.value[modval::TempASP] = -5.0f;
    x.value[modval::TempREF] = 75.0f;
    x.value[modval::PressionEner1] = 16.0f;
    x.value[modval::BattRadio] = 3.1f;
    thread->fluidDatas_[0].val[0] = 35.0f;
    thread->fluidDatas_[2].val[0] = -10.0f;
    thread->cumulPuissance_.puissTotalComp = 21.0f;
    const float computed[11] = {0, 0, 0, 2.5f, 2.25f, 2.0f, 80.0f, 85.0f, 30000.0f, 0, 0};
    for (int k = 0; k < 11; ++k) thread->valCalcul_.val[k] = computed[k];
    setMesFloat(procmes::RefrigerantMass, 120.0f);
    setMesFloat(procmes::RefrigerationCapacity, 30.0f);
    setMesFloat(procmes::MassFlow, 0.08f);
    setMesFloat(procmes::Ratio1, 1.5f);
    setMesFloat(procmes::Ratio3, 1.25f);
    setMesFloat(procmes::Ratio4, 1.0f);
  }

  // Record B: liquid warmer than condensing (no subcooling), suction invalid, the second
  // pressure flagged and a discharge temperature that could not be computed.
  void recordB() {
    modules_exchange_t& x = thread->modsDatas_;
    x.value[modval::TempEXT] = 19.0f;
    x.value[modval::TempENT] = 32.0f;
    x.value[modval::TempSOR] = 36.0f;
    x.value[modval::TempASP] = 999.0f;
    x.value[modval::TempREF] = 77.0f;
    x.sensorFault[modval::PressionEner1] = 1;
    const float computed[11] = {0, 0, 0, 3.5f, 3.25f, 3.0f, 999.0f, 95.0f, 34000.0f, 0, 0};
    for (int k = 0; k < 11; ++k) thread->valCalcul_.val[k] = computed[k];
    setMesFloat(procmes::RefrigerantMass, 121.0f);
    setMesFloat(procmes::RefrigerationCapacity, 32.0f);
    setMesFloat(procmes::Ratio1, 2.5f);
    setMesFloat(procmes::Ratio3, 2.25f);
    setMesFloat(procmes::Ratio4, 2.0f);
  }

  void twoRecords() {
    recordA();
    thread->accumulate_moyenne();
    recordB();
    thread->accumulate_moyenne();
  }

  std::vector<std::string> meansLines() { return linesOf(box.read(kMeans)); }

  void writeHistoryLine() {
    box.write(kMeans, MoyMsrGenerator().hours(1, 60, 120.0f, MoyMsrGenerator::kWatch).text());
  }

  PlantModules hpf;
  struct tm passTm;
};

}  // namespace

TEST_F(MeansTest, HourOfTwoRecordsGivesItsSixtyTwoFields) {
  twoRecords();
  thread->moyenne_.n_run_passes = 55;
  const float points[4] = {100.0f, 99.0f, 98.0f, 97.0f};
  for (int k = 0; k < 4; ++k) thread->noyau_.points_A3j[k] = points[k];
  for (int i = 0; i < 6; ++i) thread->cumulPuissance_.energieComp[i] = 1.5f * (i + 1);
  for (int i = 0; i < 8; ++i) thread->cumulPuissance_.energieGroupe[i] = i + 1.0f;
  store->setNewCharge(12.5f);

  ASSERT_EQ(thread->WriteMoyenne(&passTm), 0);
  const std::string expected =
      "14/03/2026;11;2;120.50;118.50;-1.00;-0.25;-5.00;-0.75;18.50;31.50;33.00;0;1.50;0;1;9;"
      "35.00;100.00;99.00;98.00;97.00;55;1;31.50;1;1;"
      "1.50;3.00;4.50;6.00;7.50;9.00;1.00;2.00;3.00;4.00;5.00;6.00;7.00;8.00;"
      "2.000000;1.750000;1.500000;31.00;0;-10.00;-5.00;10.04.05;16.00;0.09;80.00;32.00;"
      "3.000000;2.750000;2.500000;76.00;R404A;120;3.10;0;12.50;";
  auto lines = meansLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], expected);
  EXPECT_EQ(fieldsOf(lines[0]).size(), 62u);

  // The next hour had no record: count 0, every mean 0 in its format, the recharge once.
  ASSERT_EQ(thread->WriteMoyenne(&passTm), 0);
  lines = meansLines();
  ASSERT_EQ(lines.size(), 2u);
  std::vector<std::string> f = fieldsOf(lines[1]);
  ASSERT_EQ(f.size(), 62u);
  for (int k : {3, 15, 16, 23, 24}) EXPECT_EQ(f[k - 1], "0") << "field " << k;
  for (int k : {4, 10, 11, 12, 18, 45, 47, 48, 50, 51, 52, 53, 57, 62})
    EXPECT_EQ(f[k - 1], "0.00") << "field " << k;
  for (int k : {42, 43, 44, 54, 55, 56}) EXPECT_EQ(f[k - 1], "0.000000") << "field " << k;
}

TEST_F(MeansTest, FieldsFollowTheHourAndTheSettings) {
  struct Case {
    const char* what;
    const char* passTime;
    std::function<void()> change;
    std::vector<std::pair<int, const char*>> fields;
  };
  const std::vector<Case> cases = {
      {"the last hour of the day keeps its date", "2026-03-14 23:59:30", [] {},
       {{1, "14/03/2026"}, {2, "00"}}},
      {"a pass in the first hour", "2026-03-15 00:59:30", [] {}, {{1, "15/03/2026"}, {2, "01"}}},
      {"no reference: learning line whatever FLAG_ALARM",
       "2026-03-14 10:59:30", [this] { setCfgFloat(prockey::MOYENNE_REFERENCE, 0.0f); },
       {{13, "1"}, {5, "0.00"}}},
      {"learning state with a reference: learning line",
       "2026-03-14 10:59:30", [this] { setCfg(prockey::FLAG_ALARM, 1); }, {{13, "1"}}},
      {"leak alarm state: watch line",
       "2026-03-14 10:59:30", [this] { setCfg(prockey::FLAG_ALARM, 2); }, {{13, "0"}}},
      {"pump-down with the plant stopped: night threshold",
       "2026-03-14 10:59:30",
       [this] {
         setCfg(prockey::ALARME_PUMPDOWN, 1);
         setMes(procmes::PlantRunning, 0);
       },
       {{14, "50.00"}, {61, "1"}}},
      {"no HPF module", "2026-03-14 10:59:30", [this] { hpf.setHpfState(0); },
       {{25, "0.0"}, {26, "0"}, {27, "0"}}},
      {"commissioned the same day", "2026-03-14 10:59:30",
       [this] { setCfg(prockey::FLAG_PREM_DEMARRAGE, static_cast<int>(localTime("2026-03-14 08:00:00"))); },
       {{17, "1"}}},
      {"a fluid name with a separator stays one field", "2026-03-14 10:59:30",
       [this] { setCfgText(prockey::CONFIG_FLUID, "NV-A;B"); }, {{58, "NV-A_B"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box.run("rm -f '" + box.path(kMeans) + "'");
    setCfgFloat(prockey::MOYENNE_REFERENCE, 118.5f);
    setCfg(prockey::FLAG_ALARM, 0);
    setCfg(prockey::ALARME_PUMPDOWN, 0);
    setMes(procmes::PlantRunning, 1);
    hpf.setHpfState(1);
    c.change();
    struct tm t = tmOf(c.passTime);
    ASSERT_EQ(thread->WriteMoyenne(&t), 0);
    auto lines = meansLines();
    ASSERT_EQ(lines.size(), 1u);
    std::vector<std::string> f = fieldsOf(lines[0]);
    ASSERT_EQ(f.size(), 62u) << lines[0];
    for (const auto& want : c.fields) EXPECT_EQ(f[want.first - 1], want.second) << "field " << want.first;
  }
}

TEST_F(MeansTest, AccumulatorTakesOnlyValidReadings) {
  struct Case {
    const char* what;
    std::function<void()> change;
    std::function<void(const struct_compteur_moyenne&)> check;
  };
  const std::vector<Case> cases = {
      {"weight marker -999: no mass", [this] { thread->modsDatas_.value[modval::Poids] = -999.0f; },
       [](const struct_compteur_moyenne& m) { EXPECT_EQ(m.n_mass, 0); }},
      {"weight flagged: no mass", [this] { thread->modsDatas_.sensorFault[modval::Poids] = 1; },
       [](const struct_compteur_moyenne& m) { EXPECT_EQ(m.n_mass, 0); }},
      {"mass 999 (invalid weight): no mass",
       [this] { setMesFloat(procmes::RefrigerantMass, 999.0f); },
       [](const struct_compteur_moyenne& m) {
         EXPECT_EQ(m.n_mass, 0);
         EXPECT_EQ(m.n_low_level, 0);
       }},
      {"mass beyond any receiver: no mass", [this] { setMesFloat(procmes::RefrigerantMass, 3e38f); },
       [](const struct_compteur_moyenne& m) { EXPECT_EQ(m.n_mass, 0); }},
      {"mass below the threshold in kg (1.5, not 1)",
       [this] { setMesFloat(procmes::RefrigerantMass, 1.2f); },
       [](const struct_compteur_moyenne& m) { EXPECT_EQ(m.n_low_level, 1); }},
      {"no subcooling, plant stopped: counted, not as running",
       [this] {
         thread->modsDatas_.value[modval::TempSOR] = 36.0f;
         setMes(procmes::PlantRunning, 0);
       },
       [](const struct_compteur_moyenne& m) {
         EXPECT_EQ(m.n_no_subcool, 1);
         EXPECT_EQ(m.n_no_subcool_run, 0);
         EXPECT_EQ(m.n_flow, 0);
       }},
      {"transcritical CO2: subcooling counts held at 0",
       [this] {
         setCfgText(prockey::CONFIG_FLUID, "CO2");
         thread->modsDatas_.value[modval::TempSOR] = 36.0f;
       },
       [](const struct_compteur_moyenne& m) { EXPECT_EQ(m.n_no_subcool, 0); }},
      {"subcritical CO2: subcooling watched",
       [this] {
         setCfgText(prockey::CONFIG_FLUID, "CO2");
         setCfg(prockey::CONFIG_SUBCRITIQUE, 1);
         thread->modsDatas_.value[modval::TempSOR] = 36.0f;
       },
       [](const struct_compteur_moyenne& m) { EXPECT_EQ(m.n_no_subcool, 1); }},
      {"invalid liquid temperature: no subcooling verdict",
       [this] { thread->modsDatas_.value[modval::TempSOR] = 999.0f; },
       [](const struct_compteur_moyenne& m) {
         EXPECT_EQ(m.n_no_subcool, 0);
         EXPECT_EQ(m.n_tsor, 0);
       }},
      {"compressors below 1 kW: no ratio means, no discharge pressure",
       [this] { thread->cumulPuissance_.puissTotalComp = 0.5f; },
       [](const struct_compteur_moyenne& m) {
         EXPECT_EQ(m.n_cop, 0);
         EXPECT_EQ(m.n_pdis, 1);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setCfgText(prockey::CONFIG_FLUID, "R404A");
    setCfg(prockey::CONFIG_SUBCRITIQUE, 0);
    setMes(procmes::PlantRunning, 1);
    recordA();
    c.change();
    thread->init_compteur_moyenne(thread->moyenne_);
    thread->accumulate_moyenne();
    EXPECT_EQ(thread->moyenne_.n_enr, 1);
    c.check(thread->moyenne_);
  }
}

TEST_F(MeansTest, MeanMassStandsOnValidRecordsOnly) {
  struct Case {
    const char* what;
    bool firstValid;
    bool secondValid;
    const char* fields;  // fields 3 and 4
  };
  const Case cases[] = {
      {"no record with a valid mass: the invalid mass", false, false, "2;999.00;"},
      {"one of two valid: the mean of that one", true, false, "2;120.00;"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box.run("rm -f '" + box.path(kMeans) + "'");
    for (bool valid : {c.firstValid, c.secondValid}) {
      recordA();
      if (!valid) thread->modsDatas_.value[modval::Poids] = -999.0f;
      thread->accumulate_moyenne();
    }
    ASSERT_EQ(thread->WriteMoyenne(&passTm), 0);
    EXPECT_EQ(meansLines().at(0).substr(14, std::string(c.fields).size()), c.fields);
  }
}

TEST_F(MeansTest, LineCutShortByAFullFlashIsTakenBackWhole) {
  writeHistoryLine();
  const std::string before = box.read(kMeans);
  twoRecords();
  {
    // The file may grow by 100 bytes only: the write stops inside the line, past field 15.
    FileSizeLimit limit(before.size() + 100);
    EXPECT_EQ(thread->WriteMoyenne(&passTm), 1);
  }
  EXPECT_EQ(box.read(kMeans), before);
  EXPECT_EQ(thread->moyenne_.n_enr, 2);

  ASSERT_EQ(thread->WriteMoyenne(&passTm), 0);
  auto lines = meansLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(fieldsOf(lines[1]).at(2), "2");
  int n = 0, un = 0, zero = 0;
  ASSERT_EQ(thread->get_taille_index(&n, &un, &zero), 0);
  EXPECT_EQ(n, 2);  // the records of the hour are counted once
}

TEST_F(MeansTest, UnwritableFileKeepsTheSumsForTheNextLine) {
  twoRecords();
  store->setNewCharge(12.5f);
  box.mkdirs(kMeans);  // a folder where the file should be: it cannot be opened
  EXPECT_EQ(thread->WriteMoyenne(&passTm), 1);
  EXPECT_EQ(thread->moyenne_.n_enr, 2);
  EXPECT_FLOAT_EQ(store->getNewCharge(), 12.5f);

  box.run("rmdir '" + box.path(kMeans) + "'");
  recordA();
  thread->accumulate_moyenne();
  ASSERT_EQ(thread->WriteMoyenne(&passTm), 0);
  std::vector<std::string> f = fieldsOf(meansLines().at(0));
  EXPECT_EQ(f[2], "3");
  EXPECT_EQ(f[61], "12.50");
  EXPECT_EQ(thread->moyenne_.n_enr, 0);
}

TEST_F(MeansTest, LineCutByAPowerLossStaysOnItsOwn) {
  box.write(kMeans, MoyMsrGenerator().hours(1, 60, 120.0f, MoyMsrGenerator::kWatch).text() +
                        "14/03/2026;10;60;12");
  twoRecords();
  ASSERT_EQ(thread->WriteMoyenne(&passTm), 0);
  auto lines = meansLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "14/03/2026;10;60;12");
  EXPECT_EQ(fieldsOf(lines[2]).size(), 62u);

  int n = 0, un = 0, zero = 0;
  ASSERT_EQ(thread->get_taille_index(&n, &un, &zero), 0);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(zero, 2);
}

TEST_F(MeansTest, ScanCountsMeansLinesOnly) {
  struct Case {
    const char* what;
    std::string content;  // empty: no file
    int start[3];
    int result;
    int counts[3];  // n, indice_un, indice_zero
  };
  const std::string generated = MoyMsrGenerator()
                                    .hours(30, 60, 120.0f, MoyMsrGenerator::kLearning)
                                    .hours(5, 60, 119.0f, MoyMsrGenerator::kWatch)
                                    .text();
  const Case cases[] = {
      {"damaged lines, tabs, CR and empty pieces", fixture("moy_damaged.msr"), {0, 0, 0}, 0, {6, 5, 6}},
      {"counts continue from the values given", fixture("moy_damaged.msr"), {10, 3, 7}, 0, {16, 15, 16}},
      {"the only line has 14 fields: nothing counted, not an error",
       "10/03/2026;13;60;122.00;118.50;-1.00;-0.25;-5.00;-0.75;18.50;31.50;33.00;1;1.50;\n",
       {0, 0, 0}, 0, {0, 0, 0}},
      {"generated learning then watch lines", generated, {0, 0, 0}, 0, {35, 30, 35}},
      {"missing file: -1, counts untouched", "", {4, 5, 6}, -1, {4, 5, 6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    box.run("rm -f '" + box.path(kMeans) + "'");
    if (!c.content.empty()) box.write(kMeans, c.content);
    int n = c.start[0], un = c.start[1], zero = c.start[2];
    EXPECT_EQ(thread->get_taille_index(&n, &un, &zero), c.result);
    EXPECT_EQ(n, c.counts[0]);
    EXPECT_EQ(un, c.counts[1]);
    EXPECT_EQ(zero, c.counts[2]);
  }
}

TEST_F(MeansTest, GeneratedLinesHaveTheControllersLayout) {
  twoRecords();
  ASSERT_EQ(thread->WriteMoyenne(&passTm), 0);
  std::vector<std::string> written = fieldsOf(meansLines().at(0));
  std::vector<std::string> generated =
      fieldsOf(MoyMsrGenerator::line(localTime("2026-03-14 10:00:00"), 60, 120.5f, 1));
  ASSERT_EQ(generated.size(), written.size());
  EXPECT_EQ(generated[0], written[0]);
  EXPECT_EQ(generated[1], written[1]);
  EXPECT_EQ(generated[3], "120.50");
  EXPECT_EQ(generated[48], written[48]);  // program version
}

TEST_F(MeansTest, DayFileIsCopiedToFlashWhole) {
  const std::string name = core.getMeasureMsrFileName();
  const std::string day = "2026-03-14 10:00:00;\t120.50;30.10;\n2026-03-14 10:00:05;\t120.40;30.10;\n";
  box.write("/ramdisk/" + name, day);
  box.write("/home/ORV/" + name, "2026-03-14 09:00:00;\t");
  thread->noyau_.result_A3j = 2;
  thread->noyau_.result_ALP = 4;

  thread->file_saving_management();
  EXPECT_EQ(box.read("/home/ORV/" + name), day);
  EXPECT_TRUE(getDirFilesList("/home/ORV/" + name + ".tmp*").empty());  // no temporary left
  EXPECT_EQ(thread->noyau_.result_A3j, 0);
  EXPECT_EQ(thread->noyau_.result_ALP, 0);

  // No day file on the RAM disk: the flash copy stays as it was.
  box.run("rm -f '" + box.path("/ramdisk/" + name) + "'");
  thread->file_saving_management();
  EXPECT_EQ(box.read("/home/ORV/" + name), day);
}
