#include "struct_mesure.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "orvDatas.h"
#include "orv_test_sandbox.h"

namespace {

std::unique_ptr<orvDatas> startStore() {
  testing::internal::CaptureStdout();
  std::unique_ptr<orvDatas> d(new orvDatas());
  testing::internal::GetCapturedStdout();
  return d;
}

}  // namespace

TEST(MeasurementRecord, StartsWithTheInvalidMarkers) {
  TestSandbox box;
  auto d = startStore();
  EXPECT_EQ(d->getMES_struct(500).floatValue, 999.0f);
  EXPECT_EQ(d->getMES_struct(501).floatValue, 999.0f);
  EXPECT_EQ(d->getMES_struct(504).floatValue, 0.0f);
  for (int index = 623; index <= 634; ++index) EXPECT_EQ(d->getMES_struct(index).floatValue, 999.0f) << index;
  modules_exchange_t mods;
  d->get_ORVmodsDatas(mods);
  EXPECT_EQ(mods.stateMesV2 + mods.stateHpf + mods.stateEner[0] + mods.stateMesV1, 0);
  EXPECT_EQ(mods.value[12], 0.0f);
}

// Each case writes through one index and reads the field back through another index and
// through the whole-record copy.
TEST(MeasurementRecord, IndexesAddressTheirFields) {
  TestSandbox box;
  auto d = startStore();
  using Field = std::function<double(const struct_mesure&)>;
  struct Case {
    int setIndex;
    double value;
    int getIndex;
    double expected;
    Field field;
  } cases[] = {
      {509, 0x1234, 509, 52, [](const struct_mesure& m) { return m.sensorAlarmBits; }},
      {505, 1234, 505, 1234, [](const struct_mesure& m) { return m.columnWeight; }},
      {515, -60, 515, -60, [](const struct_mesure& m) { return m.lowLevelDuration; }},
      {561, 1700000000, 561, 1700000000, [](const struct_mesure& m) { return m.lowLevelStartTime; }},
      {565, 1, 565, 1, [](const struct_mesure& m) { return m.networkLink; }},
      {566, 0x101, 566, 1, [](const struct_mesure& m) { return m.serverReachable; }},
      {518, 12.5, 518, 12.5, [](const struct_mesure& m) { return m.referenceMass; }},
      {530, 2.5, 530, 2.5, [](const struct_mesure& m) { return m.ratio[3]; }},
      {618, 1.5, 531, 1.5, [](const struct_mesure& m) { return m.fluid[2].val[10]; }},
      {535, 7.25, 622, 7.25, [](const struct_mesure& m) { return m.fluid[2].val[14]; }},
      {536, 4.5, 536, 4.5, [](const struct_mesure& m) { return m.cumuls.puissComp[0]; }},
      {537, 9.5, 537, 9.5, [](const struct_mesure& m) { return m.cumuls.puissTotalComp; }},
      {540, 3.0, 545, 3.0, [](const struct_mesure& m) { return m.cumuls.puissVitrines; }},
      {549, 8.0, 544, 8.0, [](const struct_mesure& m) { return m.cumuls.puissCompP; }},
      {550, 11.0, 550, 11.0, [](const struct_mesure& m) { return m.cumuls.energieComp[0]; }},
      {558, 13.0, 558, 13.0, [](const struct_mesure& m) { return m.cumuls.energieGroupe[7]; }},
      {559, 21.0, 559, 21.0, [](const struct_mesure& m) { return m.condenserCapacity; }},
      {562, 71.5, 562, 71.5, [](const struct_mesure& m) { return m.isentropicDischargeTemp; }},
      {567, 420.5, 567, 420.5, [](const struct_mesure& m) { return m.valCalcul.val[0]; }},
      {577, 66.0, 577, 66.0, [](const struct_mesure& m) { return m.valCalcul.val[10]; }},
      {578, 41.0, 578, 41.0, [](const struct_mesure& m) { return m.fluid[0].val[0]; }},
      {607, 0.25, 607, 0.25, [](const struct_mesure& m) { return m.fluid[1].val[14]; }},
      {608, -12.0, 608, -12.0, [](const struct_mesure& m) { return m.fluid[2].val[0]; }},
      {623, 15000, 623, 15000, [](const struct_mesure& m) { return m.modules.value[modval::Poids]; }},
      {634, 4.0, 634, 4.0, [](const struct_mesure& m) { return m.modules.value[modval::TRES2]; }},
  };
  for (const auto& c : cases) {
    float f = static_cast<float>(c.value);
    int i = static_cast<int>(c.value);
    ASSERT_NE(mesIndexType(c.setIndex), MES_NONE) << c.setIndex;
    bool isFloat = mesIndexType(c.setIndex) == MES_FLOAT;
    EXPECT_EQ(d->setMES_struct(c.setIndex, isFloat ? static_cast<const void*>(&f) : &i), 1);
    mes_value_t v = d->getMES_struct(c.getIndex);
    EXPECT_EQ(isFloat ? v.floatValue : v.intValue, c.expected) << c.setIndex << " -> " << c.getIndex;
    EXPECT_EQ(isFloat ? v.intValue : v.floatValue, 0) << c.getIndex;
    EXPECT_EQ(v.charValue, 0) << c.getIndex;
    EXPECT_EQ(c.field(d->getS_ORVmesure()), c.expected) << c.setIndex;
  }
}

