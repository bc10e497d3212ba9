// The menu pages in the real main window on a started core: the way in through the choice
// and the code page, the Menu's module buttons and reboot question, the intervention, the
// acknowledgement, relearn and recalculation with what the core accepts or refuses, the
// maker information and the language page.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

#include "Choix.h"
#include "Ecran_Orv.h"
#include "Info_Norvale.h"
#include "Langue.h"
#include "Menu.h"
#include "Menu_Reapprentissage.h"
#include "RecalculProcess.h"
#include "ZuvVirtualKeyboard.h"
#include "orvDatas.h"
#include "support/modal_answers.h"
#include "support/orvqt_window.h"
#include "support/test_translation.h"

namespace {

constexpr const char* kCommissioned = "FLAG_PREM_DEMARRAGE=1709283900\n";
// The program clock of the relearning tests and the learning starts around it.
constexpr const char* kClock = "2024-03-11 10:00:00";
constexpr long kClockSeconds = 1710151200;
constexpr long kTenDaysBefore = kClockSeconds - 10 * 86400;
constexpr long kTwoDaysBefore = kClockSeconds - 2 * 86400;

std::string configValue(const WindowPlant& plant, const std::string& key) {
  const std::string text = plant.box.read("/home/ORV/config.conf");
  const size_t at = text.find("\n" + key + "=");
  if (at == std::string::npos) return "";
  const size_t start = at + key.size() + 2;
  return text.substr(start, text.find('\n', start) - start);
}

int count(const WindowPlant& plant, const std::string& line) {
  const std::vector<std::string> journal = plant.journal();
  return static_cast<int>(std::count(journal.begin(), journal.end(), line));
}

std::string text(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text().toStdString();
  return "";
}

// From the main screen through the choice page and the menu code to the Menu.
void enterConfigurationMenu(WindowPlant& plant) {
  emit plant.find<Ecran_Orv>("Ecran_Orv")->OnMenuSignal();
  ASSERT_EQ(plant.page().toStdString(), "choixPage");
  plant.click("paramButton");
  ASSERT_EQ(plant.page().toStdString(), "menuCodePage");
  plant.enterCode(QStringLiteral("5086"));
  ASSERT_EQ(plant.page().toStdString(), "menuPage");
}

// A commissioned plant past its report, the processing thread paused so that the test's
// readings and flags stay as it sets them.
struct MenuPlant : WindowPlant {
  explicit MenuPlant(const PlantOptions& options) : WindowPlant(options) {
    startPastReport();
    proc()->change_sleepThreadState(true);
  }
  orvDatas* datas() const { return Singleton<orv_classPtr>::ptr()->datas; }
  ORV_core* core() const { return Singleton<orv_classPtr>::ptr()->core; }
  void setFlag(const char* key, int value) const {
    datas()->setCFG_struct(orvDatas::getCFG_ID_fromKeyString(key), &value);
  }
  float reference() const {
    return datas()->getCFG_struct(orvDatas::getCFG_ID_fromKeyString("MOYENNE_REFERENCE")).floatValue;
  }
  // Ordinary readings of the card. A pass under way when the thread was paused may still
  // write its own: they are set again until they stay.
  void saneReadings() const {
    const int fields[] = {504, 624, 627, 628};
    for (int tries = 0; tries < 10; ++tries) {
      for (int index : fields) {
        float value = 20.0f;
        datas()->setMES_struct(index, &value);
      }
      QThread::msleep(1200);
      if (std::all_of(std::begin(fields), std::end(fields),
                      [this](int index) { return datas()->getMES_struct(index).floatValue == 20.0f; }))
        return;
    }
    ADD_FAILURE() << "the readings did not stay";
  }
  // Output PORTE10, the statistical leak relay, as the GPIO register file holds it.
  bool leakRelayOn() const {
    const std::string dump = box.cli("gpio dump").out;
    const size_t at = dump.find("PORTE.data=");
    return at != std::string::npos &&
           (std::stoul(dump.substr(at + 11, 10), nullptr, 16) & (1u << 10)) != 0;
  }
  // The relearn menu, opened from the configuration menu.
  void openRelearnMenu() {
    enterConfigurationMenu(*this);
    click("reapprentissageButton");
    ASSERT_EQ(page().toStdString(), "reapprentissagePage");
  }
  RecalculProcess* chargeDialog() const {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<RecalculProcess*>(w)) return dialog;
    return nullptr;
  }
  // Types `charge` into the open charge dialog and answers "YES".
  void answerCharge(const QString& charge) const {
    RecalculProcess* dialog = chargeDialog();
    ASSERT_TRUE(dialog && dialog->isVisible());
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("lineEdit_charge"));
    field->setFocus();
    QTest::keyClicks(field, charge);
    dialog->findChild<QPushButton*>(QStringLiteral("yesButton"))->click();
  }
};

