// Wizard page 8: the measuring range of the plant's 4-20 mA high-pressure sensor (whole
// bar, in the keys of the card generation in use) and its zero offset, measured on request
// by a one-exchange worker while the sensor is open to the atmosphere.
#pragma once

#include <QString>

#include "cConfigurationWidget.h"

class QEvent;
class Ui_Capteurhp;
class cCapteurHPThread;
class orv_configFile;

class Capteurhp : public cConfigurationWidget {
  Q_OBJECT

public:
  Capteurhp(QWidget* parent, orv_configFile* config);
  ~Capteurhp() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

signals:
  // Declared for the wizard's relay; the page never emits it.
  void sig_onCalib_PRESS();

public slots:
  void onPressionMAXI_ValueChanged(int value);
  void onPressionMINI_ValueChanged(int value);
  void onCalib_PRESSclicked();
  void onReset_PRESSclicked();
  void OnThreadTerminate(bool aStatus, float Val);
  void OnThreadAddLine(QString aStr);

private:
  QString rangeText(int minimum, int maximum) const;
  // The range as the load reads it from the copy: V1 int keys, V2 float keys truncated.
  int storedRange(bool maximum);

  Ui_Capteurhp* ui;
  orv_configFile* config;  // the wizard's copy, not owned
  cCapteurHPThread* worker;
  int pressureMax;
  int pressureMin;
  int cardType;
};
