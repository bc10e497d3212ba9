#include "HpfModul.h"

#include <unistd.h>

#include <cstring>

#include "orvDatas.h"

namespace {

constexpr unsigned char kAddress = 5;

// Whole reply length (header included) that a command waits for; 0: no reply is read,
// -1: a code never sent.
int expectedReplyLength(unsigned char cmd) {
  switch (cmd) {
    case 'f': return 12;
    case 'h':
    case 'k': return 42;
    case 'i': return 144;
    case 'j':
    case 'l':
    case 'm':
    case 'n':
    case 'o': return 7;
    case 'p':
    case 'q': return 0;
    default: return -1;
  }
}

// Payload size of the reply codes with a handling; -1 for codes accepted without effect.
// A reply is handled only with exactly that size (no read or write past a record).
int replyRecordSize(unsigned char code) {
  switch (code) {
    case 'e': return sizeof(hp_ident_t);
    case 'h': return sizeof(hp_toORV_data_t);
    case 'i': return sizeof(hp_global_config_t);
    case 'p':
    case 'n':
    case 'o': return 1;
    default: return -1;
  }
}

}  // namespace

HpfModul::HpfModul(CComRS485* link) : link_(link) { initHpfModul(); }

HpfModul::~HpfModul() { closeHpfModul(); }

int HpfModul::initHpfModul() {
  moduleTrace("[HpfModul] Started");
  std::memset(&config_, 0, sizeof config_);
  config_.uart1Speed = 9600;
  config_.uart2Speed = 9600;
  cfg_initHPF_Data(&hpData_);
  cfg_initORV_Data(&orvData_);
  cfg_initHPF_ProcValue(&proc_);
  lastReplyCode_ = -1;
  moduleTrace("[HpfModul] initHpfModul OK");
  return 1;
}

void HpfModul::closeHpfModul() { moduleTrace("[HpfModul] Closed"); }

int HpfModul::cfg_initHPF_ProcValue(hpf_process_values_t* out) {
  if (out == nullptr) return 'f';
  std::memset(out, 0, sizeof *out);
  out->cmdToSend = 'f';
  out->rs485_id = kAddress;
  return 'f';
}

void HpfModul::HPFdisconnect(unsigned char state) {
  proc_.connectState = state;
  proc_.commCounter = 0;
  proc_.cmdToSend = 'f';
}

// ---- Configuration and data ------------------------------------------------------------

void HpfModul::cfg_getHPF_Config(hp_global_config_t* out) {
  copyUnderLock(configLock_, out, &config_);
}

int HpfModul::cfg_setHPF_Config(bool toFile, const hp_global_config_t* in) {
  if (in == nullptr || !lock_HPFconfig()) return 0;
  config_ = *in;
  unlock_HPFconfig();
  return toFile ? cfg_writeHPF_Config_toFile() : 1;
}

int HpfModul::cfg_writeHPF_Config_toFile() {
  orvDatas* store = moduleStore();
  if (store == nullptr || !lock_HPFconfig()) return 0;
  int written = store->writeHPF_Config_toFile(&config_);
  unlock_HPFconfig();
  return written == 1 ? 1 : 0;
}

void HpfModul::cfg_readHPF_Config_fromFile() {
  orvDatas* store = moduleStore();
  hp_global_config_t cfg;
  cfg_getHPF_Config(&cfg);
  if (store && store->readHPF_Config_fromFile(&cfg)) cfg_setHPF_Config(false, &cfg);
}

void HpfModul::cfg_initHPF_Data(hp_toORV_data_t* out) {
  if (out) std::memset(out, 0, sizeof *out);
}

void HpfModul::cfg_initORV_Data(orv_toHP_datas_t* out) {
  if (out) std::memset(out, 0, sizeof *out);
}

void HpfModul::cfg_getHPF_Data(hp_toORV_data_t* out) { copyUnderLock(dataLock_, out, &hpData_); }

void HpfModul::cfg_setHPF_Data(const hp_toORV_data_t* in) {
  copyUnderLock(dataLock_, &hpData_, in);
}

void HpfModul::cfg_getORV_Data(orv_toHP_datas_t* out) { copyUnderLock(dataLock_, out, &orvData_); }

void HpfModul::cfg_setORV_Data(const orv_toHP_datas_t* in) {
  copyUnderLock(dataLock_, &orvData_, in);
}

int HpfModul::getNumVentilON() const {
  int count = 0;
  for (uint8_t fan : hpData_.ventil) count += fan == 1;
  return count;
}

int HpfModul::getNumCompressorON() const {
  int count = 0;
  for (uint8_t compressor : hpData_.compressor) count += compressor == 1;
  return count;
}

