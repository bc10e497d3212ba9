// Page 1 of the HPF wizard: the stages offered by the relay cards (never more than the
// record's twelve), and when a typed power goes into the record.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "hpfConfig_Ventil.h"
#include "support/hpf_screen_bench.h"

namespace {

// The module centre's HPF client, registered as the core does, with `cards` relay cards
// beyond the first (no store: nothing is written).
struct RelayCards {
  explicit RelayCards(unsigned char cards) {
    Singleton<orv_classPtr>::ptr()->modules = &centre;
    centre.start_modul_hpf();
    centre.hpf_ptr()->setCFG_struct(172, &cards);
  }
  ~RelayCards() { Singleton<orv_classPtr>::ptr()->modules = nullptr; }
  TestSandbox box;
  ModulsCenter centre;
};

void type(QLineEdit* field, const char* text) {
  field->clear();
  QTest::keyClicks(field, text);
}

}  // namespace

TEST(hpfConfig_Ventil, StagesOfferedFollowTheRelayCardsUpToTwelve) {
  const struct {
    unsigned char cards;
    int stages;
  } cases[] = {{0, 4}, {1, 8}, {2, 12}, {5, 12}};
  for (const auto& c : cases) {
    RelayCards plant(c.cards);
    hp_global_config_t record = hpfDefaultRecord();
    PageHost<hpfConfig_Ventil> host(&record);
    EXPECT_EQ(host.find<QSpinBox>("spinBox_VentilNum")->maximum(), c.stages) << int(c.cards);
    EXPECT_EQ(host.find<QSpinBox>("spinBox_VentilNum")->minimum(), 1);
  }
}

TEST(hpfConfig_Ventil, TypedPowersReachTheRecord) {
  RelayCards plant(0);
  hp_global_config_t record = hpfDefaultRecord();
  for (int i = 0; i < 12; ++i) record.ventilPowerKw[i] = 100 * (i + 1);
  PageHost<hpfConfig_Ventil> host(&record);
  auto* stage = host.find<QSpinBox>("spinBox_VentilNum");
  auto* watts = host.find<QLineEdit>("lineEdit_watts");
  host.show();
  EXPECT_EQ(watts->text(), "100");

  // Above 9998, a stage change drops the typed power; up to it, it is kept.
  stage->setValue(2);
  type(watts, "12000");
  stage->setValue(3);
  EXPECT_EQ(record.ventilPowerKw[1], 200);
  EXPECT_EQ(watts->text(), "300");
  type(watts, "9998");
  stage->setValue(4);
  EXPECT_EQ(record.ventilPowerKw[2], 9998);
  host.saveScreen("hpfConfig_Ventil_stage4");
  // Leaving the page stores the field as typed, whatever its size.
  type(watts, "12000");
  host.hide();
  EXPECT_EQ(record.ventilPowerKw[3], 12000);

  // Back on the page: stage 1 again, nothing stored by the show; an empty field is 0.
  host.show();
  EXPECT_EQ(stage->value(), 1);
  EXPECT_EQ(watts->text(), "100");
  type(watts, "");
  host.hide();
  EXPECT_EQ(record.ventilPowerKw[0], 0);
  for (int i = 4; i < 12; ++i) EXPECT_EQ(record.ventilPowerKw[i], 100 * (i + 1)) << "stage " << i + 1;
}
