#include "MesV2Modul.h"

#include <unistd.h>

#include <cmath>
#include <cstring>

#include "orvDatas.h"

namespace {

constexpr int kAddress = 1;
// The card's bus id: a byte of the configuration that the by-id interface hands out in
// intValue.
constexpr int kBusIdKey = 115;
constexpr float kWeightInvalid = -999.0f;
constexpr float kValueInvalid = 999.0f;

// A value the card sends that is not a number is no measurement: its invalid marker
// stands for it, so that it counts towards the sensor fault as the marker does.
void markNonNumbersInvalid(cm_datas_t* d) {
  for (int i = 0; i < 7; ++i) {
    const float value = d->value[i];
    if (!std::isfinite(value)) d->value[i] = i == CM_WEIGHT ? kWeightInvalid : kValueInvalid;
  }
}

// Whole reply length (header included) that a command waits for; 0: no reply is read.
int expectedReplyLength(int command) {
  switch (command) {
    case MesV2Modul::CMD_IDENT: return 11;
    case MesV2Modul::CMD_DATA: return 34;
    case MesV2Modul::CMD_GET_CONFIG: return 61;
    case MesV2Modul::CMD_CALIB_STATE: return 12;
    case MesV2Modul::CMD_ACK:
    case MesV2Modul::CMD_REFUSED:
    case MesV2Modul::CMD_28: return 0;
    default: return 7;
  }
}

// Payload size of the reply codes that carry a record or an acknowledgement; -1 for the
// codes accepted without effect. A reply is handled only with exactly that size, so that
// a code arriving in the answer to another command never reads or writes past a record.
int replyRecordSize(int code) {
  switch (code) {
    case MesV2Modul::REPLY_IDENT: return sizeof(cm_ident_t);
    case MesV2Modul::CMD_DATA: return sizeof(cm_datas_t);
    case MesV2Modul::CMD_GET_CONFIG: return sizeof(cm_config_t);
    case MesV2Modul::CMD_CALIB_STATE: return sizeof(cm_calib_state_t);
    case MesV2Modul::CMD_ACK:
    case MesV2Modul::CMD_REFUSED:
    case MesV2Modul::CMD_LOADER: return 1;
    default: return -1;
  }
}

}  // namespace

MesV2Modul::MesV2Modul(CComRS485* link) : link_(link) {
  moduleTrace("[MesV2Modul] Started");
  initMesV2Modul();
}

MesV2Modul::~MesV2Modul() { closeMesV2Modul(); }

int MesV2Modul::initMesV2Modul() {
  std::memset(&config_, 0, sizeof config_);
  config_.uart1Speed = 2400;
  config_.uart2Speed = 9600;
  cfg_initCM_Data(&data_);
  cfg_initCM_ProcValue(&proc_);
  currentCmd_ = 0;
  lastReplyCode_ = -1;
  freshData_ = false;
  moduleTrace("[MesV2Modul] initMesV2Modul OK");
  return 1;
}

void MesV2Modul::closeMesV2Modul() { moduleTrace("[MesV2Modul] Closed"); }

void MesV2Modul::cfg_initCM_ProcValue(cm_proc_values_t* out) {
  if (out == nullptr) return;
  std::memset(out, 0, sizeof *out);
  out->cmdToSend = CMD_IDENT;
  out->rs485Address = kAddress;
  out->pt100ToCalib = -1;
  out->jaugeStep = -1;
  out->calibState.gaugeState = -1;
}

void MesV2Modul::cfg_initCM_Data(cm_datas_t* out) {
  if (out) std::memset(out, 0, sizeof *out);
}

uint8_t MesV2Modul::isCMconfigured() {
  if (!lock_CMconfig()) return 0;
  uint8_t configured = config_.configured;
  unlock_CMconfig();
  return configured;
}

void MesV2Modul::CMdisconnect(uint8_t state) {
  proc_.connectState = state;
  proc_.commCounter = 0;
  proc_.cmdToSend = CMD_IDENT;
}

// ---- Configuration and data ------------------------------------------------------------

void MesV2Modul::cfg_getCM_Config(cm_config_t* out) { copyUnderLock(configLock_, out, &config_); }

void MesV2Modul::cfg_setCM_Config(bool writeFile, const cm_config_t* in) {
  if (in == nullptr || !lock_CMconfig()) return;
  config_ = *in;
  unlock_CMconfig();
  if (writeFile) cfg_writeCM_Config_toFile();
}

