// The start-up report: the core is created and started in the GUI thread, and each step is
// listed on the message page; then the day files are rotated.
#include <dirent.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QStackedWidget>
#include <QTranslator>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "Langue.h"
#include "ModulsCenter.h"
#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "cORV.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orvQtTranslation.h"
#include "orvVersion.h"
#include "orv_classPtr.h"
#include "orv_configFile.h"
#include "screenMsgBox.h"
#include "storageThread.h"

namespace {
// The report closes itself after these many seconds; with no measuring card it waits for
// the technician up to a quarter of an hour.
constexpr int kReportSeconds = 8;
constexpr int kReportFailedSeconds = 900;
// Day measurement files kept by the rotation, and the trimming of the means file and the
// journal (a file above the limit keeps its last limit - remove lines).
constexpr size_t kDayFilesKept = 9;
constexpr int kMeansLimit = 17520, kMeansRemove = 2250;
constexpr int kJournalLimit = 6000, kJournalRemove = 1000;
constexpr const char* kDataDir = "/home/ORV/";

QString moduleVersion(float version) { return QString::number(version, 'g'); }

bool storedLanguageUnset() {
  orv_configFile file(std::string(kDataDir) + "config.conf");
  const QString code = QString::fromUtf8(file.getCString("CONFIG_LANGUE", "", "General")).trimmed();
  return code.isEmpty() || code == QLatin1String("*");
}
}  // namespace

