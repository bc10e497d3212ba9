#include "MesV1Modul.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "orvDatas.h"

namespace {

constexpr int kSpeed = 2400;  // the card's only speed
constexpr int kReplyLength = 33;
const unsigned char kRequest[5] = {0x01, 0x02, 0x39, 0x0D, 0x00};
constexpr float kInvalid = 999.0f;

// The card sends temperatures as (T + 40) x 117.
float temperatureOf(long raw) { return static_cast<float>(raw / 117.0 - 40.0); }
bool temperatureInRange(float t) { return t >= -45.0f && t <= 95.0f; }

// Decimal value of a 5-character field; a field without digits reads 0.
long fieldValue(const char* field) { return std::strtol(field, nullptr, 10); }

}  // namespace

MesV1Modul::MesV1Modul(CComRS485* link) : link_(link) {
  moduleTrace("[MesV1Modul] Started");
  initMesV1Modul();
}

MesV1Modul::~MesV1Modul() { closeMesV1Modul(); }

int MesV1Modul::initMesV1Modul() {
  std::memset(fields_, 0, sizeof fields_);
  cfg_initCMv1_Config(&config_);
  cfg_initCMv1_Data(&data_);
  cfg_initCMv1_ProcValue(&proc_);
  moduleTrace("[MesV1Modul] initMesV1Modul OK");
  return 1;
}

void MesV1Modul::closeMesV1Modul() { moduleTrace("[MesV1Modul] Closed"); }

void MesV1Modul::cfg_initCMv1_Config(cmV1_config_t* out) {
  if (out == nullptr) return;
  std::memset(out, 0, sizeof *out);
  out->speed = kSpeed;
  out->pressureFullScale = 30.0f;
  out->pressureMin = 0.0f;
}

void MesV1Modul::cfg_initCMv1_ProcValue(cmV1_proc_values_t* out) {
  if (out) std::memset(out, 0, sizeof *out);
}

void MesV1Modul::cfg_initCMv1_Data(cmV1_datas_t* out) {
  if (out) std::memset(out, 0, sizeof *out);
}

void MesV1Modul::cfg_getCMv1_Config(cmV1_config_t* out) {
  copyUnderLock(configLock_, out, &config_);
}

void MesV1Modul::cfg_setCMv1_Config(const cmV1_config_t* in) {
  copyUnderLock(configLock_, &config_, in);
}

void MesV1Modul::cfg_readCMv1_Config_fromFile() {
  orvDatas* store = moduleStore();
  cmV1_config_t cfg;
  cfg_getCMv1_Config(&cfg);
  if (store && store->readMESv1_Config_fromFile(&cfg)) cfg_setCMv1_Config(&cfg);
}

void MesV1Modul::cfg_writeCMv1_Config_toFile() {
  orvDatas* store = moduleStore();
  if (store == nullptr || !lock_CMv1config()) return;
  store->writeMESv1_Config_toFile(&config_);
  unlock_CMv1config();
}

void MesV1Modul::cfg_getCMv1_Data(cmV1_datas_t* out) { copyUnderLock(dataLock_, out, &data_); }

void MesV1Modul::cfg_setCMv1_Data(const cmV1_datas_t* in) { copyUnderLock(dataLock_, &data_, in); }

// ---- Exchange ----------------------------------------------------------------------------

int MesV1Modul::acquisition_carteV1(int speed, char* weight, char* outlet, char* outside,
                                    char* inlet, char* current) {
  unsigned char reply[kReplyLength + 1] = {0};
  int count = link_ ? link_->sendWaitForRespAuto(speed, reinterpret_cast<const char*>(kRequest),
                                                 sizeof kRequest, reinterpret_cast<char*>(reply),
                                                 sizeof reply, 3)
                    : -1;
  int result;
  if (count <= 0) {
    ++proc_.noReplyCount;
    result = -4;
  } else if (count != kReplyLength) {
    result = -3;
  } else if (std::memcmp(reply, kRequest, sizeof kRequest) == 0) {
    // The request read back from the line. All five bytes must match: a weight field
    // that starts with '9' (0x39) is a reading.
    result = -2;
  } else {
    result = reply[0] == 0x01 && reply[1] == 0x02 ? 1 : -1;
    char* out[5] = {weight, outlet, outside, inlet, current};
    for (int i = 0; i < 5; ++i) {
      if (out[i] == nullptr) continue;
      std::memcpy(out[i], reply + 2 + 6 * i, 5);
      out[i][5] = '\0';
    }
    proc_.noReplyCount = 0;
  }
  usleep(250);
  return result;
}