PlantOptions relearnPlant(const std::string& flags) {
  PlantOptions options;
  options.clockStart = kClock;
  options.config = "NOMBRE_JOURS_APPRENTISSAGE=7\nMOYENNE_REFERENCE=35.5\n" + flags;
  return options;
}

TEST(cORVMenus, AccessThroughTheChoiceAndTheCodePage) {
  PlantOptions options;
  options.config = kCommissioned;
  WindowPlant plant(options);
  plant.startPastReport();
  QApplication::setActiveWindow(plant.window.get());

  emit plant.find<Ecran_Orv>("Ecran_Orv")->OnMenuSignal();
  ASSERT_EQ(plant.page().toStdString(), "choixPage");
  EXPECT_EQ(text(plant.onPage("label")), "Choix de mode d'acces");
  plant.click("paramButton");
  ASSERT_EQ(plant.page().toStdString(), "menuCodePage");
  auto* field = plant.onPage<QLineEdit>("linePassword");
  EXPECT_TRUE(text(plant.onPage("TxtLabel")).empty());
  EXPECT_TRUE(field->text().isEmpty());
  EXPECT_TRUE(field->hasFocus());
  EXPECT_EQ(field->echoMode(), QLineEdit::Password);
  bool digitsPanel = false;
  for (QPushButton* key : plant.onPage<ZuvVirtualKeyboard>("virtualKeyboard")->findChildren<QPushButton*>())
    digitsPanel = digitsPanel || (key->isVisible() && key->text() == QStringLiteral("ABC"));
  EXPECT_TRUE(digitsPanel);
  plant.shot("cORV-menuCodePage");

  BoxWatcher boxes;
  plant.enterCode(QStringLiteral("1234"));
  ASSERT_EQ(boxes.seen.size(), 1u);
  EXPECT_EQ(boxes.seen[0].title, "Erreur");
  EXPECT_EQ(boxes.seen[0].text, "Mot de passe incorrect");
  EXPECT_EQ(boxes.seen[0].timeoutMs, 5000);
  EXPECT_EQ(plant.page().toStdString(), "menuCodePage");
  EXPECT_TRUE(field->text().isEmpty());

  plant.enterCode(QStringLiteral("5086"));
  ASSERT_EQ(plant.page().toStdString(), "menuPage");
  EXPECT_EQ(text(plant.onPage("label")), "Menu Parametrages et Reglages");
  EXPECT_TRUE(plant.onPage("widget_Configuration")->isVisible());
  EXPECT_FALSE(plant.onPage("widget_Visualisation")->isVisible());
  plant.shot("cORV-menuPage-configuration");

  plant.click("Esc");
  emit plant.find<Ecran_Orv>("Ecran_Orv")->OnMenuSignal();
  plant.click("visualisationButton");
  ASSERT_EQ(plant.page().toStdString(), "menuPage");
  EXPECT_EQ(text(plant.onPage("label")), "Menu Visualisations");
  EXPECT_TRUE(plant.onPage("widget_Visualisation")->isVisible());
  EXPECT_FALSE(plant.onPage("widget_Configuration")->isVisible());
}

