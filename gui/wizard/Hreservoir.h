// Wizard page 6: the last receiver dimensions. Vertical receivers: the column height
// between the hose connection axes. Horizontal receivers: the receiver length and its
// inclination height, with the resulting angle shown.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_Hreservoir;

class Hreservoir : public cConfigurationWidget {
  Q_OBJECT

public:
  Hreservoir(QWidget* parent, orv_configFile* config);
  ~Hreservoir() override;

  void showHauteur();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void on_HauteurScrollBar_valueChanged(int value);
  void on_InclinaisonScrollBar_valueChanged(int value);

private:
  // Height or length shown for a value of the height bar (its vertical use is upside down).
  int heightFromBar(int value) const;
  int inclinationFromBar() const;
  void showAngle(int inclination, int length);

  Ui_Hreservoir* ui;
  orv_configFile* config;  // the wizard's copy, not owned
  char tankType;           // type of the last load; 0 before the first
};
