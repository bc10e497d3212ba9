// Network page of the bench: wired or Wi-Fi interface, DHCP or fixed settings, Wi-Fi name
// and key, the server of the bench's transfer test and the USB-restore tick. Apply
// rewrites the board's network settings when anything changed, then asks for a bench run.
// The main window reads and writes the settings fields directly.
#pragma once

#include <QString>
#include <QWidget>

#include <string>

namespace Ui {
class fNetworkConf;
}

class fNetworkConf : public QWidget {
  Q_OBJECT
public:
  explicit fNetworkConf(QWidget* parent = nullptr);
  ~fNetworkConf() override;

  // Settings (see the main window's copy of them).
  int iFaceType = 0;  // 0 "eth0", 1 "wlan0"
  std::string iFaceName = "eth0";
  std::string ipAddr;
  std::string maskAddr;
  std::string gwAddr;
  std::string macAddr;
  std::string sftpSrvAddr;
  int dhcpState = 1;
  std::string wifiSSID;
  std::string wifiKey;
  bool usbRestore = false;
  // Values of the last reconfiguration or reload, which Apply compares with.
  int appliedIFaceType = 0;
  int appliedDhcp = 1;
  // Wait after the network restart of a reconfiguration (tests shorten it).
  int networkSettleMs = 10000;

signals:
  void sigNetDispMsg(QString text);
  void sigTestStart();

public slots:
  void initLoadCfg();
  void reLoadCfg();
  void OnApplyNetConf();
  void onSet_DHCP(int state);
  void onRestoreCfgEnab(bool state);
  void onSet_iFaceType(int index);

private:
  void showFields();

  Ui::fNetworkConf* ui;
};
