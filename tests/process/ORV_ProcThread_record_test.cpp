// The measurement line of the day file: 68 fields from one fixture record, the fields that
// change with the modules present and the sensor states, the skipped first record and the
// day file that does not take the line.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <regex>
#include <string>
#include <vector>

#include "support/plant_lines.h"
#include "support/proc_fixture.h"

namespace {

// A day file that can refuse the line, as a full or missing RAM disk does.
class DayFileCore : public ORV_ProcStandInCore {
public:
  int write_mesurement_file(const char* line) override {
    return refuse ? 0 : ORV_ProcStandInCore::write_mesurement_file(line);
  }
  bool refuse = false;
};

const std::regex kSixtyEightFields("^([^;\t]*;){68}$");

class RecordTest : public ProcFixture {
protected:
  RecordTest() {
    thread.reset(new ProcThreadPeer(&dayCore, &plant));
    setCfg(prockey::ALARME_NIVEAU_MINI_G, 1500);
    fixtureRecord();
  }

  void fixtureRecord() {
    modules_exchange_t& x = thread->modsDatas_;
    x = ORV_ProcScriptedModules::v2Card(35000.0f, 15.2f, 30.1f, 31.2f, 18.3f);
    x.stateHpf = 1;
    x.stateEner[0] = 1;
    x.value[modval::BP] = 2.5f;
    x.value[modval::TempASP] = -5.4f;
    x.value[modval::TempREF] = 75.5f;
    x.value[modval::BattRadio] = 3.1f;
    x.value[modval::PressionEner1] = 16.0f;
    plant.setHpfState(1);

    const float computed[11] = {420.5f, 440.25f, 12000.0f, 2.5f, 2.25f, 2.0f,
                                80.5f,  85.0f,   30000.0f, 4.4f, 61.5f};
    for (int k = 0; k < 11; ++k) thread->valCalcul_.val[k] = computed[k];
    thread->fluidDatas_[0].val[0] = 35.2f;
    thread->fluidDatas_[0].val[13] = 250.4f;
    thread->fluidDatas_[1].val[6] = 430.1f;
    thread->fluidDatas_[2].val[0] = -10.2f;
    thread->fluidDatas_[2].val[13] = 395.6f;

    struct_cumul_puissanse& c = thread->cumulPuissance_;
    for (int i = 0; i < 6; ++i) {
      c.puissComp[i] = i + 1.0f;
      c.intensiteComp[i] = 10.0f + i;
      c.cosPhiComp[i] = 0.8f + 0.01f * i;
    }
    c.puissTotalComp = 21.0f;
    c.puissVentilCond = 3.5f;
    c.puissPompes = 1.25f;
    c.puissCompP = 4.75f;

    setMesFloat(procmes::RefrigerantMass, 120.5f);
    setMesFloat(procmes::MassFlow, 0.08f);
    setMesFloat(procmes::RefrigerationCapacity, 30.0f);
    setMesFloat(procmes::ReferenceMass, 118.0f);
    setMes(procmes::PlantRunning, 1);
    setMesFloat(procmes::Ratio3, 1.25f);
    setMesFloat(procmes::Ratio4, 1.125f);
    setMesFloat(procmes::CondenserCapacity, 40.0f);
    setMesFloat(procmes::HeatToReject, 51.0f);
    setMesFloat(procmes::IsentropicDischargeTemp, 70.25f);
  }

  // The line of the second record (the first after a start is never written).
  std::string writtenLine() {
    thread->save_mesurement();
    thread->save_mesurement();
    auto lines = dayCore.measurementLines();
    return lines.empty() ? std::string() : lines.back();
  }

  DayFileCore dayCore;
  PlantModules plant;
};

}  // namespace

TEST_F(RecordTest, FixtureRecordGivesItsSixtyEightFields) {
  const std::string expected =
      "120.50;30.10;18.30;0.08;0;15.20;16.00;4.75;430.10;250.40;395.60;31.20;2.50;-5.40;"
      "30.00;1;1.00;20;118.00;31.50;1;35.20;-10.20;1;0;1;3;2.00;1.50;"
      "1.00;2.00;3.00;4.00;5.00;6.00;21.00;3.50;1.25;127;1.250000;1.125000;2;0;0.00;"
      "85.00;80.50;30.00;2.500000;2.250000;2.000000;4.400000;0.615000;420.50;440.25;75.50;"
      "70.25;10.00;11.00;12.00;13.00;14.00;15.00;0.80;0.81;0.82;0.83;0.84;0.85;";
  std::string line = writtenLine();
  EXPECT_EQ(line, expected);
  EXPECT_TRUE(std::regex_match(line, kSixtyEightFields));
}

