// The requests the main window answers itself: technician intervention, maker information
// texts, the time zone after the date page, the refrigerant change, relearning and
// recalculation.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "FuseauHorraire.h"
#include "Info_Norvale.h"
#include "Menu.h"
#include "ModulsCenter.h"
#include "orvDatas.h"
#include "support/orvqt_window.h"

namespace {

constexpr const char* kCommissioned = "FLAG_PREM_DEMARRAGE=1709283900\n";


std::string configValue(WindowPlant& plant, const std::string& key) {
  const std::string text = plant.box.read("/home/ORV/config.conf");
  const size_t at = text.find("\n" + key + "=");
  if (at == std::string::npos) return "";
  const size_t start = at + key.size() + 2;
  return text.substr(start, text.find('\n', start) - start);
}

TEST(cORVService, InterventionIsStoredAndJournalled) {
  PlantOptions options;
  options.config = kCommissioned;
  WindowPlant plant(options);
  plant.startPastReport();
  Menu* menu = plant.find<Menu>("Menu");
  emit menu->sig_intervFrigo(true);
  EXPECT_EQ(configValue(plant, "INTERVENTION_TECH"), "1");
  EXPECT_EQ(plant.journal().back(), "128;;;TECH;");
  emit menu->sig_intervFrigo(false);
  EXPECT_EQ(configValue(plant, "INTERVENTION_TECH"), "0");
  EXPECT_EQ(plant.journal().back(), "129;;;TECH;");
  emit menu->sig_intervFrigo(false);  // journalled also when it was off already
  EXPECT_EQ(plant.journal().back(), "129;;;TECH;");
  EXPECT_EQ(plant.journal()[plant.journal().size() - 2], "129;;;TECH;");
}

TEST(cORVService, InformationTextsDescribeTheModulesAndTheDevice) {
  PlantOptions options;
  options.config = "FLAG_PREM_DEMARRAGE=1735560000\nz2_CM_TYPE=2\nCONFIG_TARE_DATE=NC\n"
                   "CONFIG_SRV_ID=12\n";
  options.modules = "module 1 mesv2 configured=1 version=10.2\n"
                    "module 7 energie configured=1 version=1.3\n" +
                    garbledModules({0, 5, 6, 8});
  WindowPlant plant(options);
  ASSERT_TRUE(plant.sim->ready());
  plant.startPastReport();
  emit plant.find<Menu>("Menu")->info();
  ASSERT_EQ(plant.page().toStdString(), "infoNorvalePage");
  auto* info = plant.find<Info_Norvale>("Info_Norvale");
  EXPECT_EQ(info->modulesText.toStdString(),
            "\tCarte Mesure : V2 / 10.2\n\tModule Energie 1 : N/C \n\tModule Energie 2 : 1.3\n"
            "\tModule Energie 3 : N/C \n");
  EXPECT_EQ(info->datesText.toStdString(),
            "Dernier Apprentissage : 30/12/2024\nDerniere tare : XX.XX.XXXX\n"
            "Adresse MAC : 00:1A:2B:3C:4D:5E\nID ORV : 12");
}

struct ZoneCase {
  const char* config;  // extra configuration lines
  int exit;            // what the date page sends
  const char* link;    // the zone /etc/localtime names afterwards, "" for no change
};

TEST(cORVService, DatePageExitAppliesTheZoneAndResumesBothThreads) {
  const ZoneCase cases[] = {
      {kCommissioned, 2, "/usr/share/zoneinfo/Etc/GMT-2"},
      {"", 2, "/usr/share/zoneinfo/Etc/GMT-2"},  // not commissioned: resumed all the same
      {"FLAG_PREM_DEMARRAGE=1709283900\nz11_CONFIG_FUSEAU_HORRAIRE=3\n", 0,
       "/usr/share/zoneinfo/Etc/GMT-3"},
      {kCommissioned, 15, ""},
  };
  for (const ZoneCase& c : cases) {
    SCOPED_TRACE(std::string(c.config) + " exit " + std::to_string(c.exit));
    PlantOptions options;
    options.config = c.config;
    WindowPlant plant(options);
    plant.startPastReport();
    plant.box.mkdirs("/etc");
    emit plant.find<Menu>("Menu")->fuseauHorraire();
    ASSERT_EQ(plant.page().toStdString(), "fuseauPage");
    ASSERT_EQ(plant.paused(), "upd/proc");
    testing::internal::CaptureStdout();
    emit plant.find<FuseauHorraire>("FuseauHorraire")->sig_fushorraireExit(c.exit);
    const std::string console = testing::internal::GetCapturedStdout();
    const std::string link = QFileInfo(QString::fromStdString(plant.box.path("/etc/localtime")))
                                 .symLinkTarget()
                                 .toStdString();
    if (*c.link) {
      EXPECT_NE(plant.box.commands().find(std::string("ln -s ") + c.link + " /etc/localtime"),
                std::string::npos);
      EXPECT_NE(console.find("cORV:: Configuration Nouveau Fuseau Horraire OK"), std::string::npos);
      EXPECT_NE(link.find(c.link), std::string::npos) << link;
    } else {
      EXPECT_EQ(plant.box.commands().find("ln "), std::string::npos);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(plant.find("FuseauHorraire"), nullptr);
    EXPECT_EQ(plant.paused(), "-/-");
  }
}

TEST(cORVService, CoreOperationsFromTheMenus) {
  PlantOptions options;
  options.config = kCommissioned;
  WindowPlant plant(options);
  plant.startPastReport();

  testing::internal::CaptureStdout();
  plant.window->OnChangeRefPropFluid(QStringLiteral("R407C"));
  const std::string console = testing::internal::GetCapturedStdout();
  EXPECT_EQ(configValue(plant, "CONFIG_FLUID"), "R407C");
  EXPECT_NE(console.find("[ORV_core] Chargement Librairie Fluides R407C OK"), std::string::npos);

  // Relearning and recalculation are journalled only when the core takes them: not with
  // the readings of a missing card, then the recalculation once the readings are sane, the
  // relearning once no recalculation is pending.
  plant.proc()->change_sleepThreadState(true);
  auto count = [&plant](const char* line) {
    const std::vector<std::string> journal = plant.journal();
    return std::count(journal.begin(), journal.end(), line);
  };
  plant.window->OnMenuReapprentissageReapp();
  plant.window->OnMenuRecalculNivRefBtn();
  EXPECT_EQ(count("5002;;;ORV;"), 0);
  EXPECT_EQ(count("5004;;;ORV;"), 0);

  orvDatas* datas = Singleton<orv_classPtr>::ptr()->datas;
  int learningOver = 0;
  datas->setCFG_struct(orvDatas::getCFG_ID_fromKeyString("FLAG_ALARM"), &learningOver);
  for (int index : {504, 624, 627, 628}) {
    float sane = 10.0f;
    datas->setMES_struct(index, &sane);
  }
  plant.window->OnMenuRecalculNivRefBtn();
  plant.window->OnMenuReapprentissageReapp();
  EXPECT_EQ(count("5004;;;ORV;"), 1);
  EXPECT_EQ(count("5002;;;ORV;"), 0);
  int none = 0;
  datas->setCFG_struct(orvDatas::getCFG_ID_fromKeyString("FLAG_RECALC_MOYREF"), &none);
  plant.window->OnMenuReapprentissageReapp();
  EXPECT_EQ(count("5002;;;ORV;"), 1);
}

}  // namespace
