// Wizard page 5: the inner diameter of the liquid receivers, in millimetres, on a wide
// scroll bar beside a picture of the receiver type chosen on the page before.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_Diamreservoir;

class Diamreservoir : public cConfigurationWidget {
  Q_OBJECT

public:
  Diamreservoir(QWidget* parent, orv_configFile* config);
  ~Diamreservoir() override;

  void showDiametre();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void on_horizontalScrollBar_valueChanged(int value);

private:
  Ui_Diamreservoir* ui;
  orv_configFile* config;  // the wizard's copy, not owned
};