// ---- Exchange ----------------------------------------------------------------------------

unsigned HpfModul::busSpeed() {
  if (!lock_HPFconfig()) return 0;
  unsigned speed = config_.uart2Speed;
  unlock_HPFconfig();
  return speed;
}

bool HpfModul::buildPayload(unsigned char cmd, std::vector<unsigned char>* payload) {
  payload->clear();
  if (cmd == 'j') {
    if (!lock_HPFconfig()) return false;
    // The controller sends its configuration as commissioned, and keeps it so.
    if (config_.isConfigured == 0) config_.isConfigured = 1;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&config_);
    payload->assign(p, p + sizeof config_);
    unlock_HPFconfig();
  } else if (cmd == 'k') {
    if (!lock_HPFdatas()) return false;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(&orvData_);
    payload->assign(p, p + sizeof orvData_);
    unlock_HPFdatas();
  } else if (cmd == 'n') {
    payload->assign(1, proc_.nByte);
  }
  return true;
}

int HpfModul::orvcomm_sendToHPF(unsigned char cmd) {
  int expected = expectedReplyLength(cmd);
  if (expected < 0) return 0;
  BusFrame request{static_cast<unsigned char>(proc_.rs485_id & 0xFF), cmd, {}};
  // A record that could not be copied is not sent unfilled: the exchange fails.
  if (!buildPayload(cmd, &request.payload)) return -4;
  unsigned speed = busSpeed();
  if (speed == 0) return -4;
  lastReplyCode_ = -1;
  std::vector<unsigned char> reply;
  int count = exchangeFrame(link_, speed, request, expected, &reply);
  if (count != expected) return -4;
  return orvcomm_parseRX_Datas(reply.data(), count) == 0 ? 0 : -2;
}

int HpfModul::orvcomm_parseRX_Datas(const unsigned char* reply, int length) {
  BusFrame frame;
  if (acceptReply(reply, length, static_cast<int>(proc_.rs485_id & 0xFF), &frame) != 0) return -1;
  int size = replyRecordSize(frame.code);
  if (size >= 0 && static_cast<int>(frame.payload.size()) != size) return -1;
  const unsigned char* payload = frame.payload.data();
  switch (frame.code) {
    case 'e':
      std::memcpy(&proc_.ident, payload, sizeof proc_.ident);
      proc_.connectState = 1;
      proc_.cmdToSend = 'k';
      break;
    case 'h':
      if (lock_HPFdatas()) {
        std::memcpy(&hpData_, payload, sizeof hpData_);
        unlock_HPFdatas();
      }
      proc_.cmdToSend = 'k';
      break;
    case 'i':
      // Only a commissioned configuration of the module is taken over.
      if (payload[0] == 1) {
        hp_global_config_t cfg;
        std::memcpy(&cfg, payload, sizeof cfg);
        cfg_setHPF_Config(true, &cfg);
      }
      proc_.cmdToSend = 'k';
      break;
    case 'p': proc_.cmdToSend = 'k'; break;
    case 'n':
      // The byte is kept before 'p' goes out: that exchange reuses the link.
      proc_.nByte = payload[0];
      orvcomm_sendToHPF('p');
      break;
    case 'o': proc_.cmdToSend = 'o'; break;
    default: break;
  }
  proc_.commCounter = static_cast<uint32_t>(moduleClockNow());
  lastReplyCode_ = frame.code;
  return 0;
}

void HpfModul::HPFcheckIfConfiged() {
  int ours = 0;
  if (lock_HPFconfig()) {
    ours = config_.isConfigured;
    unlock_HPFconfig();
  }
  int module = proc_.ident.isConfigured;
  if (ours == 1 && module == 0) {
    if (orvcomm_sendToHPF('j') == 0 && lastReplyCode_ == 'p')
      moduleTrace(" +++ HPF_Send Config from ORV to new Modul OK");
  } else if (ours == 0 && module == 1) {
    if (orvcomm_sendToHPF('i') == 0 && lastReplyCode_ == 'i')
      moduleTrace(" +++ HPF_Receive Config from Modul for new ORV OK");
  }
}

int HpfModul::HPFinit_Comm(bool withConfig) {
  if (proc_.connectState == 1) return 0;
  if (orvcomm_sendToHPF('f') != 0 || proc_.connectState != 1) return 0;
  if (withConfig) {
    cfg_readHPF_Config_fromFile();
    HPFcheckIfConfiged();
  }
  return 1;
}

