// Client of the second-generation measurement card at bus address 1: strain-gauge weight
// of the measuring column, high pressure, three PT100 probes and a radio thermometer.
//
// It keeps the card's configuration in step with section "Module_Mesure_V2", reads the
// values once per bus cycle, latches a sensor fault after 66 invalid readings in a row,
// declares the card lost 180 s after its last valid reply and reconnects it, and queues
// calibration, reboot, reset and firmware-loader commands.
//
// Results of the exchanges: 0 done, -2 invalid reply, -4 short or missing reply.
// Locks: the configuration mutex guards the configuration, the data mutex the values and
// the calibration state (2-second deadline each). The process values are not locked.
#pragma once

#include <cstdint>

#include "busClient.h"
#include "modules_config.h"
#include "orvCfgKeys.h"

// Values read by command 13: weight g (-999.0 invalid), high pressure bar gauge, receiver
// inlet, receiver outlet and outside temperatures degC (999.0 invalid), a sixth value the
// controller does not use, radio thermometer battery V.
struct __attribute__((packed)) cm_datas_t {
  float value[7];
};
static_assert(sizeof(cm_datas_t) == 28, "cm_datas_t is 28 bytes");

// Reply to command 27.
struct __attribute__((packed)) cm_calib_state_t {
  int8_t gaugeState;    // -1 idle, else the gauge step under way
  uint8_t secondState;  // 0 idle
  uint8_t unused;
  uint8_t pt100Pending[3];
};
static_assert(sizeof(cm_calib_state_t) == 6, "cm_calib_state_t is 6 bytes");

// Reply to identification (command 12, reply code 11).
struct __attribute__((packed)) cm_ident_t {
  uint8_t configured;
  float version;
};
static_assert(sizeof(cm_ident_t) == 5, "cm_ident_t is 5 bytes");

// Sensors of the fault flags and counters.
enum CmSensor { CM_WEIGHT = 0, CM_HP = 1, CM_TEMP1 = 2, CM_TEMP2 = 3, CM_TEMP3 = 4 };

// Process values of the client (not exchanged with the card).
struct cm_proc_values_t {
  uint8_t connectState;     // 0 absent, 1 connected, 2 lost
  uint8_t cmdToSend;        // next command of the cyclic exchange
  uint32_t commCounter;     // time of the last valid reply, s since the epoch; 0 = none
  uint8_t sensorError[6];   // weight, HP, three temperatures, spare
  int32_t errorCounter[6];  // consecutive invalid readings; -1 = fault latched
  int32_t rs485Address;     // always 1
  int32_t pt100ToCalib;     // PT100 of a pending calibration, -1 none
  int32_t jaugeStep;        // gauge step of a pending calibration, -1 none
  cm_calib_state_t calibState;
  cm_ident_t ident;
};

class MesV2Modul {
public:
  // Command codes of the card.
  enum : uint8_t {
    CMD_IDENT = 12,
    CMD_DATA = 13,
    CMD_GET_CONFIG = 14,
    CMD_SET_CONFIG = 15,
    CMD_REBOOT = 16,
    CMD_RESET = 17,
    CMD_LOADER = 18,
    CMD_CALIB_JAUGE = 19,
    CMD_20 = 20,
    CMD_21 = 21,
    CMD_CALIB_PT100 = 22,
    CMD_ACK = 25,
    CMD_REFUSED = 26,
    CMD_CALIB_STATE = 27,
    CMD_28 = 28,
    REPLY_IDENT = 11,
  };

  explicit MesV2Modul(CComRS485* link);
  virtual ~MesV2Modul();

  int initMesV2Modul();
  void closeMesV2Modul();

  int lock_CMconfig() { return configLock_.lock(); }
  void unlock_CMconfig() { configLock_.unlock(); }
  int lock_CMdatas() { return dataLock_.lock(); }
  void unlock_CMdatas() { dataLock_.unlock(); }

  uint8_t isCMconfigured();
  uint8_t isCMconnected() const { return proc_.connectState; }
  uint32_t CMcommCounter() const { return proc_.commCounter; }
  uint8_t getCMcmdToSend() const { return proc_.cmdToSend; }
  void setCMcmdToSend(uint8_t cmd) { proc_.cmdToSend = cmd; }
  // State := `state`, last-reply time 0, next command identification.
  void CMdisconnect(uint8_t state);

  void cfg_getCM_Config(cm_config_t* out);
  void cfg_setCM_Config(bool writeFile, const cm_config_t* in);
  // The section replaces the configuration; kept as it was when the store cannot read.
  void cfg_readCM_Config_fromFile();
  void cfg_writeCM_Config_toFile();
  void cfg_getCM_Data(cm_datas_t* out);
  void cfg_setCM_Data(const cm_datas_t* in);
  void cfg_getCM_SensorsCalibState(cm_calib_state_t* out);
  // 0 the gauge state (signed), 1 the second state, 2..4 the sum of the PT100 pending
  // flags; -2 for another i.
  int cfg_getCM_SensorCalibState(int i);
  void cfg_initCM_ProcValue(cm_proc_values_t* out);
  void cfg_initCM_Data(cm_datas_t* out);

  // Validation and handling of one reply of `length` bytes: 0 accepted, -1 rejected.
  int CM_parseRX_Datas(const unsigned char* reply, int length);
  // One exchange of `command`: 0, -2 or -4; 0 without sending for a code never sent.
  int CM_sendTo(uint8_t command);
  // Code of the last reply accepted (CMD_ACK, CMD_REFUSED, ...), -1 before any: a card
  // that refuses a command answers it well-formed, so CM_sendTo alone reports success.
  int lastReplyCode() const { return lastReplyCode_; }
  // Pulls or pushes the configuration when only one side holds a commissioned one.
  void CMcheckIfConfiged();
  // Identification (with the configuration handshake when asked): 1 when the card
  // answered, 0 otherwise (also when it is connected already).
  int CMinit_Comm(bool withConfig);

  uint8_t CM_sensorError(int i) const;
  // Value i of cm_datas_t (0..5; the battery for any i above 5); 0.0 on a lock timeout.
  float CM_getMesureValue(int i);
  // The exchange of one bus cycle, with the reading check, reconnection and watchdog.
  int CM_sendToORV();
  // Sends the card into its firmware loader: 1 when it acknowledged, else 0.
  int CMstart_FirmUpdate();

  void sendCalibJauge(unsigned step);
  void sendCalibPT100(unsigned n);
  void rebootMODUL();
  void resetMODUL();

  // Key ids 114..130 of section "Module_Mesure_V2".
  cfg_value_t getCFG_struct(int id);
  int setCFG_struct(int id, const void* value);
  // 0 the connect state, 1..7 the values of cm_datas_t.
  cfg_value_t getDATA_struct(int i);
  int setDATA_struct(int i, const void* value);

  // Seconds without a valid reply after which the card is declared lost.
  static constexpr int kWatchdogSeconds = 180;
  // Invalid readings in a row tolerated before a sensor fault latches.
  static constexpr int kInvalidReadingsTolerated = 65;

private:
  void checkReadings();
  unsigned busSpeed();
  bool buildPayload(uint8_t command, std::vector<unsigned char>* payload);

  CComRS485* link_;
  ModuleLock configLock_;
  ModuleLock dataLock_;
  cm_proc_values_t proc_;
  cm_config_t config_;
  cm_datas_t data_;
  int currentCmd_;
  int lastReplyCode_;  // code of the last accepted reply, -1 none
  bool freshData_;     // a code-13 reply was stored by the last exchange
};
