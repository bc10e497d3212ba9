// Page 7 of the HPF wizard: the night-mode limits. The cap of the speed variator's output
// is entered once as a percentage of full scale and stored twice, as a current (mA) and a
// voltage (V) limit; beside it the condensing temperature that unlocks night mode. The page
// can be edited only with speed variation on all fan stages (regulation mode 2).
#pragma once

#include "cConfigurationWidget.h"
#include "modules_config.h"

namespace Ui {
class hpfConfig_ModeNuit;
}

class hpfConfig_ModeNuit : public cConfigurationWidget {
  Q_OBJECT

public:
  hpfConfig_ModeNuit(QWidget* parent, hp_global_config_t* config);
  ~hpfConfig_ModeNuit() override;

signals:
  void OnEnableNextBtn(bool aEnable);

public slots:
  void onMaxiValueChanged(int value);
  void loadConfig();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  Ui::hpfConfig_ModeNuit* ui;
  hp_global_config_t* hpfConfig;  // the wizard's working record
};
