#include "cORV.h"
#include "cORV_registry.h"

#include <unistd.h>

#include <QStackedWidget>
#include <QTimer>
#include <QTranslator>
#include <QVBoxLayout>

#include <cstdio>
#include <string>
#include <vector>

#include "AutoTest.h"
#include "Calc_Method.h"
#include "Choix.h"
#include "CopyFilesToUSB.h"
#include "EnerModul.h"
#include "Ecran_Orv.h"
#include "FLuidsNorvale.h"
#include "FuseauHorraire.h"
#include "HpfModul.h"
#include "Info_Norvale.h"
#include "Info_config.h"
#include "Journal.h"
#include "Langue.h"
#include "Menu.h"
#include "MenuNor.h"
#include "Menu_Reapprentissage.h"
#include "ModulsCenter.h"
#include "Network1.h"
#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "ORV_sysNet.h"
#include "PoidsCtrl.h"
#include "cAlarm.h"
#include "cConfHPF.h"
#include "cConfWizard.h"
#include "cConf_Energie.h"
#include "cORV_testHooks.h"
#include "cPassword.h"
#include "cp_InfoDisplay.h"
#include "enerInfo_Display.h"
#include "hpfInfo_Display.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "screenMsgBox.h"

using namespace orvqt;

namespace {
// The inactivity timer as built; the first page change replaces it by the stored 600000 ms.
constexpr int kConstructionTimeoutMs = 900000;
// HPF keys read for the live view: relay-card count and module firmware version.
constexpr int kHpfRelayCardsKey = 172;
constexpr int kHpfFirmwareKey = 131;
// Where the boot script mounts the USB key, and its mount point.
constexpr const char* kUsbDevice = "/dev/uba1";
constexpr const char* kUsbUnmount = "umount /home/usbkey1";


}  // namespace

