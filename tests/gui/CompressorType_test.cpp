// The compressor type page: z11_CONFIG_TYPE_COMPRESSEUR, piston only for CO2.
#include <gtest/gtest.h>

#include <QEvent>
#include <QLabel>
#include <QRadioButton>

#include "CompressorType.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {

struct CompressorPage {
  explicit CompressorPage(WizardCopy& copy) : page(&slot, copy.ptr()) { slot.put(&page); }
  QRadioButton* button(const char* name) { return page.findChild<QRadioButton*>(name); }
  // "piston vis scroll" as checked (1) or not, then enabled (1) or not.
  std::string state() {
    std::string out;
    for (const char* name : {"piston", "vis", "scroll"})
      out += button(name)->isChecked() ? '1' : '0';
    out += ' ';
    for (const char* name : {"piston", "vis", "scroll"})
      out += button(name)->isEnabled() ? '1' : '0';
    return out;
  }
  WizardSlot slot;
  CompressorType page;
};

class CompressorTypeTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { testApplication(); }
  TestSandbox sandbox;
  WorkingDirectory cwd{prepareOrvqtWorkDir(sandbox)};
};

}  // namespace

TEST_F(CompressorTypeTest, Co2PlantHasPistonsOnly) {
  WizardCopy copy;
  copy.set("CONFIG_FLUID", "CO2");
  copy.set("z11_CONFIG_TYPE_COMPRESSEUR", "2");
  CompressorPage p(copy);
  arrive(p.page);
  EXPECT_EQ(p.state(), "100 100");
  EXPECT_EQ(p.page.size(), QSize(640, 430));
  saveScreen(&p.slot, "CompressorType-co2");
  leave(p.page);
  EXPECT_EQ(copy.get("z11_CONFIG_TYPE_COMPRESSEUR"), "0");

  // Another refrigerant chosen on the previous page offers the three again.
  copy.set("CONFIG_FLUID", "R404A");
  arrive(p.page);
  EXPECT_EQ(p.state(), "100 111");
}

TEST_F(CompressorTypeTest, StoredTypeIsSelectedAndTheChoiceWritten) {
  WizardCopy copy;
  copy.set("CONFIG_FLUID", "R404A");
  copy.set("z11_CONFIG_TYPE_COMPRESSEUR", "1");
  CompressorPage p(copy);
  arrive(p.page);
  EXPECT_EQ(p.state(), "010 111");
  tap(p.button("scroll"));
  leave(p.page);
  EXPECT_EQ(copy.get("z11_CONFIG_TYPE_COMPRESSEUR"), "2");

  // An unknown code keeps the selection of the last showing, whose code is written back.
  copy.set("z11_CONFIG_TYPE_COMPRESSEUR", "7");
  arrive(p.page);
  EXPECT_EQ(p.state(), "001 111");
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(&p.page, &change);
  EXPECT_EQ(p.state(), "001 111");
  EXPECT_EQ(p.button("vis")->text().toStdString(), "Vis");
  EXPECT_EQ(p.page.findChild<QLabel*>("labelentete")->text().toStdString(),
            "Type de Compresseur(s)");
  leave(p.page);
  EXPECT_EQ(copy.get("z11_CONFIG_TYPE_COMPRESSEUR"), "2");
}

TEST_F(CompressorTypeTest, MissingTypeIsCreatedAsPiston) {
  WizardCopy copy;
  CompressorPage p(copy);
  EXPECT_EQ(copy.get("z11_CONFIG_TYPE_COMPRESSEUR"), "0");
  arrive(p.page);
  EXPECT_EQ(p.state(), "100 111");
  leave(p.page);
  EXPECT_EQ(copy.get("z11_CONFIG_TYPE_COMPRESSEUR"), "0");
}
