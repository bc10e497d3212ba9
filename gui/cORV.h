// The one full-screen window of orvQT. It holds every page of the device in one stack,
// creates the core and reports its start-up, asks for the access codes, returns to the main
// screen after inactivity, refreshes the visible page from the core's notices and answers
// the menus' service requests.
//
// The core reaches the window only through the registry (slot 7, read as a QObject) and
// queued invocations by name of the five notice slots; everything here runs in the GUI
// thread.
//
// The class is spread over: cORV.cpp (construction, inactivity, the common leave, opening
// and closing pages), cORV_report.cpp (start-up report, file rotation), cORV_codes.cpp
// (access codes, time challenge), cORV_notices.cpp (core notices, message page),
// cORV_service.cpp (information texts, remaining menu slots) and cORV_testHooks.cpp (the
// host build's screenshot and screen-dump hooks).
#pragma once

#include <QString>
#include <QWidget>

#include <string>

class AutoTest;
class Calc_Method;
class Choix;
class CopyFilesToUSB;
class Ecran_Orv;
class FuseauHorraire;
class Info_Norvale;
class Info_config;
class Journal;
class Langue;
class Menu;
class MenuNor;
class Menu_Reapprentissage;
class Network1;
class ORV_core;
class PoidsCtrl;
class QStackedWidget;
class QTimer;
class QTranslator;
class cAlarm;
class cConfHPF;
class cConfWizard;
class cConf_Energie;
class cORVTestHooks;
class cPassword;
class cp_InfoDisplay;
class enerInfo_Display;
class hpfInfo_Display;
class screenMsgBox;

class cORV : public QWidget {
  Q_OBJECT

public:
  explicit cORV(QWidget* parent = nullptr);
  ~cORV() override;

  // The language must be chosen again after the date and time page.
  virtual void langNeed_Reconfig(bool need);
  // Redraws the HPF live view while it is shown.
  void OnHPSinfo_Update();

signals:
  void setEnerVisibilty(bool visibility);
  void setHPFVisibilty(bool visibility);

public slots:
  // --- Start-up report and file rotation (cORV_report.cpp) ---
  bool On_initAll(std::string langue);
  void list_dir(const char* path);

  // --- Core notices, invoked by name and queued (cORV_notices.cpp) ---
  void OnNoyauUpdate();
  void OnStartMsgBox(int _mode);
  void OnSetMsgBoxInfoTxt(int _txtType);
  void OnSetMsgBoxProgressValue(int aValue);
  void OnStopMsgBox();

  // --- Inactivity and navigation (cORV.cpp) ---
  void OnStackIndexChanged(int aIndex);
  void OnReloadConfTimer(int aTimeout);
  void OnMenuConfigurationExit();
  void OnMenuConfigurationEnter();
  void OnMenuVisualisation();
  void OnMenuConfiguration();
  void OnMenuParamExit();
  void OnShow_EcranORV();
  void OnMenuNorvaleVisualisation();
  void OnMenuNorvale_Exit();
  void OnMenuRebootOrv();
  void OnInfosHPFdisplay();
  void OnInfosHPFdisplay_Exit();
  void OnInfosCPdisplay();
  void OnInfoCPdisplay_Exit();
  void OnInfosENERdisplay();
  void OnInfosENERdisplay_Exit();
  void OnCalculMethod_Start();
  void OnCalculMethod_Exit();
  void OnPoidsCtrlDisplay(int _mode);
  void OnPoidsCtrl_Exit();
  void OnMenuConfigBtn();
  void OnMenuConfigHpfBtn();
  void OnMenuConfigHpfBtn_Exit();
  void OnMenuConfigEnergieBtn();
  void OnEnerConfig_Exit();
  void OnMenuConfigJournalBtn();
  void OnMenuConfigJournalExit();
  void OnMenuConfigLangueBtn();
  void OnMenuConfigLangueExit();
  void OnMenuConfigResetLearn();
  void OnMenuConfigResetLearnExit();
  void OnMenuReapprentissageResetSlot();
  void OnMenuConfigIConfig();
  void OnMenuConfigIConfigExit();
  void OnMenuConfigInfoNorvaleExit();
  void OnMenuTraceRoute();
  void OnFuseauHorraireDisplay();
  void OnMenuAutoTest();
  void OnMenuAutoTest_Exit();
  void OnMenuCopyToUSB();
  void OnMenuCopyToUSB_Exit();