cORV::cORV(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout;
  layout->setContentsMargins(0, 0, 0, 0);
  setLayout(layout);

  mainStack = new QStackedWidget(this);
  mainStack->setObjectName(QStringLiteral("mainStack"));
  // One tick and radio indicator a finger finds, the same on every page.
  mainStack->setStyleSheet(
      QStringLiteral("QRadioButton::indicator, QCheckBox::indicator { width: 25px; height: 25px; }"));
  connect(mainStack, SIGNAL(currentChanged(int)), this, SLOT(OnStackIndexChanged(int)));
  layout->addWidget(mainStack);

  inactivityTimer = new QTimer(this);
  inactivityTimer->setObjectName(QStringLiteral("inactivityTimer"));
  inactivityTimer->setInterval(kConstructionTimeoutMs);
  // The timeout always locks again: it forgets the configuration menu before the common
  // leave, so that an unattended device never stays in that menu without its code.
  connect(inactivityTimer, SIGNAL(timeout()), this, SLOT(OnMenuParamExit()));

  mainScreen = new Ecran_Orv(mainStack);
  choixPage = new Choix(mainStack);
  menuPage = new Menu(mainStack);
  timeCodePage = new cPassword(mainStack);
  menuCodePage = new cPassword(mainStack);
  menuNorPage = new MenuNor(mainStack);
  dailyAlarm = new cAlarm(this);
  msgBoxPage = new screenMsgBox(mainStack, QString());

  mainStack->addWidget(mainScreen);
  mainStack->addWidget(choixPage);
  mainStack->addWidget(menuPage);
  mainStack->addWidget(timeCodePage);
  mainStack->addWidget(menuCodePage);
  mainStack->addWidget(menuNorPage);
  mainStack->addWidget(msgBoxPage);

  connect(msgBoxPage, SIGNAL(sig_exit()), this, SLOT(OnStopMsgBox()));
  connect(mainScreen, SIGNAL(OnMenuSignal()), this, SLOT(OnMenuConfigurationEnter()));
  connect(mainScreen, SIGNAL(OnHPFinfoSignal()), this, SLOT(OnInfosHPFdisplay()));
  connect(mainScreen, SIGNAL(OnCPinfoSignal()), this, SLOT(OnInfosCPdisplay()));
  connect(mainScreen, SIGNAL(OnENERinfoSignal()), this, SLOT(OnInfosENERdisplay()));
  connect(mainScreen, SIGNAL(OnMenuNorvaleSignal()), this, SLOT(OnMenuNorvaleVisualisation()));
  connect(mainScreen, SIGNAL(OnMenuCalculMethodSignal()), this, SLOT(OnCalculMethod_Start()));
  connect(choixPage, SIGNAL(escButtonSignal()), this, SLOT(OnMenuConfigurationExit()));
  connect(choixPage, SIGNAL(okConfig()), this, SLOT(OnShowMenuPassword()));
  connect(choixPage, SIGNAL(okVisualisation()), this, SLOT(OnMenuVisualisation()));
  connect(choixPage, SIGNAL(OnReloadConfTimerSignal(int)), this, SLOT(OnReloadConfTimer(int)));
  connect(menuCodePage, SIGNAL(OnAnnulationSignal()), this, SLOT(OnMenuConfigurationExit()));
  connect(menuCodePage, SIGNAL(OnValidationSignal(QString)), this,
          SLOT(OnMenuPasswordValidation(QString)));
  connect(menuCodePage, SIGNAL(OnReloadConfTimerSignal(int)), this,
          SLOT(OnReloadConfTimer(int)));
  connect(menuPage, SIGNAL(escape()), this, SLOT(OnMenuParamExit()));
  connect(menuPage, SIGNAL(config()), this, SLOT(OnMenuConfigBtn()));
  connect(menuPage, SIGNAL(configHPF()), this, SLOT(OnMenuConfigHpfBtn()));
  connect(menuPage, SIGNAL(configENERGIE()), this, SLOT(OnMenuConfigEnergieBtn()));
  connect(menuPage, SIGNAL(journal()), this, SLOT(OnMenuConfigJournalBtn()));
  connect(menuPage, SIGNAL(langue()), this, SLOT(OnMenuConfigLangueBtn()));
  connect(menuPage, SIGNAL(reapp()), this, SLOT(OnMenuConfigResetLearn()));
  connect(menuPage, SIGNAL(iconfig()), this, SLOT(OnMenuConfigIConfig()));
  connect(menuPage, SIGNAL(info()), this, SLOT(OnMenuConfigInfoNorvale()));
  connect(menuPage, SIGNAL(network()), this, SLOT(OnMenuConfigNetwork()));
  connect(menuPage, SIGNAL(OnReloadConfTimerSignal(int)), this, SLOT(OnReloadConfTimer(int)));
  connect(menuPage, SIGNAL(traceroute()), this, SLOT(OnMenuTraceRoute()));
  connect(menuPage, SIGNAL(fuseauHorraire()), this, SLOT(OnFuseauHorraireDisplay()));
  connect(menuPage, SIGNAL(sigMesPoids(int)), this, SLOT(OnPoidsCtrlDisplay(int)));
  connect(menuPage, SIGNAL(sig_testAuto()), this, SLOT(OnMenuAutoTest()));
  connect(menuPage, SIGNAL(sig_copyToUsb()), this, SLOT(OnMenuCopyToUSB()));
  connect(menuPage, SIGNAL(sig_intervFrigo(bool)), this, SLOT(OnIntervFrigo(bool)));
  connect(menuPage, SIGNAL(sig_rebootORV()), this, SLOT(OnMenuRebootOrv()));
  connect(timeCodePage, SIGNAL(OnAnnulationSignal()), this, SLOT(OnTimePasswordAnnulation()));
  connect(timeCodePage, SIGNAL(OnValidationSignal(QString)), this,
          SLOT(OnTimePasswordValidation(QString)));
  connect(timeCodePage, SIGNAL(OnReloadConfTimerSignal(int)), this,
          SLOT(OnReloadConfTimer(int)));
  connect(menuNorPage, SIGNAL(escape()), this, SLOT(OnMenuNorvale_Exit()));
  connect(menuNorPage, SIGNAL(sigCtrlPoids(int)), this, SLOT(OnPoidsCtrlDisplay(int)));
  connect(this, SIGNAL(setEnerVisibilty(bool)), menuPage, SLOT(EnerVisibility(bool)));
  connect(this, SIGNAL(setHPFVisibilty(bool)), menuPage, SLOT(HPFVisibility(bool)));

  Singleton<orv_classPtr>::ptr()->mainWindow = this;
  mainStack->setCurrentWidget(msgBoxPage);
  testHooks = cORVTestHooks::installWhenAsked(this);
}

