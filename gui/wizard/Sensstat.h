// Wizard page 15: the sensitivity of the statistical leak detection. One bar runs from
// "Plus sensible" to "Moins sensible" and gives the 3-day threshold; its range follows the
// low-pressure set point. The long-period and "Statistique 103" controls stay hidden.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_Sensstat;

class Sensstat : public cConfigurationWidget {
  Q_OBJECT

public:
  Sensstat(QWidget* parent, orv_configFile* config);
  ~Sensstat() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void on_stat3jScrollBar_valueChanged(int value);
  void on_statLPScrollBar_valueChanged(int value);
  void on_Init_clicked();

private:
  Ui_Sensstat* ui;
  orv_configFile* config;  // the wizard's copy, not owned
  int locked;              // z1_VERROU_ORV at the last load: a locked device keeps its settings
  // "INIT" pressed since the last load. Only then is the hidden long-period setting
  // written back, so that a threshold set elsewhere survives a visit of the page.
  bool initPressed;
};
