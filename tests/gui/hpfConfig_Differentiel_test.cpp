// Page 6 of the HPF wizard: the two differentials kept inside 0.5..3.0 at one decimal, and
// their labels over the diagram.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLabel>
#include <QTest>

#include "hpfConfig_Differentiel.h"
#include "support/hpf_screen_bench.h"

TEST(hpfConfig_Differentiel, DifferentialsBoundedAndLabelled) {
  TestSandbox box;
  WorkingDirectory cwd(prepareOrvqtWorkDir(box));  // the diagram
  const struct {
    float stored, shown;
    const char* label;
  } cases[] = {{1.0f, 1.0f, "1°C"}, {1.5f, 1.5f, "1.5°C"}, {0.0f, 0.5f, "0.5°C"},
               {4.0f, 3.0f, "3°C"}, {1.14f, 1.1f, "1.1°C"}};
  for (const auto& c : cases) {
    hp_global_config_t record = hpfDefaultRecord();
    record.difUp = c.stored;
    record.difDown = c.stored;
    PageHost<hpfConfig_Differentiel> page(&record);
    page.show();
    EXPECT_EQ(page.find<QLabel>("label_diffUp")->text().toStdString(), c.label) << c.stored;
    EXPECT_EQ(page.find<QLabel>("label_diffDown")->text().toStdString(), c.label) << c.stored;
    page.hide();
    EXPECT_EQ(record.difUp, c.shown) << c.stored;
    EXPECT_EQ(record.difDown, c.shown) << c.stored;
  }

  hp_global_config_t record = hpfDefaultRecord();
  record.difUp = 3.0f;
  record.difDown = 0.5f;
  PageHost<hpfConfig_Differentiel> page(&record);
  page.show();
  auto* up = page.find<QDoubleSpinBox>("doubleSpinBox_diffUp");
  auto* down = page.find<QDoubleSpinBox>("doubleSpinBox_diffDown");
  up->stepUp();
  down->stepDown();
  EXPECT_EQ(up->value(), 3.0);
  EXPECT_EQ(down->value(), 0.5);
  up->stepDown();
  down->stepUp();
  down->stepUp();
  EXPECT_EQ(page.find<QLabel>("label_diffUp")->text(), "2.9°C");
  EXPECT_EQ(page.find<QLabel>("label_diffDown")->text(), "0.7°C");
  page.saveScreen("hpfConfig_Differentiel_2.9_0.7");
  page.hide();
  EXPECT_EQ(record.difUp, 2.9f);
  EXPECT_EQ(record.difDown, 0.7f);
}
