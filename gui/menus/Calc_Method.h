// The thermodynamic detail view: 22 values of the refrigeration cycle taken from the
// measurement record (pressures and temperatures of the modules, refrigerant states and
// the processing thread's cycle values), each with one decimal. Read-only; the main window
// refreshes it on each data-ready notice while it is shown.
#pragma once

#include <QWidget>

#include <memory>

#include "struct_mesure.h"

namespace Ui {
class Calc_Method;
}

class Calc_Method : public QWidget {
  Q_OBJECT

 public:
  explicit Calc_Method(QWidget* parent = nullptr);
  ~Calc_Method() override;

  void UpdateCalcValues(struct_mesure& record);

  // True from show to hide: the main window refreshes only a shown view.
  bool shown;

 signals:
  void esc_CalcMethod();

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

 private slots:
  void on_accueilButton_clicked();

 private:
  std::unique_ptr<Ui::Calc_Method> ui;
};
