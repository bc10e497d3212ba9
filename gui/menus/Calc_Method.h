// Stand-in until the page is built: the thermodynamic detail view, its refresh and exit.
#pragma once

#include <QWidget>

#include "struct_mesure.h"

class Calc_Method : public QWidget {
  Q_OBJECT

public:
  explicit Calc_Method(QWidget* parent = nullptr);

  void UpdateCalcValues(struct_mesure& m);

  bool screenShown = false;
  int updateCalls = 0;
  struct_mesure lastRecord{};

signals:
  void esc_CalcMethod();
};