int HpfModul::HPF_sendToORV() {
  if (proc_.connectState == 2) {
    if (HPFinit_Comm(false) == 1) {
      // The watchdog window restarts: a module that falls silent again is lost again.
      proc_.commCounter = static_cast<uint32_t>(moduleClockNow());
      moduleTrace("HPF Reconnecte via WATCHDOG, OK");
    }
    return -4;
  }
  if (proc_.connectState != 1) return -4;
  int result = orvcomm_sendToHPF(proc_.cmdToSend);
  if (result == 0) {
    if (proc_.cmdToSend == 'l' || proc_.cmdToSend == 'm') {
      HPFdisconnect(2);
      sleep(4);
    } else if (proc_.cmdToSend == 'o') {
      HPFdisconnect(2);
      return 0;
    }
  }
  long long now = moduleClockNow();
  if (static_cast<int32_t>(proc_.commCounter) > 0 &&
      now - static_cast<long long>(proc_.commCounter) > kWatchdogSeconds) {
    HPFdisconnect(2);
    moduleTrace("HPF deconnecte via WATCHDOG, erreur RS485");
  }
  return result;
}

int HpfModul::HPFstart_FirmUpdate() {
  if (proc_.connectState != 1) return 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (orvcomm_sendToHPF('o') == 0) {
      HPFdisconnect(0);
      return 1;
    }
    usleep(10000);
  }
  return 0;
}

void HpfModul::rebootMODUL() {
  if (proc_.connectState != 0) proc_.cmdToSend = 'l';
}

// ---- Values by id and index -------------------------------------------------------------

cfg_value_t HpfModul::getCFG_struct(int id) {
  cfg_value_t r;
  const ModuleKeyDef* def = HPF_KEY_TABLE.find(id);
  bool own = id == 131 || id == 132 || id == 172;
  if ((!own && def == nullptr) || !lock_HPFconfig()) return r;
  if (id == 131)
    r.floatValue = proc_.ident.version;
  else if (id == 132)
    r.charValue = static_cast<char>(proc_.rs485_id & 0xFF);
  else if (id == 172)
    r.charValue = static_cast<char>(proc_.ident.relayCardNum);
  else
    r = moduleFieldValue(&config_, *def);
  unlock_HPFconfig();
  return r;
}

int HpfModul::setCFG_struct(int id, const void* value) {
  const ModuleKeyDef* def = HPF_KEY_TABLE.find(id);
  bool own = id == 131 || id == 132 || id == 172;
  if (value == nullptr || (!own && def == nullptr) || !lock_HPFconfig()) return 1;
  bool changed = true;
  uint8_t byte = *static_cast<const uint8_t*>(value);
  if (id == 131) {
    std::memcpy(&proc_.ident.version, value, sizeof(float));
  } else if (id == 132) {
    changed = proc_.rs485_id != byte;
    proc_.rs485_id = byte;
  } else if (id == 172) {
    // Detection hands back the count the identification just stored, so a comparison
    // would never record it; like the version, it is always written (the store rewrites
    // the file only when the text differs).
    proc_.ident.relayCardNum = byte;
  } else {
    changed = storeModuleField(&config_, *def, value);
  }
  unlock_HPFconfig();
  if (!changed) return 1;
  cfg_value_t v = getCFG_struct(id);
  if (own) {
    const char* key = id == 131 ? HPF_VERSION_KEY : id == 132 ? HPF_ID_KEY : HPF_RELAYS_KEY;
    writeModuleKey(key, moduleFieldText(v, id == 131 ? ModKeyType::F32 : ModKeyType::U8),
                   HPF_SECTION);
  } else {
    writeModuleKey(def->key, moduleFieldText(v, def->type), HPF_SECTION);
  }
  return 1;
}

cfg_value_t HpfModul::getDATA_struct(int index) {
  cfg_value_t r;
  if (index < 0 || index > 27 || !lock_HPFdatas()) return r;
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&hpData_);
  if (index == 0)
    r.charValue = static_cast<char>(proc_.connectState);
  else if (index <= 24)
    r.charValue = static_cast<char>(bytes[index - 1]);
  else
    std::memcpy(&r.floatValue, bytes + 24 + 4 * (index - 25), sizeof(float));
  unlock_HPFdatas();
  return r;
}

int HpfModul::setDATA_struct(int index, const void* value) {
  if (value == nullptr || index < 0 || index > 27 || !lock_HPFdatas()) return 1;
  unsigned char* bytes = reinterpret_cast<unsigned char*>(&hpData_);
  if (index == 0)
    proc_.connectState = *static_cast<const uint8_t*>(value);
  else if (index <= 24)
    bytes[index - 1] = *static_cast<const uint8_t*>(value);
  else
    std::memcpy(bytes + 24 + 4 * (index - 25), value, sizeof(float));
  unlock_HPFdatas();
  return 1;
}
