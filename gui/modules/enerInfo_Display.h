// The live energy view: the electrical readings of up to three ENERGIE modules of three
// power inputs each, grouped by what each input feeds (individual compressors, all
// compressors, condenser fans, pumps, parallel compressors), with the cooling capacity and
// three coefficients of performance. A menu row chooses powers, phase currents or
// energies. The main window hands it the ENERGIE configuration bundle once and the data
// bundle after every processing pass; the page keeps its own copies.
#pragma once

#include <QButtonGroup>
#include <QWidget>

#include "EnerModul.h"

class QLabel;

namespace Ui {
class enerInfo_Display;
}

class enerInfo_Display : public QWidget {
  Q_OBJECT

public:
  explicit enerInfo_Display(QWidget* parent = nullptr);
  ~enerInfo_Display() override;

  // Set from the show event to the hide event: the main window feeds only a shown page.
  bool pageShown;

public slots:
  // Keeps the bundle (connect states, allocations, shares) and sets the share markers.
  void Update_AllENER_Config(energyORV_config_t& aConfig);
  // Keeps the readings and the cooling capacity (kW) and refreshes the page.
  void Update_AllENER_Datas(energyORV_data_t& aDatas, float aCoolingCapacity);

signals:
  void OnENERinfoExit();

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

private slots:
  void on_exitButton_clicked();
  void onMenuChanged(int _menu);
  void onUpdateMenu(int _menu);
  void reset_LabelDatas_Display();
  void update_ENERdatas_Display();
  void onAddCompressurInfo(float _active, float _apparente, float _reactive);
  void onAddCompressurCumulInfo(float _activeCumul, float _apparenteCumul, float _reactiveCumul);
  void onAddVentilCondensInfo(float _active, float _apparente, float _reactive);
  void onAddVentilCondensCumulInfo(float _activeCumul, float _apparenteCumul, float _reactiveCumul);
  void onAddPompesInfo(float _active, float _apparente, float _reactive);
  void onAddCompPInfo(float _active, float _apparente, float _reactive);
  void onAddPompesCumulInfo(float _activeCumul, float _apparenteCumul, float _reactiveCumul);

private:
  enum Menu { MenuPowers = 0, MenuCurrents = 1, MenuEnergyToday = 2, MenuEnergyYear = 3 };
  static constexpr int kCompressorRows = 6;

  // The three value labels of a group row.
  struct RowLabels {
    QLabel* col[3];
  };
  void writeRow(const RowLabels& row, float a, float b, float c, int decimals = 1);
  void showPowerFactorsAndCops(bool visible);

  Ui::enerInfo_Display* ui;
  QButtonGroup menuGroup;
  energyORV_config_t enerConfig;
  energyORV_data_t enerDatas;
  int currentMenu;
  int compressorRow;
  float coolingCapacity;

  RowLabels compressorLabels[kCompressorRows];
  QLabel* powerFactorLabels[kCompressorRows];
  RowLabels compCumulLabels, fansLabels, fansCumulLabels, pumpsLabels, compPLabels,
      pumpsCumulLabels;
  QLabel* copLabels[3];
};
