// Stand-in until the page is built: the ENERGIE live view, its configuration, refresh and exit.
#pragma once

#include <QWidget>

#include "EnerModul.h"

class enerInfo_Display : public QWidget {
  Q_OBJECT

public:
  explicit enerInfo_Display(QWidget* parent = nullptr);

  void Update_AllENER_Config(energyORV_config_t& config);
  void Update_AllENER_Datas(energyORV_data_t& data, float coolingCapacity);

  bool screenShown = false;
  int configCalls = 0;
  int updateCalls = 0;
  float lastCoolingCapacity = 0;

signals:
  void OnENERinfoExit();
};
