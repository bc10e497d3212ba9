// The start-up report of the main window on the real core: the lines for a device without a
// measuring card and for a commissioned plant with its modules, the language, the storage
// clean-up and the rotation of the data files.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <fstream>

#include "Menu.h"
#include "support/orvqt_window.h"

namespace {

const std::vector<std::string> kNoCardReport = {
    "Demarrage du ORV v10.4.5",
    " ++ Espace de Stockage (libre/total): 1024Mo/2048Mo",
    " ++ Initialisation CONFIGURATION Termine avec succes",
    " ++ ID ORV: 0",
    "Chargement de la LANGUE:",
    " ++ Chargement LANGUE [fr] OK",
    "Configuration Reseau ETHERNET:",
    " -- ATTENTION Cable Reseau ETHERNET debrancher",
    " ++ IP: 192.168.1.48",
    " ++ MASK: 255.255.255.0",
    " ++ GATEWAY: 192.168.1.1",
    " ++ DHCP: OFF",
    " ++ ETHERNET MAC: 00:1A:2B:3C:4D:5E",
    "Connection Internet/Voredane:",
    " -- ERREUR connection au serveur VOREDANE",
    "Modules Detecter/Trouver:",
    " -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....\n"
    "    -(1) Veuillez verifier les branchements\n"
    "    -(2) Puis REBOOTER/REDEMARRER le ORV",
    "ERREUR detecter, veuillez verifier.",
};

bool contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(cORVReport, NoCardOnAnUncommissionedDeviceWaitsForTheTechnician) {
  WindowPlant plant;
  QSignalSpy ener(plant.window.get(), &cORV::setEnerVisibilty);
  QSignalSpy hpf(plant.window.get(), &cORV::setHPFVisibilty);
  ASSERT_TRUE(plant.start("fr"));

  EXPECT_EQ(plant.page().toStdString(), "msgBoxPage");
  EXPECT_EQ(plant.find<QLabel>("title_label")->text().toStdString(), "Informations ORV");
  EXPECT_EQ(plant.reportLines(), kNoCardReport);
  EXPECT_TRUE(plant.find<QPushButton>("pB_Exit")->isVisible());
  ASSERT_NE(plant.exitTimer(), nullptr);
  EXPECT_EQ(plant.exitTimer()->interval(), 900000);
  EXPECT_TRUE(cORVProbe::inactivity(*plant.window)->isActive());
  EXPECT_EQ(cORVProbe::inactivity(*plant.window)->interval(), 600000);
  ASSERT_EQ(ener.count(), 1);
  EXPECT_FALSE(ener.at(0).at(0).toBool());
  ASSERT_EQ(hpf.count(), 1);
  EXPECT_FALSE(hpf.at(0).at(0).toBool());
  // The language change of the report reaches the page without emptying its title.
  QCoreApplication::processEvents();
  EXPECT_EQ(plant.find<QLabel>("title_label")->text().toStdString(), "Informations ORV");
  plant.shot("msgBoxPage-report-no-card");

  QTest::mouseClick(plant.find<QPushButton>("pB_Exit"), Qt::LeftButton);
  EXPECT_EQ(plant.page().toStdString(), "menuCodePage");
  EXPECT_EQ(plant.onPage<QLabel>("TxtLabel")->text().toStdString(), "");
  EXPECT_TRUE(plant.proc()->get_sleepThreadState());
  plant.shot("menuCodePage-after-report");
}

TEST(cORVReport, CommissionedPlantListsItsModulesAndStartsMeasuring) {
  PlantOptions options;
  options.config = "FLAG_PREM_DEMARRAGE=1709283900\nCONFIG_SRV_ID=12\n";
  options.carrier = "1";
  options.modules = "module 1 mesv2 configured=1 version=10.2\n"
                    "module 5 hpf configured=1 version=3.5\n"
                    "module 7 energie configured=1 version=1.3\n" +
                    garbledModules({0, 6, 8});
  WindowPlant plant(options);
  ASSERT_TRUE(plant.sim->ready());
  QSignalSpy ener(plant.window.get(), &cORV::setEnerVisibilty);
  QSignalSpy hpf(plant.window.get(), &cORV::setHPFVisibilty);
  ASSERT_TRUE(plant.start("fr"));

  const std::vector<std::string> lines = plant.reportLines();
  for (const char* line : {" ++ ID ORV: 12", " ++ Module MesureV2: v10.2", " ++ Module HPF: v3.5",
                           " ++ Module ENERGIE_1: v1.3"})
    EXPECT_TRUE(contains(lines, line)) << line;
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "Demarrage des Mesures ...");
  ASSERT_NE(plant.exitTimer(), nullptr);
  EXPECT_EQ(plant.exitTimer()->interval(), 8000);
  EXPECT_FALSE(plant.find<QPushButton>("pB_Exit")->isVisible());
  ASSERT_EQ(ener.count(), 1);
  EXPECT_TRUE(ener.at(0).at(0).toBool());
  ASSERT_EQ(hpf.count(), 1);
  EXPECT_TRUE(hpf.at(0).at(0).toBool());
  EXPECT_FALSE(plant.find("configButtonHPF")->isHidden());
  EXPECT_FALSE(plant.find("configButtonENERGIE")->isHidden());
  plant.shot("msgBoxPage-report-modules");

