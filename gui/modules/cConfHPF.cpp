#include "cConfHPF.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QIcon>
#include <QPushButton>
#include <QShowEvent>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cstring>

#include "HpfModul.h"
#include "ZuvVirtualKeyboard.h"
#include "hpfConfig_Condensateur.h"
#include "hpfConfig_ConstVaria.h"
#include "hpfConfig_Differentiel.h"
#include "hpfConfig_InfoOnComp.h"
#include "hpfConfig_Infos.h"
#include "hpfConfig_ModeNuit.h"
#include "hpfConfig_SendFin.h"
#include "hpfConfig_TCmini.h"
#include "hpfConfig_TempoVaria.h"
#include "hpfConfig_UART.h"
#include "hpfConfig_Variateur.h"
#include "hpfConfig_Ventil.h"
#include "hpfPageSupport.h"
#include "orvDatas.h"
#include "orv_classPtr.h"

namespace {

constexpr int kSendPage = 8;
constexpr int kFirstComplementaryPage = 9;
constexpr unsigned char kConfigurationWrite = 106;  // 'j', answered by 'p'

// The client's record copied into `out`; false when the client's lock was not obtained.
// The copy leaves the destination untouched on a timeout, so two copies over different
// fillings agree only when both really copied.
bool copyClientRecord(HpfModul* hpf, hp_global_config_t* out) {
  hp_global_config_t a, b;
  std::memset(&a, 0x00, sizeof a);
  std::memset(&b, 0xFF, sizeof b);
  hpf->cfg_getHPF_Config(&a);
  hpf->cfg_getHPF_Config(&b);
  if (std::memcmp(&a, &b, sizeof a) != 0) return false;
  *out = a;
  return true;
}

}  // namespace

cConfHPF::cConfHPF(QWidget* parent) : cConfigurationWidget(parent) {
  std::memset(&hpfWorkingConfig, 0, sizeof hpfWorkingConfig);
  std::memset(&hpfBackupConfig, 0, sizeof hpfBackupConfig);
  // Without the module's client there is nothing to configure: the first show leaves.
  if (hpfClient() == nullptr) return;
  recordsLoaded = loadRecords();
  buildFrame();

  pageInfos = new hpfConfig_Infos(this);
  addPage(pageInfos);
  pageVentil = new hpfConfig_Ventil(this, &hpfWorkingConfig);
  addPage(pageVentil);
  pageVariateur = new hpfConfig_Variateur(this, &hpfWorkingConfig);
  addPage(pageVariateur);
  pageInfoOnComp = new hpfConfig_InfoOnComp(this, &hpfWorkingConfig);
  addPage(pageInfoOnComp);
  pageCondensateur = new hpfConfig_Condensateur(this, &hpfWorkingConfig);
  addPage(pageCondensateur);
  pageTCmini = new hpfConfig_TCmini(this, &hpfWorkingConfig);
  addPage(pageTCmini);
  pageDifferentiel = new hpfConfig_Differentiel(this, &hpfWorkingConfig);
  addPage(pageDifferentiel);
  pageModeNuit = new hpfConfig_ModeNuit(this, &hpfWorkingConfig);
  addPage(pageModeNuit);
  pageSendFin = new hpfConfig_SendFin(this);
  addPage(pageSendFin);
  pageTempoVaria = new hpfConfig_TempoVaria(this, &hpfWorkingConfig);
  addPage(pageTempoVaria);
  pageConstVaria = new hpfConfig_ConstVaria(this, &hpfWorkingConfig);
  addPage(pageConstVaria);
  pageUART = new hpfConfig_UART(this, &hpfWorkingConfig);
  addPage(pageUART);

  connect(pageSendFin, SIGNAL(emit_OnComplParams()), this, SLOT(OnComplParams()));
  connect(pageSendFin, SIGNAL(emit_OnSendSave_HPFcfg()), this, SLOT(OnSendSaveHpfConfig()));
  connect(this, SIGNAL(emit_SendSaveHPFcfg_state(bool)), pageSendFin,
          SLOT(OnSaveSendHPFcfg_state(bool)));
  connect(pageUART, SIGNAL(emit_GoSendSaveStack()), this, SLOT(OnReturnSendSaveStack()));
}

