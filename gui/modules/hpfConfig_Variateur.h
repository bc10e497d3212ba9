// Page 2 of the HPF wizard: the speed variator of the condenser fans: regulation type,
// command signal (volts or mA), 4-20 mA power feedback and the power 20 mA stands for.
#pragma once

#include "cConfigurationWidget.h"
#include "modules_config.h"

namespace Ui {
class hpfConfig_Variateur;
}

class hpfConfig_Variateur : public cConfigurationWidget {
  Q_OBJECT

public:
  hpfConfig_Variateur(QWidget* parent, hp_global_config_t* config);
  ~hpfConfig_Variateur() override;

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void changeRegulMode(bool state);
  void changeVariaReturn(bool state);
  void onChangeVariaType(int typeVaria);
  void onChangeRegulType(int typeRegul);

private:
  void loadConfig();

  Ui::hpfConfig_Variateur* ui;
  hp_global_config_t* hpfConfig;  // the wizard's working record
};
