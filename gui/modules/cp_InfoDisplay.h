// The COP view: the refrigeration cycle as the processing thread last computed it (three
// refrigerant states, glide, enthalpy difference, mass flow, cooling capacity, discharge
// temperatures) with the absorbed powers and three coefficients of performance. The main
// window hands it the refrigerant once and a copy of the measurement record after every
// processing pass while it is shown; a tap anywhere leaves it.
#pragma once

#include <QString>
#include <QWidget>

#include "struct_mesure.h"

namespace Ui {
class cp_InfoDisplay;
}

class cp_InfoDisplay : public QWidget {
  Q_OBJECT

public:
  explicit cp_InfoDisplay(QWidget* parent = nullptr);
  ~cp_InfoDisplay() override;

  // Set from the show event to the hide event: the main window feeds only a shown page.
  bool pageShown;

public slots:
  // The configured refrigerant and transcritical flag; "CO2" with 1 switches the HP gas
  // column to the transcritical display.
  void onSet_FluidName(QString _fluidName, int _transcritic);
  // Refreshes every value from the record copy.
  void UpdateMesureValues(struct_mesure& aMesures);

signals:
  void OnCPinfoExit();

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

private slots:
  void on_pushButton_exit_clicked();

private:
  Ui::cp_InfoDisplay* ui;
  QString fluidName;
  int transcritic;
  bool co2Transcritical;
};
