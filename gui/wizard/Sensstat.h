// Stand-in until the statistical sensitivity page (wizard page 15) is built: its
// constructor and the settings it reads from the copy.
#pragma once

#include "cConfigurationWidget.h"

class QLabel;
class orv_configFile;

class Sensstat : public cConfigurationWidget {
  Q_OBJECT

public:
  Sensstat(QWidget* parent, orv_configFile* config);

protected:
  void showEvent(QShowEvent* e) override;

private:
  orv_configFile* config;  // the wizard's copy, not owned
  QLabel* copyValues;
};
