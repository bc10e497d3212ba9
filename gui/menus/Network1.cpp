#include "Network1.h"

#include <QButtonGroup>
#include <QEvent>
#include <QPixmap>
#include <QRegExpValidator>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <list>
#include <thread>
#include <utility>
#include <vector>

#include "ORV_ProcThread.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "ORV_sysNet.h"
#include "ZuvVirtualKeyboard.h"
#include "changeSrvIpDialog.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orvSafeText.h"
#include "orv_classPtr.h"
#include "ui_Network1.h"

namespace {

// What the page asks of the window's inactivity timer: 15 minutes in both modes.
constexpr int kPageTimeoutMs = 900000;
constexpr int kWifiQualityPeriodMs = 2000;
// The page fills the 640x480 panel.
constexpr int kPanelHeight = 480;
// The Wi-Fi driver needs a moment between its unloading and its loading.
constexpr auto kWifiModuleReloadPause = std::chrono::seconds(1);
// The SFTP port the server is tested on.
constexpr char kServerPort[] = "22";

const char kGreyStyle[] = "QPushButton { color: rgb(167, 167, 167); }";
const char kRedStyle[] = "QPushButton { color: rgb(255, 0, 0); }";

// Shapes the typing only (a dotted quad of numbers 0 to 255); whether an address can be
// used is decided at the save by the core's check.
const QString kOctet = QStringLiteral("(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])");

ORV_core* core() { return Singleton<orv_classPtr>::ptr()->core; }
orvDatas* datas() { return Singleton<orv_classPtr>::ptr()->datas; }
ORV_UpdThread* updThread() { return Singleton<orv_classPtr>::ptr()->updThread; }
ORV_ProcThread* procThread() { return Singleton<orv_classPtr>::ptr()->procThread; }
ORV_sysNet* sysNet() { return core() ? core()->ORV_sysNet_Ptr() : nullptr; }
ORV_fileManip* fileManip() { return core() ? core()->ORV_fileManip_Ptr() : nullptr; }

std::string local8Bit(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace

Network1::Network1(QWidget* parent)
    : QWidget(parent),
      ui(new Ui::Network1),
      iFaceName("eth0"),
      srvID(0),
      srvHour(0),
      srvMin(0),
      dhcpState(0),
      wifiSecurityType(0),
      ethChangeCount(0),
      wifiChangeCount(0),
      networkEditMode(false),
      srvIDChanged(false),
      lanState(0),
      internetState(0),
      networkStatus(false),
      wifiQualityTimer(nullptr),
      keyboard(nullptr),
      srvIpDialog(nullptr),
      testReachedServer(false) {
  ui->setupUi(this);

  ui->label_net_state->setScaledContents(true);
  showWifiBlock(false);

  // The lists' item data is the item's index.
  for (QComboBox* list : {ui->comboBox_IFaceType, ui->comboBox_DHCP, ui->cB_wifi_authType})
    for (int i = 0; i < list->count(); ++i) list->setItemData(i, i);

  addressValidator = new QRegExpValidator(
      QRegExp(QStringLiteral("^") + kOctet + QStringLiteral("\\.") + kOctet +
              QStringLiteral("\\.") + kOctet + QStringLiteral("\\.") + kOctet +
              QStringLiteral("$")),
      this);
  for (QLineEdit* field : {ui->lineEditIP, ui->lineEditMask, ui->lineEditGw})
    field->setValidator(addressValidator);
  // A server ID is a number: a typo must not become ID 0 and cost the device its identity.
  idValidator = new QRegExpValidator(QRegExp(QStringLiteral("^[0-9]{1,9}$")), this);
  ui->lineEditID->setValidator(idValidator);

  for (QWidget* w : std::initializer_list<QWidget*>{
           ui->pB_save, ui->lineEditIP, ui->lineEditMask, ui->lineEditGw, ui->lE_wifi_ssid,
           ui->cB_wifi_authType, ui->lE_wifi_cryptKey, ui->lineEditID})
    w->setEnabled(false);

  fieldButtons = new QButtonGroup(this);
  fieldButtons->setExclusive(true);
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
           ui->btnIP, ui->btnMask, ui->btnGW, ui->btn_wifi_ssid, ui->btn_wifi_type,
           ui->btn_wifi_key, ui->btnSERVER})
    fieldButtons->addButton(b);
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
           ui->btnID, ui->btnIP, ui->btnMask, ui->btnGW, ui->btnSERVER, ui->btn_wifi_ssid,
           ui->btn_wifi_type, ui->btn_wifi_key})
    connect(b, SIGNAL(clicked(bool)), this, SLOT(onBtnClick(bool)));
  connect(ui->cB_wifi_authType, SIGNAL(currentIndexChanged(int)), this,
          SLOT(onSet_wifiCryptMode(int)));

  ui->pB_save->setStyleSheet(QLatin1String(kGreyStyle));
}

