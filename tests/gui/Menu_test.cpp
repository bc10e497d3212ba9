// The Menu page: its two panels, one signal per button, the module buttons the main window
// shows or hides, the technician-intervention toggle with its 12-hour end, and the reboot
// question.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <memory>
#include <vector>

#include "Menu.h"
#include "support/modal_answers.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

struct ButtonCase {
  const char* button;
  const char* text;
  const char* signal;
  bool configuration;  // on the configuration panel
};

const ButtonCase kButtons[] = {
    {"traceroute", "Trace Route", "traceroute()", false},
    {"journalButton", "Journal", "journal()", false},
    {"infoConfigButton", "Info sur la configuration", "iconfig()", false},
    {"langueButton", "Langue", "langue()", false},
    {"poidsButton", "Mesure du Poids", "sigMesPoids(int)", false},
    {"infoNorvaleButton", "Info et Assistance Norvale", "info()", false},
    {"configButton", "Configuration\nORV", "config()", true},
    {"configButtonHPF", "Configuration\nModule HP Flottante", "configHPF()", true},
    {"configButtonENERGIE", "Configuration\n Module Energie", "configENERGIE()", true},
    {"copyToUsbButton", "Sauvegarde/Restauration\nUSB", "sig_copyToUsb()", true},
    {"interventionButton", "Demarrer Intervention\nFrigoriste", "sig_intervFrigo(bool)", true},
    {"networkButton", "Network", "network()", true},
    {"reapprentissageButton", "Reapprentissage\nAcquittement Alarmes", "reapp()", true},
    {"fuseauHorraireButton", "Date/Heure\nFuseau Horaire", "fuseauHorraire()", true},
    {"autoTestButton", "AutoTest ORV", "sig_testAuto()", true},
    {"rebootButton", "Redemarrage\ndu ORV", "sig_rebootORV()", true},
    {"Esc", "Quitter", "escape()", false},
};

QPushButton* button(Menu& page, const char* name) {
  return page.findChild<QPushButton*>(QLatin1String(name));
}
std::string title(Menu& page) {
  return page.findChild<QLabel*>(QStringLiteral("label"))->text().toStdString();
}
QWidget* panel(Menu& page, const char* name) {
  return page.findChild<QWidget*>(QLatin1String(name));
}

TEST(Menu, ThePanelsAreNeverShownTogether) {
  testApplication();
  Menu page(nullptr);
  page.show();
  EXPECT_FALSE(panel(page, "widget_Visualisation")->isVisible());
  EXPECT_FALSE(panel(page, "widget_Configuration")->isVisible());

  page.showMenuVisualisation();
  EXPECT_EQ(title(page), "Menu Visualisations");
  EXPECT_TRUE(panel(page, "widget_Visualisation")->isVisible());
  EXPECT_FALSE(panel(page, "widget_Configuration")->isVisible());
  saveScreen(&page, "Menu-visualisation");

  page.showMenuConfig(0);
  EXPECT_EQ(title(page), "Menu Parametrages et Reglages");
  EXPECT_FALSE(panel(page, "widget_Visualisation")->isVisible());
  EXPECT_TRUE(panel(page, "widget_Configuration")->isVisible());
  saveScreen(&page, "Menu-configuration");
  for (const ButtonCase& c : kButtons) {
    SCOPED_TRACE(c.button);
    EXPECT_EQ(button(page, c.button)->text().toStdString(), c.text);
    if (std::string(c.button) != "Esc") {
      EXPECT_EQ(button(page, c.button)->isVisible(), c.configuration);
    }
  }
}

TEST(Menu, EveryButtonEmitsItsSignalOnce) {
  testApplication();
  Menu page(nullptr);
  page.show();
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  for (const ButtonCase& c : kButtons)
    spies.emplace_back(new QSignalSpy(&page, (QByteArray("2") + c.signal).constData()));
  ModalAnswers answers;
  answers.then("&Yes");  // the reboot question

  for (size_t i = 0; i < std::size(kButtons); ++i) {
    const ButtonCase& c = kButtons[i];
    SCOPED_TRACE(c.button);
    if (c.configuration)
      page.showMenuConfig(0);
    else
      page.showMenuVisualisation();
    button(page, c.button)->click();
    for (size_t j = 0; j < spies.size(); ++j) EXPECT_EQ(spies[j]->count(), j <= i ? 1 : 0);
  }
  EXPECT_EQ(spies[4]->at(0).at(0).toInt(), 1);  // the weights only
  EXPECT_EQ(answers.shown.size(), 1u);
}

