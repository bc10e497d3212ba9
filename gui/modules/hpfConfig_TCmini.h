// Page 5 of the HPF wizard: the minimum condensing temperature the plant's expansion
// valves need, typed as free text.
#pragma once

#include "cConfigurationWidget.h"
#include "modules_config.h"

namespace Ui {
class hpfConfig_TCmini;
}

class hpfConfig_TCmini : public cConfigurationWidget {
  Q_OBJECT

public:
  hpfConfig_TCmini(QWidget* parent, hp_global_config_t* config);
  ~hpfConfig_TCmini() override;

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  Ui::hpfConfig_TCmini* ui;
  hp_global_config_t* hpfConfig;  // the wizard's working record
};