Network1::~Network1() {
  onStart_WifiQualityMeasure(false);
  delete keyboard;
}

// ---------------------------------------------------------------------------------------
// Opening and loading

void Network1::loadNetworkConfiguration() {
  orvDatas* d = datas();
  if (!d) return;
  srvID = d->getCFG_struct(CFG_SRV_ID).intValue;
  srvHour = d->getCFG_struct(CFG_SRV_HOUR).intValue;
  srvMin = d->getCFG_struct(CFG_SRV_MIN).intValue;
  kernelVersion = d->getCFG_struct(CFG_KERNEL_VER).stringValue;
  iFaceName = d->getCFG_struct(CFG_IFACE).stringValue;
  dhcpState = d->dhcpInUse() ? 1 : 0;
  ipAddress = d->getCFG_struct(CFG_IP).stringValue;
  netMask = d->getCFG_struct(CFG_MASK).stringValue;
  gateway = d->getCFG_struct(CFG_GW).stringValue;
  wifiSSID = d->getCFG_struct(CFG_WIFI_SSID).stringValue;
  wifiSecurityType = d->getCFG_struct(CFG_WIFI_TYPE).intValue;
  wifiCryptKey = d->getCFG_struct(CFG_WIFI_KEY).stringValue;
  srvIP = d->getSFTP_ip();

  ui->lineEditID->setText(QStringLiteral("%1").arg(srvID));

  ORV_sysNet* net = sysNet();
  lanState = 0;
  if (net) lanState = iFaceName == "eth0" ? net->isETH0_Cable_Plugged() : net->isWifiRA0_Started();
  internetState = lanState > 0 && net ? net->checkInternet_Status(srvIP.c_str(), kServerPort) : 0;
  onLanStateSlot(lanState > 0 && internetState > 0);
  onSet_DHCP(dhcpState);
}

void Network1::showNetwork() {
  networkEditMode = true;
  ethChangeCount = 0;
  wifiChangeCount = 0;
  if (!keyboard) {
    keyboard = new ZuvVirtualKeyboard(this);
    keyboard->setObjectName(QStringLiteral("keyboard"));
    keyboard->setMinimumSize(260, ZuvVirtualKeyboard::kFingerHeight);  // keys a finger high
    ui->verticalLayout_keyboard->addWidget(keyboard);
    keyboard->hide();
  }
  ui->pB_save->show();
  ui->pB_save->setEnabled(false);

  // Loading selects the stored values in the lists: no change may be counted for it.
  connectLists(false);
  loadNetworkConfiguration();

  // A "brindlow" kernel has no driver for the USB Wi-Fi dongle.
  if (kernelVersion.find("brindlow") != std::string::npos) {
    const int wifi = ui->comboBox_IFaceType->findText(QStringLiteral("ra0  Wifi"));
    if (wifi >= 0) ui->comboBox_IFaceType->removeItem(wifi);
  }
  if (iFaceName == "ra0") {
    showStoredWifi();
    onSet_wifiCryptMode(wifiSecurityType);
    onStart_WifiQualityMeasure(true);
  }

  ui->comboBox_IFaceType->setEnabled(true);
  selectInterfaceItem();
  ui->comboBox_DHCP->setEnabled(true);
  ui->comboBox_DHCP->setCurrentIndex(dhcpState);
  connectLists(true);

  ui->lineEditIP->setText(QString::fromStdString(ipAddress));
  ui->lineEditMask->setText(QString::fromStdString(netMask));
  ui->lineEditGw->setText(QString::fromStdString(gateway));
  for (QWidget* w : std::initializer_list<QWidget*>{ui->lineEditIP, ui->lineEditMask,
                                                    ui->lineEditGw, ui->lineEditID})
    w->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{ui->btnGW, ui->btnMask, ui->btnIP})
    w->setEnabled(true);
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
           ui->btnIP, ui->btnMask, ui->btnGW, ui->btnID, ui->btnSERVER})
    clearOnState(b);

  setStatus(QString());
  emit OnReloadConfTimerSignal(kPageTimeoutMs);
}

