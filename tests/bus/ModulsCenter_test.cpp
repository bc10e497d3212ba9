#include "ModulsCenter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <list>
#include <string>
#include <vector>

#include "EnerModul.h"
#include "support/module_bench.h"

namespace {

std::vector<float> values(const modules_exchange_t& r, std::initializer_list<int> ks) {
  std::vector<float> out;
  for (int k : ks) out.push_back(r.value[k]);
  return out;
}

std::vector<int> flags(const modules_exchange_t& r) {
  return std::vector<int>(r.sensorFault, r.sensorFault + 12);
}

std::vector<int> states(const modules_exchange_t& r) {
  return {r.stateMesV2, r.stateHpf, r.stateEner[0], r.stateEner[1], r.stateEner[2], r.stateMesV1};
}

// The centre's 40 cumul floats (puissComp 0, puissTotalComp 6, puissVentilCond 7,
// energieComp 14, energieGroupe 20, cosPhiComp 34).
std::vector<float> cumul(const struct_cumul_puissanse& c, int first, int n) {
  float v[40];
  std::memcpy(v, &c, sizeof v);
  return std::vector<float>(v + first, v + first + n);
}

size_t lineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

TEST(ModulsCenter, detectsTheModulesThatAnswer) {
  CentreBench bench("module 1 mesv2 version=10.0\nmodule 5 hpf version=2.0 relays=2\n"
                    "module 7 energie version=1.0\n" + garbledModules({0, 6, 8}));
  ASSERT_TRUE(bench.sim->ready());
  testing::internal::CaptureStdout();
  EXPECT_EQ(bench.detect(), 3);
  std::string console = testing::internal::GetCapturedStdout();
  EXPECT_NE(console.find("[ModulsCenter] modul_mesureV2 v10.00 Detected OK\n"), std::string::npos);
  EXPECT_NE(console.find("[ModulsCenter] modul_hpf v2.00 Detected with relayCardNum= 2 OK\n"),
            std::string::npos);
  EXPECT_NE(console.find("[ModulsCenter] moduls_ener 1 v1.00 Detected OK\n"), std::string::npos);
  EXPECT_NE(console.find("[ModulsCenter] moduls_ener 0 NOT Detected\n"), std::string::npos);

  ModulsCenter& centre = *bench.centre;
  EXPECT_EQ(centre.getAutotest(), "011010");
  EXPECT_EQ(centre.get_MesureCardType(), 2);
  EXPECT_EQ(centre.mesV1_ptr(), nullptr);
  EXPECT_NE(bench.section("General").find("\nz2_CM_TYPE=2\n"), std::string::npos);
  EXPECT_NE(bench.section("Module_Mesure_V2").find("\nz2_CM_VERSION=10.000000\n"), std::string::npos);
  EXPECT_NE(bench.section("Module_HPF").find("\nz0_HPF-CONFIG_VERSION=2.000000\n"), std::string::npos);
  EXPECT_NE(bench.section("Module_HPF").find("\nz0_HPF-CONFIG_RelayCardNum=2\n"), std::string::npos);
  EXPECT_NE(bench.section("Module_Energie_1"), "");
  EXPECT_EQ(bench.section("Module_Energie_0"), "");
  EXPECT_EQ(bench.section("Module_Energie_2"), "");

  const struct {
    int type;
    int connected;
    int busId;
    float version;
  } byType[] = {{0, 1, 1, 10.0f}, {1, 1, 5, 2.0f}, {3, 1, 7, 1.0f}, {2, 0, 6, 0.0f},
                {5, 0, 0, 0.0f},  {6, 0, 0, 0.0f}, {-1, 0, 0, 0.0f}};
  for (const auto& m : byType) {
    SCOPED_TRACE(m.type);
    EXPECT_EQ(centre.isModul_connected(m.type), m.connected);
    EXPECT_EQ(centre.getModul_rs485_id(m.type), m.busId);
    EXPECT_FLOAT_EQ(centre.Modul_firmVersion(m.type), m.version);
  }

  // The processing thread's HPF exchange carries its plant values.
  ProcToHpfValues plant{1, {4, 0, 0, 0, 0, 0}, 21.0f, 40.0f, 15.0f};
  EXPECT_EQ(centre.sendTo_HpfModul(plant), 1);
  std::vector<std::vector<unsigned char>> k = bench.requests(5, 'k');
  ASSERT_EQ(k.size(), 1u);
  ASSERT_EQ(k[0].size(), sizeof(orv_toHP_datas_t));
  EXPECT_EQ(k[0][0], 1);
  EXPECT_EQ(k[0][1], 4);

  // A forced state makes the module identify again at its next exchange.
  EXPECT_EQ(centre.Modul_setConnectState(1, 2), 0);
  EXPECT_EQ(centre.isModulHpf_connected(), 2);
  centre.sendTo_HpfModul(plant);
  EXPECT_EQ(centre.isModulHpf_connected(), 1);
}

TEST(ModulsCenter, aV1CardIsTheOnlyMeasuringCardLookedFor) {
  CentreBench bench("module 0 mesv1\n" + garbledModules({5, 6, 7, 8}));
  ASSERT_TRUE(bench.sim->ready());
  // The centre starts from the store's records.
  struct_cumul_puissanse stored;
  std::memset(&stored, 0, sizeof stored);
  for (int i = 0; i < 6; ++i) stored.energieComp[i] = 1.0f;
  stored.puissTotalComp = 2.0f;
  bench.store->set_ORVcumulsPuissanceDatas(&stored);
  EXPECT_EQ(bench.detect(), 1);
  EXPECT_EQ(cumul(bench.cumuls(), 6, 1), std::vector<float>{2.0f});
  EXPECT_EQ(bench.centre->getAutotest(), "10000");
  EXPECT_EQ(bench.centre->get_MesureCardType(), 1);
  EXPECT_EQ(bench.store->getCFG_struct(43).intValue, 1);
  EXPECT_TRUE(bench.requests(1, 12).empty());  // no V2 identification
  EXPECT_EQ(bench.section("Module_Mesure_V2"), "");

  EXPECT_EQ(bench.centre->sendTo_AllModuls(), 1);
  modules_exchange_t r = bench.record();
  EXPECT_EQ(states(r), (std::vector<int>{0, 0, 0, 0, 0, 1}));
  EXPECT_FLOAT_EQ(r.value[modval::Poids], 1080.0f);  // the weight is never corrected
  EXPECT_NEAR(r.value[modval::TempSOR], 20.0f - 3.6f, 0.05);
  EXPECT_FLOAT_EQ(r.value[modval::BP], 999.0f);

  // The energy reset clears the totals also without an ENERGIE client.
  EXPECT_EQ(bench.centre->ener_ptr(), nullptr);
  bench.centre->reset_CumulPuissance_Wh();
  EXPECT_EQ(cumul(bench.cumuls(), 14, 14), std::vector<float>(14, 0.0f));
  EXPECT_EQ(bench.centre->getModul_rs485_id(5), 0);
  EXPECT_FLOAT_EQ(bench.centre->Modul_firmVersion(5), 0.0f);
}

// The one detection against really silent addresses (the cards and the HPF module): the
// other tests put garbled modules there, which detection passes over at once.
TEST(ModulsCenter, withoutAMeasuringCardTheCardValuesKeepTheStoresValues) {
  CentreBench bench("module 6 energie\nmodule 7 energie\nmodule 8 energie\n");
  ASSERT_TRUE(bench.sim->ready());
  EXPECT_EQ(bench.detect(), 3);
  EXPECT_EQ(bench.centre->getAutotest(), "000111");
  EXPECT_EQ(bench.store->getCFG_struct(43).intValue, 0);
  EXPECT_EQ(bench.centre->sendTo_AllModuls(), 1);  // the ENERGIE modules answered
  modules_exchange_t r = bench.record();
  EXPECT_EQ(values(r, {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11}), std::vector<float>(11, 999.0f));
  EXPECT_EQ(states(r), (std::vector<int>{0, 0, 1, 1, 1, 0}));
}

TEST(ModulsCenter, oneRoundFillsTheRecordWithTheCalibrationOffsets) {
  CentreBench bench(
      "module 1 mesv2 weight=1080 hp=10 t_outlet=20 t_inlet=20 t_outside=20 battery=3.6\n"
      "module 6 energie pressure=3.5 pt100=-5\nmodule 7 energie pressure=8 pt100=60\n" +
          garbledModules({0, 5, 8}),
      "[General]\nCONFIG_TLIQ_CORRECTION=0.5\nCONFIG_TLIQ_MANUEL_CORRECTION=0.2\n"
      "CONFIG_HP_RES_PRESSURE_CALIB=0.5\n"
      "[Module_Energie_0]\nz6_ENER_pression_enabled=1\nz6_ENER_PT100_enabled=1\n"
      "[Module_Energie_1]\nz7_ENER_pression_enabled=1\nz7_ENER_PT100_enabled=1\n");
  ASSERT_TRUE(bench.sim->ready());
  EXPECT_EQ(bench.detect(), 3);
  EXPECT_EQ(bench.centre->sendTo_AllModuls(), 1);
  modules_exchange_t r = bench.record();
  EXPECT_EQ(states(r), (std::vector<int>{1, 0, 1, 1, 0, 0}));
  EXPECT_EQ(flags(r), std::vector<int>(12, 0));
  const struct {
    int k;
    float expected;
  } cases[] = {
      {modval::Poids, 1080.0f},  {modval::HP, 10.0f},      {modval::BP, 3.5f},
      {modval::TempSOR, 16.1f},  {modval::TempENT, 16.4f}, {modval::TempEXT, 16.4f},
      {modval::TempASP, -8.6f},  {modval::TempREF, 56.4f}, {modval::BattRadio, 3.6f},
      {modval::PressionEner1, 7.5f}, {modval::TRES1, 999.0f}, {modval::TRES2, 999.0f},
  };
  for (const auto& c : cases) EXPECT_NEAR(r.value[c.k], c.expected, 1e-4) << "value " << c.k;

  // An invalid reading is never corrected.
  bench.sim->command("set 1 hp 999");
  bench.sim->command("set 6 pt100 999");
  bench.centre->sendTo_AllModuls();
  r = bench.record();
  EXPECT_FLOAT_EQ(r.value[modval::HP], 999.0f);
  EXPECT_FLOAT_EQ(r.value[modval::TempASP], 999.0f);
}

TEST(ModulsCenter, aLostCardTurnsItsValuesInvalidUntilItIsBack) {
  CentreBench bench("module 1 mesv2 t_outlet=20\n" + garbledModules({0, 5, 6, 7, 8}));
  ASSERT_TRUE(bench.sim->ready());
  ASSERT_EQ(bench.detect(), 1);
  EXPECT_EQ(bench.centre->sendTo_AllModuls(), 1);

  // Answers that do not count lose the card as silence does (the client's watchdog),
  // without the link's 4.5 s of silent tries a round.
  bench.sim->command("fault 1 crc");
  bench.advanceClock(181);
  EXPECT_EQ(bench.centre->sendTo_AllModuls(), 0);
  modules_exchange_t r = bench.record();
  EXPECT_EQ(r.stateMesV2, 2);
  EXPECT_EQ(values(r, {0, 1, 3, 4, 5, 9}), std::vector<float>(6, 999.0f));
  EXPECT_EQ(flags(r), (std::vector<int>{1, 1, 0, 1, 1, 1, 0, 0, 0, 1, 0, 0}));

  bench.sim->command("fault 1 none");
  bench.centre->sendTo_AllModuls();  // reconnection
  bench.centre->sendTo_AllModuls();
  r = bench.record();
  EXPECT_EQ(r.stateMesV2, 1);
  EXPECT_NEAR(r.value[modval::TempSOR], 16.4f, 1e-4);
  EXPECT_EQ(r.sensorFault[modval::TempSOR], 0);

  // The watchdog window restarted at the reconnection: a new failure is a new loss.
  bench.sim->command("fault 1 crc");
  bench.advanceClock(181);
  bench.centre->sendTo_AllModuls();
  EXPECT_EQ(bench.record().stateMesV2, 2);
}

TEST(ModulsCenter, powerCumulsVoltageWatchEnergyResetAndSettingsFromTheServer) {
  // Module 0: a compressor (4 kW, 5 kVA), condenser fans at 50 %, a compressor without
  // apparent power. Module 1 feeds nothing the cumuls count: its blocks hold an assignment
  // no list offers, which it gives itself (the file's would be refused when read).
  CentreBench bench(
      "module 6 energie b0_P=4 b0_S=5 b1_P=10 b2_P=3 b2_S=0 b0_V1=230\nmodule 7 energie\n"
      "set 7 config configured 1\nset 7 config affectation 9,9,9\n" +
          garbledModules({0, 1, 5, 8}),
      "[Module_Energie_0]\nz6_ENER_puissance_affectation_BP1=2\n"
      "z6_ENER_puissance_affectation_percent_BP1=50\nz6_ENER_survTension_ecart=5\n");
  ASSERT_TRUE(bench.sim->ready());
  ASSERT_EQ(bench.detect(), 2);
  ModulsCenter& centre = *bench.centre;
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    EXPECT_EQ(centre.sendTo_AllModuls(), 1);
    struct_cumul_puissanse c = bench.cumuls();
    EXPECT_EQ(cumul(c, 0, 3), (std::vector<float>{4, 3, 0}));
    EXPECT_EQ(cumul(c, 6, 2), (std::vector<float>{7, 5}));  // total, condenser fans
    EXPECT_EQ(cumul(c, 34, 2), (std::vector<float>{0.8f, 0}));
    // The client holds the share; a second reading is divided once too.
    EXPECT_FLOAT_EQ(centre.ener_ptr()->getDATA_struct(0, 4).floatValue, 5.0f);
  }
  // The reference voltage was learned from phase 1 and written to the module's section.
  EXPECT_NE(bench.section("Module_Energie_0").find("\nz6_ENER_survTension_reference=230.000000\n"),
            std::string::npos);
  EXPECT_FALSE(bench.box.exists("/home/ORV/tension.log"));