cORV::~cORV() {
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  if (registry->mainWindow == this) registry->mainWindow = nullptr;
  delete testHooks;
  testHooks = nullptr;
  // Pages first, while the stack that reports their removal still exists. The stack is
  // hidden first: removing its current page would otherwise show the next one, whose show
  // calls back into this half-destroyed window.
  disconnect(mainStack, nullptr, this, nullptr);
  mainStack->hide();
  for (int i = 0; i < mainStack->count(); ++i) disconnect(mainStack->widget(i), nullptr, this, nullptr);
  while (mainStack->count() > 0) {
    QWidget* page = mainStack->widget(0);
    mainStack->removeWidget(page);
    delete page;
  }
  delete mainStack;
  mainStack = nullptr;
  delete dailyAlarm;
  dailyAlarm = nullptr;
  delete inactivityTimer;
  inactivityTimer = nullptr;
  delete translator;
  translator = nullptr;
  // The device has no orderly stop: what is written must reach the flash now.
  sync();
}

void cORV::langNeed_Reconfig(bool need) { langNeedReconfig = need; }

void cORV::showEvent(QShowEvent* event) { QWidget::showEvent(event); }

// ---------------------------------------------------------------------------------------
// Helpers

void cORV::showPage(QWidget* page) {
  if (mainStack && page) mainStack->setCurrentWidget(page);
}

void cORV::removeAndDelete(QWidget* page) {
  if (!page) return;
  if (mainStack) mainStack->removeWidget(page);
  page->deleteLater();
}

void cORV::pauseWorkers(bool upd, bool proc) {
  if (upd && updThread()) updThread()->change_sleepThreadState(true);
  if (proc && procThread()) procThread()->change_sleepThreadState(true);
}

bool cORV::plantCommissioned() const { return config("FLAG_PREM_DEMARRAGE").intValue != 0; }

// ---------------------------------------------------------------------------------------
// Inactivity timeout and the common leave

void cORV::OnReloadConfTimer(int aTimeout) {
  inactivityTimeoutMs = aTimeout;
  if (inactivityTimer) inactivityTimer->start(aTimeout);
}

void cORV::OnStackIndexChanged(int) { OnReloadConfTimer(inactivityTimeoutMs); }

void cORV::OnMenuConfigurationExit() {
  if (inactivityTimer) inactivityTimer->stop();
  dropPage(wizardPage);
  if (networkPage) networkPage->onStart_WifiQualityMeasure(false);
  dropPage(networkPage);

  if (!plantCommissioned()) {
    OnShowMenuPassword();
    return;
  }
  if (procThread() && procThread()->get_sleepThreadState())
    procThread()->change_sleepThreadState(false);
  if (updThread() && updThread()->get_sleepThreadState())
    updThread()->change_sleepThreadState(false);
  if (configMenuEntered)
    OnMenuConfiguration();
  else
    OnShow_EcranORV();
}

// ---------------------------------------------------------------------------------------
// Permanent pages

void cORV::OnMenuConfigurationEnter() { showPage(choixPage); }

void cORV::OnMenuVisualisation() {
  if (!mainStack) return;
  menuPage->showMenuVisualisation();
  showPage(menuPage);
}

