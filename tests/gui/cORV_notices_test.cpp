// The core's notices, invoked by name and queued from another thread as the core does: the
// message page during long operations and the refresh of the visible live page.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>

#include <chrono>
#include <thread>

#include "EnerModul.h"
#include "Ecran_Orv.h"
#include "ModulsCenter.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "cp_InfoDisplay.h"
#include "support/orvqt_window.h"

namespace {

// Queues the notice from a thread of its own, then lets the GUI thread run it.
void notice(WindowPlant& plant, const char* slot, int value = -100) {
  QObject* window = plant.window.get();
  std::thread worker([window, slot, value] {
    if (value == -100)
      QMetaObject::invokeMethod(window, slot, Qt::QueuedConnection);
    else
      QMetaObject::invokeMethod(window, slot, Qt::QueuedConnection, Q_ARG(int, value));
  });
  worker.join();
  QCoreApplication::sendPostedEvents(window, QEvent::MetaCall);
}

std::string title(WindowPlant& plant) {
  return plant.find<QLabel>("title_label")->text().toStdString();
}

TEST(cORVNotices, MessagePageFollowsTheCoresOperations) {
  PlantOptions options;
  options.config = "FLAG_PREM_DEMARRAGE=1709283900\n";
  WindowPlant plant(options);
  ASSERT_TRUE(plant.start());
  auto* bar = plant.find<QProgressBar>("progressBar_counter");
  auto* exit = plant.find<QPushButton>("pB_Exit");

  // An analysis announced during the start-up report shows at once.
  notice(plant, "OnStartMsgBox", 2);
  EXPECT_EQ(plant.page().toStdString(), "msgBoxPage");
  EXPECT_EQ(title(plant), "Analyse Mesures");
  EXPECT_EQ(plant.reportLines().back(), "Analyse en cours...");
  EXPECT_TRUE(bar->isVisible());
  EXPECT_EQ(bar->value(), 0);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_FALSE(exit->isVisible());
  notice(plant, "OnSetMsgBoxProgressValue", 40);
  EXPECT_EQ(bar->value(), 40);
  plant.shot("msgBoxPage-analysis");
  notice(plant, "OnStopMsgBox");
  EXPECT_TRUE(plant.reportLines().empty());
  EXPECT_EQ(title(plant), "");
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");

  // A module update that fails stays readable until the technician closes it.
  notice(plant, "OnStartMsgBox", 4);
  EXPECT_EQ(plant.page().toStdString(), "msgBoxPage");
  EXPECT_EQ(cORVProbe::pageBeforeMsgBox(*plant.window)->objectName().toStdString(), "Ecran_Orv");
  EXPECT_EQ(title(plant), "Mise a Jour Module(s)");
  EXPECT_EQ(plant.reportLines(),
            std::vector<std::string>{"Mise a Jour Firmware Module(s) en cours..."});
  ORV_core* core = cORVProbe::core(*plant.window);
  std::thread exchange([core] {
    std::vector<int> types = {1};
    core->OnExitFirmwareUpdate(types, 5);
  });
  exchange.join();
  QCoreApplication::sendPostedEvents(plant.window.get(), QEvent::MetaCall);
  EXPECT_EQ(plant.reportLines().back(),
            "Erreur lors de la mise à jour du firmware du module HPF.");
  EXPECT_TRUE(exit->isVisible());
  plant.shot("msgBoxPage-firmware-failure");
  notice(plant, "OnSetMsgBoxInfoTxt", 12);
  EXPECT_EQ(plant.reportLines().back(), "*");
  const size_t lines = plant.reportLines().size();
  for (int mode : {0, -1}) notice(plant, "OnStartMsgBox", mode);
  EXPECT_EQ(plant.reportLines().size(), lines);
  EXPECT_EQ(title(plant), "Mise a Jour Module(s)");
  QCoreApplication::processEvents();
  EXPECT_EQ(plant.page().toStdString(), "msgBoxPage");
  QTest::mouseClick(exit, Qt::LeftButton);
  EXPECT_EQ(plant.page().toStdString(), "mainScreen");
}

TEST(cORVNotices, OnlyTheFirstShownLivePageIsRefreshed) {
  PlantOptions options;
  options.config = "FLAG_PREM_DEMARRAGE=1709283900\n";
  WindowPlant plant(options);
  ASSERT_TRUE(plant.start());
  plant.exitTimer()->start(1);
  ASSERT_TRUE(waitUntil([&] { return plant.page() == QStringLiteral("mainScreen"); }));
  auto* screen = plant.find<Ecran_Orv>("Ecran_Orv");
  auto* mass = plant.find<QLabel>("poid");
  ASSERT_NE(mass, nullptr);
  // The processing thread sends its own notices; refresh from a quiet moment, with a mass in
  // the live record that the screen cannot have shown before.
  plant.proc()->change_sleepThreadState(true);
  QCoreApplication::processEvents();
  orvDatas* store = Singleton<orv_classPtr>::ptr()->datas;
  auto publishMass = [store](float kg) {
    struct_mesure m;
    store->get_ORVmesure(m);
    m.modules.stateMesV2 = 1;
    m.modules.stateMesV1 = 0;
    m.liquidLevel = 500;
    m.refrigerantMass = kg;
    store->set_ORVmesure(&m);
  };
  publishMass(123.4f);
  notice(plant, "OnNoyauUpdate");
  EXPECT_EQ(mass->text().toStdString(), "123.4Kg");

  emit screen->OnCPinfoSignal();
  auto* cop = plant.find<cp_InfoDisplay>("cp_InfoDisplay");
  ASSERT_NE(cop, nullptr);
  publishMass(98.7f);
  struct_mesure record;
  store->get_ORVmesure(record);
  record.modules.value[modval::HP] = 12.5f;
  store->set_ORVmesure(&record);
  notice(plant, "OnNoyauUpdate");
  // The COP view shows the record's high pressure ("0" in its form until a refresh).
  EXPECT_EQ(cop->findChild<QLabel*>("label_pressionHPL")->text().toStdString(), "12.5");
  // The hidden main screen is not refreshed.
  EXPECT_EQ(mass->text().toStdString(), "123.4Kg");
}

}  // namespace