  const struct {
    const char* phaseA;
    size_t lines;  // lines of tension.log after the round, header included
  } watch[] = {{"241.6", 2}, {"241.4", 2}, {"0", 3}, {"0", 3}, {"230", 4}};
  for (const auto& w : watch) {
    SCOPED_TRACE(w.phaseA);
    bench.sim->command(std::string("set 6 b0_V1 ") + w.phaseA);
    centre.sendTo_AllModuls();
    EXPECT_EQ(lineCount(bench.box.read("/home/ORV/tension.log")), w.lines);
  }
  std::string log = bench.box.read("/home/ORV/tension.log");
  EXPECT_EQ(log.compare(0, 33, "date;module;phaseA;phaseB;phaseC\n"), 0);
  EXPECT_NE(log.find(";1;241.60;230.00;230.00\n"), std::string::npos) << log;
  EXPECT_NE(log.find(";1;0.00;230.00;230.00\n"), std::string::npos) << log;

  // Hourly energy reset: the totals at once, the counters of the connected modules next.
  centre.reset_CumulPuissance_Wh();
  EXPECT_EQ(cumul(bench.cumuls(), 14, 14), std::vector<float>(14, 0.0f));
  centre.sendTo_AllModuls();
  EXPECT_EQ(bench.requests(6, '<').size(), 1u);
  EXPECT_EQ(bench.requests(7, '<').size(), 1u);
  EXPECT_EQ(bench.requests(8, '<').size(), 0u);

  // Settings received from the server: the section is written and the connected module
  // gets its configuration at the next round; a module that is not there gets nothing.
  std::list<std::pair<std::string, std::string>> pairs = {
      {"z7_ENER_puissance_affectation_BP1", "2"}, {"z8_ENER_puissance_affectation_BP1", "3"},
      {"z2_CM_TYPE", "2"}};
  EXPECT_EQ(bench.store->dispatchNetCFG_List(pairs), 1);
  EXPECT_NE(bench.section("Module_Energie_1").find("\nz7_ENER_puissance_affectation_BP1=2\n"),
            std::string::npos);
  EXPECT_NE(bench.section("General").find("\nz2_CM_TYPE=2\n"), std::string::npos);
  centre.sendTo_AllModuls();
  std::vector<std::vector<unsigned char>> sent = bench.requests(7, '8');
  ASSERT_EQ(sent.size(), 1u);
  ASSERT_EQ(sent[0].size(), 70u);
  EXPECT_EQ(sent[0][3], 2);  // assignment of block 1
  EXPECT_TRUE(bench.requests(6, '8').empty());
  EXPECT_TRUE(bench.requests(8, '8').empty());
}

}  // namespace
