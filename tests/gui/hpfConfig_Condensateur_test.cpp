// Pages 4 and 5 of the HPF wizard (condenser selection, minimum condensing temperature):
// free-text floats shown at six significant digits and read back; text that is no finite
// number stores 0, anything else is stored as typed.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "hpfConfig_Condensateur.h"
#include "hpfConfig_TCmini.h"
#include "support/hpf_screen_bench.h"

namespace {

const struct {
  const char* typed;
  float stored;
} kTyped[] = {{"-5", -5.0f}, {"80", 80.0f}, {"32.75", 32.75f}, {"", 0.0f}, {"abc", 0.0f},
              {"8,5", 0.0f}, {"nan", 0.0f}, {"-inf", 0.0f}, {"1e39", 0.0f}};

}  // namespace

TEST(hpfConfig_Condensateur, CondenserFieldsShownAndStored) {
  hp_global_config_t record = hpfDefaultRecord();
  record.Dt = 0.25f;
  PageHost<hpfConfig_Condensateur> page(&record);
  page.show();
  auto* tes = page.find<QLineEdit>("le_temp_ext");
  auto* dt = page.find<QLineEdit>("le_dt_reel");
  EXPECT_EQ(tes->text(), "32");
  EXPECT_EQ(dt->text(), "0.25");
  page.saveScreen("hpfConfig_Condensateur_defaults");
  page.hide();
  EXPECT_EQ(record.TES, 32.0f);
  EXPECT_EQ(record.Dt, 0.25f);

  for (const auto& t : kTyped) {
    page.show();
    tes->setText(t.typed);
    dt->setText(t.typed);
    page.hide();
    EXPECT_EQ(record.TES, t.stored) << t.typed;
    EXPECT_EQ(record.Dt, t.stored) << t.typed;
  }
}

TEST(hpfConfig_TCmini, MinimumCondensingTemperatureShownAndStored) {
  hp_global_config_t record = hpfDefaultRecord();
  PageHost<hpfConfig_TCmini> page(&record);
  page.show();
  auto* field = page.find<QLineEdit>("le_tcmini");
  EXPECT_EQ(field->text(), "21.5");
  for (const auto& t : kTyped) {
    page.show();
    field->clear();
    QTest::keyClicks(field, t.typed);
    page.hide();
    EXPECT_EQ(record.TCmini, t.stored) << t.typed;
  }
}