void MesV2Modul::cfg_readCM_Config_fromFile() {
  orvDatas* store = moduleStore();
  cm_config_t cfg;
  cfg_getCM_Config(&cfg);
  if (store && store->readMESv2_Config_fromFile(cfg)) cfg_setCM_Config(false, &cfg);
}

void MesV2Modul::cfg_writeCM_Config_toFile() {
  orvDatas* store = moduleStore();
  if (store == nullptr || !lock_CMconfig()) return;
  store->writeMESv2_Config_toFile(config_);
  unlock_CMconfig();
}

void MesV2Modul::cfg_getCM_Data(cm_datas_t* out) { copyUnderLock(dataLock_, out, &data_); }

void MesV2Modul::cfg_setCM_Data(const cm_datas_t* in) { copyUnderLock(dataLock_, &data_, in); }

void MesV2Modul::cfg_getCM_SensorsCalibState(cm_calib_state_t* out) {
  copyUnderLock(dataLock_, out, &proc_.calibState);
}

int MesV2Modul::cfg_getCM_SensorCalibState(int i) {
  if (i < 0 || i > 4) return -2;
  cm_calib_state_t state;
  std::memset(&state, 0, sizeof state);
  cfg_getCM_SensorsCalibState(&state);
  if (i == 0) return state.gaugeState;
  if (i == 1) return state.secondState;
  return state.pt100Pending[0] + state.pt100Pending[1] + state.pt100Pending[2];
}

// ---- Exchange ----------------------------------------------------------------------------

unsigned MesV2Modul::busSpeed() {
  if (!lock_CMconfig()) return 0;
  unsigned speed = config_.uart2Speed;
  unlock_CMconfig();
  return speed;
}

bool MesV2Modul::buildPayload(uint8_t command, std::vector<unsigned char>* payload) {
  switch (command) {
    case CMD_SET_CONFIG: {
      // The card receives its configuration as commissioned; the client's copy keeps its
      // own flag.
      if (!lock_CMconfig()) return false;
      cm_config_t sent = config_;
      unlock_CMconfig();
      if (sent.configured == 0) sent.configured = 1;
      const unsigned char* p = reinterpret_cast<const unsigned char*>(&sent);
      payload->assign(p, p + sizeof sent);
      return true;
    }
    case CMD_CALIB_JAUGE:
      if (proc_.jaugeStep < 0 || proc_.jaugeStep > 2) return false;
      payload->assign(1, static_cast<unsigned char>(proc_.jaugeStep));
      return true;
    case CMD_CALIB_PT100:
      if (proc_.pt100ToCalib < 0 || proc_.pt100ToCalib > 3) return false;
      payload->assign(1, static_cast<unsigned char>(proc_.pt100ToCalib));
      return true;
    default: payload->clear(); return true;
  }
}

int MesV2Modul::CM_sendTo(uint8_t command) {
  if (command < CMD_IDENT || command > CMD_28 || command == 23 || command == 24) return 0;
  BusFrame request{kAddress, command, {}};
  if (!buildPayload(command, &request.payload)) {
    // No step or probe for a calibration: nothing to send. A configuration that could not
    // be copied is not sent unfilled: the exchange fails and is repeated.
    return command == CMD_SET_CONFIG ? -4 : 0;
  }
  unsigned speed = busSpeed();
  if (speed == 0) return -4;
  currentCmd_ = command;
  lastReplyCode_ = -1;
  freshData_ = false;
  int expected = expectedReplyLength(command);
  std::vector<unsigned char> reply;
  int count = exchangeFrame(link_, speed, request, expected, &reply);
  if (count != expected) return -4;
  return CM_parseRX_Datas(reply.data(), count) == 0 ? 0 : -2;
}