cConfHPF::~cConfHPF() {
  for (cConfigurationWidget* page : pages) {
    stackedWidget->removeWidget(page);
    delete page;
  }
}

// The working record comes from section "Module_HPF"; without the store, or when its read
// times out, from the client, which holds what the module was last given. The backup is
// what the client gets back when a send is not acknowledged.
bool cConfHPF::loadRecords() {
  orvDatas* store = Singleton<orv_classPtr>::ptr()->datas;
  bool loaded = store != nullptr && store->readHPF_Config_fromFile(&hpfWorkingConfig) == 1;
  if (!loaded) loaded = copyClientRecord(hpfClient(), &hpfWorkingConfig);
  if (!loaded) std::memset(&hpfWorkingConfig, 0, sizeof hpfWorkingConfig);
  hpfBackupConfig = hpfWorkingConfig;
  return loaded;
}

void cConfHPF::buildFrame() {
  mainLayout = new QVBoxLayout(this);
  mainLayout->setContentsMargins(0, 0, 0, 0);
  // Room for the pages above the button row and the keyboard on a 480-pixel screen.
  mainLayout->setSpacing(2);
  stackedWidget = new QStackedWidget(this);
  mainLayout->addWidget(stackedWidget);

  btnCancel = new QPushButton(tr("QUITTER"), this);
  btnKeyboard = new QPushButton(this);
  btnPrev = new QPushButton(tr("PRECEDENT"), this);
  btnNext = new QPushButton(tr("SUIVANT"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnKeyboard->setObjectName(QStringLiteral("btnKeyboard"));
  btnPrev->setObjectName(QStringLiteral("btnPrev"));
  btnNext->setObjectName(QStringLiteral("btnNext"));
  btnKeyboard->setIcon(QIcon(QStringLiteral("gui_images/") + QStringLiteral("keyboard.png")));
  btnKeyboard->setMinimumWidth(100);
  btnKeyboard->setIconSize(QSize(90, 44));
  auto* row = new QHBoxLayout();
  row->setSpacing(20);
  row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
  // Navigation texts a technician reads at arm's length.
  QFont navigationFont = font();
  navigationFont.setPointSize(14);
  navigationFont.setBold(true);
  for (QPushButton* button : {btnCancel, btnKeyboard, btnPrev, btnNext}) {
    button->setMinimumHeight(50);
    button->setFont(navigationFont);
    button->setFocusPolicy(Qt::NoFocus);  // a tap keeps the focus in the page's field
    row->addWidget(button);
  }
  mainLayout->addLayout(row);

  connect(stackedWidget, SIGNAL(currentChanged(int)), this, SLOT(OnStackIndexChanged(int)));
  connect(btnCancel, SIGNAL(clicked()), this, SLOT(OnBtnCancel()));
  connect(btnKeyboard, SIGNAL(clicked()), this, SLOT(OnBtnVirtualKeyboard()));
  connect(btnPrev, SIGNAL(clicked()), this, SLOT(OnBtnPrev()));
  connect(btnNext, SIGNAL(clicked()), this, SLOT(OnBtnNext()));
}

// Connected by signature: the night-mode and send pages declare their own OnEnableNextBtn.
void cConfHPF::addPage(cConfigurationWidget* page) {
  pages.append(page);
  stackedWidget->addWidget(page);
  connect(page, SIGNAL(OnEnableNextBtn(bool)), this, SLOT(OnEnabledNextBtn(bool)));
  connect(page, SIGNAL(OnReloadConfTimerSignal(int)), this, SLOT(OnReloadTimer(int)));
}

void cConfHPF::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  if (hpfClient() == nullptr || stackedWidget == nullptr) {
    emit OnBtnCancelSignal();
    return;
  }
  if (virtualKeyboard == nullptr) {
    virtualKeyboard = new ZuvVirtualKeyboard(this);
    // Keys a finger high: the pages are laid out to keep their fields above it.
    virtualKeyboard->setMinimumSize(50, ZuvVirtualKeyboard::kFingerHeight);
    mainLayout->addWidget(virtualKeyboard);
    virtualKeyboard->hide();
  }
  stackedWidget->setCurrentIndex(0);
}

void cConfHPF::hideEvent(QHideEvent* e) { cConfigurationWidget::hideEvent(e); }

void cConfHPF::OnBtnNext() {
  int next = stackedWidget->currentIndex() + 1;
  if (next < stackedWidget->count()) stackedWidget->setCurrentIndex(next);
}

void cConfHPF::OnBtnPrev() {
  int previous = stackedWidget->currentIndex() - 1;
  if (previous >= 0) stackedWidget->setCurrentIndex(previous);
}

void cConfHPF::OnBtnCancel() {
  delete virtualKeyboard;
  virtualKeyboard = nullptr;
  // The main window deletes the wizard from within this emission: nothing after it.
  emit OnBtnCancelSignal();
}

void cConfHPF::OnBtnVirtualKeyboard() {
  if (virtualKeyboard == nullptr) return;
  virtualKeyboard->setVisible(!virtualKeyboard->isVisible());
}

void cConfHPF::OnStackIndexChanged(int aIndex) {
  btnPrev->setEnabled(aIndex > 0);
  btnPrev->setVisible(aIndex > 0);
  btnNext->setEnabled(aIndex < stackedWidget->count() && nextEnabled);
  btnNext->setVisible(nextEnabled);
}

void cConfHPF::OnEnabledNextBtn(bool aEnabled) {
  nextEnabled = aEnabled;
  OnStackIndexChanged(stackedWidget->currentIndex());
}

void cConfHPF::OnReturnSendSaveStack() {
  stackedWidget->setCurrentIndex(kSendPage);
  OnStackIndexChanged(stackedWidget->currentIndex());
}

void cConfHPF::OnComplParamsDisplay() {
  stackedWidget->setCurrentIndex(kFirstComplementaryPage);
  OnStackIndexChanged(stackedWidget->currentIndex());
}

void cConfHPF::OnComplParams() { OnComplParamsDisplay(); }

// Store the record into the client, send it, and write the section only once the module
// has acknowledged it. Every way out answers the send page, so its button comes back.
void cConfHPF::OnSendSaveHpfConfig() {
  HpfModul* hpf = hpfClient();
  // Nothing is sent without a configuration actually read, nor to a module that is absent
  // (a lost module is still tried: it may answer again).
  if (hpf == nullptr || !recordsLoaded || hpf->isHPFconnected() == 0) {
    emit emit_SendSaveHPFcfg_state(false);
    return;
  }
  if (hpfWorkingConfig.isConfigured == 0) hpfWorkingConfig.isConfigured = 1;
  // A client that kept its old record would send and save that one instead.
  if (hpf->cfg_setHPF_Config(false, &hpfWorkingConfig) != 1) {
    emit emit_SendSaveHPFcfg_state(false);
    return;
  }
  if (hpf->orvcomm_sendToHPF(kConfigurationWrite) == 0 && hpf->cfg_writeHPF_Config_toFile() == 1) {
    // Acknowledged and saved: a later failed send gives the client this one back.
    hpfBackupConfig = hpfWorkingConfig;
    emit emit_SendSaveHPFcfg_state(true);
  } else {
    hpf->cfg_setHPF_Config(false, &hpfBackupConfig);
    emit emit_SendSaveHPFcfg_state(false);
  }
}
