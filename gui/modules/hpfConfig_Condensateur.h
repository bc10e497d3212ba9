// Page 4 of the HPF wizard: the condenser's selection, its outside temperature and its
// real temperature difference in steady summer operation, typed as free text.
#pragma once

#include "cConfigurationWidget.h"
#include "modules_config.h"

namespace Ui {
class hpfConfig_Condensateur;
}

class hpfConfig_Condensateur : public cConfigurationWidget {
  Q_OBJECT

public:
  hpfConfig_Condensateur(QWidget* parent, hp_global_config_t* config);
  ~hpfConfig_Condensateur() override;

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  void loadConfig();

  Ui::hpfConfig_Condensateur* ui;
  hp_global_config_t* hpfConfig;  // the wizard's working record
};