void Network1::showTraceRoute() {
  networkEditMode = false;
  ui->pB_save->hide();
  ui->keyboardButton->hide();

  connectLists(false);
  loadNetworkConfiguration();

  if (iFaceName == "ra0") {
    showStoredWifi();
    // Read-only: the key stays out of sight.
    ui->btn_wifi_key->hide();
    ui->lE_wifi_cryptKey->hide();
    onStart_WifiQualityMeasure(true);
  }

  selectInterfaceItem();
  ui->comboBox_DHCP->setCurrentIndex(dhcpState);
  ui->comboBox_IFaceType->setEnabled(false);
  ui->comboBox_DHCP->setEnabled(false);
  ui->lineEditIP->setText(QString::fromStdString(ipAddress));
  ui->lineEditMask->setText(QString::fromStdString(netMask));
  ui->lineEditGw->setText(QString::fromStdString(gateway));
  for (QWidget* w : std::initializer_list<QWidget*>{ui->btnIP, ui->btnMask, ui->btnGW,
                                                    ui->lineEditIP, ui->lineEditMask,
                                                    ui->lineEditGw, ui->lineEditID})
    w->setEnabled(false);

  ui->btnSERVER->hide();
  clearOnState(ui->btnSERVER);
  setStatus(QString());
  emit OnReloadConfTimerSignal(kPageTimeoutMs);
}

// ---------------------------------------------------------------------------------------
// Editing

void Network1::onBtnClick(bool) {
  setSaveButton(false, false);
  for (QWidget* w : std::initializer_list<QWidget*>{
           ui->lineEditIP, ui->lineEditMask, ui->lineEditGw, ui->lE_wifi_ssid,
           ui->cB_wifi_authType, ui->lE_wifi_cryptKey, ui->lineEditID})
    w->setEnabled(false);

  // Address fields open only while the address is static.
  const struct {
    QAbstractButton* button;
    QWidget* field;
    bool staticOnly;
  } opening[] = {{ui->btnIP, ui->lineEditIP, true},
                 {ui->btnMask, ui->lineEditMask, true},
                 {ui->btnGW, ui->lineEditGw, true},
                 {ui->btn_wifi_ssid, ui->lE_wifi_ssid, false},
                 {ui->btn_wifi_type, ui->cB_wifi_authType, false},
                 {ui->btn_wifi_key, ui->lE_wifi_cryptKey, false}};
  for (const auto& o : opening) {
    if (!o.button->isChecked()) continue;
    if (!o.staticOnly || ui->comboBox_DHCP->currentIndex() == 0) {
      o.field->setEnabled(true);
      o.field->setFocus();
      setSaveButton(true, true);
    }
    clearOnState(o.button);
    return;
  }
  if (ui->btnID->isChecked()) {
    clearOnState(ui->btnID);
    emit emit_ServerIDchange(1);
  } else if (ui->btnSERVER->isChecked()) {
    clearOnState(ui->btnSERVER);
    emit emit_ServerIDchange(2);
  }
}

void Network1::onSet_DHCP(int _state) {
  ui->comboBox_DHCP->setCurrentIndex(_state);
  if (_state == 0 || _state == 1) {
    for (QWidget* w : std::initializer_list<QWidget*>{ui->btnIP, ui->lineEditIP, ui->btnMask,
                                                      ui->lineEditMask, ui->btnGW,
                                                      ui->lineEditGw})
      w->setEnabled(_state == 0);
  }
  if (_state != dhcpState) {
    countChange();
    setSaveButton(true, true);
  }
}

void Network1::onSet_iFaceType(int iFaceType) {
  const std::string previous = iFaceName;
  if (iFaceType == 0) {
    iFaceName = "eth0";
    showWifiBlock(false);
    onStart_WifiQualityMeasure(false);
  } else if (iFaceType == 1) {
    iFaceName = "ra0";
    showStoredWifi();
    onSet_wifiCryptMode(wifiSecurityType);
    onStart_WifiQualityMeasure(true);
  }
  setStatus(QString());
  if (iFaceName != previous) {
    dispNetworkState(iFaceType, 0);
    countChange();
    setSaveButton(true, true);
  }
}

void Network1::onSet_wifiCryptMode(int mode) {
  // A network without security cannot be chosen.
  if (mode == 0) {
    ui->cB_wifi_authType->setCurrentIndex(1);
    ui->pB_save->setEnabled(true);
  }
  // The key is typed only after its button.
  ui->lE_wifi_cryptKey->setEnabled(false);
}

void Network1::onLanStateSlot(bool state) { dispNetworkState(iFaceName == "ra0", state); }

