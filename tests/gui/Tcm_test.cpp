// Wizard page 0, the measuring-card test, on orvbus-sim through the real module centre:
// what the page shows of the card, the one-exchange test and its report, the Next flag.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>

#include "Tcm.h"
#include "support/card_plant.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/text_fits.h"

namespace {

struct TcmBench : CardPlant {
  explicit TcmBench(const std::string& modules) : CardPlant(modules) {}
  Tcm* open() {
    page = slot.put(new Tcm(&slot, copy.ptr()));
    next.reset(new QSignalSpy(page, SIGNAL(OnEnableNextBtn(bool))));
    timeouts.reset(new QSignalSpy(page, SIGNAL(OnReloadConfTimerSignal(int))));
    arrive(*page);
    return page;
  }
  template <typename T>
  T* find(const char* name) { return page->findChild<T*>(name); }
  QPushButton* button() { return find<QPushButton>("testButton"); }
  std::vector<std::string> lines() {
    std::vector<std::string> out;
    auto* list = find<QListWidget>("listeMesures");
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
  }
  std::string text(const char* label) { return find<QLabel>(label)->text().toStdString(); }
  std::vector<bool> nextFlags() {
    std::vector<bool> out;
    for (const QList<QVariant>& args : *next) out.push_back(args.at(0).toBool());
    return out;
  }
  void test() {
    next->clear();
    timeouts->clear();
    QTest::mouseClick(button(), Qt::LeftButton);
  }
  Tcm* page = nullptr;
  std::unique_ptr<QSignalSpy> next;
  std::unique_ptr<QSignalSpy> timeouts;
};

}  // namespace

TEST(Tcm, V2CardShownAndTested) {
  TcmBench bench(CardPlant::v2Card());
  ASSERT_TRUE(bench.sim.ready());
  for (const char* set : {"set 1 weight 2350.8", "set 1 hp 12.0", "set 1 t_outlet 25.0",
                          "set 1 t_outside 999.0", "set 1 t_inlet 999.0"})
    ASSERT_EQ(bench.sim.command(set).rfind("ok", 0), 0u) << set;
  bench.copy.set("z2_CM_TYPE", "2");
  bench.copy.set("CONFIG_COLUMN_TARE", "2350");
  bench.setCard("z2_CM_UART2_SPEED", "9600");
  bench.open();

  auto* speed = bench.find<QComboBox>("comboBox_uartBauds");
  auto* type = bench.find<QComboBox>("comboBox_cardType");
  EXPECT_EQ(speed->currentText().toStdString(), "9600");
  EXPECT_EQ(type->currentText().toStdString(), "Mesure_V2");
  EXPECT_FALSE(speed->isEnabled());
  EXPECT_FALSE(type->isEnabled());
  EXPECT_EQ(speed->itemData(3).toInt(), 3);
  EXPECT_EQ(bench.text("label_version"), "v2.10");
  EXPECT_EQ(bench.lines(), std::vector<std::string>{"Carte mesure deja testee ; Vous pouvez "
                                                    "appuyer sur suivant si vous ne voulez pas "
                                                    "re-tester la carte"});
  EXPECT_EQ(bench.nextFlags(), std::vector<bool>{true});
  ASSERT_EQ(bench.timeouts->count(), 1);
  EXPECT_EQ(bench.timeouts->at(0).at(0).toInt(), 300000);

  const int before = bench.valueRequests();
  bench.test();
  EXPECT_FALSE(bench.button()->isEnabled());
  ASSERT_TRUE(workerDone(bench.button()));
  EXPECT_EQ(bench.lines(), (std::vector<std::string>{
                               "Poids OK :\t\t\t\t 2350 gr",
                               "Temperature sortie reservoir OK :\t 21.4 °C",
                               "Temperature exterieur NOK :\t\t 999 °C",
                               "Temperature entree reservoir NOK :\t 999.0 °C",
                               "Pression OK :\t\t\t\t 12.0 bar"}));
  auto* bar = bench.find<QProgressBar>("progressBar");
  EXPECT_EQ(bar->maximum(), 5);
  EXPECT_EQ(bar->value(), 5);
  EXPECT_EQ(bench.nextFlags(), std::vector<bool>{true});
  EXPECT_EQ(bench.timeouts->at(0).at(0).toInt(), 300000);
  EXPECT_EQ(bench.valueRequests() - before, 1);
  saveScreen(&bench.slot, "Tcm-v2-tested");
}

