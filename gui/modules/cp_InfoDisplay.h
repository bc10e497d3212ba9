// Stand-in until the page is built: the refrigerant-state and COP view, its refresh and exit.
#pragma once

#include <QString>
#include <QWidget>

#include "struct_mesure.h"

class cp_InfoDisplay : public QWidget {
  Q_OBJECT

public:
  explicit cp_InfoDisplay(QWidget* parent = nullptr);

  void onSet_FluidName(QString fluid, int transcritical);
  void UpdateMesureValues(struct_mesure& m);

  bool screenShown = false;
  QString fluidName;
  int transcriticalPlant = -1;
  int updateCalls = 0;
  struct_mesure lastRecord{};

signals:
  void OnCPinfoExit();
};
