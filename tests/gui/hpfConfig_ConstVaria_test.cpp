// Page 10 of the HPF wizard: the step constants shown and stored, the step preview
// constant 1 x e^(deviation x constant 2) from the typed constants, and the reset.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "hpfConfig_ConstVaria.h"
#include "support/hpf_screen_bench.h"

namespace {

struct ConstPage : PageHost<hpfConfig_ConstVaria> {
  explicit ConstPage(hp_global_config_t* record) : PageHost(record) {}
  QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
  QString text(const char* name) const { return find<QLabel>(name)->text(); }
};

}  // namespace

TEST(hpfConfig_ConstVaria, PreviewOfTheStepAfterAReset) {
  hp_global_config_t record = hpfDefaultRecord();
  record.const1mA = 1.0f;
  record.const2mA = 0.0f;
  ConstPage page(&record);
  page.show();
  EXPECT_EQ(page.field("le_mAconst1")->text(), "1");
  EXPECT_EQ(page.field("le_mAconst2")->text(), "0");
  EXPECT_EQ(page.field("le_Voltconst1")->text(), "0.2502");
  EXPECT_EQ(page.field("le_Voltconst2")->text(), "0.4473");
  EXPECT_EQ(page.text("label_PasmA"), "0") << "no preview before a choice";

  QTest::mouseClick(page.find<QPushButton>("pushButton_INIT"), Qt::LeftButton);
  EXPECT_EQ(page.field("le_mAconst1")->text(), "0.2722");
  EXPECT_EQ(page.field("le_mAconst2")->text(), "0.6294");
  auto* mA = page.find<QComboBox>("comboBox_PasmA");
  auto* volt = page.find<QComboBox>("comboBox_PasVolt");
  ASSERT_EQ(mA->count(), 9);
  EXPECT_EQ(mA->itemText(0), "Ecart en °C");
  const struct {
    const char* deviation;
    const char *mA, *volt;
  } steps[] = {{"0.1", "0.289883", "0.261646"}, {"0.5", "0.372873", "0.312908"},
               {"1", "0.510779", "0.391334"},   {"2", "0.958469", "0.612079"},
               {"3", "1.79855", "0.957342"},    {"4", "3.37495", "1.49736"},
               {"5", "6.33305", "2.342"},       {"6", "11.8839", "3.66308"}};
  for (const auto& s : steps) {
    mA->setCurrentIndex(mA->findText(s.deviation));
    volt->setCurrentIndex(volt->findText(s.deviation));
    EXPECT_EQ(page.text("label_PasmA"), s.mA) << s.deviation;
    EXPECT_EQ(page.text("label_PasVolt"), s.volt) << s.deviation;
  }
  page.saveScreen("hpfConfig_ConstVaria_preview_6");

  // Editing a constant leaves the preview until another deviation is chosen.
  page.field("le_mAconst2")->setText("0");
  EXPECT_EQ(page.text("label_PasmA"), "11.8839");
  mA->setCurrentIndex(1);
  EXPECT_EQ(page.text("label_PasmA"), "0.2722");
  mA->setCurrentIndex(0);
  EXPECT_EQ(page.text("label_PasmA"), "");

  page.field("le_Voltconst1")->setText("0,5");
  page.hide();
  EXPECT_EQ(record.const1mA, 0.2722f);
  EXPECT_EQ(record.const2mA, 0.0f);
  EXPECT_EQ(record.const1volt, 0.0f) << "a decimal comma is no number";
  EXPECT_EQ(record.const2volt, 0.4473f);
  page.show();
  EXPECT_EQ(mA->currentIndex(), 0) << "the choices stay across visits";
  EXPECT_EQ(volt->currentText(), "6");
}
