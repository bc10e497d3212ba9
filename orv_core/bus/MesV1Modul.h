// Client of the first-generation measurement card. The card knows no frames: it answers
// one fixed 5-byte request at 2400 Bd with 33 ASCII bytes carrying the column weight,
// three temperatures and the pressure sensor's loop current.
//
// Exchange results: 1 done, -1 bad header, -2 echo of the request, -3 wrong length,
// -4 no reply. A temperature or the pressure is declared faulty at its 65th out-of-range
// reading in a row and holds 999.0 until the next in-range reading; the card is declared
// lost at the 65th exchange in a row without any reply.
#pragma once

#include <cstdint>

#include "busClient.h"
#include "modules_config.h"
#include "orvCfgKeys.h"

// Weight g, receiver outlet, outside and receiver inlet temperatures degC, high pressure
// bar gauge. A value whose fault is latched holds 999.0.
struct __attribute__((packed)) cmV1_datas_t {
  float value[5];
};

enum CmV1Value {
  CMV1_WEIGHT = 0,
  CMV1_OUTLET = 1,
  CMV1_OUTSIDE = 2,
  CMV1_INLET = 3,
  CMV1_PRESSURE = 4
};

// Process values of the client (not exchanged with the card).
struct cmV1_proc_values_t {
  uint8_t connectState;       // 0 absent, 1 connected, 2 lost
  uint32_t noReplyCount;      // consecutive exchanges without any reply
  uint8_t sensorError[5];     // same order as the values
  int32_t rangeCounter[5];    // out-of-range readings in a row; -1 = fault latched
  int32_t pressureCalibMode;  // 0 or 1
  int32_t pressureCalibCounter;
  uint8_t pressureCalibByte;
};

class MesV1Modul {
public:
  explicit MesV1Modul(CComRS485* link);
  virtual ~MesV1Modul();

  int initMesV1Modul();
  void closeMesV1Modul();

  int lock_CMv1config() { return configLock_.lock(); }
  void unlock_CMv1config() { configLock_.unlock(); }
  int lock_CMv1datas() { return dataLock_.lock(); }
  void unlock_CMv1datas() { dataLock_.unlock(); }

  // One exchange at `speed`; the five 5-character fields of the reply are copied,
  // zero-terminated, into the five buffers (6 characters each).
  int acquisition_carteV1(int speed, char* weight, char* outlet, char* outside, char* inlet,
                          char* current);
  // The exchange of one bus cycle with conversion, range checks and loss.
  int CM1_sendTo();
  // Up to three exchanges: 1 when the card answered (then connected, configuration loaded
  // from the file), else 0.
  int CMV1_initComm();

  void cfg_initCMv1_Config(cmV1_config_t* out);
  void cfg_initCMv1_ProcValue(cmV1_proc_values_t* out);
  void cfg_initCMv1_Data(cmV1_datas_t* out);
  void cfg_getCMv1_Config(cmV1_config_t* out);
  void cfg_setCMv1_Config(const cmV1_config_t* in);
  void cfg_readCMv1_Config_fromFile();
  void cfg_writeCMv1_Config_toFile();
  void cfg_getCMv1_Data(cmV1_datas_t* out);
  void cfg_setCMv1_Data(const cmV1_datas_t* in);

  float CMv1_getMesureValue(int i);
  uint8_t isCMv1connected() const { return proc_.connectState; }
  int CMv1commCounter() const { return static_cast<int>(proc_.noReplyCount); }
  void setCMv1commCounter(int count) { proc_.noReplyCount = static_cast<uint32_t>(count); }
  void CMv1_startPressureCalib(bool on);
  uint8_t CMv1sensorError(int i) const;

  // 0 the connect state, 1..5 the values, 6..10 the fault flags.
  cfg_value_t getDATA_struct(int i);
  int setDATA_struct(int i, const void* value);

  // Fields of the last reply, in reply order (weight, outlet, outside, inlet, current).
  const char* replyField(int i) const { return i >= 0 && i < 5 ? fields_[i] : ""; }

  // Exchanges in a row without reply, and out-of-range readings in a row, tolerated.
  static constexpr int kTolerated = 64;

private:
  void checkValue(int i, bool inRange, float value);

  CComRS485* link_;
  ModuleLock configLock_;
  ModuleLock dataLock_;
  char fields_[5][6];
  cmV1_config_t config_;
  cmV1_datas_t data_;
  cmV1_proc_values_t proc_;
};
