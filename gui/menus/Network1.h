// The network page: the controller's interface, DHCP, static address and Wi-Fi settings,
// and its link with the supervision server (server ID, server address, connection test,
// sending and receiving files). Opened for editing after the network code
// (showNetwork()) or read-only from "Trace Route" (showTraceRoute()). The page reads and
// writes the configuration store and leaves every network action to the core's network,
// file and exchange services; it blocks the GUI thread while one of them runs.
#pragma once

#include <QTime>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QAbstractButton;
class QLineEdit;
class QButtonGroup;
class QRegExpValidator;
class QTimer;
class ZuvVirtualKeyboard;
class changeSrvIpDialog;

namespace Ui {
class Network1;
}

class Network1 : public QWidget {
  Q_OBJECT

 public:
  explicit Network1(QWidget* parent = nullptr);
  ~Network1() override;

  void showNetwork();
  void showTraceRoute();

 signals:
  void esc_network();
  void OnReloadConfTimerSignal(int aTimeout);
  // 1: the server ID field, 2: the server address, to be unlocked by the time challenge.
  void emit_ServerIDchange(int field);
  // The daily exchange time of a server ID fetched from the server.
  void OnNetworkConfigAlarm(QTime dailyExchange);

 public slots:
  void onStart_WifiQualityMeasure(bool start);
  void OnEnab_serverID();
  void OnEnab_serverIP();
  void slot_newSrvIP(QString newSrvIP);

  void onBtnClick(bool checked);
  void onSet_DHCP(int _state);
  void onSet_iFaceType(int iFaceType);
  void onSet_wifiCryptMode(int mode);
  void loadNetworkConfiguration();
  void onLanStateSlot(bool state);
  void dispNetworkState(int _network, int _state);
  void onUpdate_WifiQualityLevel();

  void on_keyboardButton_clicked();
  void on_escButton_clicked();
  void on_pB_save_clicked();
  void on_testButton_clicked();
  bool onTestConnectionCheckID();
  int onTraceRoute_Start();
  void onEndTestConnection(bool ok);
  void on_sendFilesButton_clicked();
  void slot_SendMSRFiles_result(bool accepted);
  void on_receiveFilesButton_clicked();

 private slots:
  // The status line under the fields.
  void setStatus(const QString& text);

 protected:
  void changeEvent(QEvent* e) override;

 private:
  struct AddressField {
    QLineEdit* field;
    std::string* member;
    int key;
  };
  std::array<AddressField, 3> addressFields();
  // One more unsaved change, on the counter of the interface of the settings.
  void countChange();
  void showWifiBlock(bool shown);
  void showStoredWifi();
  void setSaveButton(bool enabled, bool red);
  void clearOnState(QAbstractButton* button);
  // The status row and the keyboard share the room under the fields; where both do not
  // fit, a new status puts the keyboard down, else the keyboard hides the status row.
  void shareRoomUnderTheFields(bool statusFirst);
  void showStatusRow(bool shown);
  void connectLists(bool connected);
  void selectInterfaceItem();
  bool enabledFieldsAcceptable() const;

  std::unique_ptr<Ui::Network1> ui;

  std::string iFaceName;
  int srvID;
  int srvHour;
  int srvMin;
  std::string kernelVersion;
  std::string ipAddress;
  std::string netMask;
  std::string gateway;
  int dhcpState;
  std::string wifiSSID;
  int wifiSecurityType;
  std::string wifiCryptKey;
  std::string srvIP;
  int ethChangeCount;
  int wifiChangeCount;
  bool networkEditMode;
  bool srvIDChanged;
  int lanState;
  int internetState;
  bool networkStatus;
  QTimer* wifiQualityTimer;
  ZuvVirtualKeyboard* keyboard;

  QRegExpValidator* addressValidator;
  QRegExpValidator* idValidator;
  QButtonGroup* fieldButtons;
  changeSrvIpDialog* srvIpDialog;
  // Failure of the last configuration backup load, shown under the test's final text.
  QString backupFailure;
  // The last connection test reached the server (a send reports on its own test).
  bool testReachedServer;
};
