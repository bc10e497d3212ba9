// The weight-check view: the weights as signed numbers, the tare given once, the density
// and height rows only in mode 2; in the main window, refreshed from the published record
// only while shown, and deleted by its own "Quitter".
#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

#include "Menu.h"
#include "PoidsCtrl.h"
#include "orvDatas.h"
#include "support/orvqt_window.h"

namespace {

const char* const kLiquidRowLabels[] = {"label_5", "labelDensiteLiquide", "label_9",
                                        "label_6", "labelHauteurLiquide", "label_10"};

std::string text(QWidget* page, const char* name) {
  QLabel* label = page->findChild<QLabel*>(QLatin1String(name));
  return label ? label->text().toStdString() : std::string("<no ") + name + ">";
}

TEST(PoidsCtrl, ModeTwoShowsSignedWeightsDensityAndHeight) {
  testApplication();
  TestSandbox box;
  PoidsCtrl page(nullptr, 2);
  page.resize(640, 480);
  page.show();
  for (const char* name : {"labelpoidmesure", "labelTarePoids", "labelpoidliquide",
                           "labelDensiteLiquide", "labelHauteurLiquide"})
    EXPECT_EQ(text(&page, name), "0") << name;
  page.UpdatePoidsConfig(2350);
  page.UpdatePoidsCtrl(-20, -20, 1.0849f, 412);
  EXPECT_EQ(text(&page, "labelTarePoids"), "2350");
  EXPECT_EQ(text(&page, "labelpoidmesure"), "-20");
  EXPECT_EQ(text(&page, "labelpoidliquide"), "-20");
  EXPECT_EQ(text(&page, "labelDensiteLiquide"), "1.1");
  EXPECT_EQ(text(&page, "labelHauteurLiquide"), "412");
  for (const char* name : kLiquidRowLabels)
    EXPECT_TRUE(page.findChild<QLabel*>(QLatin1String(name))->isVisible()) << name;
  saveScreen(&page, "PoidsCtrl-mode2");

  page.UpdatePoidsCtrl(999, 999, 0.0f, 999);  // a weight reading marked invalid
  EXPECT_EQ(text(&page, "labelpoidmesure"), "999");
  EXPECT_EQ(text(&page, "labelpoidliquide"), "999");

  // A language change puts the form's texts back, the tare with them.
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(&page, &change);
  EXPECT_EQ(text(&page, "labelTarePoids"), "0");
  EXPECT_EQ(text(&page, "labelpoidmesure"), "0");
}

TEST(PoidsCtrl, ModeOneShowsOnlyTheWeights) {
  testApplication();
  TestSandbox box;
  PoidsCtrl page(nullptr, 1);
  page.resize(640, 480);
  page.show();
  page.UpdatePoidsConfig(2350);
  page.UpdatePoidsCtrl(1500, 1200, 1.0849f, 412);
  for (const char* name : kLiquidRowLabels)
    EXPECT_FALSE(page.findChild<QLabel*>(QLatin1String(name))->isVisible()) << name;
  EXPECT_EQ(text(&page, "labelDensiteLiquide"), "0");
  EXPECT_EQ(text(&page, "labelHauteurLiquide"), "0");
  EXPECT_EQ(text(&page, "labelpoidmesure"), "1500");
  EXPECT_EQ(text(&page, "labelpoidliquide"), "1200");
  saveScreen(&page, "PoidsCtrl-mode1");

  QSignalSpy leave(&page, &PoidsCtrl::sig_CtrlPoidsExit);
  EXPECT_TRUE(page.shown);
  page.findChild<QPushButton*>(QStringLiteral("pB_Exit"))->click();
  EXPECT_EQ(leave.count(), 1);
  page.hide();
  EXPECT_FALSE(page.shown);
}

// Publishes weights in the live record and lets the main window take its notice.
void publishWeights(WindowPlant& plant, int weight, int liquid, float density, int height) {
  orvDatas* store = Singleton<orv_classPtr>::ptr()->datas;
  struct_mesure m;
  store->get_ORVmesure(m);
  m.columnWeight = weight;
  m.netWeight = liquid;
  m.fluid[0].val[8] = density;  // 586
  m.liquidLevel = height;
  store->set_ORVmesure(&m);
  QMetaObject::invokeMethod(plant.window.get(), "OnNoyauUpdate");
}

TEST(PoidsCtrl, MainWindowRefreshesItWhileShownAndDeletesItOnQuitter) {
  PlantOptions options;
  options.config = "FLAG_PREM_DEMARRAGE=1709283900\nCONFIG_COLUMN_TARE=2350\n";
  WindowPlant plant(options);
  plant.startPastReport();
  ASSERT_EQ(plant.page().toStdString(), "mainScreen");
  // The processing thread publishes its own records; the test's are the only ones.
  plant.proc()->change_sleepThreadState(true);
  QCoreApplication::processEvents();

  emit plant.find<Menu>("Menu")->sigMesPoids(1);
  ASSERT_EQ(plant.page().toStdString(), "poidsCtrlPage");
  QPointer<PoidsCtrl> view = plant.find<PoidsCtrl>("PoidsCtrl");
  ASSERT_FALSE(view.isNull());
  EXPECT_EQ(text(view, "labelTarePoids"), "2350");
  publishWeights(plant, -35, -35, 1.2f, 300);
  EXPECT_EQ(text(view, "labelpoidmesure"), "-35");
  EXPECT_EQ(text(view, "labelpoidliquide"), "-35");
  EXPECT_EQ(text(view, "labelDensiteLiquide"), "0");  // mode 1
  plant.shot("PoidsCtrl-in-window");

  // Hidden by another page, the view keeps its last weights.
  plant.window->OnShow_EcranORV();
  EXPECT_FALSE(view->shown);
  publishWeights(plant, 1800, 1500, 1.2f, 300);
  EXPECT_EQ(text(view, "labelpoidmesure"), "-35");
  // Asked again (even in mode 2), the same view comes back with its mode and tare.
  emit plant.find<Menu>("Menu")->sigMesPoids(2);
  ASSERT_EQ(plant.page().toStdString(), "poidsCtrlPage");
  EXPECT_EQ(plant.find<PoidsCtrl>("PoidsCtrl"), view.data());
  EXPECT_FALSE(view->findChild<QLabel*>(QStringLiteral("labelDensiteLiquide"))->isVisible());
  publishWeights(plant, 1800, 1500, 1.2f, 300);
  EXPECT_EQ(text(view, "labelpoidmesure"), "1800");

  plant.click("pB_Exit");
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(view.isNull());
}

}  // namespace