int MesV2Modul::CM_parseRX_Datas(const unsigned char* reply, int length) {
  BusFrame frame;
  // A reply from another address is not this card's, whatever its CRC.
  if (acceptReply(reply, length, kAddress, &frame) != 0) return -1;
  int size = replyRecordSize(frame.code);
  if (size >= 0 && static_cast<int>(frame.payload.size()) != size) return -1;
  const unsigned char* payload = frame.payload.data();
  switch (frame.code) {
    case REPLY_IDENT:
      std::memcpy(&proc_.ident, payload, sizeof proc_.ident);
      proc_.connectState = 1;
      proc_.cmdToSend = CMD_DATA;
      break;
    case CMD_DATA:
      if (lock_CMdatas()) {
        std::memcpy(&data_, payload, sizeof data_);
        markNonNumbersInvalid(&data_);
        unlock_CMdatas();
        freshData_ = true;
      }
      break;
    case CMD_GET_CONFIG: {
      cm_config_t cfg;
      std::memcpy(&cfg, payload, sizeof cfg);
      cfg_setCM_Config(true, &cfg);
      proc_.cmdToSend = CMD_DATA;
      break;
    }
    case CMD_ACK:
      // What an acknowledgement leads to depends on the command it answers.
      if (currentCmd_ == CMD_SET_CONFIG || currentCmd_ == CMD_21) {
        proc_.cmdToSend = CMD_DATA;
      } else if (currentCmd_ == CMD_CALIB_JAUGE || currentCmd_ == CMD_CALIB_PT100 ||
                 currentCmd_ == CMD_20) {
        if (currentCmd_ == CMD_CALIB_JAUGE) proc_.jaugeStep = -1;
        if (currentCmd_ == CMD_CALIB_PT100) proc_.pt100ToCalib = -1;
        proc_.cmdToSend = CMD_CALIB_STATE;
      }
      break;
    case CMD_REFUSED: moduleTrace("cmd_CM_error OK"); break;
    case CMD_LOADER: proc_.cmdToSend = CMD_LOADER; break;
    case CMD_CALIB_STATE: {
      cm_calib_state_t state;
      std::memcpy(&state, payload, sizeof state);
      if (lock_CMdatas()) {
        proc_.calibState = state;
        unlock_CMdatas();
      }
      // All idle: fetch the configuration that carries the new calibration values.
      if (state.gaugeState == -1 && state.secondState == 0 && state.pt100Pending[0] == 0 &&
          state.pt100Pending[1] == 0 && state.pt100Pending[2] == 0)
        proc_.cmdToSend = CMD_GET_CONFIG;
      break;
    }
    default: break;
  }
  proc_.commCounter = static_cast<uint32_t>(moduleClockNow());
  lastReplyCode_ = frame.code;
  return 0;
}

void MesV2Modul::CMcheckIfConfiged() {
  uint8_t ours = isCMconfigured();
  uint8_t card = proc_.ident.configured;
  if (ours == 1 && card == 0) {
    if (CM_sendTo(CMD_SET_CONFIG) == 0 && lastReplyCode_ == CMD_ACK)
      moduleTrace(" +++ CMv2_Send Config from ORV to new Modul OK");
  } else if (ours == 0 && card == 1) {
    if (CM_sendTo(CMD_GET_CONFIG) == 0 && lastReplyCode_ == CMD_GET_CONFIG)
      moduleTrace(" +++ CMv2_Receive Config from Modul for new ORV OK");
  }
}

int MesV2Modul::CMinit_Comm(bool withConfig) {
  if (proc_.connectState == 1) return 0;
  if (CM_sendTo(CMD_IDENT) != 0 || proc_.connectState != 1) return 0;
  if (withConfig) {
    cfg_readCM_Config_fromFile();
    CMcheckIfConfiged();
  }
  return 1;
}

// ---- Cyclic exchange --------------------------------------------------------------------

void MesV2Modul::checkReadings() {
  cm_datas_t values;
  if (!lock_CMdatas()) return;
  values = data_;
  unlock_CMdatas();
  for (int i = CM_WEIGHT; i <= CM_TEMP3; ++i) {
    float marker = i == CM_WEIGHT ? kWeightInvalid : kValueInvalid;
    int32_t& counter = proc_.errorCounter[i];
    if (values.value[i] != marker) {
      proc_.sensorError[i] = 0;
      counter = 0;
    } else if (counter == -1) {
      // fault latched: stays so until a valid reading
    } else if (counter < kInvalidReadingsTolerated) {
      ++counter;
    } else {
      proc_.sensorError[i] = 1;
      counter = -1;
    }
  }
}

int MesV2Modul::CM_sendToORV() {
  long long now = moduleClockNow();
  if (proc_.connectState == 0) return -4;
  if (proc_.connectState == 2) {
    if (CMinit_Comm(false) == 1) {
      // The watchdog window restarts: a card that falls silent again is lost again.
      proc_.commCounter = static_cast<uint32_t>(moduleClockNow());
      moduleTrace("MESUREv2 Reconnecte via WATCHDOG, OK");
    }
    return -4;
  }
  uint8_t command = proc_.cmdToSend;
  int result = CM_sendTo(command);
  bool refused = lastReplyCode_ == CMD_REFUSED;
  if (result == 0 && !refused) {
    if (command == CMD_DATA && freshData_) {
      checkReadings();
    } else if (command == CMD_REBOOT || command == CMD_RESET) {
      CMdisconnect(2);
      sleep(4);
    } else if (command == CMD_LOADER) {
      CMdisconnect(0);
      return 0;
    }
  }
  if (proc_.commCounter > 0 && now - static_cast<long long>(proc_.commCounter) > kWatchdogSeconds) {
    CMdisconnect(2);
    moduleTrace("MESUREv2 Deconnecte via WATCHDOG, erreur RS485");
  }
  return result;
}