void Network1::dispNetworkState(int _network, int _state) {
  const char* picture = _network ? (_state ? "wifi_on.png" : "wifi_off.png")
                                 : (_state ? "ethernet_on.png" : "ethernet_off.png");
  ui->label_net_state->setPixmap(QPixmap(QStringLiteral("gui_images/") + QLatin1String(picture)));
}

void Network1::onStart_WifiQualityMeasure(bool start) {
  if (start) {
    if (wifiQualityTimer) return;
    wifiQualityTimer = new QTimer(this);
    wifiQualityTimer->setObjectName(QStringLiteral("wifiQualityTimer"));
    wifiQualityTimer->setInterval(kWifiQualityPeriodMs);
    connect(wifiQualityTimer, SIGNAL(timeout()), this, SLOT(onUpdate_WifiQualityLevel()));
    wifiQualityTimer->start();
  } else if (wifiQualityTimer) {
    wifiQualityTimer->stop();
    wifiQualityTimer->disconnect();
    delete wifiQualityTimer;
    wifiQualityTimer = nullptr;
  }
}

void Network1::onUpdate_WifiQualityLevel() {
  ORV_sysNet* net = sysNet();
  const int level = net ? net->get_WifiQualityLevel() : -1;
  if (level == -1)
    setStatus(tr("ERREUR WIFI USB non Configurer"));
  else
    ui->pB_WifiRadioLevel->setValue(level);
}

void Network1::on_keyboardButton_clicked() {
  if (!keyboard) return;
  if (keyboard->isVisible()) {
    keyboard->hide();
    ui->keyboardButton->setText(tr("Clavier\nON"));
  } else {
    showStatusRow(false);
    keyboard->show();
    ui->keyboardButton->setText(tr("Clavier\nOFF"));
  }
  shareRoomUnderTheFields(false);
}

void Network1::on_escButton_clicked() {
  delete keyboard;
  keyboard = nullptr;
  for (QAbstractButton* b :
       std::initializer_list<QAbstractButton*>{ui->btnIP, ui->btnMask, ui->btnGW})
    clearOnState(b);
  emit esc_network();
}

void Network1::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) {
    // The form's texts come back translated; what the page put into its fields stays.
    const QString id = ui->lineEditID->text(), status = ui->labelStatus->text();
    ui->retranslateUi(this);
    ui->lineEditID->setText(id);
    ui->labelStatus->setText(status);
    if (keyboard && keyboard->isVisible()) ui->keyboardButton->setText(tr("Clavier\nOFF"));
  }
  QWidget::changeEvent(e);
}

// ---------------------------------------------------------------------------------------
// Saving and applying

bool Network1::enabledFieldsAcceptable() const {
  // Checked before anything is written. A static address goes to the settings, the boot
  // script and the interface whether retyped or not: all three must pass the core's check.
  if (ui->comboBox_DHCP->currentIndex() == 0 &&
      newStaticNetworkRefusal(local8Bit(ui->lineEditIP->text()),
                              local8Bit(ui->lineEditMask->text()),
                              local8Bit(ui->lineEditGw->text())))
    return false;
  const bool idWritten = ui->lineEditID->text() != QStringLiteral("%1").arg(srvID);
  return !(ui->lineEditID->isEnabled() || idWritten) || ui->lineEditID->hasAcceptableInput();
}

