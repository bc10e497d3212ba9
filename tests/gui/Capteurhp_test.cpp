// Wizard page 8, the high-pressure sensor, on orvbus-sim through the real module centre:
// the zero offset measured at the atmosphere and its reset, and the range written back on
// hide as it is shown.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

#include "Capteurhp.h"
#include "support/card_plant.h"
#include "support/modal_answers.h"
#include "support/screen_shot.h"

namespace {

struct HpBench : CardPlant {
  explicit HpBench(const std::string& modules) : CardPlant(modules) {}
  Capteurhp* open() {
    page = slot.put(new Capteurhp(&slot, copy.ptr()));
    timeouts.reset(new QSignalSpy(page, SIGNAL(OnReloadConfTimerSignal(int))));
    arrive(*page);
    return page;
  }
  QPushButton* calibrate() { return page->findChild<QPushButton*>("pB_CalibPres"); }
  QSpinBox* box(const char* name) { return page->findChild<QSpinBox*>(name); }
  std::string text(const char* label) {
    return page->findChild<QLabel*>(label)->text().toStdString();
  }
  // Starts a measurement, answering the question with `answer`, and waits for its end.
  bool measure(const std::string& answer) {
    ModalAnswers boxes;
    boxes.then(answer);
    QTest::mouseClick(calibrate(), Qt::LeftButton);
    asked = boxes.shown;
    return workerDone(calibrate());
  }
  void showAgain() {
    leave(*page);
    arrive(*page);
  }
  Capteurhp* page = nullptr;
  std::unique_ptr<QSignalSpy> timeouts;
  std::vector<ModalAnswers::Shown> asked;
};

}  // namespace

TEST(Capteurhp, ZeroOffsetMeasuredAndReset) {
  HpBench bench(CardPlant::v2Card());
  ASSERT_TRUE(bench.sim.ready());
  bench.sim.command("set 1 hp 0.34");
  bench.copy.set("FLAG_PREM_DEMARRAGE", "1709287200");
  bench.copy.set("z2_CM_TYPE", "2");
  bench.open();
  EXPECT_EQ(bench.text("labelmesure"), "Module MesureV2");
  EXPECT_EQ(bench.text("label_PressureOffset"), "0.00");
  EXPECT_TRUE(bench.timeouts->isEmpty());

  ASSERT_TRUE(bench.measure("&No"));
  ASSERT_EQ(bench.asked.size(), 1u);
  EXPECT_EQ(bench.asked[0].title, "ATTENTION Lancer le CALIBRAGE de la sonde Pression HP?");
  EXPECT_EQ(bench.asked[0].icon, QMessageBox::Warning);
  EXPECT_EQ(bench.asked[0].buttons, (std::vector<std::string>{"&Yes", "&No"}));
  EXPECT_EQ(bench.copy.get("CONFIG_HP_PRESSURE_CALIB"), "0");
  EXPECT_TRUE(bench.timeouts->isEmpty());

  ASSERT_TRUE(bench.measure("&Yes"));
  ASSERT_EQ(bench.timeouts->count(), 1);
  EXPECT_EQ(bench.timeouts->at(0).at(0).toInt(), 300000);
  EXPECT_EQ(bench.text("labelmesure"), "0.3");
  EXPECT_EQ(bench.text("label_PressureOffset"), "0.3");
  EXPECT_EQ(bench.copy.get("CONFIG_HP_PRESSURE_CALIB"), "0.34");
  saveScreen(&bench.slot, "Capteurhp-offset");
  bench.timeouts->clear();
  bench.showAgain();
  EXPECT_TRUE(bench.timeouts->isEmpty());  // neither the hide nor the showing asks
  EXPECT_EQ(bench.text("label_PressureOffset"), "0.34");

  QTest::mouseClick(bench.page->findChild<QPushButton*>("pB_CalibPresReset"), Qt::LeftButton);
  EXPECT_EQ(bench.text("label_PressureOffset"), "0.0");
  EXPECT_EQ(bench.copy.get("CONFIG_HP_PRESSURE_CALIB"), "0");
  bench.showAgain();
  EXPECT_EQ(bench.text("label_PressureOffset"), "0.00");

  bench.sim.command("fault 1 crc");
  ASSERT_TRUE(bench.measure("&Yes"));
  EXPECT_EQ(bench.text("labelmesure"),
            "Pas de reponse de la carte V2; Verifier les connexions de la carte mesure");
  EXPECT_EQ(bench.copy.get("CONFIG_HP_PRESSURE_CALIB"), "0");
}

