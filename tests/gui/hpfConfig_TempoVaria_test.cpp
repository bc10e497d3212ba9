// Page 9 of the HPF wizard: the variator's two delays as unsigned whole seconds; anything
// that is not one stores 0, and the 32 bits of a stored value travel unchanged.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>

#include "hpfConfig_TempoVaria.h"
#include "support/hpf_screen_bench.h"

TEST(hpfConfig_TempoVaria, DelaysShownAndStoredUnsigned) {
  hp_global_config_t record = hpfDefaultRecord();
  record.TVD = 0xFFFFFFF6u;  // -10 in a file written by a signed reader
  PageHost<hpfConfig_TempoVaria> page(&record);
  QSignalSpy next(page.page, SIGNAL(OnEnableNextBtn(bool)));
  page.show();
  ASSERT_EQ(next.count(), 1);
  EXPECT_TRUE(next.at(0).at(0).toBool());
  auto* tvm = page.find<QLineEdit>("le_TVM");
  auto* tvd = page.find<QLineEdit>("le_TVD");
  EXPECT_EQ(tvm->text(), "60");
  EXPECT_EQ(tvd->text(), "4294967286");
  page.hide();
  EXPECT_EQ(record.TVM, 60u);
  EXPECT_EQ(record.TVD, 0xFFFFFFF6u);

  const struct {
    const char* typed;
    uint32_t stored;
  } cases[] = {{"4294967295", 4294967295u}, {"90", 90u}, {"-5", 0u},
               {"12a", 0u},                 {"", 0u},   {"4294967296", 0u}};
  for (const auto& c : cases) {
    page.show();
    tvm->setText(c.typed);
    page.hide();
    EXPECT_EQ(record.TVM, c.stored) << c.typed;
  }
}
