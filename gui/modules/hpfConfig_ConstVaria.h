// Page 10 of the HPF wizard: the two constants of the speed variator's variation step,
// for a current-output (mA) and for a voltage-output variator, with a preview of the step
// constant 1 x e^(deviation x constant 2) for a chosen temperature deviation.
#pragma once

#include "cConfigurationWidget.h"
#include "modules_config.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace Ui {
class hpfConfig_ConstVaria;
}

class hpfConfig_ConstVaria : public cConfigurationWidget {
  Q_OBJECT

public:
  hpfConfig_ConstVaria(QWidget* parent, hp_global_config_t* config);
  ~hpfConfig_ConstVaria() override;

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void calculPas_mA(int item);
  void calculPas_volt(int item);
  void onConstsReINIT();

private:
  void loadConfig();

  Ui::hpfConfig_ConstVaria* ui;
  hp_global_config_t* hpfConfig;  // the wizard's working record
};
