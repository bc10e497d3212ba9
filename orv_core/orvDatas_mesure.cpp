// The shared measurement record of orvDatas: single fields by measurement index and whole
// blocks, each operation under the record lock.
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "orvDatas.h"

namespace {

struct MesField {
  MesType kind;
  size_t offset;  // byte offset in struct_mesure
};

constexpr size_t kFloat = sizeof(float);

size_t cumulValue(int k) { return offsetof(struct_mesure, cumuls) + k * kFloat; }
size_t fluidValue(int state, int k) {
  return offsetof(struct_mesure, fluid) + state * sizeof(struct_fluid_datas) + k * kFloat;
}

// Where a measurement index points; MES_NONE for 519, 524 and outside 500..634.
MesField mesField(int index) {
  switch (index) {
    case 500: return {MES_FLOAT, offsetof(struct_mesure, massFlow)};
    case 501: return {MES_FLOAT, offsetof(struct_mesure, spare501)};
    case 502: return {MES_FLOAT, offsetof(struct_mesure, spare502)};
    case 503: return {MES_FLOAT, offsetof(struct_mesure, refrigerationCapacity)};
    case 504: return {MES_FLOAT, offsetof(struct_mesure, refrigerantMass)};
    case 505: return {MES_INT, offsetof(struct_mesure, columnWeight)};
    case 506: return {MES_INT, offsetof(struct_mesure, netWeight)};
    case 507: return {MES_INT, offsetof(struct_mesure, liquidLevel)};
    case 508: return {MES_FLOAT, offsetof(struct_mesure, spare508)};
    case 509: return {MES_BYTE, offsetof(struct_mesure, sensorAlarmBits)};
    case 510: return {MES_BYTE, offsetof(struct_mesure, sensorFaultFlags)};
    case 511: return {MES_BYTE, offsetof(struct_mesure, leakState)};
    case 512: return {MES_BYTE, offsetof(struct_mesure, leakStateCopy)};
    case 513: return {MES_BYTE, offsetof(struct_mesure, lowLevelDetected)};
    case 514: return {MES_BYTE, offsetof(struct_mesure, lowLevelAlarm)};
    case 515: return {MES_INT, offsetof(struct_mesure, lowLevelDuration)};
    case 516: return {MES_FLOAT, offsetof(struct_mesure, slope3Days)};
    case 517: return {MES_FLOAT, offsetof(struct_mesure, slopeLongPeriod)};
    case 518: return {MES_FLOAT, offsetof(struct_mesure, referenceMass)};
    case 520: return {MES_BYTE, offsetof(struct_mesure, spare520)};
    case 521: return {MES_INT, offsetof(struct_mesure, spare521)};
    case 522: return {MES_FLOAT, offsetof(struct_mesure, spare522)};
    case 523: return {MES_CHAR, offsetof(struct_mesure, plantRunning)};
    case 525: return {MES_CHAR, offsetof(struct_mesure, inputPORTB9)};
    case 526: return {MES_CHAR, offsetof(struct_mesure, inputPORTB10)};
    case 536: return {MES_FLOAT, cumulValue(0)};
    case 550: return {MES_FLOAT, cumulValue(14)};
    case 559: return {MES_FLOAT, offsetof(struct_mesure, condenserCapacity)};
    case 560: return {MES_FLOAT, offsetof(struct_mesure, heatToReject)};
    case 561: return {MES_INT, offsetof(struct_mesure, lowLevelStartTime)};
    case 562: return {MES_FLOAT, offsetof(struct_mesure, isentropicDischargeTemp)};
    case 563: return {MES_BYTE, offsetof(struct_mesure, spare563)};
    case 564: return {MES_BYTE, offsetof(struct_mesure, spare564)};
    case 565: return {MES_BYTE, offsetof(struct_mesure, networkLink)};
    case 566: return {MES_BYTE, offsetof(struct_mesure, serverReachable)};
    default: break;
  }
  if (index >= 527 && index <= 530) return {MES_FLOAT, offsetof(struct_mesure, ratio) + (index - 527) * kFloat};
  // 531..535 are values 10..14 of the suction state again (same fields as 618..622).
  if (index >= 531 && index <= 535) return {MES_FLOAT, fluidValue(2, index - 521)};
  if (index >= 537 && index <= 544) return {MES_FLOAT, cumulValue(index - 531)};
  // 545..549 are cumul values 9..13 again (same fields as 540..544).
  if (index >= 545 && index <= 549) return {MES_FLOAT, cumulValue(index - 536)};
  if (index >= 551 && index <= 558) return {MES_FLOAT, cumulValue(index - 531)};
  if (index >= 567 && index <= 577)
    return {MES_FLOAT, offsetof(struct_mesure, valCalcul) + (index - 567) * kFloat};
  if (index >= 578 && index <= 622) return {MES_FLOAT, fluidValue((index - 578) / 15, (index - 578) % 15)};
  if (index >= 623 && index <= 634)
    return {MES_FLOAT, offsetof(struct_mesure, modules) + offsetof(modules_exchange_t, value) +
                          (index - 623) * kFloat};
  return {MES_NONE, 0};
}

}  // namespace