TEST(cORVMenus, ModuleButtonsShowTheModulesOnTheBus) {
  const struct {
    std::string modules;
    bool shown;
  } cases[] = {
      {"module 1 mesv2 configured=1 version=2.1\n" + garbledModules({0, 5, 6, 7, 8}), false},
      {plantWithEveryModule().modules, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    PlantOptions options;
    options.config = kCommissioned;
    options.modules = c.modules;
    WindowPlant plant(options);
    ASSERT_TRUE(plant.sim->ready());
    plant.startPastReport();
    enterConfigurationMenu(plant);
    EXPECT_EQ(plant.onPage("configButtonHPF")->isVisible(), c.shown);
    EXPECT_EQ(plant.onPage("configButtonENERGIE")->isVisible(), c.shown);
    plant.shot(c.shown ? "cORV-menuPage-with-modules" : "cORV-menuPage-card-only");
  }
}

TEST(cORVMenus, RebootAfterYesRestartsTheBoard) {
  PlantOptions options;
  options.config = kCommissioned;
  WindowPlant plant(options);
  plant.startPastReport();
  enterConfigurationMenu(plant);
  ModalAnswers answers;
  answers.then("&Non").then("&Oui");
  plant.click("rebootButton");
  EXPECT_EQ(plant.box.platformCalls().find("reboot"), std::string::npos);
  plant.click("rebootButton");  // the core's restart: 5 + 5 + 2 seconds
  ASSERT_EQ(answers.shown.size(), 2u);
  EXPECT_EQ(answers.shown[0].title, "Redemarrage/Reboot du ORV ?");
  EXPECT_EQ(answers.shown[0].buttons, (std::vector<std::string>{"&Oui", "&Non"}));  // Qt's, in French
  const std::string calls = plant.box.platformCalls();
  const size_t off = calls.find("gpio PORTE7 OUTPUT 0");
  const size_t on = calls.find("gpio PORTE7 OUTPUT 1", off);
  const size_t reboot = calls.find("reboot", on);
  EXPECT_NE(off, std::string::npos);
  EXPECT_NE(on, std::string::npos);
  EXPECT_NE(reboot, std::string::npos) << calls;
  EXPECT_NE(plant.box.commands().find("/sbin/reboot"), std::string::npos);
}

TEST(cORVMenus, InterventionIsStoredJournalledAndEndsAfterTwelveHours) {
  PlantOptions options;
  options.config = std::string(kCommissioned) + "INTERVENTION_TECH=0\n";
  WindowPlant plant(options);
  plant.startPastReport();
  enterConfigurationMenu(plant);
  QPushButton* toggle = plant.onPage<QPushButton>("interventionButton");
  auto* timer = plant.onPage<QTimer>("interTechTimer");
  EXPECT_EQ(toggle->text().toStdString(), "Demarrer Intervention\nFrigoriste");

  toggle->click();
  EXPECT_EQ(plant.journal().back(), "128;;;TECH;");
  EXPECT_EQ(configValue(plant, "INTERVENTION_TECH"), "1");
  EXPECT_EQ(toggle->text().toStdString(), "Arreter Intervention\nFrigoriste");
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 43200000);
  plant.shot("cORV-menuPage-intervention");
  toggle->click();
  EXPECT_EQ(plant.journal().back(), "129;;;TECH;");
  EXPECT_EQ(configValue(plant, "INTERVENTION_TECH"), "0");
  EXPECT_FALSE(timer->isActive());

  toggle->click();
  const int ends = count(plant, "129;;;TECH;");
  QMetaObject::invokeMethod(plant.find<Menu>("Menu"), "stopTechInterAfter12h");
  EXPECT_EQ(configValue(plant, "INTERVENTION_TECH"), "0");
  EXPECT_EQ(count(plant, "129;;;TECH;"), ends + 1);
  EXPECT_EQ(toggle->text().toStdString(), "Demarrer Intervention\nFrigoriste");
}

