// Stand-in until the page is built: the two-panel menu, its operations and signals.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class Menu : public QWidget {
  Q_OBJECT

public:
  explicit Menu(QWidget* parent = nullptr);

  void showMenuVisualisation();
  void showMenuConfig(int interTech);

  int configCalls = 0;
  int lastInterTech = -1;  // argument of the last showMenuConfig

public slots:
  void EnerVisibility(bool visibility);
  void HPFVisibility(bool visibility);

signals:
  void escape();
  void config();
  void configHPF();
  void configENERGIE();
  void journal();
  void langue();
  void reapp();
  void iconfig();
  void info();
  void network();
  void traceroute();
  void fuseauHorraire();
  void sigMesPoids(int mode);
  void sig_testAuto();
  void sig_copyToUsb();
  void sig_intervFrigo(bool start);
  void sig_rebootORV();
  void OnReloadConfTimerSignal(int aTimeout);

private:
  QLabel* label;
  QPushButton* configButtonHPF = nullptr;
  QPushButton* configButtonENERGIE = nullptr;
  bool interTechActive = false;
};