bool cORV::On_initAll(std::string langue) {
  showPage(msgBoxPage);
  msgBoxPage->setBoxTitle(tr("Informations ORV"));
  msgBoxPage->appendBoxMessage(
      tr("Demarrage du ORV v%1.%2.%3").arg(VERSION_MAJOR).arg(VERSION_MINOR).arg(VERSION_RELEASE));

  core = new ORV_core();
  int totalMiB = 0, freeMiB = 0;
  core->getStorageInfoSize(&totalMiB, &freeMiB);
  msgBoxPage->appendBoxMessage(
      tr(" ++ Espace de Stockage (libre/total): %1Mo/%2Mo").arg(freeMiB).arg(totalMiB));
  if (storageThread::isStorageFull(freeMiB)) {
    msgBoxPage->appendBoxMessage(
        tr(" -- Espace de Stockage Plein, effacement des anciens fichiers journaliers ..."));
    // Before the services start, so that they open the cleaned directory.
    storageThread cleanup;
    cleanup.start();
    cleanup.join();
  }

  // The language chosen on the first-start page came before the store: it is stored once
  // the store exists, in place of a missing, empty or "*" entry.
  const bool languageUnset = storedLanguageUnset();
  core->initORV_core();
  msgBoxPage->appendBoxMessage(tr(" ++ Initialisation CONFIGURATION Termine avec succes"));
  orvDatas* datas = core->datas();
  if (languageUnset && Langue::isLanguageCode(QString::fromStdString(langue)))
    datas->setCFG_struct(orvDatas::getCFG_ID_fromKeyString("CONFIG_LANGUE"), langue.c_str());
  auto cfg = [datas](const char* keyword) {
    return datas->getCFG_struct(orvDatas::getCFG_ID_fromKeyString(keyword));
  };

  QString language = QString::fromUtf8(langue.c_str());
  msgBoxPage->appendBoxMessage(tr(" ++ ID ORV: %1").arg(cfg("CONFIG_SRV_ID").intValue));
  msgBoxPage->appendBoxMessage(tr("Chargement de la LANGUE:"));
  if (language.isEmpty() || language == QLatin1String("*")) {
    language = QStringLiteral("fr");
    msgBoxPage->appendBoxMessage(tr(" -- Reconfiguration de la LANGUE necessaire"));
  }
  if (!translator) translator = new QTranslator;
  QCoreApplication::removeTranslator(translator);
  if (translator->load(QStringLiteral("%1orvQT_%2.qm").arg(QStringLiteral("gui_langues/"), language))) {
    QCoreApplication::installTranslator(translator);
    installQtTranslation(language);
    // The language change reaches the pages now rather than after the report, where the
    // message page's handling of it would empty the report's title; the title is then
    // written again, in the loaded language.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    msgBoxPage->setBoxTitle(tr("Informations ORV"));
    msgBoxPage->appendBoxMessage(tr(" ++ Chargement LANGUE [%1] OK").arg(language));
  } else {
    msgBoxPage->appendBoxMessage(tr(" -- ERREUR Chargement fichier LANGUE [%1]").arg(language));
  }

  const std::string iface = cfg("CONFIG_IFACE").stringValue;
  const bool linked = datas->getMES_struct(ORV_core::kMesNetworkLink).intValue != 0;
  const bool serverLinked = datas->getMES_struct(ORV_core::kMesServerReachable).intValue != 0;
  if (iface == "eth0") {
    msgBoxPage->appendBoxMessage(tr("Configuration Reseau ETHERNET:"));
    msgBoxPage->appendBoxMessage(linked ? tr(" ++ Cable Reseau ETHERNET brancher OK")
                                        : tr(" -- ATTENTION Cable Reseau ETHERNET debrancher"));
  } else if (iface == "ra0") {
    msgBoxPage->appendBoxMessage(tr("Configuration Reseau WIFI:"));
    msgBoxPage->appendBoxMessage(linked ? tr(" ++ Reseau USB WIFI brancher OK")
                                        : tr(" -- ATTENTION Reseau USB WIFI debrancher"));
    msgBoxPage->appendBoxMessage(
        QStringLiteral(" ++ SSID: %1").arg(QString::fromStdString(cfg("CONFIG_WIFI_SSID").stringValue)));
  }
  msgBoxPage->appendBoxMessage(
      QStringLiteral(" ++ IP: %1").arg(QString::fromStdString(cfg("CONFIG_IP").stringValue)));
  msgBoxPage->appendBoxMessage(
      QStringLiteral(" ++ MASK: %1").arg(QString::fromStdString(cfg("CONFIG_MASK").stringValue)));
  msgBoxPage->appendBoxMessage(
      QStringLiteral(" ++ GATEWAY: %1").arg(QString::fromStdString(cfg("CONFIG_GW").stringValue)));
  msgBoxPage->appendBoxMessage(datas->dhcpInUse() ? QStringLiteral(" ++ DHCP: ON")
                                                  : QStringLiteral(" ++ DHCP: OFF"));
  msgBoxPage->appendBoxMessage(QStringLiteral(" ++ ETHERNET MAC: %1")
                                   .arg(QString::fromStdString(cfg("CONFIG_MACADDR").stringValue)));

  msgBoxPage->appendBoxMessage(tr("Connection Internet/Voredane:"));
  msgBoxPage->appendBoxMessage(serverLinked ? tr(" ++ Connection au serveur VOREDANE OK")
                                            : tr(" -- ERREUR connection au serveur VOREDANE"));

  msgBoxPage->appendBoxMessage(tr("Modules Detecter/Trouver:"));
  ModulsCenter* centre = core->modulsCenter();
  const unsigned mesV1 = centre ? centre->isModulMesV1_connected() : 0;
  const unsigned mesV2 = centre ? centre->isModulMesV2_connected() : 0;
  bool failed = false;
  if (mesV1 == 0 && mesV2 == 0) {
    msgBoxPage->appendBoxMessage(
        tr(" -- Aucun Module MESURE v1 ou v2 Detecter/Trouver....\n"
           "    -(1) Veuillez verifier les branchements\n"
           "    -(2) Puis REBOOTER/REDEMARRER le ORV"));
    failed = true;
  } else if (mesV1 != 0) {
    msgBoxPage->appendBoxMessage(tr(" ++ Module MesureV1: %1").arg(mesV1));
  } else {
    msgBoxPage->appendBoxMessage(
        tr(" ++ Module MesureV2: v%1").arg(moduleVersion(centre->Modul_firmVersion(0))));
  }
  const bool hpfShown = centre && centre->isModulHpf_connected() != 0;
  if (hpfShown)
    msgBoxPage->appendBoxMessage(
        tr(" ++ Module HPF: v%1").arg(moduleVersion(centre->Modul_firmVersion(1))));
  bool enerShown = false;
  for (int n = 0; centre && n < 3; ++n) {
    if (centre->isModulEner_connected(n) == 0) continue;
    msgBoxPage->appendBoxMessage(
        tr(" ++ Module ENERGIE_%1: v%2").arg(n).arg(moduleVersion(centre->Modul_firmVersion(2 + n))));
    enerShown = true;
  }

  if (failed) {
    msgBoxPage->setButtonsState(true);
    msgBoxPage->appendBoxMessage(tr("ERREUR detecter, veuillez verifier."));
    msgBoxPage->exit_timer(kReportFailedSeconds);
  } else {
    msgBoxPage->appendBoxMessage(tr("Demarrage des Mesures ..."));
    msgBoxPage->exit_timer(kReportSeconds);
  }
  emit setEnerVisibilty(enerShown);
  emit setHPFVisibilty(hpfShown);
  list_dir(kDataDir);
  return true;
}

void cORV::list_dir(const char* path) {
  DIR* dir = opendir(orv::devicePath(path).c_str());
  if (!dir) return;
  std::vector<std::string> dayFiles;
  while (dirent* entry = readdir(dir)) {
    if (std::strstr(entry->d_name, "ORV_")) dayFiles.push_back(entry->d_name);
  }
  // Their names carry the date, so text order is date order.
  std::sort(dayFiles.begin(), dayFiles.end());
  for (size_t i = 0; i + kDayFilesKept < dayFiles.size(); ++i) {
    // Unlinked by path, never through a shell: a name is data, not a command.
    const std::string file = std::string(kDataDir) + dayFiles[i];
    unlink(orv::devicePath(file).c_str());
  }
  if (ORV_fileManip* files = core ? core->ORV_fileManip_Ptr() : nullptr) {
    files->purge_lines_file((std::string(kDataDir) + "moy.msr").c_str(), kMeansLimit,
                            kMeansRemove);
    files->purge_lines_file(ORV_fileManip::kJournalPath, kJournalLimit, kJournalRemove);
  }
  closedir(dir);
}