void MesV1Modul::checkValue(int i, bool inRange, float value) {
  int32_t& counter = proc_.rangeCounter[i];
  if (inRange) {
    data_.value[i] = value;
    // Any in-range reading clears the count, so that only a run of 65 out-of-range
    // readings latches the fault, not glitches gathered over days.
    counter = 0;
    proc_.sensorError[i] = 0;
  } else if (counter != -1) {
    ++counter;
  }
  if (counter > kTolerated) {
    data_.value[i] = kInvalid;
    counter = -1;
    proc_.sensorError[i] = 1;
  }
}

int MesV1Modul::CM1_sendTo() {
  int result =
      acquisition_carteV1(kSpeed, fields_[0], fields_[1], fields_[2], fields_[3], fields_[4]);
  if (result != 1) {
    if (proc_.noReplyCount > static_cast<uint32_t>(kTolerated)) proc_.connectState = 2;
    return result;
  }
  if (proc_.connectState == 2) {
    proc_.connectState = 1;
    proc_.noReplyCount = 0;
  }
  cmV1_config_t cfg;
  cfg_getCMv1_Config(&cfg);
  float temps[3];
  for (int k = 0; k < 3; ++k) temps[k] = temperatureOf(fieldValue(fields_[1 + k]));
  long microamps = fieldValue(fields_[4]);
  bool currentInRange = microamps >= 3700 && microamps <= 22000;
  // A 4-20 mA loop over the configured range.
  double bar = (microamps - 4000) * (static_cast<double>(cfg.pressureFullScale) - cfg.pressureMin) /
                   16000.0 +
               cfg.pressureMin;
  if (!lock_CMv1datas()) return result;
  data_.value[CMV1_WEIGHT] = static_cast<float>(fieldValue(fields_[0]));
  for (int k = 0; k < 3; ++k) checkValue(CMV1_OUTLET + k, temperatureInRange(temps[k]), temps[k]);
  checkValue(CMV1_PRESSURE, currentInRange, static_cast<float>(bar));
  unlock_CMv1datas();
  return result;
}

int MesV1Modul::CMV1_initComm() {
  char scratch[5][6];
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (acquisition_carteV1(kSpeed, scratch[0], scratch[1], scratch[2], scratch[3], scratch[4]) ==
        1) {
      proc_.connectState = 1;
      cfg_readCMv1_Config_fromFile();
      return 1;
    }
    usleep(10000);
  }
  return 0;
}

// ---- Values ------------------------------------------------------------------------------

float MesV1Modul::CMv1_getMesureValue(int i) {
  if (i < 0 || i > 4 || !lock_CMv1datas()) return 0.0f;
  float value = data_.value[i];
  unlock_CMv1datas();
  return value;
}

void MesV1Modul::CMv1_startPressureCalib(bool on) {
  proc_.pressureCalibMode = on ? 1 : 0;
  proc_.pressureCalibCounter = 0;
  proc_.pressureCalibByte = 0;
}

uint8_t MesV1Modul::CMv1sensorError(int i) const {
  return i >= 0 && i < 5 ? proc_.sensorError[i] : 0;
}

cfg_value_t MesV1Modul::getDATA_struct(int i) {
  cfg_value_t r;
  if (i < 0 || i > 10 || !lock_CMv1datas()) return r;
  if (i == 0)
    r.charValue = static_cast<char>(proc_.connectState);
  else if (i <= 5)
    r.floatValue = data_.value[i - 1];
  else
    r.charValue = static_cast<char>(proc_.sensorError[i - 6]);
  unlock_CMv1datas();
  return r;
}

int MesV1Modul::setDATA_struct(int i, const void* value) {
  if (value == nullptr || i < 0 || i > 10 || !lock_CMv1datas()) return 1;
  if (i == 0) {
    proc_.connectState = *static_cast<const uint8_t*>(value);
  } else if (i <= 5) {
    float v;
    std::memcpy(&v, value, sizeof v);
    if (data_.value[i - 1] != v) data_.value[i - 1] = v;
  } else {
    proc_.sensorError[i - 6] = *static_cast<const uint8_t*>(value);
  }
  unlock_CMv1datas();
  return 1;
}