TEST(Tcm, V1CardTestedThenSilent) {
  TcmBench bench(CardPlant::v1Card("weight=2350 outlet=20 outside=5 inlet=0 current=12000"));
  ASSERT_TRUE(bench.sim.ready());
  bench.copy.set("z2_CM_TYPE", "1");
  bench.open();
  EXPECT_EQ(bench.find<QComboBox>("comboBox_cardType")->currentText().toStdString(), "Mesure_V1");
  EXPECT_EQ(bench.find<QComboBox>("comboBox_uartBauds")->currentText().toStdString(), "2400");
  EXPECT_EQ(bench.text("label_version"), "v1");

  bench.test();
  ASSERT_TRUE(workerDone(bench.button()));
  EXPECT_EQ(bench.lines(), (std::vector<std::string>{
                               "Poids OK :\t\t\t\t 2350 gr",
                               "Temperature sortie reservoir OK :\t 20 °C",
                               "Temperature exterieur OK :\t\t 5 °C",
                               "Temperature entree reservoir OK :\t 0 °C",
                               "Pression OK :\t\t\t\t 15 bar"}));
  EXPECT_EQ(bench.nextFlags(), std::vector<bool>{true});

  bench.sim.command("fault 0 silent");
  bench.test();
  ASSERT_TRUE(workerDone(bench.button(), 30000));
  EXPECT_EQ(bench.lines(), std::vector<std::string>{
                               "\t\t\tPas de reponse de la carte\n\t\t\tVerifier les connexions "
                               "de la carte mesure_V1"});
  EXPECT_EQ(bench.nextFlags(), std::vector<bool>{false});
}

TEST(Tcm, NoCardConfiguredRefusesTheTest) {
  TcmBench bench(CardPlant::noCard());
  ASSERT_TRUE(bench.sim.ready());
  bench.copy.set("z2_CM_TYPE", "0");
  bench.open();
  EXPECT_EQ(bench.text("label"), "Aucune CARTE MESURE detectee");
  const std::string advice =
      "Aucune CARTE MESURE detectee, veuillez verifier votre cablage/installation et votre "
      "module MESURE";
  EXPECT_EQ(bench.lines(), std::vector<std::string>{advice});
  EXPECT_EQ(bench.nextFlags(), std::vector<bool>{false});
  saveScreen(&bench.slot, "Tcm-no-card");

  bench.test();
  EXPECT_EQ(bench.lines(),
            (std::vector<std::string>{
                advice, "Redemarrer le ORV apres avoir verifier l installation du module MESURE !"}));
  ASSERT_EQ(bench.timeouts->count(), 1);
  EXPECT_EQ(bench.timeouts->at(0).at(0).toInt(), 300000);
  EXPECT_TRUE(bench.next->isEmpty());
  EXPECT_FALSE(bench.button()->isEnabled());
}

// A V2 card named in the configuration but not found at start-up has no client.
TEST(Tcm, V2CardNotDetected) {
  TcmBench bench(CardPlant::noCard());
  ASSERT_TRUE(bench.sim.ready());
  bench.copy.set("z2_CM_TYPE", "2");
  bench.open();
  EXPECT_EQ(bench.text("label_version"), "v--");
  bench.test();
  ASSERT_TRUE(workerDone(bench.button()));
  EXPECT_TRUE(bench.lines().empty());
  EXPECT_EQ(bench.nextFlags(), std::vector<bool>{false});
}

TEST(Tcm, LanguageChangeSetsTheFormTextsAgain) {
  TcmBench bench(CardPlant::v2Card());
  ASSERT_TRUE(bench.sim.ready());
  bench.copy.set("z2_CM_TYPE", "0");
  bench.open();
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(bench.page, &change);
  EXPECT_EQ(bench.text("label"), "CARTE MESURES :");
  EXPECT_EQ(bench.text("label_version"), "");
  EXPECT_EQ(bench.button()->text().toStdString(), "Lancer le test");
}

// The page's instructions are read whole, in each language: every line of the report
// wraps inside the list, and no label is cut (a card tested or not, no card at all, and
// the refusal of a test without a card).
TEST(Tcm, InstructionsAreShownWholeInEveryLanguage) {
  const struct {
    const char* type;
    const char* tare;
    bool test;
  } cases[] = {{"1", "0", false}, {"1", "2350", false}, {"0", "0", false}, {"0", "0", true}};
  TcmBench bench(CardPlant::noCard());
  ASSERT_TRUE(bench.sim.ready());
  for (const char* code : kPanelLanguages) {
    PanelLanguage language(code);
    ASSERT_TRUE(language.loaded);
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(code) + " type " + c.type + " tare " + c.tare);
      bench.copy.set("z2_CM_TYPE", c.type);
      bench.copy.set("CONFIG_COLUMN_TARE", c.tare);
      Tcm page(&bench.slot, bench.copy.ptr());
      bench.slot.put(&page);
      arrive(page);
      if (c.test) QTest::mouseClick(page.findChild<QPushButton*>("testButton"), Qt::LeftButton);
      QCoreApplication::processEvents();
      auto* list = page.findChild<QListWidget*>("listeMesures");
      EXPECT_EQ(cutListLines(list) + cutLabels(&page), "");
      if (std::string(code) == "fr" && c.tare == std::string("2350"))
        saveScreen(&page, "Tcm-instruction-whole");
      if (std::string(code) == "hu" && c.tare == std::string("0") && c.type == std::string("1"))
        saveScreen(&page, "Tcm-instruction-whole-hu");
    }
  }
}