int MesV2Modul::CMstart_FirmUpdate() {
  if (proc_.connectState == 0) return 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (CM_sendTo(CMD_LOADER) == 0 && lastReplyCode_ != CMD_REFUSED) {
      CMdisconnect(0);
      return 1;
    }
    usleep(10000);
  }
  return 0;
}

// ---- Queued commands --------------------------------------------------------------------

void MesV2Modul::sendCalibJauge(unsigned step) {
  proc_.jaugeStep = static_cast<int32_t>(step);
  if (lock_CMdatas()) {
    proc_.calibState.gaugeState = static_cast<int8_t>(step);
    unlock_CMdatas();
  }
  proc_.cmdToSend = CMD_CALIB_JAUGE;
}

void MesV2Modul::sendCalibPT100(unsigned n) {
  proc_.pt100ToCalib = static_cast<int32_t>(n);
  // The calibration state has pending flags for PT100 0..2 only.
  if (n < 3 && lock_CMdatas()) {
    proc_.calibState.pt100Pending[n] = 1;
    unlock_CMdatas();
  }
  proc_.cmdToSend = CMD_CALIB_PT100;
}

void MesV2Modul::rebootMODUL() {
  if (proc_.connectState != 0) proc_.cmdToSend = CMD_REBOOT;
}

void MesV2Modul::resetMODUL() {
  if (proc_.connectState != 0) proc_.cmdToSend = CMD_RESET;
}

// ---- Values by id and index -------------------------------------------------------------

uint8_t MesV2Modul::CM_sensorError(int i) const {
  return i >= 0 && i < 6 ? proc_.sensorError[i] : 0;
}

float MesV2Modul::CM_getMesureValue(int i) {
  if (i < 0 || !lock_CMdatas()) return 0.0f;
  float value = data_.value[i > 5 ? 6 : i];
  unlock_CMdatas();
  return value;
}

cfg_value_t MesV2Modul::getCFG_struct(int id) {
  cfg_value_t r;
  const ModuleKeyDef* def = MESV2_KEY_TABLE.find(id);
  if ((id != 114 && def == nullptr) || !lock_CMconfig()) return r;
  if (id == 114) {
    r.floatValue = proc_.ident.version;
  } else if (id == kBusIdKey) {
    r.intValue = config_.rs485_id;
  } else {
    r = moduleFieldValue(&config_, *def);
  }
  unlock_CMconfig();
  return r;
}

int MesV2Modul::setCFG_struct(int id, const void* value) {
  const ModuleKeyDef* def = MESV2_KEY_TABLE.find(id);
  if (value == nullptr || (id != 114 && def == nullptr) || !lock_CMconfig()) return 1;
  bool changed = true;
  if (id == 114)
    std::memcpy(&proc_.ident.version, value, sizeof(float));
  else
    changed = storeModuleField(&config_, *def, value);
  unlock_CMconfig();
  if (!changed) return 1;
  cfg_value_t v = getCFG_struct(id);
  if (id == 114)
    writeModuleKey(MESV2_VERSION_KEY, moduleFieldText(v, ModKeyType::F32), MESV2_SECTION);
  else
    writeModuleKey(def->key, moduleFieldText(v, id == kBusIdKey ? ModKeyType::I32 : def->type),
                   MESV2_SECTION);
  return 1;
}

cfg_value_t MesV2Modul::getDATA_struct(int i) {
  cfg_value_t r;
  if (i < 0 || i > 7 || !lock_CMdatas()) return r;
  if (i == 0)
    r.charValue = static_cast<char>(proc_.connectState);
  else
    r.floatValue = data_.value[i - 1];
  unlock_CMdatas();
  return r;
}

int MesV2Modul::setDATA_struct(int i, const void* value) {
  if (value == nullptr || i < 0 || i > 7 || !lock_CMdatas()) return 1;
  if (i == 0) {
    proc_.connectState = *static_cast<const uint8_t*>(value);
  } else {
    float v;
    std::memcpy(&v, value, sizeof v);
    if (data_.value[i - 1] != v) data_.value[i - 1] = v;
  }
  unlock_CMdatas();
  return 1;
}
