// Page 0 of the HPF wizard: whether the HPF module is connected and, when it is not, a new
// search for it and its bus address 5..62. The address is stored in the module client and
// written to the configuration file at each step of its spin box.
#pragma once

#include "cConfigurationWidget.h"

namespace Ui {
class hpfConfig_Infos;
}

class hpfConfig_Infos : public cConfigurationWidget {
  Q_OBJECT

public:
  explicit hpfConfig_Infos(QWidget* parent = nullptr);
  ~hpfConfig_Infos() override;

public slots:
  void OnStartHPFsearch();
  void onBusIdChanged(int IDvalue);

protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  void showSearchGroup(bool visible);
  void showConnected();

  Ui::hpfConfig_Infos* ui;
};
