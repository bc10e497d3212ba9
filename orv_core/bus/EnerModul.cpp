#include "EnerModul.h"

#include <unistd.h>

#include <cstring>

#include "orvDatas.h"

namespace {

constexpr float kInvalid = 999.0f;

bool validModule(int n) { return n >= 0 && n <= 2; }

// Whole reply length (header included) that a command waits for; 0: no reply is read,
// -1: a code never sent.
int expectedReplyLength(unsigned char cmd) {
  switch (cmd) {
    case '4': return 11;
    case '6': return 134;
    case '7': return 76;
    case '8':
    case ':':
    case ';':
    case '<':
    case '=':
    case '>':
    case '?':
    case '@':
    case 'A': return 7;
    case 'C':
    case 'D': return 0;
    default: return -1;
  }
}

// Payload size of the reply codes with a handling; -1 for codes accepted without effect.
// A reply is handled only with exactly that size (no read or write past a record).
int replyRecordSize(unsigned char code) {
  switch (code) {
    case '3': return sizeof(ener_ident_t);
    case '6': return sizeof(ener_toORV_data_t);
    case '7': return sizeof(ener_global_config_t);
    case 'C':
    case 'D':
    case '=': return 1;
    default: return -1;
  }
}

// Float of ener_toORV_data_t behind a data index 1..32: 1 pressure, 2 PT100; for block b,
// 3 + b P, 6 + b E, 9 + b S, 12 + b Q, 15 + 3b.. the three voltages, 24 + 3b.. the three
// currents. -1 for another index.
int enerDataIndex(int index) {
  if (index == 1 || index == 2) return index - 1;
  if (index >= 3 && index <= 14) {
    int quantity = (index - 3) / 3, block = (index - 3) % 3;  // P, E, S, Q
    return 2 + 10 * block + quantity;
  }
  if (index >= 15 && index <= 32) {
    bool current = index >= 24;
    int k = index - (current ? 24 : 15);
    int block = k / 3, phase = k % 3;
    return 2 + 10 * block + 4 + 2 * phase + (current ? 1 : 0);
  }
  return -1;
}

float dataFloat(const ener_toORV_data_t& d, int k) {
  float v;
  std::memcpy(&v, reinterpret_cast<const unsigned char*>(&d) + 4 * k, sizeof v);
  return v;
}

void setDataFloat(ener_toORV_data_t& d, int k, float v) {
  std::memcpy(reinterpret_cast<unsigned char*>(&d) + 4 * k, &v, sizeof v);
}

}  // namespace

EnerModul::EnerModul(CComRS485* link) : link_(link) { initEnerModul(); }

EnerModul::~EnerModul() { closeEnerModul(); }

int EnerModul::initEnerModul() {
  moduleTrace("[EnerModul] Started");
  std::memset(&bundle_, 0, sizeof bundle_);
  std::memset(&data_, 0, sizeof data_);
  cfg_initENER_AllConfig(&bundle_);
  for (int n = 0; n < 3; ++n) {
    lastReplyCode_[n] = -1;
    freshData_[n] = false;
  }
  moduleTrace("[EnerModul] initEnerModul OK");
  return 1;
}

void EnerModul::closeEnerModul() { moduleTrace("[EnerModul] Closed"); }

void EnerModul::cfg_initENER_AllConfig(energyORV_config_t* out) {
  if (out == nullptr) return;
  std::memset(out->connectState, 0, sizeof out->connectState);
  out->connectedCount = 0;
  std::memset(out->ident, 0, sizeof out->ident);
  std::memset(out->proc, 0, sizeof out->proc);
  for (int n = 0; n < 3; ++n) {
    energyORV_cfg_t& cfg = out->cfg[n];
    cfg.survTension_ecart = 0;
    cfg.survTension_reference = 0.0f;
    for (int b = 0; b < 3; ++b) cfg.affectationPercent[b] = 100;
    cfg.module.addr = static_cast<uint8_t>(6 + n);
    cfg.module.uart1Speed = 9600;
    cfg.module.uart2Speed = 9600;
    out->proc[n].cmdToSend = '4';
  }
}

// ---- States ------------------------------------------------------------------------------

int EnerModul::ENERtotalConnected() {
  int count = 0;
  for (uint8_t state : bundle_.connectState) count += state == 1;
  bundle_.connectedCount = static_cast<uint32_t>(count);
  return count;
}

