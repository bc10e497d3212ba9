// Stand-in until the main measurement screen is built: its signals, buttons and refresh.
#pragma once

#include <QWidget>

#include "struct_mesure.h"

class Ecran_Orv : public QWidget {
  Q_OBJECT

public:
  explicit Ecran_Orv(QWidget* parent = nullptr);

  void UpdateNoyauValues(struct_mesure& m);

  bool screenShown = false;  // the window refreshes the screen only while it is set
  int updateCalls = 0;
  struct_mesure lastRecord{};

signals:
  void OnMenuSignal();
  void OnHPFinfoSignal();
  void OnCPinfoSignal();
  void OnENERinfoSignal();
  void OnMenuNorvaleSignal();
  void OnMenuCalculMethodSignal();
};
