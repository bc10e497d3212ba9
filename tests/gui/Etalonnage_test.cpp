// Wizard page 11, the PT100 calibration, on orvbus-sim through the real module centre: the
// first-commissioning layout, the corrections of a calibration in tenths, the cable boxes
// as stored, the radio thermometer, the no-reply box and the resets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include "Etalonnage.h"
#include "support/card_plant.h"
#include "support/modal_answers.h"
#include "support/screen_shot.h"

namespace {

const char* const kCalibration[] = {"checkBox_tempEXT", "checkBox_tempENT", "checkBox_tempSOR"};
const char* const kCable[] = {"checkBox_PT100correctionEXT", "checkBox_PT100correctionENT",
                              "checkBox_PT100correctionSOR"};

struct Pt100Bench : CardPlant {
  explicit Pt100Bench(const std::string& more = "", const std::string& first = "0")
      : CardPlant(CardPlant::v2Card()) {
    for (const char* set : {"set 1 t_outside 3.9", "set 1 t_inlet 3.2", "set 1 t_outlet 4.0"})
      sim.command(set);
    if (!more.empty()) sim.command(more);
    copy.set("z2_CM_TYPE", "2");
    copy.set("FLAG_PREM_DEMARRAGE", first);
    setCard("z2_CM_RADIO_ENABLED", "0");
  }
  Etalonnage* open() {
    page = slot.put(new Etalonnage(&slot, copy.ptr()));
    timeouts.reset(new QSignalSpy(page, SIGNAL(OnReloadConfTimerSignal(int))));
    arrive(*page);
    return page;
  }
  QPushButton* button(const char* name = "Etalonnage_Button") {
    return page->findChild<QPushButton*>(name);
  }
  QCheckBox* check(const char* name) { return page->findChild<QCheckBox*>(name); }
  std::string text(const char* name) {
    return page->findChild<QLabel*>(name)->text().toStdString();
  }
  bool calibrate() {
    QTest::mouseClick(button(), Qt::LeftButton);
    return workerDone(button());
  }
  Etalonnage* page = nullptr;
  std::unique_ptr<QSignalSpy> timeouts;
};

}  // namespace

TEST(Etalonnage, FirstCommissioningCalibratesTheThreeInputs) {
  Pt100Bench bench;
  ASSERT_TRUE(bench.sim.ready());
  bench.open();
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(bench.check(kCalibration[k])->isChecked()) << k;
    EXPECT_TRUE(bench.check(kCable[k])->isChecked()) << k;
  }
  EXPECT_TRUE(bench.button()->isEnabled());
  EXPECT_EQ(bench.text("labelstext"), "Sonde Exterieure PT100:");
  ASSERT_FALSE(bench.timeouts->isEmpty());
  EXPECT_EQ(bench.timeouts->last().at(0).toInt(), 3600000);

  ASSERT_TRUE(bench.calibrate());
  const char* measured[] = {"stextmesure", "stliqmesure", "stliqsmesure"};
  const char* corrections[] = {"stextcorrection", "stlecorrection", "stlscorrection"};
  const char* expected[] = {"0.3", "-0.4", "0.4"};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(bench.text(measured[k]), expected[k]) << k;
    EXPECT_EQ(bench.text(corrections[k]), expected[k]) << k;
  }
  EXPECT_EQ(bench.copy.get("CONFIG_TEXT_CORRECTION"), "0.3");
  EXPECT_EQ(bench.copy.get("CONFIG_TENT_CORRECTION"), "-0.4");
  EXPECT_EQ(bench.copy.get("CONFIG_TLIQ_CORRECTION"), "0.4");
  saveScreen(&bench.slot, "Etalonnage-first-v2");

  bench.timeouts->clear();
  leave(*bench.page);
  ASSERT_EQ(bench.timeouts->count(), 1);
  EXPECT_EQ(bench.timeouts->at(0).at(0).toInt(), 300000);
  for (const char* key : {"CONFIG_TEXT_CORR_CAB3M", "CONFIG_TENT_CORR_CAB3M", "CONFIG_TLIQ_CORR_CAB3M"})
    EXPECT_EQ(bench.copy.get(key), "3.6") << key;

  // The reset writes 0 at once.
  arrive(*bench.page);
  QTest::mouseClick(bench.button("pB_reset_stextcorrection"), Qt::LeftButton);
  EXPECT_EQ(bench.text("stextcorrection"), "0.0");
  EXPECT_EQ(bench.copy.get("CONFIG_TEXT_CORRECTION"), "0");
}