int EnerModul::isENERconnected(int n) const { return validModule(n) ? bundle_.connectState[n] : 0; }

int EnerModul::isAnyENERconnected() const {
  for (uint8_t state : bundle_.connectState)
    if (state == 1) return 1;
  return 0;
}

int EnerModul::ENERcommCounter(int n) const {
  return validModule(n) ? static_cast<int>(bundle_.proc[n].commCounter) : 0;
}

int EnerModul::getENERcmdToSend(int n) const {
  return validModule(n) ? bundle_.proc[n].cmdToSend : 0;
}

void EnerModul::setENERcmdToSend(int n, unsigned cmd) {
  if (validModule(n)) bundle_.proc[n].cmdToSend = static_cast<uint8_t>(cmd);
}

void EnerModul::ENERdisconnect(int n, unsigned char state) {
  if (!validModule(n)) return;
  bundle_.connectState[n] = state;
  bundle_.proc[n].commCounter = 0;
  bundle_.proc[n].cmdToSend = '4';
  ENERtotalConnected();
}

int EnerModul::ENER_sensorError(int n, int input) const {
  if (!validModule(n)) return 0;
  if (input == 0) return bundle_.proc[n].pressureError;
  if (input == 1) return bundle_.proc[n].pt100Error;
  return 0;
}

int EnerModul::ENERblocPuissAffect(int n, int block) const {
  if (!validModule(n) || block < 0 || block > 2) return -1;
  return bundle_.cfg[n].module.affectation[block];
}

int EnerModul::ENERtotalAffectationON(int type) const {
  int count = 0;
  for (int n = 0; n < 3; ++n)
    for (int b = 0; b < 3; ++b)
      count += bundle_.cfg[n].module.affectation[b] == type && data_.module[n].block[b].P_kW > 0.0f;
  return count;
}

int EnerModul::ENERtotalAffectationON_locked(int type) {
  // Configuration lock first, then the data lock: no other path holds both.
  if (!lock_ENERconfig()) return 0;
  int count = 0;
  if (lock_ENERdatas()) {
    count = ENERtotalAffectationON(type);
    unlock_ENERdatas();
  }
  unlock_ENERconfig();
  return count;
}

// ---- Configuration and data ------------------------------------------------------------

int EnerModul::cfg_getAllENER_Config(energyORV_config_t* out) {
  if (out == nullptr || !lock_ENERconfig()) return 0;
  ENERtotalConnected();
  *out = bundle_;
  unlock_ENERconfig();
  return 1;
}

void EnerModul::cfg_setAllENER_Config(const energyORV_config_t* in) {
  if (in == nullptr || !lock_ENERconfig()) return;
  bundle_ = *in;
  ENERtotalConnected();
  unlock_ENERconfig();
}

int EnerModul::cfg_getENER_Config(int n, energyORV_cfg_t* out) {
  return validModule(n) && copyUnderLock(configLock_, out, &bundle_.cfg[n]) ? 1 : 0;
}

int EnerModul::cfg_setENER_Config(int n, bool toFile, const energyORV_cfg_t* in) {
  if (in == nullptr || !validModule(n) || !lock_ENERconfig()) return 0;
  bundle_.cfg[n] = *in;
  unlock_ENERconfig();
  return toFile ? cfg_writeENER_Config_toFile(n) : 1;
}

void EnerModul::cfg_getENER_ModCfg(int n, ener_global_config_t* out) {
  if (validModule(n)) copyUnderLock(configLock_, out, &bundle_.cfg[n].module);
}

void EnerModul::cfg_setENER_ModCfg(int n, bool toFile, const ener_global_config_t* in) {
  if (in == nullptr || !validModule(n) || !lock_ENERconfig()) return;
  bundle_.cfg[n].module = *in;
  unlock_ENERconfig();
  if (toFile) cfg_writeENER_Config_toFile(n);
}

void EnerModul::cfg_getENER_CalibDatas(int n, puissance_rms_calbration_config_t* out) {
  if (out == nullptr || !validModule(n) || !lock_ENERconfig()) return;
  std::memcpy(out, &bundle_.cfg[n].module.currentCalib, sizeof *out);
  unlock_ENERconfig();
}

