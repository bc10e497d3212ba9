// Stand-in until the PT100 calibration page (wizard page 11) is built: its constructor and signals.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;

class Etalonnage : public cConfigurationWidget {
  Q_OBJECT

public:
  Etalonnage(QWidget* parent, orv_configFile* config);

protected:
  void showEvent(QShowEvent* e) override;

private:
  orv_configFile* config;  // the wizard's copy, not owned
};
