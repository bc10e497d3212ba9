// Page 1 of the HPF wizard: the power in watts that each fan stage of the condenser
// absorbs, one stage at a time. The stages offered follow the relay cards the module
// reported (four stages a card), at most the record's twelve.
#pragma once

#include "cConfigurationWidget.h"
#include "modules_config.h"

namespace Ui {
class hpfConfig_Ventil;
}

class hpfConfig_Ventil : public cConfigurationWidget {
  Q_OBJECT

public:
  hpfConfig_Ventil(QWidget* parent, hp_global_config_t* config);
  ~hpfConfig_Ventil() override;

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void onVentilNumValueChanged(int ventilID);

private:
  void showStage(int stage);

  Ui::hpfConfig_Ventil* ui;
  hp_global_config_t* hpfConfig;  // the wizard's working record
  int currentStage = 1;           // 1-based stage the power field shows
};