void EnerModul::cfg_setENER_CalibDatas(int n, const puissance_rms_calbration_config_t* in) {
  if (in == nullptr || !validModule(n) || !lock_ENERconfig()) return;
  std::memcpy(&bundle_.cfg[n].module.currentCalib, in, sizeof *in);
  unlock_ENERconfig();
}

int EnerModul::cfg_writeENER_Config_toFile(int n) {
  orvDatas* store = moduleStore();
  if (store == nullptr || !validModule(n) || !lock_ENERconfig()) return 0;
  const int written = store->writeENER_Config_toFile(n, &bundle_.cfg[n]);
  unlock_ENERconfig();
  return written == 1 ? 1 : 0;
}

void EnerModul::cfg_readENER_Config_fromFile(int n) {
  orvDatas* store = moduleStore();
  if (store == nullptr || !validModule(n)) return;
  energyORV_cfg_t cfg;
  cfg_getENER_Config(n, &cfg);
  if (store->readENER_Config_fromFile(n, &cfg)) cfg_setENER_Config(n, false, &cfg);
}

void EnerModul::cfg_initENER_Data(ener_toORV_data_t* out) {
  if (out) std::memset(out, 0, sizeof *out);
}

void EnerModul::cfg_getENER_Data(int n, ener_toORV_data_t* out) {
  if (validModule(n)) copyUnderLock(dataLock_, out, &data_.module[n]);
}

void EnerModul::cfg_setENER_Data(int n, const ener_toORV_data_t* in) {
  if (validModule(n)) copyUnderLock(dataLock_, &data_.module[n], in);
}

int EnerModul::cfg_getAllENER_Data(energyORV_data_t* out) {
  if (out == nullptr || !lock_ENERdatas()) return 0;
  *out = data_;
  unlock_ENERdatas();
  return 1;
}

void EnerModul::cfg_setAllENER_Data(const energyORV_data_t* in) {
  copyUnderLock(dataLock_, &data_, in);
}

// ---- Exchange ----------------------------------------------------------------------------

unsigned EnerModul::busSpeed(int n) {
  if (!lock_ENERconfig()) return 0;
  unsigned speed = bundle_.cfg[n].module.uart2Speed;
  unlock_ENERconfig();
  return speed;
}

bool EnerModul::buildPayload(int n, unsigned char cmd, std::vector<unsigned char>* payload) {
  payload->clear();
  if (cmd != '8' && cmd != '>') return true;
  if (!lock_ENERconfig()) return false;
  ener_global_config_t sent = bundle_.cfg[n].module;
  unlock_ENERconfig();
  const unsigned char* p = reinterpret_cast<const unsigned char*>(&sent);
  if (cmd == '8') {
    // The module receives its configuration as commissioned; the client's copy keeps
    // its own flag.
    if (sent.isConfigured == 0) sent.isConfigured = 1;
    payload->assign(p, p + sizeof sent);
  } else {
    const unsigned char* calib = p + offsetof(ener_global_config_t, currentCalib);
    payload->assign(calib, calib + sizeof(puissance_rms_calbration_config_t));
  }
  return true;
}

int EnerModul::orvcomm_sendToENER(int n, unsigned char cmd) {
  int expected = expectedReplyLength(cmd);
  if (!validModule(n) || expected < 0) return 0;
  BusFrame request{static_cast<unsigned char>(6 + n), cmd, {}};
  // A record that could not be copied is not sent unfilled: the exchange fails.
  if (!buildPayload(n, cmd, &request.payload)) return -4;
  unsigned speed = busSpeed(n);
  if (speed == 0) return -4;
  lastReplyCode_[n] = -1;
  freshData_[n] = false;
  std::vector<unsigned char> reply;
  int count = exchangeFrame(link_, speed, request, expected, &reply);
  if (count != expected) return -4;
  return orvcomm_parseRX_enerDatas(n, reply.data(), count) == 0 ? 0 : -2;
}

