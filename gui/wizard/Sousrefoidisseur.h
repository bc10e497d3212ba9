// Wizard page 14: does a liquid subcooler follow the receiver? One yes/no answer kept in
// CONFIG_FLAG_REFOIDISSEUR of the wizard's working copy.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_Sousrefoidisseur;

class Sousrefoidisseur : public cConfigurationWidget {
  Q_OBJECT

public:
  Sousrefoidisseur(QWidget* parent, orv_configFile* config);
  ~Sousrefoidisseur() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  Ui_Sousrefoidisseur* ui;
  orv_configFile* config;  // the wizard's copy, not owned
};
