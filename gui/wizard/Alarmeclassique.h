// Wizard page 10: the low-level alarm of the measurement. A minimum refrigerant weight and
// a delay for normal operation and, when pump-down monitoring is ticked, a second pair for
// pump-down. The weight bars run from 1 % to 95 % of the receivers' water capacity.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_Alarmeclassique;

class Alarmeclassique : public cConfigurationWidget {
  Q_OBJECT

public:
  Alarmeclassique(QWidget* parent, orv_configFile* config);
  ~Alarmeclassique() override;

  void showAlarme();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void on_tempsScrollBar_valueChanged(int value);
  void on_poidsScrollBar_valueChanged(int value);
  void on_tempsScrollBar_nuit_valueChanged(int value);
  void on_poidsScrollBar_nuit_valueChanged(int value);

private:
  Ui_Alarmeclassique* ui;
  orv_configFile* config;  // the wizard's copy, not owned
};