  plant.exitTimer()->start(1);
  ASSERT_TRUE(waitUntil([&] { return plant.page() == QStringLiteral("mainScreen"); }));
  EXPECT_EQ(plant.paused(), "-/-");
  EXPECT_TRUE(cORVProbe::inactivity(*plant.window)->isActive());
  EXPECT_EQ(cORVProbe::inactivity(*plant.window)->interval(), 600000);
  plant.shot("mainScreen-after-report");
}

struct LanguageCase {
  const char* language;
  std::vector<std::string> lines;  // the language lines of the report
  const char* title;               // the report's title once the language is loaded
};

TEST(cORVReport, LanguageIsLoadedIntoTheWindowsTranslator) {
  const LanguageCase cases[] = {
      {"de", {"Chargement de la LANGUE:", " ++ SPRACHE [de] geladen OK"}, "ORV-Informationen"},
      {"*",
       {"Chargement de la LANGUE:", " -- Reconfiguration de la LANGUE necessaire",
        " ++ Chargement LANGUE [fr] OK"},
       "Informations ORV"},
      {"",
       {"Chargement de la LANGUE:", " -- Reconfiguration de la LANGUE necessaire",
        " ++ Chargement LANGUE [fr] OK"},
       "Informations ORV"},
      {"pt", {"Chargement de la LANGUE:", " -- ERREUR Chargement fichier LANGUE [pt]"},
       "Informations ORV"},
  };
  for (const LanguageCase& c : cases) {
    SCOPED_TRACE(c.language);
    WindowPlant plant;
    ASSERT_TRUE(plant.start(c.language));
    const std::vector<std::string> lines = plant.reportLines();
    auto at = std::find(lines.begin(), lines.end(), "Chargement de la LANGUE:");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(std::vector<std::string>(at, at + c.lines.size()), c.lines);
    EXPECT_EQ(plant.find<QLabel>("title_label")->text().toStdString(), c.title);
  }
  // The window's translator went with the window.
  EXPECT_EQ(QCoreApplication::translate("cORV", "Informations ORV").toStdString(),
            "Informations ORV");
}

struct StorageCase {
  const char* disk;
  bool full;
};

TEST(cORVReport, FullStorageDeletesTheOldDayFilesBeforeTheCoreStarts) {
  for (const StorageCase& c : {StorageCase{"46137344 536870912", true},
                               StorageCase{"47185920 536870912", false}}) {
    SCOPED_TRACE(c.disk);
    PlantOptions options;
    options.disk = c.disk;
    options.clockStart = "2024-03-01 10:00:00";
    WindowPlant plant(options);
    for (const char* day : {"2024_02_27", "2024_02_28", "2024_03_01"})
      plant.box.write(std::string("/home/ORV/ORV_") + day + ".msr", "line\n");
    ASSERT_TRUE(plant.start());

    const std::vector<std::string> lines = plant.reportLines();
    const std::string free = c.full ? "44" : "45";
    auto at = std::find(lines.begin(), lines.end(),
                        " ++ Espace de Stockage (libre/total): " + free + "Mo/512Mo");
    ASSERT_NE(at, lines.end());
    const std::string full =
        " -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ...";
    EXPECT_EQ(at + 1 != lines.end() && *(at + 1) == full, c.full);
    EXPECT_EQ(contains(lines, full), c.full);
    EXPECT_EQ(plant.box.exists("/home/ORV/ORV_2024_02_27.msr"), !c.full);
    EXPECT_EQ(plant.box.exists("/home/ORV/ORV_2024_02_28.msr"), !c.full);
    EXPECT_TRUE(plant.box.exists("/home/ORV/ORV_2024_03_01.msr"));
  }
}

std::string numberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\n";
  return text;
}

std::string firstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

TEST(cORVReport, RotationKeepsNineDayFilesAndTrimsTheMeansAndTheJournal) {
  PlantOptions options;
  options.modules = "module 1 mesv2 configured=1\n" + garbledModules({0, 5, 6, 7, 8});
  WindowPlant plant(options);
  ASSERT_TRUE(plant.sim->ready());
  for (int day = 1; day <= 10; ++day) {
    char name[64];
    std::snprintf(name, sizeof name, "/home/ORV/ORV_2024_01_%02d.msr", day);
    plant.box.write(name, "line\n");
  }
  plant.box.write("/home/ORV/journal.log", numberedLines(6100));
  plant.box.write("/home/ORV/moy.msr", numberedLines(17600));
  ASSERT_TRUE(plant.start());

  EXPECT_FALSE(plant.box.exists("/home/ORV/ORV_2024_01_01.msr"));
  for (int day = 2; day <= 10; ++day) {
    char name[64];
    std::snprintf(name, sizeof name, "/home/ORV/ORV_2024_01_%02d.msr", day);
    EXPECT_TRUE(plant.box.exists(name)) << name;
  }
  EXPECT_EQ(plant.box.commands().find("rm "), std::string::npos);
  EXPECT_EQ(firstLine(plant.box.read("/home/ORV/moy.msr")), "line 2331");
  const std::string journal = plant.box.read("/home/ORV/journal.log");
  EXPECT_EQ(firstLine(journal), "line 1102");
  EXPECT_EQ(std::count(journal.begin(), journal.end(), '\n'), 5000);
}

}  // namespace
