// The main window's page stack: the inactivity timer, the common leave, and the opening and
// closing of every page with the worker pauses it asks for.
#include <gtest/gtest.h>

#include <QComboBox>

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

#include "Calc_Method.h"
#include "Choix.h"
#include "Ecran_Orv.h"
#include "FLuidsNorvale.h"
#include "Langue.h"
#include "Menu.h"
#include "MenuNor.h"
#include "ModulsCenter.h"
#include "Network1.h"
#include "PoidsCtrl.h"
#include "cConfWizard.h"
#include "cConf_Energie.h"
#include "support/orvqt_window.h"

namespace {

constexpr const char* kCommissioned = "FLAG_PREM_DEMARRAGE=1709283900\n";

// The USB page leaves 2 s after its flush: runs that wait at once.
void leaveAfterFlush(QWidget* page) {
  auto* timer = page ? page->findChild<QTimer*>(QStringLiteral("quitTimer")) : nullptr;
  if (!timer) return;
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 2000);
  timer->stop();
  QMetaObject::invokeMethod(timer, "timeout");
}


Menu* menu(WindowPlant& plant) { return plant.find<Menu>("Menu"); }
ModulsCenter* centre() { return Singleton<orv_classPtr>::ptr()->modules; }

TEST(cORV, BuiltWithItsSevenPermanentPagesAndTheMessagePageCurrent) {
  WindowPlant plant;
  QStackedWidget* stack = cORVProbe::stack(*plant.window);
  const char* const pages[] = {"Ecran_Orv", "Choix", "Menu", "cPassword", "cPassword", "MenuNor",
                               "screenMsgBox"};
  ASSERT_EQ(stack->count(), 7);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(stack->widget(i)->objectName().toStdString(), pages[i]);
  EXPECT_EQ(plant.page().toStdString(), "msgBoxPage");
  // The first page change replaced the interval of construction.
  EXPECT_TRUE(cORVProbe::inactivity(*plant.window)->isActive());
  EXPECT_EQ(cORVProbe::inactivity(*plant.window)->interval(), 600000);
  EXPECT_EQ(reinterpret_cast<QObject*>(Singleton<orv_classPtr>::ptr()->mainWindow),
            static_cast<QObject*>(plant.window.get()));
}

// The window's close deletes its pages without showing any: a page shown then would call
// back into the half-destroyed window.
TEST(cORV, ClosingTheWindowShowsNoPage) {
  struct ShowCounter : QObject {
    int shown = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Show) ++shown;
      return false;
    }
  } counter;
  WindowPlant plant;
  QStackedWidget* stack = cORVProbe::stack(*plant.window);
  stack->setCurrentIndex(0);  // the main screen, with every other page after it
  qApp->installEventFilter(&counter);
  plant.window.reset();
  qApp->removeEventFilter(&counter);
  EXPECT_EQ(counter.shown, 0);
}

TEST(cORV, ALeftConfigurationPageSetsFiveMinutesForWhatFollows) {
  PlantOptions options;
  options.config = kCommissioned;
  WindowPlant plant(options);
  plant.startPastReport();
  ASSERT_EQ(plant.page().toStdString(), "mainScreen");
  EXPECT_EQ(cORVProbe::storedTimeout(*plant.window), 600000);

  emit menu(plant)->config();
  ASSERT_EQ(plant.page().toStdString(), "wizardPage");
  plant.click("cancelButton");
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
  EXPECT_EQ(cORVProbe::storedTimeout(*plant.window), 300000);
  EXPECT_TRUE(cORVProbe::inactivity(*plant.window)->isActive());
  EXPECT_EQ(cORVProbe::inactivity(*plant.window)->interval(), 300000);

  // On the main screen the timeout runs the common leave once, then the timer rests.
  plant.window->OnReloadConfTimer(1);
  ASSERT_TRUE(waitUntil([&] { return !cORVProbe::inactivity(*plant.window)->isActive(); }));
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
  EXPECT_EQ(plant.paused(), "-/-");
}