TEST(cORVMenus, AcknowledgementOfALeakAlarm) {
  MenuPlant plant(relearnPlant(kCommissioned));
  plant.setFlag("FLAG_ALARM", 2);  // a standing 3-day alarm
  plant.core()->dispatchAlarm(100, false, "", "");
  EXPECT_TRUE(plant.leakRelayOn());
  plant.openRelearnMenu();
  plant.click("RestAlarmes");
  ModalAnswers answers;
  answers.then("&Yes", "cORV-acquittement-question").then("&Plus tard");
  plant.click("suiteButton");
  ASSERT_EQ(answers.shown.size(), 2u);
  EXPECT_EQ(answers.shown[0].title, "Acquittement process");
  EXPECT_EQ(answers.shown[1].buttons,
            (std::vector<std::string>{"&Recalcul", "&Reapprentissage", "&Plus tard"}));
  EXPECT_TRUE(plant.journalHas("1;100;Yes leak;ORV;"));
  EXPECT_EQ(configValue(plant, "FLAG_ALARM"), "0");
  EXPECT_FALSE(plant.leakRelayOn());
  EXPECT_EQ(plant.page().toStdString(), "reapprentissagePage");

  // The last alarm type is now 7: a new acknowledgement asks nothing.
  EXPECT_EQ(plant.core()->getAlarmType(), 7);
  const int acknowledged = count(plant, "1;100;Yes leak;ORV;");
  plant.click("suiteButton");
  EXPECT_EQ(answers.shown.size(), 2u);
  EXPECT_EQ(count(plant, "1;100;Yes leak;ORV;"), acknowledged);
}

TEST(cORVMenus, RecalculationAndRelearnTheCoreAccepts) {
  const std::string ready = "FLAG_PREM_DEMARRAGE=" + std::to_string(kTenDaysBefore) +
                            "\nFLAG_ALARM=0\nFLAG_RECALC_MOYREF=0\n";
  {
    MenuPlant plant(relearnPlant(ready));
    plant.saneReadings();
    plant.openRelearnMenu();
    plant.click("recalculRefButton");
    ModalAnswers answers;
    answers.then("OK").then("&Yes");
    plant.click("suiteButton");
    plant.answerCharge(QStringLiteral("12.5"));
    const std::vector<std::string> journal = plant.journal();
    const auto automatic = std::find(journal.begin(), journal.end(), "5004;;AUTO;ORV;");
    ASSERT_NE(automatic, journal.end());
    EXPECT_NE(std::find(automatic, journal.end(), "5004;;;ORV;"), journal.end());
    EXPECT_EQ(configValue(plant, "FLAG_RECALC_MOYREF"), "1");
    EXPECT_FLOAT_EQ(plant.reference(), 2.0f);
    EXPECT_FLOAT_EQ(plant.datas()->getNewCharge(), 12.5f);
    EXPECT_FALSE(plant.chargeDialog()->isVisible());
  }
  MenuPlant plant(relearnPlant(ready));
  plant.saneReadings();
  plant.openRelearnMenu();
  plant.click("Reapprentissage");
  ModalAnswers answers;
  answers.then("OK").then("&Yes");
  plant.click("suiteButton");
  plant.answerCharge(QStringLiteral("3"));
  EXPECT_TRUE(plant.journalHas("5002;;;ORV;"));
  EXPECT_EQ(configValue(plant, "FLAG_ALARM"), "1");
  const long start = std::stol(configValue(plant, "FLAG_PREM_DEMARRAGE"));
  EXPECT_GE(start, kClockSeconds);
  EXPECT_LT(start, kClockSeconds + 120);
}