TEST(Etalonnage, StoredCableCorrectionOfZeroStaysUnticked) {
  Pt100Bench bench;
  ASSERT_TRUE(bench.sim.ready());
  bench.copy.set("CONFIG_TEXT_CORR_CAB3M", "0");
  bench.open();
  EXPECT_FALSE(bench.check(kCable[0])->isChecked());
  EXPECT_TRUE(bench.check(kCable[1])->isChecked());
  leave(*bench.page);
  EXPECT_EQ(bench.copy.get("CONFIG_TEXT_CORR_CAB3M"), "0");
}

TEST(Etalonnage, ReadingOfTheCableCorrectionGivesZero) {
  Pt100Bench bench("set 1 t_outside 3.6");
  ASSERT_TRUE(bench.sim.ready());
  bench.open();
  ASSERT_TRUE(bench.calibrate());
  EXPECT_EQ(bench.text("stextmesure"), "0");
  EXPECT_EQ(bench.text("stextcorrection"), "0.0");
  EXPECT_EQ(bench.copy.get("CONFIG_TEXT_CORRECTION"), "0");
}

TEST(Etalonnage, CommissionedPlantCalibratesOnlyWhatIsTicked) {
  Pt100Bench bench("", "1709287200");
  ASSERT_TRUE(bench.sim.ready());
  bench.open();
  for (const char* box : kCalibration) EXPECT_FALSE(bench.check(box)->isChecked()) << box;
  EXPECT_FALSE(bench.button()->isEnabled());
  tap(bench.check("checkBox_tempENT"));
  EXPECT_TRUE(bench.button()->isEnabled());
  ASSERT_TRUE(bench.calibrate());
  EXPECT_EQ(bench.copy.get("CONFIG_TENT_CORRECTION"), "-0.4");
  EXPECT_EQ(bench.copy.get("CONFIG_TEXT_CORRECTION"), "0");
  EXPECT_EQ(bench.copy.get("CONFIG_TLIQ_CORRECTION"), "0");
}

TEST(Etalonnage, RadioThermometer) {
  Pt100Bench bench;
  ASSERT_TRUE(bench.sim.ready());
  bench.setCard("z2_CM_RADIO_ENABLED", "1");
  bench.open();
  EXPECT_EQ(bench.text("labelstext"), "Sonde Exterieure Radio:");
  EXPECT_FALSE(bench.button("pB_reset_stextcorrection")->isVisible());
  EXPECT_FALSE(bench.page->findChild<QDoubleSpinBox*>("dS_PT100correctionManuelEXT")->isVisible());
  EXPECT_FALSE(bench.check(kCalibration[0])->isEnabled());
  EXPECT_FALSE(bench.check(kCable[0])->isEnabled());
  EXPECT_FALSE(bench.check(kCalibration[0])->isChecked());
  saveScreen(&bench.slot, "Etalonnage-radio");
  leave(*bench.page);
  EXPECT_EQ(bench.card("z2_CM_RADIO_ENABLED"), "1");
}

TEST(Etalonnage, CardWithoutAnswerIsToldInASelfClosingBox) {
  Pt100Bench bench("fault 1 crc");
  ASSERT_TRUE(bench.sim.ready());
  bench.open();
  ModalAnswers boxes;
  boxes.then("");
  ASSERT_TRUE(bench.calibrate());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "Etalonnage");
  EXPECT_EQ(boxes.shown[0].text,
            "Pas de reponse de la carte V2; Verifier les connexions de la carte mesure");
  EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Warning);
  EXPECT_EQ(boxes.shown[0].selfCloseMs, 5000);
  for (const char* key : {"CONFIG_TEXT_CORRECTION", "CONFIG_TENT_CORRECTION", "CONFIG_TLIQ_CORRECTION"})
    EXPECT_EQ(bench.copy.get(key), "0") << key;
}
