// Stand-in until the device and site names page (wizard page 1) is built: its constructor and signals.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;

class OrvName : public cConfigurationWidget {
  Q_OBJECT

public:
  OrvName(QWidget* parent, orv_configFile* config);

signals:
  // Declared again by the page itself and never emitted: its leave requests reach nobody.
  void OnReloadConfTimerSignal(int aTimeout);

private:
  orv_configFile* config;  // the wizard's copy, not owned
};
