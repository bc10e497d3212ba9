// Stand-in until the column tare page (wizard page 9) is built: its constructor and
// signals, and the receiver and column settings it reads from the copy.
#pragma once

#include "cConfigurationWidget.h"

class QLabel;
class orv_configFile;

class Mestare : public cConfigurationWidget {
  Q_OBJECT

public:
  Mestare(QWidget* parent, orv_configFile* config);

protected:
  void showEvent(QShowEvent* e) override;

private:
  orv_configFile* config;  // the wizard's copy, not owned
  QLabel* copyValues;
};
