// The one owner of the RS-485 module bus: the link and the module clients. It detects at
// start which modules answer, runs one bus round whenever the processing thread asks,
// gathers the readings into the module exchange record with the sensor calibration
// offsets applied, and keeps the ENERGIE power cumuls and voltage watch. Every other part
// of the program reaches the clients through it (object registry slot 3).
//
// Module types: 0 V2 card, 1 HPF, 2..4 ENERGIE 0..2, 5 V1 card. Bus addresses: V2 card 1,
// HPF 5, ENERGIE n 6 + n; the V1 card answers without an address.
//
// No lock of its own: detection runs in the GUI thread before the worker threads start,
// the bus round and the record copies in the processing thread; the GUI and the server
// exchange thread use the clients only while the processing thread is paused.
#pragma once

#include <cstdint>
#include <string>

#include "EnerPowerCumuls.h"
#include "firmwareLauncher.h"
#include "modules_config.h"
#include "modules_exchange.h"
#include "orvCfgKeys.h"
#include "process/ORV_ProcModules.h"

class CComRS485;
class MesV1Modul;
class MesV2Modul;
class HpfModul;
class EnerModul;
struct hp_toORV_data_t;

class ModulsCenter : public ORV_ProcModules, public FirmwareModules {
public:
  enum ModuleType { TYPE_MESV2 = 0, TYPE_HPF = 1, TYPE_ENER0 = 2, TYPE_MESV1 = 5 };

  ModulsCenter();
  ~ModulsCenter() override;
  ModulsCenter(const ModulsCenter&) = delete;
  ModulsCenter& operator=(const ModulsCenter&) = delete;

  int initModulsCenter();
  void closeModulsCenter();

  int start_modul_mesV1();
  int start_modul_mesV2();
  int start_modul_hpf();
  int start_moduls_ener();
  void stop_modul_mesV1();
  void stop_modul_mesV2();
  void stop_modul_hpf();
  void stop_moduls_ener();

  // Connect states: 0 absent (or no client), 1 connected, 2 lost.
  uint8_t isModulMesV1_connected();
  uint8_t isModulMesV2_connected();
  uint8_t isModulHpf_connected() override;
  uint8_t isModulEner_connected(int n);
  uint8_t isModul_connected(int type) override;
  // Bus id and firmware version from the module's configuration; 0 for the V1 card, a
  // type out of range or a missing client.
  int getModul_rs485_id(int type) override;
  float Modul_firmVersion(int type) override;
  int get_MesureCardType() const { return cardType_; }

  MesV1Modul* mesV1_ptr() { return mesV1_; }
  MesV2Modul* mesV2_ptr() { return mesV2_; }
  HpfModul* hpf_ptr() { return hpf_; }
  EnerModul* ener_ptr() { return ener_; }
  CComRS485* ComRS485_ptr() { return link_; }

  // Detection at start: the number of modules found.
  int autoDetect_AllModuls();
  // One bus round: 1 when the measuring card or an ENERGIE module answered.
  int sendTo_AllModuls() override;
  // Fills `record` from the clients, calibration offsets applied; 1.
  int update_Moduls_StructDatas(modules_exchange_t* record);
  // One HPF exchange: 1 with `out` the module's latest data, 0 when it failed.
  int sendTo_HpfModul(orv_toHP_datas_t& in, hp_toORV_data_t& out);
  int sendTo_HpfModul(const ProcToHpfValues& in) override;
  void get_Moduls_StructDatas(modules_exchange_t& out) override;
  void get_CumulPuiss_StructDatas(struct_cumul_puissanse& out) override;
  // Queues the energy counter reset of the connected ENERGIE modules and clears the
  // energy totals.
  void reset_CumulPuissance_Wh() override;
  // Forces a module's connect state (2 after a firmware update: identify it again); 0.
  int Modul_setConnectState(int type, uint8_t state);
  void setAutotest(std::string text) { autotest_ += text; }
  std::string getAutotest() const { return autotest_; }
  void printDEBUG_Moduls_StructDatas();

  // Hands the settings received from the server to the connected modules whose sections
  // changed (V2 card, HPF, ENERGIE 0..2) and queues their configuration command.
  void sendNetConfigToModules(bool mesV2, bool hpf, const bool ener[3]);

  // The processing thread's reads of the HPF and ENERGIE clients (all-zero without one).
  cfg_value_t hpf_getDATA_struct(int index) override;
  cfg_value_t hpf_getCFG_struct(int id) override;
  int hpf_getNumVentilON() override;
  cfg_value_t ener_getCFG_struct(int module, int id) override;
  int ener_totalAffectationON(int assignment) override;
  void ener_rebootMODULS(bool now) override;
  void ener_manageDailyPowerLog() override;

private:
  void detectMesureCard(int* count);
  void detectHpf(int* count);
  void detectEner(int* count);
  void fillFromMesV1(modules_exchange_t* record, bool filled[12]);
  void fillFromMesV2(modules_exchange_t* record, bool filled[12]);
  void fillFromEner(modules_exchange_t* record, bool filled[12]);
  void applyCalibration(modules_exchange_t* record, const bool filled[12]);
  void updatePowerCumuls();

  CComRS485* link_;
  MesV1Modul* mesV1_;
  MesV2Modul* mesV2_;
  HpfModul* hpf_;
  EnerModul* ener_;
  modules_exchange_t moduls_;
  struct_cumul_puissanse cumuls_;
  int cardType_;  // 0 none, 1 V1 card, 2 V2 card
  std::string autotest_;
  EnerShareDivision shares_;  // fresh-reading bookkeeping of the shared ENERGIE blocks
  VoltageWatch voltageWatch_;
};
