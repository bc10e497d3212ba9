// Wizard page 7: the tube the measuring column is made of. The choice stores a short type
// text (CONFIG_COLUMN_TYPE, used by the tare) and the tube's inner diameter
// (CONFIG_DIAM_TUBE, used to turn the weighed liquid into a level).
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_Colonne;

class Colonne : public cConfigurationWidget {
  Q_OBJECT

public:
  Colonne(QWidget* parent, orv_configFile* config);
  ~Colonne() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  Ui_Colonne* ui;
  orv_configFile* config;  // the wizard's copy, not owned
};
