// Wizard page 12: how the plant is regulated (adaptive low pressure, floating high
// pressure) and its two set points in whole degrees Celsius. Leaving the page also sets
// the 3-day leak alarm threshold from the low-pressure set point.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_Reglageinstallation;

class Reglageinstallation : public cConfigurationWidget {
  Q_OBJECT

public:
  Reglageinstallation(QWidget* parent, orv_configFile* config);
  ~Reglageinstallation() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void on_HPScrollBar_valueChanged(int value);
  void on_BPScrollBar_valueChanged(int value);

private:
  Ui_Reglageinstallation* ui;
  orv_configFile* config;  // the wizard's copy, not owned
};