TEST(cORV, InactivityAlwaysLocksTheConfigurationMenuAgain) {
  PlantOptions options;
  options.config = kCommissioned;
  WindowPlant plant(options);
  plant.startPastReport();

  emit plant.find<Choix>("Choix")->okConfig();
  plant.enterCode(QStringLiteral("5086"));
  ASSERT_EQ(plant.page().toStdString(), "menuPage");
  // While the menu is entered, leaving the wizard or the network page comes back to it.
  emit menu(plant)->config();
  plant.click("cancelButton");
  EXPECT_EQ(plant.page().toStdString(), "menuPage");
  emit menu(plant)->network();
  plant.enterCode(QStringLiteral("8351"));
  ASSERT_EQ(plant.page().toStdString(), "networkPage");
  plant.click("escButton");
  EXPECT_EQ(plant.page().toStdString(), "menuPage");
  // The page and its Wi-Fi quality timer are gone with the leave.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(plant.find<Network1>("Network1"), nullptr);
  EXPECT_EQ(plant.find<QTimer>("wifiQualityTimer"), nullptr);
  // A return to the configuration menu would set its title again.
  QLabel* menuTitle = menu(plant)->findChild<QLabel*>("label");
  menuTitle->setText(QStringLiteral("not shown again"));

  plant.window->OnReloadConfTimer(1);
  ASSERT_TRUE(waitUntil([&] { return plant.page() == QStringLiteral("mainScreen"); }));
  EXPECT_FALSE(cORVProbe::configMenuEntered(*plant.window));
  EXPECT_EQ(menuTitle->text().toStdString(), "not shown again");
  EXPECT_EQ(plant.paused(), "-/-");
  plant.window->OnReloadConfTimer(600000);
  emit plant.find<Ecran_Orv>("Ecran_Orv")->OnMenuSignal();
  ASSERT_EQ(plant.page().toStdString(), "choixPage");
  plant.click("escButton");
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
}

TEST(cORV, AnUncommissionedDeviceAlwaysLeavesToTheMenuCode) {
  WindowPlant plant;
  plant.startPastReport();
  ASSERT_EQ(plant.page().toStdString(), "menuCodePage");
  ASSERT_TRUE(plant.proc()->get_sleepThreadState());
  plant.enterCode(QStringLiteral("5086"));
  ASSERT_EQ(plant.page().toStdString(), "menuPage");
  plant.window->OnReloadConfTimer(1);
  ASSERT_TRUE(waitUntil([&] { return plant.page() == QStringLiteral("menuCodePage"); }));
  EXPECT_TRUE(plant.proc()->get_sleepThreadState());
  plant.window->OnReloadConfTimer(600000);
  emit plant.find<Ecran_Orv>("Ecran_Orv")->OnMenuSignal();
  plant.click("escButton");
  EXPECT_EQ(plant.page().toStdString(), "menuCodePage");
  plant.click("pushButtonAnnulation");
  EXPECT_EQ(plant.page().toStdString(), "menuCodePage");
  EXPECT_TRUE(plant.proc()->get_sleepThreadState());
}

struct PageCase {
  const char* name;                          // member name of the page
  std::function<void(WindowPlant&)> open;
  const char* pausedAfterOpening;            // "upd/proc"
  const char* closeButton;
  const char* landing;                       // page after the close
};