TEST_F(RecordTest, FieldsFollowModulesAndSensorStates) {
  struct Case {
    const char* what;
    std::function<void()> change;
    std::vector<std::pair<int, const char*>> fields;  // field number (from 1), text
  };
  const std::vector<Case> cases = {
      {"no HPF module: each of its fields is 0",
       [this] { plant.setHpfState(0); },
       {{20, "0"}, {21, "0"}, {22, "35.20"}, {24, "0"}, {25, "0"}, {26, "0"}, {27, "0"},
        {28, "0"}, {29, "0"}}},
      {"HPF module lost: written as absent",
       [this] { plant.setHpfState(2); }, {{20, "0"}, {27, "0"}}},
      {"weight error flag: mass written -",
       [this] { thread->modsDatas_.sensorFault[modval::Poids] = 1; }, {{1, "-"}}},
      {"invalid mass 999: mass written -",
       [this] { setMesFloat(procmes::RefrigerantMass, 999.0f); }, {{1, "-"}}},
      {"no ENERGIE module 0, 0.5 bar absolute: low side 0.00, no running blocks",
       [this] {
         thread->modsDatas_.stateEner[0] = 0;
         thread->modsDatas_.value[modval::BP] = 0.5f;
       },
       {{13, "0.00"}, {42, "0"}}},
      {"no ENERGIE module 0, 3 bar absolute: shown as gauge",
       [this] {
         thread->modsDatas_.stateEner[0] = 0;
         thread->modsDatas_.value[modval::BP] = 3.0f;
       },
       {{13, "1.99"}}},
      {"ENERGIE module 0 lost, 2.5 bar absolute: shown as gauge, no running blocks",
       [this] { thread->modsDatas_.stateEner[0] = 2; }, {{13, "1.49"}, {42, "0"}}},
      {"invalid discharge and second pressure: 0.00; invalid liquid temperature as read",
       [this] {
         thread->modsDatas_.sensorFault[modval::TempREF] = 1;
         thread->modsDatas_.value[modval::PressionEner1] = 999.0f;
         thread->modsDatas_.value[modval::TempSOR] = 999.0f;
       },
       {{55, "0.00"}, {7, "0.00"}, {2, "999.00"}}},
      {"pump-down with the plant stopped: night threshold and delay",
       [this] {
         setCfg(prockey::ALARME_PUMPDOWN, 1);
         setMes(procmes::PlantRunning, 0);
       },
       {{16, "0"}, {17, "50.00"}, {18, "30"}}},
      {"pump-down with the plant running: day threshold",
       [this] { setCfg(prockey::ALARME_PUMPDOWN, 1); }, {{17, "1.00"}, {18, "20"}}},
      {"condenser capacity below 1 kW: load 0",
       [this] { setMesFloat(procmes::CondenserCapacity, 0.5f); }, {{39, "0"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setCfg(prockey::ALARME_PUMPDOWN, 0);
    thread.reset(new ProcThreadPeer(&dayCore, &plant));
    fixtureRecord();
    c.change();
    std::string line = writtenLine();
    ASSERT_TRUE(std::regex_match(line, kSixtyEightFields)) << line;
    std::vector<std::string> fields = fieldsOf(line);
    for (const auto& f : c.fields) EXPECT_EQ(fields[f.first - 1], f.second) << "field " << f.first;
  }
}

TEST_F(RecordTest, UnboundedValuesKeepTheLineWhole) {
  // Every power cumul near the float limit takes some 40 characters a field.
  struct_cumul_puissanse& c = thread->cumulPuissance_;
  for (int i = 0; i < 6; ++i) {
    c.puissComp[i] = -3e38f;
    c.intensiteComp[i] = -3e38f;
    c.cosPhiComp[i] = -3e38f;
  }
  setMesFloat(procmes::Ratio3, 1e30f);
  setMesFloat(procmes::MassFlow, std::numeric_limits<float>::infinity());
  thread->valCalcul_.val[9] = std::nanf("");
  std::string line = writtenLine();
  EXPECT_TRUE(std::regex_match(line, kSixtyEightFields)) << line;
  EXPECT_GT(line.size(), 1024u);
  EXPECT_EQ(fieldsOf(line)[3], "inf");
}

TEST_F(RecordTest, FirstRecordAfterStartIsNotWritten) {
  thread->save_mesurement();
  EXPECT_TRUE(dayCore.measurementLines().empty());
  thread->save_mesurement();
  thread->save_mesurement();
  EXPECT_EQ(dayCore.measurementLines().size(), 2u);
}

TEST_F(RecordTest, RefusedLineIsJournalledAndDropped) {
  thread->save_mesurement();
  dayCore.refuse = true;
  thread->save_mesurement();
  ASSERT_EQ(dayCore.journal().size(), 1u);
  const std::string entry = dayCore.journal()[0];
  EXPECT_NE(entry.find(";201;0;4;;"), std::string::npos) << entry;
  EXPECT_TRUE(dayCore.measurementLines().empty());

  // The next record goes to the day file again; nothing is retried.
  dayCore.refuse = false;
  thread->save_mesurement();
  EXPECT_EQ(dayCore.measurementLines().size(), 1u);
  EXPECT_EQ(dayCore.journal().size(), 1u);
}