void cORV::OnMenuConfiguration() {
  if (!mainStack) return;
  menuPage->showMenuConfig(config("INTERVENTION_TECH").intValue);
  configMenuEntered = true;
  showPage(menuPage);
}

void cORV::OnMenuParamExit() {
  configMenuEntered = false;
  OnMenuConfigurationExit();
}

void cORV::OnShow_EcranORV() { showPage(mainScreen); }

void cORV::OnMenuNorvaleVisualisation() { showPage(menuNorPage); }

void cORV::OnMenuNorvale_Exit() { OnShow_EcranORV(); }

void cORV::OnMenuRebootOrv() {
  if (core) core->OnORV_RestartAction(2);
}

// ---------------------------------------------------------------------------------------
// Live views from the main screen

void cORV::OnInfosHPFdisplay() {
  if (!mainStack) return;
  if (!hpfInfoPage) {
    hpfInfoPage = new hpfInfo_Display(mainStack);
    connect(hpfInfoPage, SIGNAL(OnHPSinfoExit()), this, SLOT(OnInfosHPFdisplay_Exit()));
    ModulsCenter* centre = modules();
    if (centre && centre->isModulHpf_connected() == 1 && centre->hpf_ptr()) {
      HpfModul* hpf = centre->hpf_ptr();
      hp_global_config_t hpfConfig{};
      hpf->cfg_getHPF_Config(&hpfConfig);
      const int relayCards = hpf->getCFG_struct(kHpfRelayCardsKey).charValue;
      const float version = hpf->getCFG_struct(kHpfFirmwareKey).floatValue;
      hpfInfoPage->OnSet_HPF_Config(hpfConfig, relayCards, version);
    }
    mainStack->addWidget(hpfInfoPage);
  }
  showPage(hpfInfoPage);
}

void cORV::OnInfosHPFdisplay_Exit() {
  dropPage(hpfInfoPage);
  OnShow_EcranORV();
}

void cORV::OnInfosCPdisplay() {
  if (!mainStack) return;
  if (!cpInfoPage) {
    cpInfoPage = new cp_InfoDisplay(mainStack);
    connect(cpInfoPage, SIGNAL(OnCPinfoExit()), this, SLOT(OnInfoCPdisplay_Exit()));
    cpInfoPage->onSet_FluidName(QString::fromStdString(config("CONFIG_FLUID").stringValue),
                                config("CONFIG_TRANSCRITIQUE").intValue);
    mainStack->addWidget(cpInfoPage);
  }
  showPage(cpInfoPage);
}

void cORV::OnInfoCPdisplay_Exit() {
  dropPage(cpInfoPage);
  OnShow_EcranORV();
}

void cORV::OnInfosENERdisplay() {
  if (!mainStack) return;
  if (!enerInfoPage) {
    enerInfoPage = new enerInfo_Display(mainStack);
    connect(enerInfoPage, SIGNAL(OnENERinfoExit()), this, SLOT(OnInfosENERdisplay_Exit()));
    ModulsCenter* centre = modules();
    if (centre && centre->isModulEner_connected(0) != 0 && centre->ener_ptr()) {
      // A bundle not copied within the client's lock time is not handed over unset.
      energyORV_config_t enerConfig{};
      if (centre->ener_ptr()->cfg_getAllENER_Config(&enerConfig) == 1)
        enerInfoPage->Update_AllENER_Config(enerConfig);
    }
    mainStack->addWidget(enerInfoPage);
  }
  showPage(enerInfoPage);
}

void cORV::OnInfosENERdisplay_Exit() {
  dropPage(enerInfoPage);
  OnShow_EcranORV();
}

