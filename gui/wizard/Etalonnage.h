// Wizard page 11: calibration of the card's three PT100 inputs (outdoor, receiver inlet,
// receiver outlet) against 100 ohm resistors, with per input a manual correction and
// whether the 3 m cable correction applies; it also carries the V2 card's radio
// thermometer flag.
#pragma once

#include <QString>

#include "cConfigurationWidget.h"

class QCheckBox;
class QDoubleSpinBox;
class QEvent;
class QLabel;
class QPushButton;
class Ui_Etalonnage;
class cEtalonnageThread;
class orv_configFile;

class Etalonnage : public cConfigurationWidget {
  Q_OBJECT

public:
  Etalonnage(QWidget* parent, orv_configFile* config);
  ~Etalonnage() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

public slots:
  void on_Etalonnage_Button_clicked();
  void OnThreadTerminate(bool aStatus, int Val);
  void OnThreadAddLine(QString aStr, int Ind);
  void onCheckBoxStateChanged(int state);
  void onChangeCarteMesure_type(int _cardType);
  void onThermoRadioStateChanged(int state);
  void On_ResetExtTempCorr();
  void On_ResetEntTempCorr();
  void On_ResetSorTempCorr();

private:
  // Everything of one input, outdoor (0), inlet (1) and outlet (2).
  struct Input {
    QLabel* caption;
    QCheckBox* calibration;
    QCheckBox* cable;
    QLabel* measureCaption;
    QLabel* measured;
    QLabel* measureUnit;
    QLabel* correctionCaption;
    QLabel* correction;
    QLabel* correctionUnit;
    QPushButton* reset;
    QLabel* manualCaption;
    QDoubleSpinBox* manual;
    const char* correctionKey;
    const char* manualKey;
    const char* cableKey;
  };
  void showRow(const Input& input, bool shown);
  void resetCorrection(int input);
  void applyFirstCommissioningRule(int radio);
  void showLiveReadings();

  Ui_Etalonnage* ui;
  orv_configFile* config;  // the wizard's copy, not owned
  cEtalonnageThread* worker;
  int cardType;
  Input inputs[3];
};