TEST(MeasurementRecord, CharFieldsTakeOneCharAndAnswerInCharValue) {
  TestSandbox box;
  auto d = startStore();
  for (int index : {523, 525, 526}) {
    char on = 1;
    EXPECT_EQ(d->setMES_struct(index, &on), 1);
    mes_value_t v = d->getMES_struct(index);
    EXPECT_EQ(v.charValue, 1) << index;
    EXPECT_EQ(v.intValue, 0) << index;
    EXPECT_EQ(v.floatValue, 0.0f) << index;
  }
  EXPECT_EQ(d->getS_ORVmesure().plantRunning, 1);
}

TEST(MeasurementRecord, IndexesWithoutAFieldChangeNothing) {
  TestSandbox box;
  auto d = startStore();
  struct_mesure before = d->getS_ORVmesure();
  for (int index : {499, 519, 524, 635, -1}) {
    float f = 5.0f;
    EXPECT_EQ(mesIndexType(index), MES_NONE) << index;
    EXPECT_EQ(d->setMES_struct(index, &f), 1) << index;
    mes_value_t v = d->getMES_struct(index);
    EXPECT_EQ(v.charValue + v.intValue + v.floatValue, 0) << index;
  }
  struct_mesure after = d->getS_ORVmesure();
  EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

TEST(MeasurementRecord, BlocksCopyInAndOut) {
  TestSandbox box;
  auto d = startStore();
  struct_fluid_datas state{};
  for (int k = 0; k < 15; ++k) state.val[k] = 100.0f + k;
  d->set_ORVmesureFluidData(1, &state);
  EXPECT_EQ(d->getMES_struct(593).floatValue, 100.0f);
  EXPECT_EQ(d->getMES_struct(607).floatValue, 114.0f);

  struct_fluid_datas untouched;
  std::memset(&untouched, 0x5A, sizeof untouched);
  struct_fluid_datas copy = untouched;
  d->get_ORVmesureFluidData(3, copy);
  d->set_ORVmesureFluidData(-1, &state);
  EXPECT_EQ(std::memcmp(&copy, &untouched, sizeof copy), 0);

  struct_cumul_puissanse cumuls{};
  cumuls.energieGroupe[0] = 42.0f;
  d->set_ORVcumulsPuissanceDatas(&cumuls);
  EXPECT_EQ(d->getMES_struct(551).floatValue, 42.0f);

  struct_valeurs_calculees calc{};
  calc.val[6] = 999.0f;
  d->set_ORVmesureValCalcul(&calc);
  struct_valeurs_calculees back;
  d->get_ORVmesureValCalcul(back);
  EXPECT_EQ(back.val[6], 999.0f);
  EXPECT_EQ(d->getMES_struct(573).floatValue, 999.0f);

  struct_mesure whole = d->getS_ORVmesure();
  whole.refrigerantMass = 88.5f;
  d->set_ORVmesure(&whole);
  struct_mesure again;
  d->get_ORVmesure(again);
  EXPECT_EQ(again.refrigerantMass, 88.5f);
  EXPECT_EQ(d->getMES_struct(504).floatValue, 88.5f);
}
