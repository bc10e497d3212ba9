// The single client of the three ENERGIE modules (module n = 0, 1, 2 at bus address
// 6 + n). An ENERGIE module measures three feeders (blocks) with their powers, energy,
// phase voltages and currents, and carries one pressure and one PT100 input.
//
// It keeps each module's configuration in step with section "Module_Energie_<n>", reads
// each connected module's measurements once per bus cycle, latches an input fault after
// 66 invalid readings in a row, declares a module lost 300 s after its last valid reply
// and reconnects it, and sends reboot, energy reset, calibration and loader commands.
//
// Exchange results: 0 done, -2 invalid reply, -4 short or missing reply. Module numbers
// outside 0..2 make an operation do nothing (0 or the zero value).
#pragma once

#include <cstdint>

#include "busClient.h"
#include "modules_config.h"
#include "orvCfgKeys.h"

// One measuring block (a three-phase feeder).
struct __attribute__((packed)) ener_block_t {
  float P_kW;    // active power
  float E_kWh;   // energy
  float S_kVA;   // apparent power
  float Q_kVAR;  // reactive power
  float V1, I1;  // phase 1 voltage V, current A
  float V2, I2;
  float V3, I3;
};

// Reply to '6'. Inputs read 999.0 when invalid.
struct __attribute__((packed)) ener_toORV_data_t {
  float pression;  // bar gauge
  float pt100;     // degC
  ener_block_t block[3];
};
static_assert(sizeof(ener_toORV_data_t) == 128, "ener_toORV_data_t is 128 bytes");

struct __attribute__((packed)) energyORV_data_t {
  ener_toORV_data_t module[3];
};

// Reply to identification ('4' answered by '3').
struct __attribute__((packed)) ener_ident_t {
  uint8_t isConfigured;
  float version;  // id 173
};
static_assert(sizeof(ener_ident_t) == 5, "ener_ident_t is 5 bytes");

struct __attribute__((packed)) ener_process_values_t {
  uint8_t voltageAlarm;  // voltage watch state: 0 normal, 1 a phase at 0 V
  uint8_t cmdToSend;     // next command of the cyclic exchange
  uint8_t pressureError;
  uint8_t pt100Error;
  int32_t pressureCounter;  // invalid readings in a row
  int32_t pt100Counter;
  uint32_t commCounter;  // time of the last valid reply, s since the epoch; 0 = none
};

struct __attribute__((packed)) energyORV_config_t {
  uint8_t connectState[3];  // 0 absent, 1 connected, 2 lost
  uint32_t connectedCount;  // modules in state 1
  ener_ident_t ident[3];
  energyORV_cfg_t cfg[3];
  ener_process_values_t proc[3];
};

class EnerModul {
public:
  explicit EnerModul(CComRS485* link);
  virtual ~EnerModul();

  int initEnerModul();
  void closeEnerModul();

  int lock_ENERconfig() { return configLock_.lock(); }
  void unlock_ENERconfig() { configLock_.unlock(); }
  int lock_ENERdatas() { return dataLock_.lock(); }
  void unlock_ENERdatas() { dataLock_.unlock(); }

  // Number of modules connected (state 1), derived from the states.
  int ENERtotalConnected();
  int isENERconnected(int n) const;
  int isAnyENERconnected() const;
  int ENERcommCounter(int n) const;
  int getENERcmdToSend(int n) const;
  void setENERcmdToSend(int n, unsigned cmd);
  void ENERdisconnect(int n, unsigned char state);
  // Input 0 pressure, 1 PT100.
  int ENER_sensorError(int n, int input) const;
  // Assignment of block `block` of module n; -1 for a module or block outside 0..2.
  int ENERblocPuissAffect(int n, int block) const;
  // Blocks of all modules with assignment `type` and an active power above 0. Reads
  // without the locks: for the processing thread, which owns the bus round that writes.
  int ENERtotalAffectationON(int type) const;
  // The same count under the configuration and data locks, for readers in other threads
  // (the COP view); 0 when a lock is not obtained.
  int ENERtotalAffectationON_locked(int type);

  void cfg_initENER_AllConfig(energyORV_config_t* out);
  // 1 when the bundle was copied, 0 when not (null destination, lock not obtained).
  int cfg_getAllENER_Config(energyORV_config_t* out);
  void cfg_setAllENER_Config(const energyORV_config_t* in);
  // 1 when the record was copied, 0 when not (module outside 0..2, lock not obtained);
  // with `toFile`, 0 also when the section was not written.
  int cfg_getENER_Config(int n, energyORV_cfg_t* out);
  int cfg_setENER_Config(int n, bool toFile, const energyORV_cfg_t* in);
  void cfg_getENER_ModCfg(int n, ener_global_config_t* out);
  void cfg_setENER_ModCfg(int n, bool toFile, const ener_global_config_t* in);
  void cfg_getENER_CalibDatas(int n, puissance_rms_calbration_config_t* out);
  void cfg_setENER_CalibDatas(int n, const puissance_rms_calbration_config_t* in);
  // 1 when section n of the file holds the client's record, 0 when not.
  int cfg_writeENER_Config_toFile(int n);
  // The section replaces the configuration; kept as it was when the store cannot read.
  void cfg_readENER_Config_fromFile(int n);
  void cfg_initENER_Data(ener_toORV_data_t* out);
  void cfg_getENER_Data(int n, ener_toORV_data_t* out);
  void cfg_setENER_Data(int n, const ener_toORV_data_t* in);
  // 1 when the readings were copied, 0 when not (null destination, lock not obtained).
  int cfg_getAllENER_Data(energyORV_data_t* out);
  void cfg_setAllENER_Data(const energyORV_data_t* in);

  // One exchange of `cmd` with module n: 0, -2 or -4; 0 without sending for a code never
  // sent.
  int orvcomm_sendToENER(int n, unsigned char cmd);
  // Validation and handling of one reply of module n: 0 accepted, -1 rejected.
  int orvcomm_parseRX_enerDatas(int n, const unsigned char* reply, int length);
  void ENERcheckIfConfiged(int n);
  int ENERinit_Comm(int n, bool withConfig);
  int ENERinitAll_Comm();
  // One bus cycle over the three modules; the number that exchanged successfully.
  int orvcomm_sendNextCmdToAllENER();
  int ENERstart_FirmUpdate(int n);
  // Reboots every module not absent: at once, or queued for the next cycle.
  int rebootMODULS(bool now);

  // Key ids 173..203 of module n.
  cfg_value_t getCFG_struct(int n, int id);
  int setCFG_struct(int n, int id, const void* value);
  // 0 the connect state, 1..32 the measurements (see enerDataIndex in the source).
  cfg_value_t getDATA_struct(int n, int index);
  int setDATA_struct(int n, int index, const void* value);

  static constexpr int kWatchdogSeconds = 300;
  static constexpr int kInvalidReadingsTolerated = 65;

private:
  void checkInputs(int n);
  bool buildPayload(int n, unsigned char cmd, std::vector<unsigned char>* payload);
  unsigned busSpeed(int n);

  CComRS485* link_;
  ModuleLock configLock_;
  ModuleLock dataLock_;
  energyORV_config_t bundle_;
  energyORV_data_t data_;
  int lastReplyCode_[3];
  bool freshData_[3];
};
