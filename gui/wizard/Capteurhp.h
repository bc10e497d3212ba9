// Stand-in until the high-pressure sensor page (wizard page 8) is built: its constructor and
// signals.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;

class Capteurhp : public cConfigurationWidget {
  Q_OBJECT

public:
  Capteurhp(QWidget* parent, orv_configFile* config);

signals:
  // Declared for the wizard's relay; the page never emits it.
  void sig_onCalib_PRESS();

private:
  orv_configFile* config;  // the wizard's copy, not owned
};