void cORV::OnCalculMethod_Start() {
  if (!mainStack) return;
  if (!calcMethodPage) {
    calcMethodPage = new Calc_Method(mainStack);
    connect(calcMethodPage, SIGNAL(esc_CalcMethod()), this, SLOT(OnCalculMethod_Exit()));
    mainStack->addWidget(calcMethodPage);
  }
  if (mainStack->currentWidget() != calcMethodPage) showPage(calcMethodPage);
}

void cORV::OnCalculMethod_Exit() {
  dropPage(calcMethodPage);
  OnShow_EcranORV();
}

void cORV::OnPoidsCtrlDisplay(int _mode) {
  if (!mainStack) return;
  if (!poidsCtrlPage) {
    poidsCtrlPage = new PoidsCtrl(mainStack, _mode);
    connect(poidsCtrlPage, SIGNAL(sig_CtrlPoidsExit()), this, SLOT(OnPoidsCtrl_Exit()));
    poidsCtrlPage->UpdatePoidsConfig(
        static_cast<unsigned>(config("CONFIG_COLUMN_TARE").intValue));
    mainStack->addWidget(poidsCtrlPage);
  }
  showPage(poidsCtrlPage);
}

void cORV::OnPoidsCtrl_Exit() {
  dropPage(poidsCtrlPage);
  OnShow_EcranORV();
}

// ---------------------------------------------------------------------------------------
// Pages of the configuration menu

void cORV::OnMenuConfigBtn() {
  if (!mainStack) return;
  pauseWorkers(false, true);
  if (wizardPage) {
    showPage(wizardPage);
    return;
  }
  wizardPage = new cConfWizard(mainStack);
  if (FLuidsNorvale* fluids = Singleton<orv_classPtr>::ptr()->fluids) {
    std::vector<std::string> names;
    fluids->get_FluidListVector(&names);
    wizardPage->setFLuidsList(names);
  }
  connect(wizardPage, SIGNAL(OnBtnCancelSignal()), this, SLOT(OnMenuConfigurationExit()));
  connect(wizardPage, SIGNAL(OnBtnFinishSignal()), this, SLOT(OnMenuConfigurationExit()));
  connect(wizardPage, SIGNAL(OnReloadConfTimerSignal(int)), this, SLOT(OnReloadConfTimer(int)));
  connect(wizardPage, SIGNAL(emitOnFluidChange(QString)), this,
          SLOT(OnChangeRefPropFluid(QString)));
  connect(wizardPage, SIGNAL(emitOnCalibPressV1()), this, SLOT(OnCalibPressV1()));
  mainStack->addWidget(wizardPage);
  showPage(wizardPage);
}

void cORV::OnMenuConfigHpfBtn() {
  if (!mainStack) return;
  ModulsCenter* centre = modules();
  if (!centre || centre->isModulHpf_connected() == 0) return;
  pauseWorkers(false, true);
  if (!confHpfPage) {
    confHpfPage = new cConfHPF(mainStack);
    connect(confHpfPage, SIGNAL(OnBtnCancelSignal()), this, SLOT(OnMenuConfigHpfBtn_Exit()));
    connect(confHpfPage, SIGNAL(OnBtnFinishSignal()), this, SLOT(OnMenuConfigHpfBtn_Exit()));
    connect(confHpfPage, SIGNAL(OnReloadConfTimerSignal(int)), this,
            SLOT(OnReloadConfTimer(int)));
    mainStack->addWidget(confHpfPage);
  }
  showPage(confHpfPage);
}

void cORV::OnMenuConfigHpfBtn_Exit() {
  dropPage(confHpfPage);
  OnMenuConfigurationExit();
}

void cORV::OnMenuConfigEnergieBtn() {
  if (!mainStack) return;
  ModulsCenter* centre = modules();
  if (!centre) return;
  bool anyConnected = false;
  for (int n = 0; n < 3; ++n) anyConnected = anyConnected || centre->isModulEner_connected(n) == 1;
  if (!anyConnected) return;
  pauseWorkers(false, true);
  if (!confEnergiePage) {
    confEnergiePage = new cConf_Energie(mainStack);
    connect(confEnergiePage, SIGNAL(OnEnerCfgExit()), this, SLOT(OnEnerConfig_Exit()));
    mainStack->addWidget(confEnergiePage);
  }
  showPage(confEnergiePage);
}

