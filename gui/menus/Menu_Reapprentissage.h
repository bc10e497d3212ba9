// Stand-in until the page is built: the relearn and acknowledgement menu and its signals.
#pragma once

#include <QWidget>

class Menu_Reapprentissage : public QWidget {
  Q_OBJECT

public:
  explicit Menu_Reapprentissage(QWidget* parent = nullptr);

signals:
  void escButtonSignal();
  void ReappMoyen();
  void RestAlarme();
  void recalculNivRef();
  void exitReappMenu();
  void OnReloadConfTimerSignal(int aTimeout);
};
