// The access codes of the menu-code page and the time challenge of the network page's
// server fields, on a started window.
#include <gtest/gtest.h>

#include <QLabel>

#include "Choix.h"
#include "Menu.h"
#include "Network1.h"
#include "changeSrvIpDialog.h"
#include "support/orvqt_window.h"

namespace {


TEST(cORVCodes, EachCodeOpensOnlyItsOwnDoor) {
  PlantOptions options;
  options.config = "INTERVENTION_TECH=1\n";
  WindowPlant plant(options);
  plant.startPastReport();
  ASSERT_EQ(plant.page().toStdString(), "menuCodePage");  // not commissioned
  auto* menu = plant.find<Menu>("Menu");

  // Wrong codes and right codes in the wrong context: the error box, the page stays.
  struct Refused {
    const char* open;  // "choix" (menu code) or "network" (network code)
    const char* code;
  };
  for (const Refused& r : {Refused{"choix", "8351"}, Refused{"choix", "1234"},
                           Refused{"network", "5086"}}) {
    SCOPED_TRACE(std::string(r.open) + " " + r.code);
    if (std::string(r.open) == "choix")
      emit plant.find<Choix>("Choix")->okConfig();
    else
      emit menu->network();
    ASSERT_EQ(plant.page().toStdString(), "menuCodePage");
    BoxWatcher boxes;
    plant.enterCode(QString::fromLatin1(r.code));
    ASSERT_EQ(boxes.seen.size(), 1u);
    const SeenBox& box = boxes.seen[0];
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.title, "Erreur");
    EXPECT_EQ(box.text, "Mot de passe incorrect");
    EXPECT_EQ(box.buttons, 1);
    EXPECT_TRUE(box.parentless);
    EXPECT_EQ(box.font, "Times 18 bold");
    EXPECT_EQ(box.timeoutMs, 5000);
    EXPECT_TRUE(box.singleShot);
    EXPECT_EQ(plant.page().toStdString(), "menuCodePage");
    EXPECT_EQ(plant.onPage<QLineEdit>("linePassword")->text().toStdString(), "");
  }

  // The right code typed after a refusal: context 1 (network) is still the one.
  plant.enterCode(QStringLiteral("8351"));
  EXPECT_EQ(plant.page().toStdString(), "networkPage");
  // Opened for editing: the save button is there.
  EXPECT_FALSE(plant.onPage<QPushButton>("pB_save")->isHidden());
  EXPECT_TRUE(plant.upd()->get_sleepThreadState());
  EXPECT_TRUE(cORVProbe::inactivity(*plant.window)->isActive());
  EXPECT_EQ(cORVProbe::inactivity(*plant.window)->interval(), 900000);
  plant.shot("networkPage-after-code");

  emit plant.find<Choix>("Choix")->okConfig();
  plant.enterCode(QStringLiteral("5086"));
  EXPECT_EQ(plant.page().toStdString(), "menuPage");
  EXPECT_EQ(menu->findChild<QLabel*>("label")->text().toStdString(),
            "Menu Parametrages et Reglages");
  EXPECT_TRUE(menu->findChild<QWidget*>("widget_Configuration")->isVisible());
  // INTERVENTION_TECH=1: an intervention is on.
  EXPECT_EQ(menu->findChild<QPushButton*>("interventionButton")->text().toStdString(),
            "Arreter Intervention\nFrigoriste");
  EXPECT_TRUE(cORVProbe::configMenuEntered(*plant.window));
  plant.shot("menuPage-configuration");
}

// Opens the network page through its code on a started plant.
Network1* openNetworkPage(WindowPlant& plant) {
  emit plant.find<Menu>("Menu")->network();
  plant.enterCode(QStringLiteral("8351"));
  return plant.find<Network1>("Network1");
}

std::string challengeText(WindowPlant& plant) {
  return cORVProbe::timeCode(*plant.window)->findChild<QLabel*>("TxtLabel")->text().toStdString();
}

std::string span18(const std::string& text) {
  return "color:#000000;\">" + text + "</span>";
}

