// Page 6 of the HPF wizard: the two differentials of the fan regulation around the
// condensing set point, over a diagram that shows where they act.
#pragma once

#include <QPixmap>

#include "cConfigurationWidget.h"
#include "modules_config.h"

namespace Ui {
class hpfConfig_Differentiel;
}

class hpfConfig_Differentiel : public cConfigurationWidget {
  Q_OBJECT

public:
  hpfConfig_Differentiel(QWidget* parent, hp_global_config_t* config);
  ~hpfConfig_Differentiel() override;

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;
  // Places the diagram and its two value labels in the room the page gives it.
  bool eventFilter(QObject* watched, QEvent* e) override;

private slots:
  void onDiffUPvalueChanged(double value);
  void onDiffDOWNvalueChanged(double value);

private:
  Ui::hpfConfig_Differentiel* ui;
  hp_global_config_t* hpfConfig;  // the wizard's working record
  QPixmap diagram;                 // the picture as read, scaled at each placing
};
