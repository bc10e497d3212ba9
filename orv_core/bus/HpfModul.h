// Client of the HPF module at bus address 5, the floating condensing-pressure regulator
// (fan stages on relay cards, a speed variator).
//
// It keeps the module's configuration in step with section "Module_HPF", sends the
// module the plant values once per processing pass and stores the module's state in
// return ('k' answered by 'h'), declares the module lost 240 s after its last valid reply
// and reconnects it, and offers reboot, factory reset and firmware-loader entry.
//
// Exchange results: 0 done, -2 invalid reply, -4 short or missing reply.
#pragma once

#include <cstdint>

#include "busClient.h"
#include "modules_config.h"
#include "orvCfgKeys.h"

// The module's state (replies to 'h' and 'k'); data indexes in the comments.
struct __attribute__((packed)) hp_toORV_data_t {
  uint8_t ventil[12];      // 1..12 fan stages, 1 = running
  uint8_t compressor[6];   // 13..18 compressors as the module sees them
  uint8_t marcheArret;     // 19
  uint8_t delestage;       // 20
  uint8_t nuit;            // 21
  uint8_t reserve;         // 22
  uint8_t hpFlottante;     // 23 0: the module runs its backup mode
  uint8_t status6;         // 24
  float consigneCalculee;  // 25
  float variaOut_mA;       // 26
  float variaOut_V;        // 27
};
static_assert(sizeof(hp_toORV_data_t) == 36, "hp_toORV_data_t is 36 bytes");

// Reply to identification ('f' answered by 'e').
struct __attribute__((packed)) hp_ident_t {
  uint8_t isConfigured;
  uint8_t relayCardNum;  // id 172
  float version;         // id 131
};
static_assert(sizeof(hp_ident_t) == 6, "hp_ident_t is 6 bytes");

struct __attribute__((packed)) hpf_process_values_t {
  uint8_t connectState;  // 0 absent, 1 connected, 2 lost
  uint8_t cmdToSend;     // next command of the cyclic exchange
  uint8_t nByte;         // exchange byte of command 'n'
  uint32_t commCounter;  // time of the last valid reply, s since the epoch; 0 = none
  uint32_t rs485_id;     // bus address, 5
  hp_ident_t ident;
};

class HpfModul {
public:
  explicit HpfModul(CComRS485* link);
  virtual ~HpfModul();

  int initHpfModul();
  void closeHpfModul();

  int lock_HPFconfig() { return configLock_.lock(); }
  void unlock_HPFconfig() { configLock_.unlock(); }
  int lock_HPFdatas() { return dataLock_.lock(); }
  void unlock_HPFdatas() { dataLock_.unlock(); }

  int isHPFconnected() const { return proc_.connectState; }
  int HPFcommCounter() const { return static_cast<int>(proc_.commCounter); }
  unsigned getHPFcmdToSend() const { return proc_.cmdToSend; }
  void setHPFcmdToSend(unsigned cmd) { proc_.cmdToSend = static_cast<uint8_t>(cmd); }
  // State := `state`, last-reply time 0, next command identification.
  void HPFdisconnect(unsigned char state);
  int isHPFconfigured() const { return config_.isConfigured != 0; }
  void setHPFconfigured(unsigned configured) {
    config_.isConfigured = static_cast<uint8_t>(configured);
  }
  unsigned char HPFnByte() const { return proc_.nByte; }
  void setHPFnByte(unsigned char value) { proc_.nByte = value; }

  int cfg_initHPF_ProcValue(hpf_process_values_t* out);
  void cfg_getHPF_Config(hp_global_config_t* out);
  // 1 when the client holds `in` (and, with `toFile`, the section was written), else 0.
  int cfg_setHPF_Config(bool toFile, const hp_global_config_t* in);
  // 1 when the store wrote section "Module_HPF" and the file, 0 when it did not (no store,
  // the client's lock or the store's not obtained).
  int cfg_writeHPF_Config_toFile();
  // The section replaces the configuration; kept as it was when the store cannot read.
  void cfg_readHPF_Config_fromFile();
  void cfg_initHPF_Data(hp_toORV_data_t* out);
  void cfg_initORV_Data(orv_toHP_datas_t* out);
  void cfg_getHPF_Data(hp_toORV_data_t* out);
  void cfg_setHPF_Data(const hp_toORV_data_t* in);
  void cfg_getORV_Data(orv_toHP_datas_t* out);
  void cfg_setORV_Data(const orv_toHP_datas_t* in);

  int getNumVentilON() const;
  int getNumCompressorON() const;

  // One exchange of `cmd`: 0, -2 or -4; 0 without sending for a code never sent.
  int orvcomm_sendToHPF(unsigned char cmd);
  // Validation and handling of one reply of `length` bytes: 0 accepted, -1 rejected.
  int orvcomm_parseRX_Datas(const unsigned char* reply, int length);
  void HPFcheckIfConfiged();
  int HPFinit_Comm(bool withConfig);
  // The exchange of one pass with reconnection and watchdog; -4 when not connected.
  int HPF_sendToORV();
  int HPFstart_FirmUpdate();
  void rebootMODUL();

  // Key ids 131..172 of section "Module_HPF".
  cfg_value_t getCFG_struct(int id);
  int setCFG_struct(int id, const void* value);
  // 0 the connect state, 1..27 the fields of hp_toORV_data_t.
  cfg_value_t getDATA_struct(int index);
  int setDATA_struct(int index, const void* value);

  static constexpr int kWatchdogSeconds = 240;

private:
  bool buildPayload(unsigned char cmd, std::vector<unsigned char>* payload);
  unsigned busSpeed();

  CComRS485* link_;
  ModuleLock configLock_;
  ModuleLock dataLock_;
  hpf_process_values_t proc_;
  hp_global_config_t config_;
  hp_toORV_data_t hpData_;
  orv_toHP_datas_t orvData_;
  int lastReplyCode_;  // code of the last accepted reply, -1 none
};