void cORV::OnEnerConfig_Exit() {
  dropPage(confEnergiePage);
  OnMenuConfigurationExit();
}

void cORV::OnMenuConfigJournalBtn() {
  if (!mainStack) return;
  if (!journalPage) {
    journalPage = new Journal(mainStack);
    connect(journalPage, SIGNAL(esc_Journal()), this, SLOT(OnMenuConfigJournalExit()));
    connect(journalPage, SIGNAL(OnReloadConfTimerSignal(int)), this,
            SLOT(OnReloadConfTimer(int)));
    mainStack->addWidget(journalPage);
  }
  showPage(journalPage);
}

void cORV::OnMenuConfigJournalExit() {
  dropPage(journalPage);
  OnMenuConfigurationExit();
}

void cORV::OnMenuConfigLangueBtn() {
  if (!mainStack) return;
  if (!languePage) {
    languePage = new Langue(mainStack, translator);
    connect(languePage, SIGNAL(esc_langue()), this, SLOT(OnMenuConfigLangueExit()));
    mainStack->addWidget(languePage);
  }
  languePage->set_Langue(QString::fromStdString(config("CONFIG_LANGUE").stringValue));
  showPage(languePage);
}

void cORV::OnMenuConfigLangueExit() {
  dropPage(languePage);
  OnMenuConfigurationExit();
}

void cORV::OnMenuConfigResetLearn() {
  if (!mainStack) return;
  if (!reapprentissagePage) {
    reapprentissagePage = new Menu_Reapprentissage(mainStack);
    connect(reapprentissagePage, SIGNAL(escButtonSignal()), this,
            SLOT(OnMenuConfigResetLearnExit()));
    connect(reapprentissagePage, SIGNAL(exitReappMenu()), this,
            SLOT(OnMenuReapprentissageResetSlot()));
    connect(reapprentissagePage, SIGNAL(OnReloadConfTimerSignal(int)), this,
            SLOT(OnReloadConfTimer(int)));
    connect(reapprentissagePage, SIGNAL(ReappMoyen()), this, SLOT(OnMenuReapprentissageReapp()));
    connect(reapprentissagePage, SIGNAL(RestAlarme()), this, SLOT(OnMenuReapprentissageReset()));
    connect(reapprentissagePage, SIGNAL(recalculNivRef()), this,
            SLOT(OnMenuRecalculNivRefBtn()));
    mainStack->addWidget(reapprentissagePage);
  }
  showPage(reapprentissagePage);
}

void cORV::OnMenuConfigResetLearnExit() {
  dropPage(reapprentissagePage);
  OnMenuConfigurationExit();
}

void cORV::OnMenuReapprentissageResetSlot() { OnMenuConfigResetLearnExit(); }

void cORV::OnMenuConfigIConfig() {
  if (!mainStack) return;
  if (!infoConfigPage) {
    infoConfigPage = new Info_config(mainStack);
    connect(infoConfigPage, SIGNAL(esc_info_config()), this, SLOT(OnMenuConfigIConfigExit()));
    connect(infoConfigPage, SIGNAL(OnReloadConfTimerSignal(int)), this,
            SLOT(OnReloadConfTimer(int)));
    mainStack->addWidget(infoConfigPage);
  }
  showPage(infoConfigPage);
}

void cORV::OnMenuConfigIConfigExit() {
  dropPage(infoConfigPage);
  OnMenuConfigurationExit();
}

void cORV::OnMenuConfigInfoNorvaleExit() {
  dropPage(infoNorvalePage);
  OnMenuConfigurationExit();
}