int EnerModul::orvcomm_parseRX_enerDatas(int n, const unsigned char* reply, int length) {
  if (!validModule(n)) return -1;
  BusFrame frame;
  if (acceptReply(reply, length, 6 + n, &frame) != 0) return -1;
  int size = replyRecordSize(frame.code);
  if (size >= 0 && static_cast<int>(frame.payload.size()) != size) return -1;
  const unsigned char* payload = frame.payload.data();
  ener_process_values_t& proc = bundle_.proc[n];
  switch (frame.code) {
    case '3':
      std::memcpy(&bundle_.ident[n], payload, sizeof(ener_ident_t));
      bundle_.connectState[n] = 1;
      proc.cmdToSend = '6';
      ENERtotalConnected();
      break;
    case '6':
      if (lock_ENERdatas()) {
        std::memcpy(&data_.module[n], payload, sizeof(ener_toORV_data_t));
        unlock_ENERdatas();
        freshData_[n] = true;
      }
      break;
    case '7':
      // Only a configuration that names this module's address is taken over.
      if (payload[0] == frame.address) {
        ener_global_config_t cfg;
        std::memcpy(&cfg, payload, sizeof cfg);
        cfg_setENER_ModCfg(n, true, &cfg);
      }
      proc.cmdToSend = '6';
      break;
    case 'D': proc.cmdToSend = '6'; break;
    case '=': proc.cmdToSend = '='; break;
    case 'C': proc.cmdToSend = proc.cmdToSend == 'A' ? '7' : '6'; break;
    default: break;
  }
  proc.commCounter = static_cast<uint32_t>(moduleClockNow());
  lastReplyCode_[n] = frame.code;
  return 0;
}

void EnerModul::ENERcheckIfConfiged(int n) {
  if (!validModule(n)) return;
  int ours = 0;
  if (lock_ENERconfig()) {
    ours = bundle_.cfg[n].module.isConfigured;
    unlock_ENERconfig();
  }
  int module = bundle_.ident[n].isConfigured;
  if (ours == 1 && module == 0) {
    if (orvcomm_sendToENER(n, '8') == 0 && lastReplyCode_[n] == 'D')
      moduleTrace(" +++ ENER[%d]_Send Config from ORV to new Modul OK", n);
  } else if (ours == 0 && module == 1) {
    if (orvcomm_sendToENER(n, '7') == 0 && lastReplyCode_[n] == '7')
      moduleTrace(" +++ ENER[%d]_Receive Config from Modul for new ORV OK", n);
  }
}

int EnerModul::ENERinit_Comm(int n, bool withConfig) {
  if (!validModule(n) || bundle_.connectState[n] == 1) return 0;
  if (orvcomm_sendToENER(n, '4') != 0 || bundle_.connectState[n] != 1) return 0;
  if (withConfig) {
    cfg_readENER_Config_fromFile(n);
    ENERcheckIfConfiged(n);
  }
  return 1;
}

int EnerModul::ENERinitAll_Comm() {
  int found = 0;
  for (int n = 0; n < 3; ++n) found += ENERinit_Comm(n, true);
  return found;
}

void EnerModul::checkInputs(int n) {
  uint8_t pressureOn = 0, pt100On = 0;
  if (lock_ENERconfig()) {
    pressureOn = bundle_.cfg[n].module.pressionEnabled;
    pt100On = bundle_.cfg[n].module.pt100Enabled;
    unlock_ENERconfig();
  }
  ener_toORV_data_t values;
  cfg_initENER_Data(&values);
  if (!lock_ENERdatas()) return;
  values = data_.module[n];
  unlock_ENERdatas();
  ener_process_values_t& proc = bundle_.proc[n];
  uint8_t errors[2] = {proc.pressureError, proc.pt100Error};
  int32_t counters[2] = {proc.pressureCounter, proc.pt100Counter};
  const uint8_t enabled[2] = {pressureOn, pt100On};
  const float readings[2] = {values.pression, values.pt100};
  for (int i = 0; i < 2; ++i) {
    if (enabled[i] != 1) continue;
    if (readings[i] != kInvalid) {
      errors[i] = 0;
      counters[i] = 0;
    } else if (counters[i] >= kInvalidReadingsTolerated) {
      errors[i] = 1;
    } else {
      ++counters[i];
    }
  }
  proc.pressureError = errors[0];
  proc.pt100Error = errors[1];
  proc.pressureCounter = counters[0];
  proc.pt100Counter = counters[1];
}

