// Page 11 of the HPF wizard, the last complementary page: the module's bus address and the
// speeds of its two serial ports as the working record holds them, shown only (both lists
// are disabled); its button returns to the send page.
#pragma once

#include "cConfigurationWidget.h"
#include "modules_config.h"

namespace Ui {
class hpfConfig_UART;
}

class hpfConfig_UART : public cConfigurationWidget {
  Q_OBJECT

public:
  hpfConfig_UART(QWidget* parent, hp_global_config_t* config);
  ~hpfConfig_UART() override;

signals:
  void emit_GoSendSaveStack();

public slots:
  void onSet_ORV_BaupsRate(int baudsEnum);
  void onSet_MODBUS_BaupsRate(int baudsEnum);
  void onUpdate_ORV_BaupsComboBox(int bauds);
  void onUpdate_MODBUS_BaupsComboBox(int bauds);
  void loadConfig();
  void onReturnToSendSave();

protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  Ui::hpfConfig_UART* ui;
  hp_global_config_t* hpfConfig;  // the wizard's working record
};
