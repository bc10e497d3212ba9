// Stand-in until the page is built: the network and server settings page, its operations and
// signals; `lastCall` names the last operation called.
#pragma once

#include <QTime>
#include <QWidget>

class QLabel;

class Network1 : public QWidget {
  Q_OBJECT

public:
  explicit Network1(QWidget* parent = nullptr);

  void showNetwork();
  void showTraceRoute();
  void OnEnab_serverID();
  void OnEnab_serverIP();
  void onStart_WifiQualityMeasure(bool start);

signals:
  void esc_network();
  void OnReloadConfTimerSignal(int aTimeout);
  void emit_ServerIDchange(int field);
  void OnNetworkConfigAlarm(QTime dailyExchange);

private:
  void called(const QString& operation);

  QLabel* lastCall;
};
