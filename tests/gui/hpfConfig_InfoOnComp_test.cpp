// Page 3 of the HPF wizard: the source of the compressors-running information, shown from
// the record and stored back (any value but 1 or 2 is the controller's).
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>

#include "hpfConfig_InfoOnComp.h"
#include "support/hpf_screen_bench.h"

TEST(hpfConfig_InfoOnComp, SourceShownAndStored) {
  const char* buttons[] = {"rb_retour_comp_orv", "rb_retour_comp_hpf", "rb_retour_comp_energie"};
  const struct {
    uint8_t stored;
    int ticked;  // the button shown ticked, also the value a hide stores back
  } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {255, 0}};
  for (const auto& c : cases) {
    hp_global_config_t record = hpfDefaultRecord();
    record.compOnInfoMode = c.stored;
    PageHost<hpfConfig_InfoOnComp> page(&record);
    page.show();
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(page.find<QRadioButton>(buttons[i])->isChecked(), i == c.ticked) << int(c.stored);
    page.hide();
    EXPECT_EQ(record.compOnInfoMode, c.ticked) << int(c.stored);
  }

  hp_global_config_t record = hpfDefaultRecord();
  PageHost<hpfConfig_InfoOnComp> page(&record);
  page.show();
  QTest::mouseClick(page.find<QRadioButton>("rb_retour_comp_hpf"), Qt::LeftButton);
  page.saveScreen("hpfConfig_InfoOnComp_dry_contact");
  page.hide();
  EXPECT_EQ(record.compOnInfoMode, 1);
  page.show();
  EXPECT_TRUE(page.find<QRadioButton>("rb_retour_comp_hpf")->isChecked());
  EXPECT_FALSE(page.find<QRadioButton>("rb_retour_comp_orv")->isChecked());
}