  // --- Access codes and time challenge (cORV_codes.cpp) ---
  void OnShowMenuPassword();
  void OnMenuConfigNetwork();
  void OnMenuPasswordValidation(QString aPassword);
  void OnTimeConfig(int stackID);
  void OnTimePasswordValidation(QString aPassword);
  void OnTimePasswordAnnulation();

  // --- Information texts and the remaining menu slots (cORV_service.cpp) ---
  void OnMenuConfigInfoNorvale();
  void OnIntervFrigo(bool _flag);
  void OnMenuReapprentissageReapp();
  void OnMenuRecalculNivRefBtn();
  void OnMenuReapprentissageReset();
  void OnFuseauHorraireDisplay_Exit(int _newFusHorraire);
  void OnChangeRefPropFluid(QString _newFluid);
  void OnCalibPressV1();
  // Declared for the service tools; nothing in the program connects them.
  void OnTakeSreenShot();
  void OnStopAcquisitionNet();
  void OnStartAcquisitionNet();
  void OnNetReapprentissageReset();
  void OnInfoDisplay_Exit();
  void OnMenuEnregistrementOK();

protected:
  void showEvent(QShowEvent* event) override;

private:
  friend class cORVTestHooks;
  friend struct cORVProbe;  // the in-process tests' view of the members

  // Makes `page` current (nothing without the stack).
  void showPage(QWidget* page);
  // Removes an on-demand page from the stack, deletes it once the signal that brought us
  // here has returned (the page may be its sender) and forgets it.
  template <typename Page>
  void dropPage(Page*& page) {
    removeAndDelete(page);
    page = nullptr;
  }
  void removeAndDelete(QWidget* page);
  // Pauses the named worker threads (server exchange first, then processing).
  void pauseWorkers(bool upd, bool proc);
  bool plantCommissioned() const;
  // The network page, created and wired on first use.
  Network1* networkPageReady();
  // The error box of a wrong code.
  void wrongCodeBox();
  // Member name of the current page ("mainScreen", "msgBoxPage", ...), for the test hooks.
  QString currentPageName() const;

  QStackedWidget* mainStack = nullptr;
  Ecran_Orv* mainScreen = nullptr;
  Choix* choixPage = nullptr;
  Menu* menuPage = nullptr;
  Info_Norvale* infoNorvalePage = nullptr;
  Langue* languePage = nullptr;
  Network1* networkPage = nullptr;
  Menu_Reapprentissage* reapprentissagePage = nullptr;
  cConfWizard* wizardPage = nullptr;
  Info_config* infoConfigPage = nullptr;
  Journal* journalPage = nullptr;
  cPassword* timeCodePage = nullptr;
  cPassword* menuCodePage = nullptr;
  cConfHPF* confHpfPage = nullptr;
  hpfInfo_Display* hpfInfoPage = nullptr;
  cp_InfoDisplay* cpInfoPage = nullptr;
  enerInfo_Display* enerInfoPage = nullptr;
  cConf_Energie* confEnergiePage = nullptr;
  MenuNor* menuNorPage = nullptr;
  Calc_Method* calcMethodPage = nullptr;
  FuseauHorraire* fuseauPage = nullptr;
  PoidsCtrl* poidsCtrlPage = nullptr;
  screenMsgBox* msgBoxPage = nullptr;
  ORV_core* core = nullptr;  // kept for the life of the process, never deleted here
  AutoTest* autoTestPage = nullptr;
  CopyFilesToUSB* usbPage = nullptr;
  QTranslator* translator = nullptr;
  QTimer* inactivityTimer = nullptr;
  int inactivityTimeoutMs = 600000;
  cAlarm* dailyAlarm = nullptr;
  QWidget* pageBeforeMsgBox = nullptr;
  QString expectedTimeCode;
  int timeCodeMode = 0;
  bool langNeedReconfig = false;
  bool configMenuEntered = false;
  int passwordContext = -1;
  cORVTestHooks* testHooks = nullptr;  // host build, when a hook is asked for
};