void Network1::on_pB_save_clicked() {
  const QString failed = tr("ERREUR Reconfiguration Reseau, veuillez corriger et reessayer.");
  if (!enabledFieldsAcceptable()) {
    setStatus(failed);
    return;
  }
  orvDatas* d = datas();
  ORV_sysNet* net = sysNet();
  ORV_fileManip* files = fileManip();
  if (!d || !net || !files) return;

  setStatus(tr("Reconfiguration Reseau en cours ........."));
  for (QWidget* w : std::initializer_list<QWidget*>{
           ui->sendFilesButton, ui->testButton, ui->pB_save, ui->lineEditIP, ui->lineEditMask,
           ui->lineEditGw, ui->lE_wifi_ssid, ui->cB_wifi_authType, ui->lE_wifi_cryptKey,
           ui->comboBox_IFaceType, ui->comboBox_DHCP, ui->lineEditID})
    w->setEnabled(false);

  // Every write must reach the configuration file: after one that did not, nothing more
  // is written or applied, and a member takes a typed value only once it is stored, so
  // that the next save writes it again. The network fields go to the store as one set,
  // kept whole or not at all.
  bool stored = true;

  // A new server ID makes the next connection test load that ID's backup.
  const int newID = ui->lineEditID->text().toInt();
  if (newID != srvID) stored = d->setCFG_struct(CFG_SRV_ID, &newID) == 1;
  srvIDChanged = newID != srvID && stored;
  if (srvIDChanged) {
    srvID = newID;
    setStatus(tr("Changement ID %1 Sauvegarder.").arg(ui->lineEditID->text()));
  }

  if (iFaceName == "eth0") onStart_WifiQualityMeasure(false);
  // Each changed field of the set with the member it updates once stored.
  std::list<std::pair<int, std::string>> set{{CFG_IFACE, iFaceName}};
  std::vector<std::function<void()>> onStored;

  const int dhcpChoice = ui->comboBox_DHCP->currentIndex();
  if (dhcpChoice != dhcpState) {
    set.emplace_back(CFG_DHCP, std::to_string(dhcpChoice));
    onStored.emplace_back([this, dhcpChoice] {
      dhcpState = dhcpChoice;
      countChange();
    });
  }

  if (dhcpChoice == 0) {
    for (const AddressField& a : addressFields()) {
      const std::string typed = local8Bit(a.field->text());
      if (typed == *a.member) continue;
      set.emplace_back(a.key, typed);
      onStored.emplace_back([this, a, typed] {
        *a.member = typed;
        ++ethChangeCount;
      });
    }
  }

  if (iFaceName == "ra0") {
    if (net->isWifiRA0_Started() == 0) {
      wifiChangeCount = 0;
      setStatus(tr("Veuillez brancher le DONGLE USB WIFI, merci."));
    } else {
      auto wifiField = [&](int key, const std::string& value, std::function<void()> take) {
        set.emplace_back(key, value);
        onStored.emplace_back([this, take] {
          take();
          ++wifiChangeCount;
        });
      };
      const std::string ssid = local8Bit(ui->lE_wifi_ssid->text());
      if (ssid != wifiSSID) wifiField(CFG_WIFI_SSID, ssid, [this, ssid] { wifiSSID = ssid; });
      const int type = ui->cB_wifi_authType->currentIndex();
      const bool newType = type > 0 && type != wifiSecurityType;
      if (newType)
        wifiField(CFG_WIFI_TYPE, std::to_string(type), [this, type] { wifiSecurityType = type; });
      const std::string key = local8Bit(ui->lE_wifi_cryptKey->text());
      if ((newType ? type : wifiSecurityType) > 0 && key != wifiCryptKey)
        wifiField(CFG_WIFI_KEY, key, [this, key] { wifiCryptKey = key; });
    }
  }
  stored = stored && d->setCFG_set(set) == 1;
  if (stored)
    for (const auto& take : onStored) take();

  if (!stored) {
    setStatus(failed);
  } else if (ethChangeCount > 0 || wifiChangeCount > 0) {
    net->IFCONFIG_DOWN("eth0");
    net->IFCONFIG_DOWN("ra0");
    if (wifiChangeCount > 0) {
      onStart_WifiQualityMeasure(false);
      files->updateWifiCfg_RT2870STA(wifiSSID, wifiSecurityType, wifiCryptKey);
      net->loadKernelWifiModule(false);
      std::this_thread::sleep_for(kWifiModuleReloadPause);
      net->loadKernelWifiModule(true);
      ui->cB_wifi_authType->setEnabled(true);
      onStart_WifiQualityMeasure(true);
    }
    // The boot script takes the settings just written; without it the next start would
    // return to the old ones.
    stored = files->CreateDefaultRCFile(false) == 1;
    const int r = net->reconfigureNetwork(iFaceName, dhcpState, ipAddress, netMask, gateway);
    if (r < 0 || !stored) {
      setStatus(failed);
    } else if (dhcpState == 1) {
      // What the lease gave; an interface without an address reads as "0.0.0.0".
      const std::array<AddressField, 3> leased = addressFields();
      std::list<std::pair<int, std::string>> lease;
      for (int what = 0; what < 3; ++what) {
        std::string value = net->if_getKernel_IfaceInfo(iFaceName, what);
        if (value.empty()) value = "0.0.0.0";
        *leased[what].member = value;
        leased[what].field->setText(QString::fromStdString(value));
        lease.emplace_back(leased[what].key, value);
      }
      stored = d->setCFG_set(lease) == 1;
      setStatus(!stored                 ? failed
                : ipAddress == "0.0.0.0" ? tr("Aucun Serveur DHCP trouve, ou erreur CONFIG WIFI.")
                                         : tr("Enregistrement CONFIG Reseau reussie."));
    } else {
      setStatus(tr("Enregistrement CONFIG Reseau reussie."));
    }
  }

  for (QWidget* w : std::initializer_list<QWidget*>{ui->testButton, ui->sendFilesButton,
                                                    ui->comboBox_IFaceType, ui->comboBox_DHCP})
    w->setEnabled(true);
  setSaveButton(false, false);
  ethChangeCount = 0;
  wifiChangeCount = 0;
}

