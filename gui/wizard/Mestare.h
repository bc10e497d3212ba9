// Wizard page 9: the tare of the measuring column, the weight the card's strain gauge reads
// while the column is empty. Shows the stored tare and the least the configured column
// should weigh; a worker averages five readings, the page stores the result with its date
// in the wizard's copy, journals it, and holds the wizard's Next flag while no tare is
// stored.
#pragma once

#include "cConfigurationWidget.h"

class QEvent;
class Ui_Mestare;
class cMestareThread;
class orv_configFile;

class Mestare : public cConfigurationWidget {
  Q_OBJECT

public:
  Mestare(QWidget* parent, orv_configFile* config);
  ~Mestare() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

public slots:
  void on_TareButton_clicked();
  void OnThreadTerminate(bool aStatus, int Val);
  void OnThreadChangePercent(long aMax, long aMin, long aValue);

private:
  void showTare(int grams);

  Ui_Mestare* ui;
  orv_configFile* config;  // the wizard's copy, not owned
  cMestareThread* worker;
  int cardType;
};
