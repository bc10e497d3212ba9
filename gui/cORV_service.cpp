// Requests the window answers itself: the maker information texts, the technician
// intervention, relearning and recalculation, the time zone after the date page, the
// refrigerant change and the V1 pressure calibration; and the slots kept for service tools.
#include <QImage>
#include <QPainter>
#include <QStackedWidget>

#include <cstdio>
#include <ctime>
#include <string>

#include "FuseauHorraire.h"
#include "Info_Norvale.h"
#include "MesV1Modul.h"
#include "ModulsCenter.h"
#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "ORV_sysNet.h"
#include "cORV.h"
#include "cORV_registry.h"
#include "hpfInfo_Display.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"

using namespace orvqt;

namespace {
// Journal events of the technician's intervention and of the menu's relearning requests.
constexpr int kEventInterventionStart = 128;
constexpr int kEventInterventionEnd = 129;
constexpr int kEventRelearn = 5002;
constexpr int kEventRecalculation = 5004;
// The date page's exits: 15 nothing changed, 0 it set the clock itself.
constexpr int kZoneUnchanged = 15;
constexpr int kClockSet = 0;
// Acknowledgements: from the device's menu, from the network.
constexpr int kAckFromDevice = 1;
constexpr int kAckFromNetwork = 2;
constexpr int kLearningDateSize = 32;
constexpr const char* kLearningDateFormat = "%d/%m/%Y";



QString version(float v) { return QString::number(v, 'g', 6); }
}  // namespace

void cORV::OnMenuConfigInfoNorvale() {
  ModulsCenter* centre = modules();
  QString modulesText;
  switch (config("z2_CM_TYPE").intValue) {
    case 1: modulesText += tr("\tCarte Mesure : V1\n"); break;
    case 2:
      modulesText += tr("\tCarte Mesure : V2 / ") +
                     version(centre ? centre->Modul_firmVersion(0) : 0.0f) + tr("\n");
      break;
    default: modulesText += tr("\tCarte Mesure non detectee\n"); break;
  }
  bool enerConnected[3] = {};
  for (int n = 0; n < 3; ++n) enerConnected[n] = centre && centre->isModulEner_connected(n) != 0;
  const bool anyEner = enerConnected[0] || enerConnected[1] || enerConnected[2];
  for (int n = 0; n < 3 && anyEner; ++n) {
    modulesText += tr("\tModule Energie %1 : ").arg(n + 1);
    modulesText += enerConnected[n] ? version(centre->Modul_firmVersion(2 + n)) + tr("\n")
                                    : tr("N/C \n");
  }
  if (centre && centre->isModulHpf_connected() != 0)
    modulesText += tr("\tModule HPF : ") + version(centre->Modul_firmVersion(1));

  const time_t learningStart = static_cast<time_t>(config("FLAG_PREM_DEMARRAGE").intValue);
  struct tm local;
  localtime_r(&learningStart, &local);
  char date[kLearningDateSize];
  if (std::strftime(date, sizeof date, kLearningDateFormat, &local) == 0) {
    std::fprintf(stderr,
                 "strftime(3): cannot format supplied date/time into buffer of size %u using: "
                 "'%s'\n",
                 static_cast<unsigned>(sizeof date), kLearningDateFormat);
    return;
  }
  std::printf("%u -> '%s'\n", static_cast<unsigned>(learningStart), date);
  std::fflush(stdout);
  const std::string tareDate = config("CONFIG_TARE_DATE").stringValue;
  QString datesText = tr("Dernier Apprentissage : ") + QString::fromLatin1(date) + tr("\n");
  datesText += tr("Derniere tare : ") +
               (tareDate == "NC" ? tr("XX.XX.XXXX") : QString::fromStdString(tareDate)) + tr("\n");
  datesText += tr("Adresse MAC : ") + QString::fromStdString(config("CONFIG_MACADDR").stringValue) +
               tr("\n");
  datesText += tr("ID ORV : ") + QString::number(config("CONFIG_SRV_ID").intValue);

  if (!mainStack) return;
  if (!infoNorvalePage) {
    infoNorvalePage = new Info_Norvale(mainStack);
    connect(infoNorvalePage, SIGNAL(esc_InfoNorvale()), this, SLOT(OnMenuConfigInfoNorvaleExit()));
    connect(infoNorvalePage, SIGNAL(OnReloadConfTimerSignal(int)), this,
            SLOT(OnReloadConfTimer(int)));
    mainStack->addWidget(infoNorvalePage);
  }
  infoNorvalePage->setCurrentInfo(modulesText, datesText);
  showPage(infoNorvalePage);
}