MesType mesIndexType(int index) { return mesField(index).kind; }

void orvDatas::init_ORVmesure(struct_mesure& rec) {
  std::memset(&rec, 0, sizeof rec);
  rec.massFlow = 999.0f;
  rec.spare501 = 999.0f;
  for (int k = 0; k <= modval::TRES2; ++k) rec.modules.value[k] = 999.0f;
}

mes_value_t orvDatas::getMES_struct(int index) {
  mes_value_t r;
  MesField f = mesField(index);
  if (f.kind == MES_NONE) return r;
  if (!lock_ORVmesure()) {
    std::printf("[orvDatas] getMES_struct(%d): verrou non obtenu\n", index);
    std::fflush(stdout);
    return r;
  }
  const unsigned char* at = reinterpret_cast<const unsigned char*>(&mesure) + f.offset;
  switch (f.kind) {
    case MES_FLOAT: std::memcpy(&r.floatValue, at, sizeof r.floatValue); break;
    case MES_INT: std::memcpy(&r.intValue, at, sizeof r.intValue); break;
    case MES_BYTE: r.intValue = *at; break;
    case MES_CHAR: r.charValue = static_cast<char>(*at); break;
    case MES_NONE: break;
  }
  unlock_ORVmesure();
  return r;
}

int orvDatas::setMES_struct(int index, const void* value) {
  MesField f = mesField(index);
  if (f.kind == MES_NONE || !value) return 1;
  if (!lock_ORVmesure()) {
    std::printf("[orvDatas] setMES_struct(%d): verrou non obtenu, valeur perdue\n", index);
    std::fflush(stdout);
    return 1;
  }
  unsigned char* at = reinterpret_cast<unsigned char*>(&mesure) + f.offset;
  switch (f.kind) {
    case MES_FLOAT:
    case MES_INT: std::memcpy(at, value, 4); break;
    case MES_BYTE: *at = static_cast<unsigned char>(*static_cast<const int*>(value) & 0xFF); break;
    case MES_CHAR: *at = static_cast<unsigned char>(*static_cast<const char*>(value)); break;
    case MES_NONE: break;
  }
  unlock_ORVmesure();
  return 1;
}

template <typename T>
bool orvDatas::copyUnderRecordLock(T& to, const T& from) {
  if (!lock_ORVmesure()) {
    std::printf("[orvDatas] copie du releve de mesures sautee: verrou non obtenu\n");
    std::fflush(stdout);
    return false;
  }
  std::memcpy(static_cast<void*>(&to), static_cast<const void*>(&from), sizeof(T));
  unlock_ORVmesure();
  return true;
}

void orvDatas::get_ORVmesure(struct_mesure& out) { copyUnderRecordLock(out, mesure); }

struct_mesure orvDatas::getS_ORVmesure() {
  struct_mesure copy;
  if (!copyUnderRecordLock(copy, mesure)) std::memset(&copy, 0, sizeof copy);
  return copy;
}

void orvDatas::set_ORVmesure(const struct_mesure* in) { copyUnderRecordLock(mesure, *in); }

void orvDatas::get_ORVmodsDatas(modules_exchange_t& out) { copyUnderRecordLock(out, mesure.modules); }
void orvDatas::set_ORVmodsDatas(const modules_exchange_t* in) { copyUnderRecordLock(mesure.modules, *in); }

void orvDatas::get_ORVcumulsPuissanceDatas(struct_cumul_puissanse& out) {
  copyUnderRecordLock(out, mesure.cumuls);
}
void orvDatas::set_ORVcumulsPuissanceDatas(const struct_cumul_puissanse* in) {
  copyUnderRecordLock(mesure.cumuls, *in);
}

void orvDatas::get_ORVmesureFluidData(int n, struct_fluid_datas& out) {
  if (n >= 0 && n < 3) copyUnderRecordLock(out, mesure.fluid[n]);
}
void orvDatas::set_ORVmesureFluidData(int n, const struct_fluid_datas* in) {
  if (n >= 0 && n < 3) copyUnderRecordLock(mesure.fluid[n], *in);
}

void orvDatas::get_ORVmesureValCalcul(struct_valeurs_calculees& out) {
  copyUnderRecordLock(out, mesure.valCalcul);
}
void orvDatas::set_ORVmesureValCalcul(const struct_valeurs_calculees* in) {
  copyUnderRecordLock(mesure.valCalcul, *in);
}