// ---------------------------------------------------------------------------------------
// Connection test and server exchange

void Network1::on_testButton_clicked() {
  ui->testButton->setEnabled(false);
  testReachedServer = false;
  backupFailure.clear();
  ORV_sysNet* net = sysNet();
  orvDatas* d = datas();

  lanState = 0;
  if (net) lanState = iFaceName == "eth0" ? net->isETH0_Cable_Plugged() : net->isWifiRA0_Started();
  if (d) d->setMES_struct(ORV_core::kMesNetworkLink, &lanState);

  if (lanState <= 0) {
    dispNetworkState(iFaceName == "ra0", 0);
    setStatus(tr("Veuillez verifier que votre cable ethernet est raccorder\n"
                 "OU que votre dongle USB WiFi est brancher."));
  } else {
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             ui->btnIP, ui->btnMask, ui->btnGW, ui->btn_wifi_ssid, ui->btn_wifi_type,
             ui->btn_wifi_key, ui->btnSERVER})
      clearOnState(b);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui->lineEditIP, ui->lineEditMask, ui->lineEditGw, ui->comboBox_IFaceType,
             ui->comboBox_DHCP, ui->lineEditID})
      w->setEnabled(false);
    setStatus(tr("Test de la connexion en cours..."));
    ui->labelStatus->repaint();  // shown while the test blocks

    const bool ok = net && net->checkInternet_Status(srvIP.c_str(), kServerPort) > 0;
    if (ok) {
      internetState = 1;
      testReachedServer = true;
      dispNetworkState(iFaceName == "ra0", 1);
      onTestConnectionCheckID();
      onTraceRoute_Start();
    } else {
      internetState = 0;
      dispNetworkState(iFaceName == "ra0", 0);
    }
    if (d) d->setMES_struct(ORV_core::kMesServerReachable, &internetState);
    onEndTestConnection(ok);
  }

  // Copies of the boot script and the configuration kept aside on every test.
  orv::runCommand("cp /etc/init.d/rcS /usr/share/; cp /home/ORV/config.conf /usr/share/");
  ui->testButton->setEnabled(true);
}

bool Network1::onTestConnectionCheckID() {
  ORV_UpdThread* upd = updThread();
  if (srvID == 0) {
    ORV_fileManip* files = fileManip();
    orvDatas* d = datas();
    if (!upd || !upd->getFromServer_orvID()) return false;
    int id = 0, hour = 0, minute = 0;
    if (!files || !d || !files->Extract_SvrIDFile(id, hour, minute) || id == 0) return true;
    srvID = id;
    srvHour = hour;
    srvMin = minute;
    d->setCFG_struct(CFG_SRV_ID, &srvID);
    d->setCFG_struct(CFG_SRV_HOUR, &srvHour);
    d->setCFG_struct(CFG_SRV_MIN, &srvMin);
    upd->update_orvID();
    ui->lineEditID->setText(QStringLiteral("%1").arg(srvID));
    emit OnNetworkConfigAlarm(QTime(srvHour, srvMin, 0));
    return true;
  }
  if (srvIDChanged && networkEditMode) {
    setStatus(tr("Recuperation des fichiers(2) de CONFIG sur VOREDANE en cours ..."));
    ui->labelStatus->repaint();
    if (ORV_ProcThread* proc = procThread()) proc->change_sleepThreadState(true);
    if (!upd || !upd->getBackupConf_FromServer(srvID)) {
      backupFailure =
          tr("ECHEC Recuperation des fichiers(2) de CONFIG VOREDANE, veuillez reessayer");
      setStatus(backupFailure);
      return false;
    }
    setStatus(tr("Recuperation des fichiers de CONFIG VOREDANE OK\nMise en Place des "
                 "fichiers(2) de CONFIG en cours, ATTENTION Redemarrage ORV ...."));
    ui->labelStatus->repaint();
    if (core() && core()->reloadBackupCONFIG(true)) {
      setStatus(tr("Mise en Place des fichiers de CONFIG reussit, REBOOT en cours...."));
    } else {
      backupFailure = tr("ERREUR Mise en Place des fichiers de CONFIG, veuillez reessayer");
      setStatus(backupFailure);
    }
    return true;
  }
  return true;
}

