// The HPF configuration wizard: twelve pages in a stack that edit one working copy of the
// HPF module's configuration record, a bottom row of buttons (Quit, keyboard, Prev,
// Next), one Next flag that the pages drive, the on-screen keyboard, and the exchange
// that sends the record to the module and saves it in section "Module_HPF" only once the
// module has acknowledged it.
//
// Pages by stack index: 0 identification and bus address, 1 fan stage powers, 2 speed
// variator, 3 compressors-running source, 4 condenser, 5 minimum condensing temperature,
// 6 differentials, 7 night mode, 8 send and save (end of the main walk), 9 variator delays,
// 10 variator step constants, 11 serial speeds (9 to 11 reached from page 8 only).
#pragma once

#include <QVector>

#include "cConfigurationWidget.h"
#include "modules_config.h"

class QHideEvent;
class QPushButton;
class QShowEvent;
class QStackedWidget;
class QVBoxLayout;
class ZuvVirtualKeyboard;
class hpfConfig_Infos;
class hpfConfig_Ventil;
class hpfConfig_Variateur;
class hpfConfig_InfoOnComp;
class hpfConfig_Condensateur;
class hpfConfig_TCmini;
class hpfConfig_Differentiel;
class hpfConfig_ModeNuit;
class hpfConfig_SendFin;
class hpfConfig_TempoVaria;
class hpfConfig_ConstVaria;
class hpfConfig_UART;

class cConfHPF : public cConfigurationWidget {
  Q_OBJECT

public:
  explicit cConfHPF(QWidget* parent = nullptr);
  ~cConfHPF() override;

signals:
  // The wizard asks to be left (Quit, or shown without an HPF client).
  void OnBtnCancelSignal();
  // Wired by the main window to the same leave; nothing in the wizard emits it.
  void OnBtnFinishSignal();
  // Result of a send: true once the module acknowledged and the section was written.
  void emit_SendSaveHPFcfg_state(bool state);

public slots:
  void OnBtnNext();
  void OnBtnPrev();
  void OnBtnCancel();
  void OnBtnVirtualKeyboard();
  void OnStackIndexChanged(int aIndex);
  void OnEnabledNextBtn(bool aEnabled);
  void OnReturnSendSaveStack();
  void OnComplParamsDisplay();
  void OnComplParams();
  void OnSendSaveHpfConfig();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

private:
  void buildFrame();
  void addPage(cConfigurationWidget* page);
  bool loadRecords();

  hp_global_config_t hpfWorkingConfig;
  hp_global_config_t hpfBackupConfig;
  QPushButton* btnNext = nullptr;
  QPushButton* btnPrev = nullptr;
  QPushButton* btnCancel = nullptr;
  QPushButton* btnKeyboard = nullptr;
  QVBoxLayout* mainLayout = nullptr;
  QStackedWidget* stackedWidget = nullptr;
  hpfConfig_Infos* pageInfos = nullptr;
  hpfConfig_Ventil* pageVentil = nullptr;
  hpfConfig_Variateur* pageVariateur = nullptr;
  hpfConfig_InfoOnComp* pageInfoOnComp = nullptr;
  hpfConfig_Condensateur* pageCondensateur = nullptr;
  hpfConfig_TCmini* pageTCmini = nullptr;
  hpfConfig_Differentiel* pageDifferentiel = nullptr;
  hpfConfig_ModeNuit* pageModeNuit = nullptr;
  hpfConfig_SendFin* pageSendFin = nullptr;
  hpfConfig_TempoVaria* pageTempoVaria = nullptr;
  hpfConfig_ConstVaria* pageConstVaria = nullptr;
  hpfConfig_UART* pageUART = nullptr;
  QVector<cConfigurationWidget*> pages;  // in stack order
  bool nextEnabled = false;
  ZuvVirtualKeyboard* virtualKeyboard = nullptr;
  // Whether the records hold a configuration read from the file or the client; a wizard
  // that could read neither refuses to send rather than push an all-zero record.
  bool recordsLoaded = false;
};