TEST(cORVMenus, RefusalsLeaveTheReferenceAndTheFlags) {
  const struct {
    const char* name;
    std::string flags;
    bool relearn;
    const char* notice;
  } cases[] = {
      {"learning", "FLAG_PREM_DEMARRAGE=" + std::to_string(kTenDaysBefore) +
                       "\nFLAG_ALARM=1\nFLAG_RECALC_MOYREF=0\n",
       false, "Le ORV est deja en mode APPRENTISSAGE"},
      {"too early", "FLAG_PREM_DEMARRAGE=" + std::to_string(kTwoDaysBefore) +
                        "\nFLAG_ALARM=0\nFLAG_RECALC_MOYREF=0\n",
       false, "Demande refusee par le ORV, aucun changement."},
      {"recalculation flag 2", "FLAG_PREM_DEMARRAGE=" + std::to_string(kTenDaysBefore) +
                                   "\nFLAG_ALARM=0\nFLAG_RECALC_MOYREF=2\n",
       true, "Demande refusee par le ORV, aucun changement."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MenuPlant plant(relearnPlant(c.flags));
    plant.saneReadings();
    const std::string flagAlarm = configValue(plant, "FLAG_ALARM");
    const std::string flagRecalc = configValue(plant, "FLAG_RECALC_MOYREF");
    plant.openRelearnMenu();
    plant.click(c.relearn ? "Reapprentissage" : "recalculRefButton");
    ModalAnswers answers;
    answers.then("OK").then("&Yes").then("", std::string("cORV-refusal-") + (c.relearn ? "relearn" : "recalcul"));
    plant.click("suiteButton");
    plant.answerCharge(QStringLiteral("12.5"));
    ASSERT_EQ(answers.shown.size(), 3u);
    EXPECT_EQ(answers.shown[2].title, "Information");
    EXPECT_EQ(answers.shown[2].text, c.notice);
    EXPECT_FLOAT_EQ(plant.reference(), 35.5f);
    EXPECT_EQ(configValue(plant, "FLAG_ALARM"), flagAlarm);
    EXPECT_EQ(configValue(plant, "FLAG_RECALC_MOYREF"), flagRecalc);
    EXPECT_EQ(plant.datas()->getNewCharge(), 0.0f);
    EXPECT_FALSE(plant.journalHas("5004;;;ORV;"));
    EXPECT_FALSE(plant.journalHas("5002;;;ORV;"));
  }
}

TEST(cORVMenus, DecliningDuringALeakAlarmLeavesTheRelearnMenu) {
  MenuPlant plant(relearnPlant(kCommissioned));
  plant.saneReadings();
  plant.core()->dispatchAlarm(100, false, "", "");
  plant.openRelearnMenu();
  QPointer<QWidget> page = cORVProbe::stack(*plant.window)->currentWidget();
  plant.click("recalculRefButton");
  ModalAnswers answers;
  answers.then("OK").then("&No");
  plant.click("suiteButton");  // 3 seconds, then the page leaves
  EXPECT_EQ(plant.page().toStdString(), "menuPage");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(page.isNull());
}

TEST(cORVMenus, MakerInformationOfTheDevice) {
  PlantOptions options;
  options.clockStart = "2024-12-30 12:00:00";
  options.config = "FLAG_PREM_DEMARRAGE=1735560000\nz2_CM_TYPE=2\nCONFIG_TARE_DATE=NC\n"
                   "CONFIG_SRV_ID=12\n";
  options.modules = "module 1 mesv2 configured=1 version=2.1\n" + garbledModules({0, 5, 6, 7, 8});
  WindowPlant plant(options);
  plant.box.write("/sys/class/net/eth0/address", "02:00:00:00:00:42\n");
  ASSERT_TRUE(plant.sim->ready());
  plant.startPastReport();
  emit plant.find<Ecran_Orv>("Ecran_Orv")->OnMenuSignal();
  plant.click("visualisationButton");
  plant.click("infoNorvaleButton");
  ASSERT_EQ(plant.page().toStdString(), "infoNorvalePage");
  EXPECT_EQ(text(plant.onPage("label_Version")),
            "\tORV Version : 10.04.05\n\tCarte Mesure : V2 / 2.1\n");
  EXPECT_EQ(text(plant.onPage("info_tare")),
            "Dernier Apprentissage : 30/12/2024\nDerniere tare : XX.XX.XXXX\nAdresse MAC : "
            "02:00:00:00:00:42\nID ORV : 12");
  // The clock holds its date and its time together with non-breaking spaces.
  const std::string clock = plant.onPage<QLabel>("label_DH")
                                ->text()
                                .replace(QChar(QChar::Nbsp), QLatin1Char(' '))
                                .toStdString();
  EXPECT_NE(clock.find("lundi 30 / 12 / 2024 - 12 : 00 :"), std::string::npos) << clock;
  QPointer<QTimer> timer = plant.onPage<QTimer>("refreshTimer");
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 500);
  plant.shot("cORV-infoNorvalePage");
  plant.click("accueilButton");
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
  ASSERT_FALSE(timer.isNull());  // the page goes once the signal has returned
  EXPECT_FALSE(timer->isActive());
}