TEST(cORV, EachPageOpensWithItsPausesAndItsCloseDeletesIt) {
  PlantOptions options;
  options.config = kCommissioned;
  WindowPlant plant(options);
  plant.startPastReport();
  ASSERT_EQ(plant.page().toStdString(), "mainScreen");
  auto screen = [&plant] { return plant.find<Ecran_Orv>("Ecran_Orv"); };

  const PageCase cases[] = {
      {"choixPage", [&](WindowPlant&) { emit screen()->OnMenuSignal(); }, "-/-", "escButton",
       "mainScreen"},
      {"menuPage", [&](WindowPlant&) { emit plant.find<Choix>("Choix")->okVisualisation(); }, "-/-",
       "Esc", "mainScreen"},
      {"menuNorPage", [&](WindowPlant&) { emit screen()->OnMenuNorvaleSignal(); }, "-/-",
       "Esc", "mainScreen"},
      {"hpfInfoPage", [&](WindowPlant&) { emit screen()->OnHPFinfoSignal(); }, "-/-",
       "exitButton", "mainScreen"},
      {"cpInfoPage", [&](WindowPlant&) { emit screen()->OnCPinfoSignal(); }, "-/-",
       "pushButton_exit", "mainScreen"},
      {"enerInfoPage", [&](WindowPlant&) { emit screen()->OnENERinfoSignal(); }, "-/-",
       "exitButton", "mainScreen"},
      {"calcMethodPage", [&](WindowPlant&) { emit screen()->OnMenuCalculMethodSignal(); }, "-/-",
       "accueilButton", "mainScreen"},
      {"poidsCtrlPage", [&](WindowPlant&) { emit menu(plant)->sigMesPoids(1); }, "-/-",
       "pB_Exit", "mainScreen"},
      {"wizardPage", [&](WindowPlant&) { emit menu(plant)->config(); }, "-/proc", "cancelButton",
       "mainScreen"},
      {"journalPage", [&](WindowPlant&) { emit menu(plant)->journal(); }, "-/-", "Esc",
       "mainScreen"},
      {"languePage", [&](WindowPlant&) { emit menu(plant)->langue(); }, "-/-", "EscButton",
       "mainScreen"},
      {"reapprentissagePage", [&](WindowPlant&) { emit menu(plant)->reapp(); }, "-/-",
       "escButton", "mainScreen"},
      {"infoConfigPage", [&](WindowPlant&) { emit menu(plant)->iconfig(); }, "-/-",
       "Esc", "mainScreen"},
      {"infoNorvalePage", [&](WindowPlant&) { emit menu(plant)->info(); }, "-/-",
       "accueilButton", "mainScreen"},
      {"networkPage", [&](WindowPlant&) { emit menu(plant)->traceroute(); }, "-/-",
       "escButton", "mainScreen"},
      {"networkPage",
       [&](WindowPlant& p) {
         emit menu(plant)->network();
         p.enterCode(QStringLiteral("8351"));
       },
       "upd/-", "escButton", "mainScreen"},
      {"fuseauPage", [&](WindowPlant&) { emit menu(plant)->fuseauHorraire(); }, "upd/proc",
       "pB_Exit", "mainScreen"},
      {"autoTestPage", [&](WindowPlant&) { emit menu(plant)->sig_testAuto(); }, "upd/proc",
       "Esc", "mainScreen"},
      {"usbPage", [&](WindowPlant&) { emit menu(plant)->sig_copyToUsb(); }, "upd/proc",
       "pB_QuitUsb", "mainScreen"},
  };
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.name);
    c.open(plant);
    ASSERT_EQ(plant.page().toStdString(), c.name);
    EXPECT_EQ(plant.paused(), c.pausedAfterOpening);
    plant.shot(c.name);
    QPointer<QWidget> page = cORVProbe::stack(*plant.window)->currentWidget();
    const bool permanent = cORVProbe::stack(*plant.window)->indexOf(page) < 7;
    plant.click(c.closeButton);
    leaveAfterFlush(page);
    EXPECT_EQ(plant.page().toStdString(), c.landing);
    EXPECT_EQ(plant.paused(), "-/-");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(page.isNull(), !permanent);
    // A refresh after the close finds nothing of the page.
    QMetaObject::invokeMethod(plant.window.get(), "OnNoyauUpdate");
  }
}

