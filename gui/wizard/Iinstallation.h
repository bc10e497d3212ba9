// Wizard page 13: three sizes of the plant as whole numbers: the internal volume of the
// condenser(s) or gas cooler (dm3), the refrigerant charge (kg) and the volume of one
// receiver (dm3).
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_Iinstallation;

class Iinstallation : public cConfigurationWidget {
  Q_OBJECT

public:
  Iinstallation(QWidget* parent, orv_configFile* config);
  ~Iinstallation() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void on_Condenseur_ScrollBar_valueChanged(int value);
  void on_Fluide_ScrollBar_valueChanged(int value);
  void on_Volume_ScrollBar_valueChanged(int value);

private:
  Ui_Iinstallation* ui;
  orv_configFile* config;  // the wizard's copy, not owned
};