TEST(cORVMenus, LanguageFromTheMenu) {
  PlantOptions options;
  options.config = std::string(kCommissioned) + "CONFIG_LANGUE=de\n";
  WindowPlant plant(options);
  makeTestQm(plant.box, "de");
  makeTestQm(plant.box, "en");
  ASSERT_TRUE(plant.start("de"));
  plant.exitTimer()->start(1);
  ASSERT_TRUE(waitUntil([&plant] { return plant.page() == QStringLiteral("mainScreen"); }));
  Menu* menu = plant.find<Menu>("Menu");
  auto journalText = [menu] { return text(menu->findChild<QPushButton*>("journalButton")); };
  EXPECT_EQ(journalText(), "Ereignisprotokoll");

  emit plant.find<Ecran_Orv>("Ecran_Orv")->OnMenuSignal();
  plant.click("visualisationButton");
  plant.click("langueButton");
  ASSERT_EQ(plant.page().toStdString(), "languePage");
  EXPECT_TRUE(plant.onPage<QAbstractButton>("Allemand")->isChecked());
  QPointer<QWidget> page = cORVProbe::stack(*plant.window)->currentWidget();
  for (QPushButton* button : page->findChildren<QPushButton*>()) {
    if (!button->isCheckable()) continue;
    EXPECT_EQ(button->iconSize(), QSize(32, 32));
    EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
  }
  plant.shot("cORV-languePage");

  // Without its translation file English cannot be chosen: German stays.
  std::remove((plant.box.root() + "/app/gui_langues/orvQT_en.qm").c_str());
  ModalAnswers answers;
  answers.then("OK").then("OK");
  plant.click("Anglais");
  plant.click("ValidButton");
  deliverLanguageChange();
  ASSERT_EQ(answers.shown.size(), 2u);
  EXPECT_EQ(answers.shown[1].title, "Erreur");
  EXPECT_EQ(answers.shown[1].text, "ERREUR Chargement fichier LANGUE [en]");
  EXPECT_EQ(configValue(plant, "CONFIG_LANGUE"), "de");
  EXPECT_EQ(journalText(), "Ereignisprotokoll");

  makeTestQm(plant.box, "en");
  answers.then("OK", "cORV-language-confirmation");
  plant.click("ValidButton");
  deliverLanguageChange();
  ASSERT_EQ(answers.shown.size(), 3u);
  EXPECT_EQ(answers.shown[2].title, "Language Change");
  EXPECT_EQ(answers.shown[2].text, "English language selected");
  // Qt's own texts are still those of the device's German.
  EXPECT_EQ(answers.shown[2].buttons, (std::vector<std::string>{"OK", "Abbrechen"}));
  EXPECT_EQ(configValue(plant, "CONFIG_LANGUE"), "en");
  EXPECT_EQ(journalText(), "Log book");

  plant.click("EscButton");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(page.isNull());
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
}

}  // namespace
