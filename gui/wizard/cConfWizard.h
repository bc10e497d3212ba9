// Stand-in until the installation wizard is built: a configuration page with its refrigerant
// list, its cancel and finish buttons and its signals to the window.
#pragma once

#include <string>
#include <vector>

#include "cConfigurationWidget.h"

class cConfWizard : public cConfigurationWidget {
  Q_OBJECT

public:
  explicit cConfWizard(QWidget* parent = nullptr);

  void setFLuidsList(std::vector<std::string>& names);

  std::vector<std::string> fluidNames;  // the last list handed over

signals:
  void OnBtnCancelSignal();
  void OnBtnFinishSignal();
  void emitOnFluidChange(QString _newFluid);
  void emitOnCalibPressV1();
};