TEST(cORV, WizardGetsTheRefrigerantListEachTimeItIsBuilt) {
  PlantOptions options;
  options.config = kCommissioned;
  WindowPlant plant(options);
  plant.startPastReport();
  for (int round = 0; round < 2; ++round) {
    emit menu(plant)->config();
    auto* wizard = plant.find<cConfWizard>("cConfWizard");
    ASSERT_NE(wizard, nullptr);
    auto* list = plant.find<QComboBox>("comboBox_fluide");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 126);
    EXPECT_EQ(list->itemText(0).toStdString(), "R11 ()");
    plant.click("cancelButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(plant.find<cConfWizard>("cConfWizard"), nullptr);
  }
}

TEST(cORV, ModuleConfigurationsOpenOnlyForAConnectedModule) {
  PlantOptions options;
  options.config = kCommissioned;
  WindowPlant plant(options);
  plant.startPastReport();
  ModulsCenter* modules = centre();
  ASSERT_NE(modules, nullptr);
  // Clients without a module behind them, to set the states the detection would find.
  modules->start_modul_hpf();
  modules->start_moduls_ener();
  modules->Modul_setConnectState(1, 0);
  for (int type : {2, 3, 4}) modules->Modul_setConnectState(type, 0);
  modules->Modul_setConnectState(3, 2);  // ENERGIE module 2 lost

  emit menu(plant)->configHPF();
  emit menu(plant)->configENERGIE();
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
  EXPECT_EQ(plant.paused(), "-/-");

  modules->Modul_setConnectState(3, 1);
  emit menu(plant)->configENERGIE();
  EXPECT_EQ(plant.page().toStdString(), "confEnergiePage");
  EXPECT_EQ(plant.paused(), "-/proc");
  QPointer<cConf_Energie> energie = plant.find<cConf_Energie>("cConf_Energie");
  ASSERT_FALSE(energie.isNull());
  QSignalSpy exits(energie.data(), &cConf_Energie::OnEnerCfgExit);
  plant.click("exitButton");
  EXPECT_EQ(exits.count(), 1);
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
  EXPECT_EQ(plant.paused(), "-/-");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(energie.isNull());

  modules->Modul_setConnectState(1, 1);
  emit menu(plant)->configHPF();
  EXPECT_EQ(plant.page().toStdString(), "confHpfPage");
  EXPECT_EQ(plant.paused(), "-/proc");
  plant.click("btnCancel");
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
  EXPECT_EQ(plant.paused(), "-/-");
}

TEST(cORV, LanguagePageIsPreparedAgainAtEachRequest) {
  PlantOptions options;
  options.config = std::string(kCommissioned) + "CONFIG_LANGUE=de\n";
  WindowPlant plant(options);
  plant.startPastReport();
  emit menu(plant)->langue();
  auto* langue = plant.window->findChild<Langue*>();
  ASSERT_NE(langue, nullptr);
  EXPECT_EQ(langue->getLangue().toStdString(), "de");
  langue->set_Langue(QStringLiteral("it"));
  emit menu(plant)->langue();
  EXPECT_EQ(langue->getLangue().toStdString(), "de");
}

TEST(cORV, ClosingTheUsbPageUnmountsOnlyAMountedKey) {
  for (bool mounted : {true, false}) {
    SCOPED_TRACE(mounted);
    PlantOptions options;
    options.config = kCommissioned;
    WindowPlant plant(options);
    plant.box.write("/proc/mounts", std::string("rootfs / rootfs rw 0 0\n") +
                                        (mounted ? "/dev/uba1 /home/usbkey1 vfat rw 0 0\n" : ""));
    plant.startPastReport();
    emit menu(plant)->sig_copyToUsb();
    QPointer<QWidget> page = cORVProbe::stack(*plant.window)->currentWidget();
    plant.click("pB_QuitUsb");
    leaveAfterFlush(page);
    EXPECT_EQ(plant.box.commands().find("umount /home/usbkey1") != std::string::npos, mounted);
    EXPECT_EQ(plant.box.platformCalls().find("umount") != std::string::npos, mounted);
  }
}

}  // namespace
