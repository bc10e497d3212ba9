// Wizard page 0: the measuring card the configuration names (none, V1 or V2), its serial
// speed and V2 firmware version, whether it was tested already (a tare is stored), and a
// one-exchange test on request whose report lists the weight, the three temperatures and
// the high pressure. The page drives the wizard's Next flag.
#pragma once

#include <QString>

#include "cConfigurationWidget.h"

class QEvent;
class Ui_Tcm;
class cTcmThread;
class orv_configFile;

class Tcm : public cConfigurationWidget {
  Q_OBJECT

public:
  Tcm(QWidget* parent, orv_configFile* config);
  ~Tcm() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

public slots:
  void on_testButton_clicked();
  void OnThreadTerminate(bool aStatus);
  void OnThreadAddLine(QString aStr);
  void OnThreadChangePercent(long aMax, long aMin, long aValue);
  void onUpdate_BaupsComboBox(int bauds);

private:
  Ui_Tcm* ui;
  orv_configFile* config;  // the wizard's copy, not owned
  cTcmThread* worker;
  int cardType;
};
