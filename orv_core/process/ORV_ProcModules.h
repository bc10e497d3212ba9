// What the processing thread uses of the module centre: the bus round, the exchange and
// power cumul records, the HPF exchange, the energy counter reset, and the few client
// values that the measurement lines and the nightly work read. The module centre (or an
// adapter over it) implements it; a test hands a scripted stand-in. A null seam means that
// the registry holds no module centre.
#pragma once

#include <cstdint>

#include "modules_exchange.h"
#include "orvCfgKeys.h"

// Plant values handed to the HPF module at every pass (its controller data record).
struct ProcToHpfValues {
  uint8_t plantRunning;      // measurement index 523
  uint32_t puissComp[6];     // compressor powers, truncated toward zero
  float tempExt;             // TempEXT
  float tsatHp;              // saturation temperature at the high pressure
  float hp;                  // high pressure, bar gauge
};

class ORV_ProcModules {
public:
  virtual ~ORV_ProcModules() = default;

  // One bus round: 1 when the card or an ENERGIE module answered, 0 otherwise.
  virtual int sendTo_AllModuls() = 0;
  virtual void get_Moduls_StructDatas(modules_exchange_t& out) = 0;
  virtual void get_CumulPuiss_StructDatas(struct_cumul_puissanse& out) = 0;

  // Connect state of the HPF module: 0 absent, 1 connected, 2 lost.
  virtual uint8_t isModulHpf_connected() = 0;
  // One HPF exchange with these plant values: 1 done, 0 failed.
  virtual int sendTo_HpfModul(const ProcToHpfValues& in) = 0;
  // HPF client values by data index and configuration id (charValue, intValue, floatValue).
  virtual cfg_value_t hpf_getDATA_struct(int index) = 0;
  virtual cfg_value_t hpf_getCFG_struct(int id) = 0;
  virtual int hpf_getNumVentilON() = 0;

  // Queues the energy counter reset and clears the energy totals.
  virtual void reset_CumulPuissance_Wh() = 0;

  // ENERGIE client: configuration id of module n (188 pressure input, 191 PT100 input),
  // running compressor blocks, the nightly module reboot and the voltage log rotation.
  virtual cfg_value_t ener_getCFG_struct(int module, int id) = 0;
  virtual int ener_totalAffectationON(int assignment) = 0;
  virtual void ener_rebootMODULS(bool all) = 0;
  virtual void ener_manageDailyPowerLog() = 0;
};
