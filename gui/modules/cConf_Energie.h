// The ENERGIE configuration page: one module at a time, what each of its three power
// inputs feeds, the current transformers, the shares of fans and pumps inputs, and the
// pressure and PT100 probes with the controller's own corrections of them. A save sends
// the module its configuration ('8') and keeps it in section "Module_Energie_<n>" only
// once the module acknowledged it; the probes' calibrations read the module once in a
// worker thread. The main window pauses the processing thread while the page is open, so
// the page's exchanges never meet the bus polling.
#pragma once

#include <QWidget>

#include "EnerModul.h"

class QComboBox;
class cSensorCalibThread;

namespace Ui {
class cConf_Energie;
}

class cConf_Energie : public QWidget {
  Q_OBJECT

public:
  explicit cConf_Energie(QWidget* parent = nullptr);
  ~cConf_Energie() override;

signals:
  void OnEnerCfgExit();

public slots:
  // Shows the module number and loads the module shown.
  void updateEnerID();
  // Loads the module of the module index into the form (the argument is not used).
  void onEnergieNumValueChanged(int enerID);
  void oncB_Affectation1_currentIndexChanged(int index);
  void oncB_Affectation2_currentIndexChanged(int index);
  void oncB_Affectation3_currentIndexChanged(int index);
  void oncB_P1shared_currentIndexChanged(int index);
  void oncB_P2shared_currentIndexChanged(int index);
  void oncB_P3shared_currentIndexChanged(int index);
  // Selects in the share list of input `blocPuissance` (0..2) its stored percentage.
  void onSetAffectationSharePercent(int blocPuissance);
  // Save, the two calibrations, "-", "+" and exit, together.
  void onButtons_Enable(bool _state);

  // Probe calibration: a confirmation, then one reading by the worker.
  void on_pB_PT100calibrage_clicked();
  void on_pB_PressCalib_clicked();
  void OnThreadTerminate(bool aStatus, float aVal);
  void On_ResetPT100Corr();

private slots:
  void on_exitButton_clicked();
  void on_pB_SaveENER_clicked();
  void on_pB_enerIDplus_clicked();
  void on_pB_enerIDmoins_clicked();

protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  enum CalibrationKind { CalibNone = -1, CalibPT100 = 0, CalibPressure = 1 };

  QComboBox* allocationList(int input) const;
  QComboBox* shareList(int input) const;
  QComboBox* ratingList(int input) const;
  QComboBox* countList(int input) const;
  void fillListTexts();
  void allocationChanged(int input, int code);
  void shareChanged(int input);
  void startCalibration(int kind);
  void showBundleReadError();
  // The module shown can be saved: its bundle was read and it is not absent.
  bool saveAllowed() const;

  Ui::cConf_Energie* ui;
  cSensorCalibThread* calibThread;
  int enerIndex;
  energyORV_config_t enerConfig;
  energyORV_cfg_t backupConfig;
  int calibType;
  // False until a show copied the client's bundle; then nothing may be saved.
  bool bundleCopied;
};
