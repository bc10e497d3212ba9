#include "fNetworkConf.h"

#include <QStringList>

#include "benchNetUtils.h"
#include "orvServerDefaults.h"
#include "ui_fNetworkConf.h"

namespace {
const char* const kDefaultWifiName = "norvale_wifi";
const char* const kDefaultWifiKey = "5820194736615093827401";

QString q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

fNetworkConf::fNetworkConf(QWidget* parent) : QWidget(parent), ui(new Ui::fNetworkConf) {
  ui->setupUi(this);
  ui->btn_wifi_ssid->hide();
  ui->lE_wifi_ssid->hide();
  ui->btn_wifi_key->hide();
  ui->lE_wifi_cryptKey->hide();
  ui->comboBox_IFaceType->addItem(tr("eth0 Ethernet"), 0);
  ui->comboBox_IFaceType->addItem(tr("wlan0  Wifi"), 1);
  ui->comboBox_DHCP->addItem(tr("OFF"), 0);
  ui->comboBox_DHCP->addItem(tr("ON"), 1);
  ui->checkBox_usbRestore->setChecked(false);
  connect(ui->comboBox_IFaceType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
          &fNetworkConf::onSet_iFaceType);
  connect(ui->comboBox_DHCP, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
          &fNetworkConf::onSet_DHCP);
  connect(ui->checkBox_usbRestore, &QCheckBox::toggled, this, &fNetworkConf::onRestoreCfgEnab);
  connect(ui->pB_ApllyNetworkConf, &QPushButton::clicked, this, &fNetworkConf::OnApplyNetConf);
  initLoadCfg();
}

fNetworkConf::~fNetworkConf() { delete ui; }

void fNetworkConf::initLoadCfg() {
  sftpSrvAddr = ORV_DEFAULT_SFTP_SERVER;
  macAddr = get_iface_macAddr("eth0");
  ipAddr = if_getKernel_IfaceInfo("eth0", 0);
  maskAddr = if_getKernel_IfaceInfo("eth0", 1);
  gwAddr = if_getKernel_IfaceInfo("eth0", 2);
  wifiSSID = kDefaultWifiName;
  wifiKey = kDefaultWifiKey;
  onSet_iFaceType(iFaceType);
  onSet_DHCP(dhcpState);
  ui->lineEditSftpSrvIP->setText(q(sftpSrvAddr));
  showFields();
  const QStringList bytes = q(macAddr).split(QLatin1Char(':'));
  if (bytes.size() == 6) {
    QLineEdit* fields[6] = {ui->lE_MAC_0, ui->lE_MAC_1, ui->lE_MAC_2,
                            ui->lE_MAC_3, ui->lE_MAC_4, ui->lE_MAC_5};
    for (int i = 0; i < 6; ++i) fields[i]->setText(bytes[i]);
  }
}

void fNetworkConf::showFields() {
  ui->lineEditIP->setText(q(ipAddr));
  ui->lineEditMask->setText(q(maskAddr));
  ui->lineEditGw->setText(q(gwAddr));
  ui->lE_wifi_ssid->setText(q(wifiSSID));
  ui->lE_wifi_cryptKey->setText(q(wifiKey));
}

void fNetworkConf::reLoadCfg() {
  ui->lineEditSftpSrvIP->setText(q(sftpSrvAddr));
  appliedIFaceType = iFaceType;
  onSet_iFaceType(iFaceType);
  appliedDhcp = dhcpState;
  onSet_DHCP(dhcpState);
  if (dhcpState == 1) {
    ipAddr = if_getKernel_IfaceInfo(iFaceName, 0);
    maskAddr = if_getKernel_IfaceInfo(iFaceName, 1);
    gwAddr = if_getKernel_IfaceInfo(iFaceName, 2);
  }
  showFields();
  onRestoreCfgEnab(usbRestore);
}

void fNetworkConf::onSet_iFaceType(int index) {
  if (index != 0 && index != 1) return;
  iFaceType = index;
  iFaceName = index == 0 ? "eth0" : "wlan0";
  const bool wifi = index == 1;
  ui->btn_wifi_ssid->setVisible(wifi);
  ui->lE_wifi_ssid->setVisible(wifi);
  ui->btn_wifi_key->setVisible(wifi);
  ui->lE_wifi_cryptKey->setVisible(wifi);
  if (wifi) {
    ui->lE_wifi_ssid->setEnabled(true);
    ui->lE_wifi_cryptKey->setEnabled(true);
    ui->lE_wifi_ssid->setText(q(wifiSSID));
    ui->lE_wifi_cryptKey->setText(q(wifiKey));
  }
}

void fNetworkConf::onSet_DHCP(int state) {
  ui->comboBox_DHCP->setCurrentIndex(ui->comboBox_DHCP->findData(state));
  dhcpState = state;
  if (state != 0 && state != 1) return;
  const bool fixed = state == 0;
  ui->lineEditIP->setEnabled(fixed);
  ui->lineEditMask->setEnabled(fixed);
  ui->lineEditGw->setEnabled(fixed);
}

void fNetworkConf::onRestoreCfgEnab(bool state) {
  usbRestore = state;
  ui->checkBox_usbRestore->setChecked(state);
}

void fNetworkConf::OnApplyNetConf() {
  const std::string ip = ui->lineEditIP->text().toStdString();
  const std::string mask = ui->lineEditMask->text().toStdString();
  const std::string gw = ui->lineEditGw->text().toStdString();
  const std::string server = ui->lineEditSftpSrvIP->text().toStdString();
  const std::string ssid = ui->lE_wifi_ssid->text().toStdString();
  const std::string key = ui->lE_wifi_cryptKey->text().toStdString();
  const bool changed = iFaceType != appliedIFaceType || dhcpState != appliedDhcp ||
                       ip != ipAddr || mask != maskAddr || gw != gwAddr ||
                       server != sftpSrvAddr || ssid != wifiSSID || key != wifiKey;
  if (!changed) {
    emit sigTestStart();
    return;
  }
  // Text that could break the interfaces file or the server address is refused before
  // anything runs; the stored settings stay those of the last good apply.
  if (!benchServerAddressValid(server) ||
      !benchNetworkSettingsValid(iFaceName, dhcpState, ip, mask, gw, ssid, key)) {
    emit sigNetDispMsg(tr("ERREUR Reconfiguration du réseau"));
    emit sigTestStart();
    return;
  }
  appliedIFaceType = iFaceType;
  appliedDhcp = dhcpState;
  ipAddr = ip;
  maskAddr = mask;
  gwAddr = gw;
  sftpSrvAddr = server;
  wifiSSID = ssid;
  wifiKey = key;
  if (reconfigureNetwork(iFaceName, dhcpState, ipAddr, maskAddr, gwAddr, wifiSSID, wifiKey,
                         networkSettleMs))
    emit sigNetDispMsg(tr("Reconfiguration du réseau réussi OK"));
  else
    emit sigNetDispMsg(tr("ERREUR Reconfiguration du réseau"));
  emit sigTestStart();
}
