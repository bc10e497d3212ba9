// The home page of the device: the plant picture chosen by the configuration, with the
// live values of each processing pass written over it, the alarm state, the network and
// bus icons and the device ID. A permanent page of the main window, refreshed by it from
// a copy of the measurement record while the page is shown.
#pragma once

#include <QString>
#include <QWidget>

#include <memory>

#include "struct_mesure.h"

class ClickableLabel;
class QLabel;
class ReadoutPlates;
namespace Ui {
class Ecran_Orv;
}

class Ecran_Orv : public QWidget {
  Q_OBJECT

public:
  explicit Ecran_Orv(QWidget* parent = nullptr);
  ~Ecran_Orv() override;

  // Refreshes every value from `m` (the main window's copy of the record) and the
  // configuration read at the last showing.
  void UpdateNoyauValues(struct_mesure& m);

  // Set from the end of a showing until the page is hidden: the main window refreshes
  // the page only meanwhile.
  bool screenShown;

signals:
  void OnMenuSignal();
  void OnHPFinfoSignal();
  void OnCPinfoSignal();
  void OnENERinfoSignal();
  // Hidden tap sequences: the maker's service menu and the calculation view.
  void OnMenuNorvaleSignal();
  void OnMenuCalculMethodSignal();

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

private slots:
  void on_menuButton_clicked();
  void on_HPFinfosButton_clicked();
  void on_CPinfosButton_clicked();
  void on_ENERinfosButton_clicked();
  void on_pB_simul1_clicked();
  void on_pB_simul2_clicked();

private:
  enum class SequenceTap { None, Going, Ended };
  SequenceTap nextSequenceTap();
  bool isCO2() const;
  bool co2WithoutSubcritical() const;
  QString backgroundName() const;
  void placeForTankType();
  void showHighSide(const struct_mesure& m);
  void showLowSide(const struct_mesure& m);
  void showMassAndLevel(const struct_mesure& m, bool oneCard);
  void showLowLevelSettings(const struct_mesure& m);
  void showAlarmState(const struct_mesure& m);
  void showRadioBattery(const struct_mesure& m);
  void showHeatRejection(const struct_mesure& m);

  Ui::Ecran_Orv* ui;
  ClickableLabel* outsideTempLabel;
  ClickableLabel* hpPressureLabel;
  std::unique_ptr<ReadoutPlates> plates;  // under the values the light picture cannot carry
  int tapState;
  int ener1Connected;
  int ener2Connected;
  int ener1PT100;
  int ener2PT100;
  int ener1Pressure;
  int ener2Pressure;
  int transcritical;
  int subcritical;
  QString fluidName;
  QString tankType;
  int inclination;
  int subcooler;
  QString chargeText;
  int tankHeight;
  int levelBarMaximum;    // of the tank type, set by each refresh
  unsigned levelDimension;  // mm that fill the bar: the diameter ("H") or the height ("V")
};
