// Stand-in until the measuring-card test page (wizard page 0) is built: its constructor and
// signals.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;

class Tcm : public cConfigurationWidget {
  Q_OBJECT

public:
  Tcm(QWidget* parent, orv_configFile* config);

private:
  orv_configFile* config;  // the wizard's copy, not owned
};
