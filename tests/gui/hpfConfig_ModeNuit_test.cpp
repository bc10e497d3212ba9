// Page 7 of the HPF wizard: the night-mode cap entered as a percentage and stored as mA and
// V limits, the unlock temperature, and the page enabled only for regulation mode 2.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>

#include "hpfConfig_ModeNuit.h"
#include "support/hpf_screen_bench.h"

namespace {

struct NightPage : PageHost<hpfConfig_ModeNuit> {
  explicit NightPage(hp_global_config_t* record) : PageHost(record) {}
  QSpinBox* percent() const { return find<QSpinBox>("spinBox_mA_Volts"); }
  QString mA() const { return find<QLineEdit>("le_mA_max")->text(); }
  QString volts() const { return find<QLineEdit>("le_volt_max")->text(); }
  QDoubleSpinBox* unlock() const { return find<QDoubleSpinBox>("doubleSpinBox_HPmaxNuit"); }
};

}  // namespace

TEST(hpfConfig_ModeNuit, PercentageDrivesTheTwoLimits) {
  hp_global_config_t record = hpfDefaultRecord();
  record.regulMode = 2;
  NightPage page(&record);
  QSignalSpy next(page.page, SIGNAL(OnEnableNextBtn(bool)));
  page.show();
  EXPECT_EQ(next.count(), 1);
  EXPECT_TRUE(next.at(0).at(0).toBool());
  EXPECT_TRUE(page.page->isEnabled());
  EXPECT_EQ(page.percent()->value(), 40);
  EXPECT_EQ(page.mA(), "8");
  EXPECT_EQ(page.volts(), "4");
  EXPECT_EQ(page.unlock()->value(), 45.0);
  const struct {
    int percent;
    const char *mA, *volts;
  } cases[] = {{47, "9", "4"}, {25, "5", "2"}, {100, "20", "10"}};
  for (const auto& c : cases) {
    page.percent()->setValue(c.percent);
    EXPECT_EQ(page.mA(), c.mA) << c.percent;
    EXPECT_EQ(page.volts(), c.volts) << c.percent;
  }
  page.percent()->setValue(47);
  page.saveScreen("hpfConfig_ModeNuit_47_percent");
  page.hide();
  EXPECT_EQ(record.mAMax, 9.0f);
  EXPECT_EQ(record.voltMax, 4.0f);
}

TEST(hpfConfig_ModeNuit, LoadedValuesStayUntilThePercentageMoves) {
  hp_global_config_t record = hpfDefaultRecord();
  record.regulMode = 2;
  record.mAMax = 8.3f;
  record.voltMax = 3.0f;
  record.hpMax = 50.0f;
  NightPage page(&record);
  page.show();
  EXPECT_EQ(page.percent()->value(), 41);
  EXPECT_EQ(page.mA(), "8.3");
  EXPECT_EQ(page.volts(), "3");
  page.hide();
  EXPECT_EQ(record.mAMax, 8.3f);
  EXPECT_EQ(record.voltMax, 3.0f);
  EXPECT_EQ(record.hpMax, 45.0f) << "clamped to 30..45";

  page.show();
  page.percent()->setValue(42);
  page.percent()->setValue(41);
  page.find<QLineEdit>("le_volt_max")->setText("8,5");
  page.hide();
  EXPECT_EQ(record.mAMax, 8.0f);
  EXPECT_EQ(record.voltMax, 0.0f) << "a decimal comma is no number";
}

TEST(hpfConfig_ModeNuit, GreyedOutWithoutVariationOnAllStages) {
  for (uint8_t mode : {0, 1}) {
    hp_global_config_t record = hpfDefaultRecord();
    record.regulMode = mode;
    record.hpMax = 37.24f;
    NightPage page(&record);
    QSignalSpy next(page.page, SIGNAL(OnEnableNextBtn(bool)));
    page.show();
    EXPECT_FALSE(page.page->isEnabled()) << int(mode);
    EXPECT_EQ(next.count(), 1) << "Next still offered";
    if (mode == 0) page.saveScreen("hpfConfig_ModeNuit_disabled");
    page.hide();
    EXPECT_EQ(record.mAMax, 8.0f);
    EXPECT_EQ(record.voltMax, 4.0f);
    EXPECT_EQ(record.hpMax, 37.2f) << "rounded to one decimal";
  }
}