TEST(Menu, ModuleButtonsFollowTheMainWindow) {
  testApplication();
  Menu page(nullptr);
  page.show();
  page.showMenuConfig(0);
  EXPECT_TRUE(button(page, "configButtonHPF")->isVisible());  // until first set
  EXPECT_TRUE(button(page, "configButtonENERGIE")->isVisible());
  page.HPFVisibility(false);
  page.EnerVisibility(false);
  EXPECT_FALSE(button(page, "configButtonHPF")->isVisible());
  EXPECT_FALSE(button(page, "configButtonENERGIE")->isVisible());
  saveScreen(&page, "Menu-configuration-no-modules");
  page.EnerVisibility(true);
  EXPECT_TRUE(button(page, "configButtonENERGIE")->isVisible());
  EXPECT_FALSE(button(page, "configButtonHPF")->isVisible());
}

TEST(Menu, InterventionToggleAndItsTwelveHourEnd) {
  testApplication();
  Menu page(nullptr);
  page.show();
  QSignalSpy interv(&page, &Menu::sig_intervFrigo);
  QPushButton* toggle = button(page, "interventionButton");
  auto* timer = page.findChild<QTimer*>(QStringLiteral("interTechTimer"));
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isSingleShot());
  EXPECT_EQ(timer->interval(), 43200000);
  const std::string start = "Demarrer Intervention\nFrigoriste";
  const std::string stop = "Arreter Intervention\nFrigoriste";

  page.showMenuConfig(3);
  EXPECT_EQ(toggle->text().toStdString(), stop);
  page.showMenuConfig(0);
  EXPECT_EQ(toggle->text().toStdString(), start);

  toggle->click();
  EXPECT_EQ(toggle->text().toStdString(), stop);
  EXPECT_TRUE(timer->isActive());
  saveScreen(&page, "Menu-intervention-on");
  toggle->click();
  EXPECT_EQ(toggle->text().toStdString(), start);
  EXPECT_FALSE(timer->isActive());
  ASSERT_EQ(interv.count(), 2);
  EXPECT_TRUE(interv.at(0).at(0).toBool());
  EXPECT_FALSE(interv.at(1).at(0).toBool());

  // The end of the 12 hours ends an intervention still on, once; with none on it is idle.
  page.stopTechInterAfter12h();
  EXPECT_EQ(interv.count(), 2);
  page.showMenuConfig(1);
  page.stopTechInterAfter12h();
  ASSERT_EQ(interv.count(), 3);
  EXPECT_FALSE(interv.at(2).at(0).toBool());
  EXPECT_EQ(toggle->text().toStdString(), start);
  toggle->click();  // a new start after that
  EXPECT_TRUE(interv.at(3).at(0).toBool());
  EXPECT_TRUE(timer->isActive());
}

TEST(Menu, RebootOnlyAfterYes) {
  testApplication();
  Menu page(nullptr);
  page.show();
  page.showMenuConfig(0);
  QSignalSpy reboot(&page, &Menu::sig_rebootORV);
  ModalAnswers answers;
  answers.then("&No", "Menu-reboot-question").then("&Yes");
  button(page, "rebootButton")->click();
  EXPECT_EQ(reboot.count(), 0);
  button(page, "rebootButton")->click();
  EXPECT_EQ(reboot.count(), 1);
  ASSERT_EQ(answers.shown.size(), 2u);
  const ModalAnswers::Shown& box = answers.shown[0];
  EXPECT_EQ(box.title, "Redemarrage/Reboot du ORV ?");
  EXPECT_EQ(box.text,
            "Confirmez le redemarrage du ORV ?!\nVeuillez cliquer sur OK pour "
            "redemarrer/rebooter le ORV!");
  EXPECT_EQ(box.icon, QMessageBox::Warning);
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Yes", "&No"}));
}

}  // namespace
