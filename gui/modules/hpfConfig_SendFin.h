// Page 8 of the HPF wizard, the end of the main walk: its large button asks the wizard to
// send the working record to the module and save it, and shows the result; a small button
// beside it opens the complementary parameters (pages 9 to 11).
#pragma once

#include "cConfigurationWidget.h"

namespace Ui {
class hpfConfig_SendFin;
}

class hpfConfig_SendFin : public cConfigurationWidget {
  Q_OBJECT

public:
  explicit hpfConfig_SendFin(QWidget* parent = nullptr);
  ~hpfConfig_SendFin() override;

signals:
  void emit_OnSendSave_HPFcfg();
  void emit_OnComplParams();
  void OnEnableNextBtn(bool aEnable);

public slots:
  void OnSaveSendHPFcfg_state(bool state);

protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void OnSaveSendHPF_Config();
  void OnComplParamsBtn();

private:
  Ui::hpfConfig_SendFin* ui;
};