namespace {

// Readings the ENERGIE client cannot hand over within its lock time do not reach the
// energy view: it keeps the last ones instead of showing an unset bundle.
TEST(cORVNotices, EnergyViewKeepsItsReadingsWhileTheClientIsBusy) {
  PlantOptions options;
  options.config = "FLAG_PREM_DEMARRAGE=1709283900\n";
  WindowPlant plant(options);
  ASSERT_TRUE(plant.start());
  plant.exitTimer()->start(1);
  ASSERT_TRUE(waitUntil([&] { return plant.page() == QStringLiteral("mainScreen"); }));
  plant.proc()->change_sleepThreadState(true);
  QCoreApplication::processEvents();
  ModulsCenter* centre = Singleton<orv_classPtr>::ptr()->modules;
  ASSERT_NE(centre, nullptr);
  centre->start_moduls_ener();
  centre->Modul_setConnectState(ModulsCenter::TYPE_ENER0, 1);
  EnerModul* ener = centre->ener_ptr();
  const uint8_t fans = 2;
  ener->setCFG_struct(0, 176, &fans);
  auto readFans = [ener](float kw) {
    ener_toORV_data_t d{};
    d.block[0].P_kW = kw;
    ener->cfg_setENER_Data(0, &d);
  };
  readFans(5.0f);
  // The window feeds the view only while the record says module 0 is connected; a pass
  // still running when the processing was paused may rewrite the record.
  orvDatas* store = Singleton<orv_classPtr>::ptr()->datas;
  auto refresh = [&plant, store] {
    struct_mesure record;
    store->get_ORVmesure(record);
    record.modules.stateEner[0] = 1;
    store->set_ORVmesure(&record);
    notice(plant, "OnNoyauUpdate");
  };

  emit plant.find<Ecran_Orv>("Ecran_Orv")->OnENERinfoSignal();
  ASSERT_EQ(plant.page().toStdString(), "enerInfoPage");
  auto* fansPower = plant.find<QLabel>("label_ACT_VentCond");
  refresh();
  EXPECT_EQ(fansPower->text().toStdString(), "5.0");

  readFans(7.0f);
  std::thread holder([ener] {
    if (!ener->lock_ENERdatas()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    ener->unlock_ENERdatas();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  refresh();
  holder.join();
  EXPECT_EQ(fansPower->text().toStdString(), "5.0");
  refresh();
  EXPECT_EQ(fansPower->text().toStdString(), "7.0");
}

}  // namespace
