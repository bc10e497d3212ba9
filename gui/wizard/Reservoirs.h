// Wizard page 4: how the liquid receivers stand (vertical or horizontal) and how many
// there are, kept in CONFIG_TANK_TYPE and CONFIG_TANK_NUMBER of the wizard's working copy.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_Reservoirs;

class Reservoirs : public cConfigurationWidget {
  Q_OBJECT

public:
  Reservoirs(QWidget* parent, orv_configFile* config);
  ~Reservoirs() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  Ui_Reservoirs* ui;
  int tankNumber;
  orv_configFile* config;  // the wizard's copy, not owned
  char tankType;
};
