// The HPF live view: what the HPF module is doing, drawn over a picture of the plant: the
// outside temperature, the high pressure and its condensing temperature, the set point the
// module computed with its differentials, the fan stages on and their summed power, the
// variator output, six compressor and six state lamps, the firmware version, and a red
// list of the bus problems of the moment. Read only; a tap anywhere leaves it.
#pragma once

#include <QVector>
#include <QWidget>

#include "HpfModul.h"
#include "modules_config.h"

class led_Rect;

namespace Ui {
class hpfInfo_Display;
}

class hpfInfo_Display : public QWidget {
  Q_OBJECT

public:
  explicit hpfInfo_Display(QWidget* parent = nullptr);
  ~hpfInfo_Display() override;

  // Redraws the module's data from the last refresh's records (the main window also asks
  // for it).
  void on_update_HPFdatas();

  // Set by the show, cleared by the hide: the main window refreshes a shown page only.
  bool pageShown = false;

signals:
  void OnHPSinfoExit();

public slots:
  // The module's configuration, relay cards beyond the first and firmware version, given
  // once after creation while the module is connected.
  void OnSet_HPF_Config(hp_global_config_t& cfg, int _relayBlocNumber, float _hpfFirmwareVer);
  // A refresh after a processing pass; the flags are the sensors' error flags (0 good).
  void UpdateMesureValues(int tempExtError, float tempExt, int hpError, float hp, float hpTemp,
                          bool hpfConnected, hp_toORV_data_t& hpfData, orv_toHP_datas_t& toHpfData);

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void on_exitButton_clicked();

private:
  void on_update_HPFconfig();
  void nameFloatingLed();

  Ui::hpfInfo_Display* ui;
  QVector<led_Rect*> compLeds;
  QVector<led_Rect*> stateLeds;
  hp_global_config_t hpfConfig;
  hp_toORV_data_t hpfDatas;
  orv_toHP_datas_t toHpfDatas;
  int compressorsOn = 0;
  int stagesOn = 0;
  int relayBlocNumber = 0;  // relay cards beyond the first
  float hpfFirmwareVer = 0;
};
