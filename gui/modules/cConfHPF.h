// Stand-in until the page is built: the HPF configuration wizard, its constructor and signals.
#pragma once

#include "cConfigurationWidget.h"

class cConfHPF : public cConfigurationWidget {
  Q_OBJECT

public:
  explicit cConfHPF(QWidget* parent = nullptr);

signals:
  void OnBtnCancelSignal();
  void OnBtnFinishSignal();
};
