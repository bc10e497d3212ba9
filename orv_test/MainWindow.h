// The bench program's single window: the three bench runs across reboots, kept in the
// state file "/home/ORV/orv_test.cfg"; the network page before the first run, the result
// list of each run, the reset of the bench, and the end of the bench that hands the
// device over to orvQT.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <string>

namespace Ui {
class MainWindow;
}
class QStackedWidget;
class ZuvVirtualKeyboard;
class cAutoTestThread;
class fNetworkConf;
class fResultDisplay;

class MainWindow : public QMainWindow {
  Q_OBJECT
public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Bench progress and the run's settings.
  int benchStage = 0;
  int usbRestore = 0;
  std::string serverAddress;
  int iFaceType = 0;
  std::string ipAddr, maskAddr, gwAddr;
  int dhcpState = 1;
  std::string wifiSSID, wifiKey;

  // Length of a run's relay and input watch and its end wait, and the wait after a
  // network restart; tests shorten them before the window is shown.
  int gpioWatchMs = 40000;
  int endWaitMs = 5000;
  int networkSettleMs = 10000;

  // The pending reboot (5 s after a passed run or the end of the bench, 2 s after a reset).
  QTimer rebootTimer;

  QStackedWidget* pages() const { return stack_; }
  fResultDisplay* resultPage() const { return result_; }
  fNetworkConf* networkPage() const { return network_; }
  ZuvVirtualKeyboard* keyboard() const { return keyboard_; }
  cAutoTestThread* worker() const { return worker_; }
  QWidget* restorePage() const { return restore_; }

signals:
  void sigDisplayResult(QString text);
  void sigOnStartTest();
  void sigResetBenchmark(bool state);
  void sigRebootOrv();

public slots:
  void OnStartTest();
  void On_ThreadEnd(int errors);
  void OnDisplayResult(QString text);
  void OnResetBenchMark();
  void OnEndBenchMark();
  void OnRebootOrv();
  void OnStackIndexChanged(int index);

protected:
  void showEvent(QShowEvent* event) override;

private:
  void readStateFile();
  void showErrorButtons();
  void openRestorePage();

  Ui::MainWindow* ui;
  QStackedWidget* stack_ = nullptr;
  fResultDisplay* result_ = nullptr;
  fNetworkConf* network_ = nullptr;
  ZuvVirtualKeyboard* keyboard_ = nullptr;
  QWidget* restore_ = nullptr;
  cAutoTestThread* worker_ = nullptr;
  bool started_ = false;
};