int Network1::onTraceRoute_Start() {
  // The address goes to the program as one argument, never through a shell; a stored
  // address that is neither a dotted quad nor a host name is not handed over at all.
  if (!isServerAddress(srvIP)) {
    std::printf("Network1:: traceroute refusee, adresse serveur invalide\n");
    return -1;
  }
  return orv::runProgramToFile({"./traceroute", "-n", srvIP}, "/home/ORV/traceroute.log");
}

void Network1::onEndTestConnection(bool ok) {
  QString text;
  if (ok) {
    text = tr("Reseau INTERNET OK, Connexion avec le serveur reussie.");
    networkStatus = true;
  } else {
    text = tr("AUCUN Reseau INTERNET, Echec de la connexion avec le serveur");
  }
  // A failed backup load stays in sight under the final text.
  if (!backupFailure.isEmpty()) text += QLatin1Char('\n') + backupFailure;
  setStatus(text);
  for (QWidget* w : std::initializer_list<QWidget*>{ui->testButton, ui->comboBox_IFaceType,
                                                    ui->comboBox_DHCP})
    w->setEnabled(true);
}

void Network1::on_sendFilesButton_clicked() {
  setEnabled(false);
  ui->sendFilesButton->setEnabled(false);
  ui->testButton->setEnabled(false);
  setStatus(tr("Transfert des fichiers en cours ..."));
  ui->labelStatus->repaint();
  ORV_UpdThread* upd = updThread();
  // Without a server ID the upload has no folder to go to: refused now, not dropped later.
  slot_SendMSRFiles_result(upd && upd->loadServerTarget() != 0 &&
                           upd->add_toSendFilesToServerList(0) > 0);
}

void Network1::slot_SendMSRFiles_result(bool accepted) {
  on_testButton_clicked();
  // Success only when the request is queued and this send's own test reached the server.
  setStatus(accepted && testReachedServer ? tr("OK: Transfert des fichiers reussi.")
                                          : tr("ERREUR Transfert des fichiers."));
  setEnabled(true);
  ui->sendFilesButton->setEnabled(true);
  ui->testButton->setEnabled(true);
}

void Network1::on_receiveFilesButton_clicked() {
  setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{ui->sendFilesButton, ui->receiveFilesButton,
                                                    ui->testButton})
    w->setEnabled(false);
  setStatus(tr("Reception des fichiers en cours ..."));
  ui->labelStatus->repaint();
  ORV_UpdThread* upd = updThread();
  const int r = upd ? upd->receive_SFTP_files() : 0;
  setStatus(r ? tr("Reception des fichiers SFTP termine.")
              : tr("Reception des fichiers deja en cours ou pas d'Internet, veuillez "
                   "reessayer plus tard."));
  for (QWidget* w : std::initializer_list<QWidget*>{ui->sendFilesButton, ui->receiveFilesButton,
                                                    ui->testButton})
    w->setEnabled(true);
  setEnabled(true);
}

void Network1::OnEnab_serverID() {
  ui->lineEditID->setEnabled(true);
  ui->lineEditID->setFocus();
  setSaveButton(true, true);
}

void Network1::OnEnab_serverIP() {
  // A new dialog each time, so that it shows the address as it is now.
  delete srvIpDialog;
  srvIpDialog = new changeSrvIpDialog(this, QString::fromStdString(srvIP));
  srvIpDialog->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
  connect(srvIpDialog, SIGNAL(emit_SendNewIP(QString)), this, SLOT(slot_newSrvIP(QString)));
  srvIpDialog->setWindowState(srvIpDialog->windowState() | Qt::WindowFullScreen);
  srvIpDialog->exec();
}

void Network1::slot_newSrvIP(QString newSrvIP) {
  const std::string typed = local8Bit(newSrvIP);
  if (typed.empty() || typed == srvIP) {
    setStatus(tr("Cette Adresse IP Serveur est deja Configurer"));
    return;
  }
  // The address ends up in the exchange's URLs and the traceroute: a dotted quad or a
  // host name only.
  orvDatas* d = datas();
  if (!isServerAddress(typed) || !d) {
    setStatus(tr("ERREUR Adresse IP Serveur non valide."));
    return;
  }
  d->setCFG_struct(CFG_STFP_IP, typed.c_str());
  srvIP = d->getSFTP_ip();
  setStatus(tr("Enregistrement de la Nouvelle Adresse IP Serveur(%1)")
                .arg(QString::fromStdString(srvIP)));
}

