// Stand-in until the page is built: the HPF live view, its configuration, refresh and exit.
#pragma once

#include <QWidget>

#include "HpfModul.h"

class hpfInfo_Display : public QWidget {
  Q_OBJECT

public:
  explicit hpfInfo_Display(QWidget* parent = nullptr);

  void OnSet_HPF_Config(hp_global_config_t& config, int relayCards, float version);
  void UpdateMesureValues(int outsideTempError, float outsideTemp, int hpError, float hp,
                          float hpTemp, bool hpfConnected, hp_toORV_data_t& data,
                          orv_toHP_datas_t& toHpf);
  void on_update_HPFdatas();

  bool screenShown = false;
  int configCalls = 0;
  int lastRelayCards = 0;
  float lastVersion = 0;
  int updateCalls = 0;
  float lastOutsideTemp = 0, lastHp = 0, lastHpTemp = 0;
  bool lastHpfConnected = false;
  int redrawCalls = 0;

signals:
  void OnHPSinfoExit();
};