Network1* cORV::networkPageReady() {
  if (!networkPage) {
    networkPage = new Network1(mainStack);
    connect(networkPage, SIGNAL(esc_network()), this, SLOT(OnMenuConfigurationExit()));
    connect(networkPage, SIGNAL(OnReloadConfTimerSignal(int)), this,
            SLOT(OnReloadConfTimer(int)));
    mainStack->addWidget(networkPage);
  }
  return networkPage;
}

void cORV::OnMenuTraceRoute() {
  if (!mainStack) return;
  networkPageReady()->showTraceRoute();
  showPage(networkPage);
}

void cORV::OnFuseauHorraireDisplay() {
  if (!mainStack) return;
  pauseWorkers(true, true);
  if (!fuseauPage) {
    fuseauPage = new FuseauHorraire(mainStack);
    connect(fuseauPage, SIGNAL(sig_fushorraireExit(int)), this,
            SLOT(OnFuseauHorraireDisplay_Exit(int)));
    fuseauPage->setCfgFusHorraire(config("z11_CONFIG_FUSEAU_HORRAIRE").intValue);
    mainStack->addWidget(fuseauPage);
  }
  showPage(fuseauPage);
}

void cORV::OnMenuAutoTest() {
  if (!mainStack) return;
  pauseWorkers(true, true);
  if (!autoTestPage) {
    autoTestPage = new AutoTest(mainStack);
    connect(autoTestPage, SIGNAL(esc_AutoTest()), this, SLOT(OnMenuAutoTest_Exit()));
    mainStack->addWidget(autoTestPage);
  }
  showPage(autoTestPage);
}

void cORV::OnMenuAutoTest_Exit() {
  dropPage(autoTestPage);
  OnMenuConfigurationExit();
}

void cORV::OnMenuCopyToUSB() {
  if (!mainStack) return;
  pauseWorkers(true, true);
  if (!usbPage) {
    usbPage = new CopyFilesToUSB(mainStack);
    connect(usbPage, SIGNAL(sig_usbExit()), this, SLOT(OnMenuCopyToUSB_Exit()));
    mainStack->addWidget(usbPage);
  }
  showPage(usbPage);
}

void cORV::OnMenuCopyToUSB_Exit() {
  dropPage(usbPage);
  // The key is mounted from its partition's device by the boot script.
  ORV_sysNet* sysNet = core ? core->ORV_sysNet_Ptr() : nullptr;
  if (sysNet && sysNet->IsUSB_DeviceMounted(kUsbDevice)) orv::runCommand(kUsbUnmount);
  OnMenuConfigurationExit();
}

QString cORV::currentPageName() const {
  const QWidget* current = mainStack ? mainStack->currentWidget() : nullptr;
  const std::pair<const QWidget*, const char*> pages[] = {
      {mainScreen, "mainScreen"},         {choixPage, "choixPage"},
      {menuPage, "menuPage"},             {infoNorvalePage, "infoNorvalePage"},
      {languePage, "languePage"},         {networkPage, "networkPage"},
      {reapprentissagePage, "reapprentissagePage"}, {wizardPage, "wizardPage"},
      {infoConfigPage, "infoConfigPage"}, {journalPage, "journalPage"},
      {timeCodePage, "timeCodePage"},     {menuCodePage, "menuCodePage"},
      {confHpfPage, "confHpfPage"},       {hpfInfoPage, "hpfInfoPage"},
      {cpInfoPage, "cpInfoPage"},         {enerInfoPage, "enerInfoPage"},
      {confEnergiePage, "confEnergiePage"}, {menuNorPage, "menuNorPage"},
      {calcMethodPage, "calcMethodPage"}, {fuseauPage, "fuseauPage"},
      {poidsCtrlPage, "poidsCtrlPage"},   {msgBoxPage, "msgBoxPage"},
      {autoTestPage, "autoTestPage"},     {usbPage, "usbPage"}};
  for (const auto& page : pages)
    if (current && page.first == current) return QString::fromLatin1(page.second);
  return QStringLiteral("none");
}