// ---------------------------------------------------------------------------------------
// Helpers

void Network1::showWifiBlock(bool shown) {
  if (shown) showStatusRow(false);
  for (QWidget* w : std::initializer_list<QWidget*>{
           ui->pB_WifiRadioLevel, ui->label_wifi_title, ui->btn_wifi_ssid, ui->lE_wifi_ssid,
           ui->btn_wifi_type, ui->cB_wifi_authType, ui->btn_wifi_key, ui->lE_wifi_cryptKey})
    w->setVisible(shown);
  shareRoomUnderTheFields(false);
}

void Network1::showStoredWifi() {
  showWifiBlock(true);
  ui->lE_wifi_ssid->setText(QString::fromLocal8Bit(wifiSSID.c_str()));
  ui->cB_wifi_authType->setCurrentIndex(wifiSecurityType);
  ui->lE_wifi_cryptKey->setText(QString::fromLocal8Bit(wifiCryptKey.c_str()));
  for (QWidget* w : std::initializer_list<QWidget*>{ui->lE_wifi_ssid, ui->cB_wifi_authType,
                                                    ui->lE_wifi_cryptKey})
    w->setEnabled(false);
}

void Network1::setSaveButton(bool enabled, bool red) {
  ui->pB_save->setEnabled(enabled);
  ui->pB_save->setStyleSheet(QLatin1String(red ? kRedStyle : kGreyStyle));
}

void Network1::clearOnState(QAbstractButton* button) {
  // The checked button of an exclusive group cannot be unchecked while the group is.
  QButtonGroup* group = button->group();
  if (group) group->setExclusive(false);
  button->setChecked(false);
  if (group) group->setExclusive(true);
}

void Network1::setStatus(const QString& text) {
  ui->labelStatus->setText(text);
  shareRoomUnderTheFields(!text.isEmpty());
}

void Network1::showStatusRow(bool shown) {
  ui->label->setVisible(shown);
  ui->labelStatus->setVisible(shown);
}

void Network1::shareRoomUnderTheFields(bool statusFirst) {
  // Measured with the row hidden, so that the page never lays out taller than the panel.
  showStatusRow(false);
  if (!keyboard || !keyboard->isVisible()) {
    showStatusRow(true);
    return;
  }
  QVBoxLayout* page = ui->verticalLayout;
  const int rest = std::max(page->totalMinimumSize().height(), page->totalHeightForWidth(width()));
  const int statusWidth = width() - page->contentsMargins().left() -
                          page->contentsMargins().right() - ui->label->sizeHint().width() -
                          ui->horizontalLayout_status->spacing();
  const int row = std::max(ui->label->sizeHint().height(),
                           ui->labelStatus->heightForWidth(statusWidth));
  if (rest + page->spacing() + row <= kPanelHeight) {
    showStatusRow(true);
  } else if (statusFirst) {
    keyboard->hide();
    ui->keyboardButton->setText(tr("Clavier\nON"));
    showStatusRow(true);
  }
}

void Network1::countChange() {
  if (iFaceName == "eth0")
    ++ethChangeCount;
  else
    ++wifiChangeCount;
}

// Address, mask and gateway, in the order of the kernel's query (0, 1, 2).
std::array<Network1::AddressField, 3> Network1::addressFields() {
  return {{{ui->lineEditIP, &ipAddress, CFG_IP},
           {ui->lineEditMask, &netMask, CFG_MASK},
           {ui->lineEditGw, &gateway, CFG_GW}}};
}

void Network1::connectLists(bool connected) {
  if (connected) {
    connect(ui->comboBox_IFaceType, SIGNAL(currentIndexChanged(int)), this,
            SLOT(onSet_iFaceType(int)), Qt::UniqueConnection);
    connect(ui->comboBox_DHCP, SIGNAL(currentIndexChanged(int)), this, SLOT(onSet_DHCP(int)),
            Qt::UniqueConnection);
  } else {
    disconnect(ui->comboBox_IFaceType, SIGNAL(currentIndexChanged(int)), this,
               SLOT(onSet_iFaceType(int)));
    disconnect(ui->comboBox_DHCP, SIGNAL(currentIndexChanged(int)), this, SLOT(onSet_DHCP(int)));
  }
}

void Network1::selectInterfaceItem() {
  const int item = iFaceName == "ra0" ? 1 : 0;
  // A list without its Wi-Fi item (a "brindlow" kernel) keeps its Ethernet one selected.
  if (item < ui->comboBox_IFaceType->count()) ui->comboBox_IFaceType->setCurrentIndex(item);
}