void cORV::OnIntervFrigo(bool _flag) {
  if (orvDatas* datas = store()) {
    int value = _flag ? 1 : 0;
    datas->setCFG_struct(orvDatas::getCFG_ID_fromKeyString("INTERVENTION_TECH"), &value);
  }
  if (ORV_fileManip* files = core ? core->ORV_fileManip_Ptr() : nullptr)
    files->write_logfile(_flag ? kEventInterventionStart : kEventInterventionEnd, nullptr, nullptr,
                         "TECH");
}

void cORV::OnMenuReapprentissageReapp() {
  if (!core || !core->startREAPPRENTISSAGE()) return;
  if (ORV_fileManip* files = core->ORV_fileManip_Ptr())
    files->write_logfile(kEventRelearn, nullptr, nullptr, "ORV");
}

void cORV::OnMenuRecalculNivRefBtn() {
  if (!core || !core->setRecalculNivRef()) return;
  if (ORV_fileManip* files = core->ORV_fileManip_Ptr())
    files->write_logfile(kEventRecalculation, nullptr, nullptr, "ORV");
}

void cORV::OnMenuReapprentissageReset() {
  if (procThread()) procThread()->ResetAlarmes(kAckFromDevice);
}

void cORV::OnFuseauHorraireDisplay_Exit(int _newFusHorraire) {
  ORV_sysNet* sysNet = core ? core->ORV_sysNet_Ptr() : nullptr;
  if (_newFusHorraire < kZoneUnchanged && sysNet) {
    // 0 means the page set the clock: the configured zone stays the one applied.
    const int offset = _newFusHorraire == kClockSet
                           ? config("z11_CONFIG_FUSEAU_HORRAIRE").intValue
                           : _newFusHorraire;
    if (sysNet->setLocalTimeConfig(offset) == 0)
      std::printf("cORV:: Configuration Nouveau Fuseau Horraire OK\n");
    else
      std::printf("cORV:: Erreur Configuration Nouveau Fuseau Horraire\n");
    std::fflush(stdout);
  }
  const bool languageNext = langNeedReconfig;
  if (mainStack) {
    dropPage(fuseauPage);
    if (languageNext)
      OnMenuConfigLangueBtn();
    else
      OnMenuConfigurationExit();
  }
  if (languageNext) {
    langNeedReconfig = false;
    return;
  }
  // Both threads run again after the date page, commissioned or not.
  if (procThread()) procThread()->change_sleepThreadState(false);
  if (updThread()) updThread()->change_sleepThreadState(false);
}

void cORV::OnChangeRefPropFluid(QString _newFluid) {
  if (core) core->change_FLuid(std::string(_newFluid.toLocal8Bit().constData()));
}

void cORV::OnCalibPressV1() {
  ModulsCenter* centre = modules();
  if (centre && centre->isModulMesV1_connected() == 1 && centre->mesV1_ptr())
    centre->mesV1_ptr()->CMv1_startPressureCalib(true);
}

void cORV::OnTakeSreenShot() {
  if (!mainStack) return;
  QImage picture(mainStack->size(), QImage::Format_ARGB32);
  QPainter painter(&picture);
  mainStack->render(&painter);
  painter.end();
  const struct timeval now = orv::wallClockTimeOfDay();
  const time_t seconds = now.tv_sec;
  struct tm local;
  localtime_r(&seconds, &local);
  const QString name = QStringLiteral("%1%2%3%4%5%6.png")
                           .arg(QStringLiteral("/home/usbkey1/"), QStringLiteral("Video/"))
                           .arg(local.tm_hour)
                           .arg(local.tm_min)
                           .arg(local.tm_sec)
                           .arg(static_cast<int>(now.tv_usec / 1000));
  picture.save(QString::fromStdString(orv::devicePath(name.toStdString())), "PNG");
}

void cORV::OnStopAcquisitionNet() {
  if (procThread()) procThread()->change_sleepThreadState(true);
}

void cORV::OnStartAcquisitionNet() {
  if (procThread()) procThread()->change_sleepThreadState(false);
}

void cORV::OnNetReapprentissageReset() {
  if (procThread()) procThread()->ResetAlarmes(kAckFromNetwork);
  OnShow_EcranORV();
}

void cORV::OnInfoDisplay_Exit() { OnShow_EcranORV(); }

void cORV::OnMenuEnregistrementOK() { OnShow_EcranORV(); }

void cORV::OnHPSinfo_Update() {
  if (hpfInfoPage && hpfInfoPage->screenShown) hpfInfoPage->on_update_HPFdatas();
}
