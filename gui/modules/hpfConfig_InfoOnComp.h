// Page 3 of the HPF wizard: where the HPF module learns that the compressors run: from the
// controller (0), from a dry contact on the module (1) or from an ENERGIE module (2).
#pragma once

#include "cConfigurationWidget.h"
#include "modules_config.h"

namespace Ui {
class hpfConfig_InfoOnComp;
}

class hpfConfig_InfoOnComp : public cConfigurationWidget {
  Q_OBJECT

public:
  hpfConfig_InfoOnComp(QWidget* parent, hp_global_config_t* config);
  ~hpfConfig_InfoOnComp() override;

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void setCompON_InfoMode();
  void retORV(bool checked);
  void retHPF(bool checked);
  void retENER(bool checked);

private:
  Ui::hpfConfig_InfoOnComp* ui;
  hp_global_config_t* hpfConfig;  // the wizard's working record
  unsigned compOnSource = 0;      // 0 controller, 1 dry contact, 2 ENERGIE module
};
