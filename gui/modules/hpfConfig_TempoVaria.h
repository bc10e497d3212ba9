// Page 9 of the HPF wizard, the first complementary page: the fan switch-on and cut-off
// delays of the variator regulation, in seconds.
#pragma once

#include "cConfigurationWidget.h"
#include "modules_config.h"

namespace Ui {
class hpfConfig_TempoVaria;
}

class hpfConfig_TempoVaria : public cConfigurationWidget {
  Q_OBJECT

public:
  hpfConfig_TempoVaria(QWidget* parent, hp_global_config_t* config);
  ~hpfConfig_TempoVaria() override;

public slots:
  void loadConfig();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  Ui::hpfConfig_TempoVaria* ui;
  hp_global_config_t* hpfConfig;  // the wizard's working record
};
