// The maker's service menu: its two buttons and their signals, and in the main window the
// weight view in mode 2 and the way back to the main screen.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include "Ecran_Orv.h"
#include "MenuNor.h"
#include "PoidsCtrl.h"
#include "support/orvqt_window.h"

namespace {

TEST(MenuNor, ButtonsAskForTheWeightViewInModeTwoAndForTheWayBack) {
  testApplication();
  TestSandbox box;
  MenuNor page(nullptr);
  page.resize(640, 480);
  page.show();
  EXPECT_EQ(page.windowTitle().toStdString(), "Menu_Principal");
  EXPECT_EQ(page.findChild<QLabel*>(QStringLiteral("label"))->text().toStdString(), "Menu Norvale");
  auto* weights = page.findChild<QPushButton*>(QStringLiteral("ctrlPoidsButton"));
  auto* quit = page.findChild<QPushButton*>(QStringLiteral("Esc"));
  ASSERT_NE(weights, nullptr);
  ASSERT_NE(quit, nullptr);
  EXPECT_EQ(weights->text().toStdString(), "Controle du Poids");
  EXPECT_EQ(quit->text().toStdString(), "Quitter");
  saveScreen(&page, "MenuNor");

  QSignalSpy mode(&page, &MenuNor::sigCtrlPoids);
  QSignalSpy escape(&page, &MenuNor::escape);
  weights->click();
  weights->click();
  quit->click();
  ASSERT_EQ(mode.count(), 2);
  EXPECT_EQ(mode.at(0).at(0).toInt(), 2);
  EXPECT_EQ(mode.at(1).at(0).toInt(), 2);
  EXPECT_EQ(escape.count(), 1);
}

TEST(MenuNor, InTheMainWindowItOpensTheFullWeightViewAndLeavesToTheMainScreen) {
  PlantOptions options;
  options.config = "FLAG_PREM_DEMARRAGE=1709283900\n";
  WindowPlant plant(options);
  plant.startPastReport();
  ASSERT_EQ(plant.page().toStdString(), "mainScreen");
  auto* screen = plant.find<Ecran_Orv>("Ecran_Orv");
  QPointer<MenuNor> menu = plant.find<MenuNor>("MenuNor");

  emit screen->OnMenuNorvaleSignal();
  ASSERT_EQ(plant.page().toStdString(), "menuNorPage");
  plant.click("ctrlPoidsButton");
  ASSERT_EQ(plant.page().toStdString(), "poidsCtrlPage");
  auto* view = plant.find<PoidsCtrl>("PoidsCtrl");
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->findChild<QLabel*>(QStringLiteral("labelDensiteLiquide"))->isVisible());
  EXPECT_TRUE(view->findChild<QLabel*>(QStringLiteral("labelHauteurLiquide"))->isVisible());
  plant.shot("MenuNor-weight-view");
  // Leaving the weight view goes to the main screen, not back to this menu.
  plant.click("pB_Exit");
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");

  emit screen->OnMenuNorvaleSignal();
  ASSERT_EQ(plant.page().toStdString(), "menuNorPage");
  plant.click("Esc");
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
  // The permanent page stays, the same for the next visit.
  emit screen->OnMenuNorvaleSignal();
  EXPECT_EQ(cORVProbe::stack(*plant.window)->currentWidget(), menu.data());
  EXPECT_EQ(plant.onPage<QLabel>("label")->text().toStdString(), "Menu Norvale");
}

}  // namespace