int EnerModul::orvcomm_sendNextCmdToAllENER() {
  int counted = 0;
  for (int n = 0; n < 3; ++n) {
    ener_process_values_t& proc = bundle_.proc[n];
    if (bundle_.connectState[n] == 1) {
      int result = orvcomm_sendToENER(n, proc.cmdToSend);
      if (result == 0) ++counted;
      long long now = moduleClockNow();
      if (static_cast<int32_t>(proc.commCounter) > 0 &&
          now - static_cast<long long>(proc.commCounter) > kWatchdogSeconds) {
        ENERdisconnect(n, 2);
        moduleTrace("ENERGIE_%d Deconnecte via WATCHDOG, erreur RS485", n);
      }
      // The input check counts fresh measurements only, not a repeated look at old ones.
      if (result == 0 && freshData_[n]) checkInputs(n);
    } else if (bundle_.connectState[n] == 2) {
      if (ENERinit_Comm(n, false) == 1) {
        // The watchdog window restarts: a module that falls silent again is lost again.
        proc.commCounter = static_cast<uint32_t>(moduleClockNow());
        moduleTrace("ENERGIE_%d Reconnecte via WATCHDOG, OK", n);
      }
    }
  }
  return counted;
}

int EnerModul::ENERstart_FirmUpdate(int n) {
  if (!validModule(n) || bundle_.connectState[n] != 1) return 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (orvcomm_sendToENER(n, '=') == 0) {
      ENERdisconnect(n, 2);
      return 1;
    }
    usleep(10000);
  }
  return 0;
}

int EnerModul::rebootMODULS(bool now) {
  int count = 0;
  for (int n = 0; n < 3; ++n) {
    if (bundle_.connectState[n] == 0) continue;
    if (now)
      orvcomm_sendToENER(n, ':');
    else
      bundle_.proc[n].cmdToSend = ':';
    ++count;
  }
  return count;
}

// ---- Values by id and index -------------------------------------------------------------

cfg_value_t EnerModul::getCFG_struct(int n, int id) {
  cfg_value_t r;
  const ModuleKeyDef* def = ENER_KEY_TABLE.find(id);
  if (!validModule(n) || (id != 173 && def == nullptr) || !lock_ENERconfig()) return r;
  if (id == 173)
    r.floatValue = bundle_.ident[n].version;
  else
    r = moduleFieldValue(&bundle_.cfg[n], *def);
  unlock_ENERconfig();
  return r;
}

int EnerModul::setCFG_struct(int n, int id, const void* value) {
  const ModuleKeyDef* def = ENER_KEY_TABLE.find(id);
  if (value == nullptr || !validModule(n) || (id != 173 && def == nullptr) || !lock_ENERconfig())
    return 1;
  bool changed = true;
  if (id == 173)
    std::memcpy(&bundle_.ident[n].version, value, sizeof(float));
  else
    changed = storeModuleField(&bundle_.cfg[n], *def, value);
  unlock_ENERconfig();
  if (!changed) return 1;
  cfg_value_t v = getCFG_struct(n, id);
  if (id == 173)
    writeModuleKey("z" + std::to_string(6 + n) + ENER_VERSION_SUFFIX,
                   moduleFieldText(v, ModKeyType::F32), enerSection(n));
  else
    writeModuleKey(enerKey(n, *def), moduleFieldText(v, def->type), enerSection(n));
  return 1;
}

cfg_value_t EnerModul::getDATA_struct(int n, int index) {
  cfg_value_t r;
  int k = enerDataIndex(index);
  if (!validModule(n) || (index != 0 && k < 0) || !lock_ENERdatas()) return r;
  if (index == 0)
    r.charValue = static_cast<char>(bundle_.connectState[n]);
  else
    r.floatValue = dataFloat(data_.module[n], k);
  unlock_ENERdatas();
  return r;
}

int EnerModul::setDATA_struct(int n, int index, const void* value) {
  int k = enerDataIndex(index);
  if (value == nullptr || !validModule(n) || (index != 0 && k < 0) || !lock_ENERdatas()) return 1;
  if (index == 0) {
    bundle_.connectState[n] = *static_cast<const uint8_t*>(value);
  } else {
    float v;
    std::memcpy(&v, value, sizeof v);
    if (dataFloat(data_.module[n], k) != v) setDataFloat(data_.module[n], k, v);
  }
  unlock_ENERdatas();
  return 1;
}