TEST(Capteurhp, V1CardOffset) {
  HpBench bench(CardPlant::v1Card("current=4272"));
  ASSERT_TRUE(bench.sim.ready());
  bench.copy.set("FLAG_PREM_DEMARRAGE", "1709287200");
  bench.copy.set("z2_CM_TYPE", "1");
  bench.open();
  ASSERT_TRUE(bench.measure("&Yes"));
  EXPECT_EQ(bench.text("label_PressureOffset"), "0.5");
  EXPECT_EQ(bench.copy.get("CONFIG_HP_PRESSURE_CALIB"), "0.51");
}

// The range shown is the range stored once the page is left.
TEST(Capteurhp, RangeWrittenBackAsShown) {
  struct Case {
    const char* what;
    int card;
    std::vector<std::pair<std::string, std::string>> copy;  // "" section: the card's
    int shownMax;
    int setMax;  // -1: untouched
    const char* key;
    bool cardSection;
    const char* stored;
    const char* rangeText;
  } cases[] = {
      {"CO2 first commissioning", 1,
       {{"CONFIG_FLUID", "CO2"}, {"FLAG_PREM_DEMARRAGE", "0"}, {"CONFIG_GAMME_PRESSION", "30"}},
       200, -1, "CONFIG_GAMME_PRESSION", false, "200", "De 0 A 200 Bar"},
      {"CO2 commissioned", 1,
       {{"CONFIG_FLUID", "CO2"}, {"FLAG_PREM_DEMARRAGE", "1709287200"},
        {"CONFIG_GAMME_PRESSION", "30"}},
       30, -1, "CONFIG_GAMME_PRESSION", false, "30", "De 0 A 30 Bar"},
      {"V2 maximum with decimals", 2,
       {{"FLAG_PREM_DEMARRAGE", "1709287200"}, {"*z2_CM_PRESSURE_TYPE_BARmax", "25.7"}},
       25, -1, "z2_CM_PRESSURE_TYPE_BARmax", true, "25.7", "De 0 A 25 Bar"},
      {"V2 maximum changed", 2,
       {{"FLAG_PREM_DEMARRAGE", "1709287200"}, {"*z2_CM_PRESSURE_TYPE_BARmax", "25.7"}},
       25, 26, "z2_CM_PRESSURE_TYPE_BARmax", true, "26", "De 0 A 26 Bar"},
      {"maximum above the box", 1,
       {{"FLAG_PREM_DEMARRAGE", "1709287200"}, {"CONFIG_GAMME_PRESSION", "350"}},
       300, -1, "CONFIG_GAMME_PRESSION", false, "300", "De 0 A 350 Bar"},
  };
  HpBench bench(CardPlant::v2Card());
  ASSERT_TRUE(bench.sim.ready());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WizardCopy copy;
    copy.set("z2_CM_TYPE", std::to_string(c.card));
    for (const auto& kv : c.copy) {
      if (kv.first[0] == '*')
        copy.ptr()->setVar(kv.first.substr(1), kv.second, "Module_Mesure_V2", "");
      else
        copy.set(kv.first, kv.second);
    }
    WizardSlot slot;
    auto* page = slot.put(new Capteurhp(&slot, copy.ptr()));
    arrive(*page);
    EXPECT_EQ(page->findChild<QSpinBox*>("spinBox_PressionMINI")->value(), 0);
    EXPECT_EQ(page->findChild<QSpinBox*>("spinBox_PressionMAXI")->value(), c.shownMax);
    EXPECT_EQ(page->findChild<QLabel*>("labelreglage")->text().toStdString(),
              c.setMax < 0 ? c.rangeText : "De 0 A 25 Bar");
    if (c.setMax >= 0) page->findChild<QSpinBox*>("spinBox_PressionMAXI")->setValue(c.setMax);
    if (c.setMax >= 0)
      EXPECT_EQ(page->findChild<QLabel*>("labelreglage")->text().toStdString(), c.rangeText);
    QSignalSpy timeouts(page, SIGNAL(OnReloadConfTimerSignal(int)));
    leave(*page);
    EXPECT_TRUE(timeouts.isEmpty());
    std::string stored = "<missing>";
    copy.ptr()->getVar(c.key, stored, c.cardSection ? "Module_Mesure_V2" : "General");
    EXPECT_EQ(stored, c.stored);
    delete page;
  }
}