TEST(cORVCodes, TimeChallengeUnlocksTheServerFields) {
  PlantOptions options;
  options.config = "FLAG_PREM_DEMARRAGE=1709283900\n";
  options.clockStart = "2024-03-01 09:05:00";
  WindowPlant plant(options);
  plant.startPastReport();
  Network1* network = openNetworkPage(plant);
  ASSERT_NE(network, nullptr);
  auto* idField = network->findChild<QLineEdit*>(QStringLiteral("lineEditID"));
  ASSERT_FALSE(idField->isEnabled());

  network->findChild<QPushButton*>(QStringLiteral("btnID"))->click();
  ASSERT_EQ(plant.page().toStdString(), "timeCodePage");
  const std::string text = challengeText(plant);
  EXPECT_NE(text.find("qrichtext"), std::string::npos);
  for (const char* piece : {"Contacter le SAV au : ", "Pour avoir le code indiquer le numero :", "905"})
    EXPECT_NE(text.find(span18(piece)), std::string::npos) << piece;
  EXPECT_NE(text.find("font-size:18pt; font-weight:400; color:#000000;\">Contacter le SAV au : "),
            std::string::npos);
  plant.shot("timeCodePage-905");
  plant.enterCode(QStringLiteral("144"));
  EXPECT_EQ(plant.page().toStdString(), "networkPage");
  EXPECT_TRUE(idField->isEnabled());

  // The fixed code opens the server address dialog, never the server ID.
  network->findChild<QPushButton*>(QStringLiteral("btnSERVER"))->click();
  ASSERT_EQ(plant.page().toStdString(), "timeCodePage");
  bool dialogShown = false;
  QTimer::singleShot(50, [&] {
    auto* dialog = qobject_cast<changeSrvIpDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialogShown = true;
    dialog->findChild<QPushButton*>(QStringLiteral("pushButton_ANNULER"))->click();
  });
  plant.enterCode(QStringLiteral("4631"));
  EXPECT_TRUE(dialogShown);
  EXPECT_EQ(plant.page().toStdString(), "networkPage");
  emit network->emit_ServerIDchange(1);
  {
    BoxWatcher boxes;
    plant.enterCode(QStringLiteral("4631"));
    EXPECT_EQ(boxes.seen.size(), 1u);
  }
  EXPECT_EQ(plant.page().toStdString(), "timeCodePage");

  // Cancel on a commissioned plant goes back to the network page.
  emit network->emit_ServerIDchange(1);
  plant.click("pushButtonAnnulation");
  EXPECT_EQ(plant.page().toStdString(), "networkPage");

  // Just after midnight the number is 0 and the answer (0 + 3) x (0 + 7).
  struct tm midnight = {};
  midnight.tm_year = 124, midnight.tm_mon = 2, midnight.tm_mday = 1, midnight.tm_sec = 30;
  ASSERT_EQ(orv::setWallClock(timegm(&midnight)), 0);
  emit network->emit_ServerIDchange(1);
  EXPECT_NE(challengeText(plant).find(span18("0")), std::string::npos);
  plant.enterCode(QStringLiteral("21"));
  EXPECT_EQ(plant.page().toStdString(), "networkPage");
}

TEST(cORVCodes, ChallengeSpeaksTheConfiguredLanguageAndCancelLocksAnUncommissionedDevice) {
  PlantOptions options;
  options.config = "CONFIG_LANGUE=en\n";
  WindowPlant plant(options);
  plant.startPastReport();
  Network1* network = openNetworkPage(plant);
  ASSERT_NE(network, nullptr);
  emit network->emit_ServerIDchange(1);
  const std::string text = challengeText(plant);
  EXPECT_NE(text.find(span18("Contact the after-sales service at: ")), std::string::npos);
  EXPECT_NE(text.find("To have the code indicate the number:"), std::string::npos);
  plant.shot("timeCodePage-en");
  plant.click("pushButtonAnnulation");
  EXPECT_EQ(plant.page().toStdString(), "menuCodePage");
}

}  // namespace
