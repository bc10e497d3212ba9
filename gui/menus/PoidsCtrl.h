// Stand-in until the page is built: the weight-check view, its mode, updates and exit.
#pragma once

#include <QWidget>

class PoidsCtrl : public QWidget {
  Q_OBJECT

public:
  PoidsCtrl(QWidget* parent, int mode);

  void UpdatePoidsConfig(unsigned tare);
  void UpdatePoidsCtrl(unsigned weight, unsigned liquidWeight, float density, int height);

  int mode;
  bool screenShown = false;
  int configCalls = 0;
  unsigned lastTare = 0;
  int updateCalls = 0;
  unsigned lastWeight = 0, lastLiquidWeight = 0;
  float lastDensity = 0;
  int lastHeight = 0;

signals:
  void sig_CtrlPoidsExit();
};
