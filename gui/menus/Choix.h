// Stand-in until the page is built: the access-mode choice page, its constructor and signals.
#pragma once

#include <QWidget>

class Choix : public QWidget {
  Q_OBJECT

public:
  explicit Choix(QWidget* parent = nullptr);

signals:
  void okConfig();
  void okVisualisation();
  void escButtonSignal();
  void OnReloadConfTimerSignal(int aTimeout);
};
