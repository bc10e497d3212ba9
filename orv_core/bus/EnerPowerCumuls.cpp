#include "EnerPowerCumuls.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "orvPlatform.h"
#include "orv_utils.h"

namespace {
const char* const kPowerLog = "/home/ORV/tension.log";
const char* const kPowerLogPrevious = "/home/ORV/tension-1.log";
constexpr int kCompressorSlots = 6;
}  // namespace

float enerShareDivisor(int sharePercent) {
  if (sharePercent < 1) return 1.0f;
  if (sharePercent > 100) sharePercent = 100;  // 0 would divide by zero
  return static_cast<float>(100 / sharePercent);
}

bool enerAssignmentShared(int assignment) {
  return assignment == 2 || assignment == 3 || assignment == 8;
}

void computePowerCumuls(const std::vector<EnerBlockReading>& blocks, struct_cumul_puissanse* record) {
  int slot = 0;
  float compressorTotal = 0.0f;
  float groupPower[9] = {};  // by assignment 2..8
  float groupEnergy[8] = {};
  bool groupFilled[8] = {};
  for (const EnerBlockReading& block : blocks) {
    int a = block.assignment;
    if (a == 0) {
      if (slot >= kCompressorSlots) continue;
      record->puissComp[slot] = block.activePower;
      record->energieComp[slot] = block.energy;
      record->intensiteComp[slot] = block.phase1Current;
      record->cosPhiComp[slot] = block.activePower > 0.0f && block.apparentPower > 0.0f
                                     ? block.activePower / block.apparentPower
                                     : 0.0f;
      compressorTotal += block.activePower;
      ++slot;
    } else if (a >= 1 && a <= 8) {
      if (a == 1) compressorTotal += block.activePower;
      else groupPower[a] += block.activePower;
      // Every block's energy counts toward its group, as its power does.
      groupEnergy[a - 1] += block.energy;
      groupFilled[a - 1] = true;
    }
  }
  record->puissTotalComp = compressorTotal;
  record->puissVentilCond = groupPower[2];
  record->puissPompes = groupPower[3];
  record->puissVitrines = groupPower[4];
  record->puissChambres = groupPower[5];
  record->puissClim = groupPower[6];
  record->puissEclairage = groupPower[7];
  record->puissCompP = groupPower[8];
  for (int g = 0; g < 8; ++g)
    if (groupFilled[g]) record->energieGroupe[g] = groupEnergy[g];
}

// ---- Share division ----------------------------------------------------------------------

EnerShareDivision::EnerShareDivision() {
  std::memset(handedBack_, 0, sizeof handedBack_);
  for (bool& k : known_) k = false;
}

bool EnerShareDivision::divideNewReading(int n, float values[enermes::kCount],
                                         const int assignment[3], const int sharePercent[3]) {
  if (n < 0 || n > 2) return false;
  if (known_[n] && std::memcmp(values, handedBack_[n], sizeof handedBack_[n]) == 0) return false;
  for (int b = 0; b < 3; ++b) {
    if (!enerAssignmentShared(assignment[b])) continue;
    float divisor = enerShareDivisor(sharePercent[b]);
    for (int v : {enermes::ActivePower, enermes::Energy, enermes::ApparentPower,
                  enermes::ReactivePower})
      values[enermes::block(b, v)] /= divisor;
  }
  std::memcpy(handedBack_[n], values, sizeof handedBack_[n]);
  known_[n] = true;
  return true;
}

void EnerShareDivision::forget(int n) {
  if (n >= 0 && n <= 2) known_[n] = false;
}

// ---- Voltage watch -----------------------------------------------------------------------

VoltageWatch::VoltageWatch() {
  for (uint8_t& a : alarm_) a = 0;
}

VoltageWatch::Action VoltageWatch::check(int n, int tolerancePercent, float reference, float a,
                                         float b, float c) {
  if (n < 0 || n > 2 || tolerancePercent < 0) return Nothing;
  if (reference == 0.0f) return a > 180.0f ? LearnReference : Nothing;
  if (reference < 0.0f) return Nothing;
  float band = reference / 100.0f * static_cast<float>(tolerancePercent);
  bool anyOut = false;
  bool anyZero = false;
  for (float v : {a, b, c}) {
    anyOut = anyOut || (v > 0.0f && (v > reference + band || v < reference - band));
    anyZero = anyZero || v == 0.0f;
  }
  if (alarm_[n] == 0) {
    if (anyOut) return LogLine;  // a lasting deviation gives one line per watch
    if (!anyZero) return Nothing;
    alarm_[n] = 1;
    return LogLine;
  }
  if (anyZero) return Nothing;  // deviations are not logged while a phase is lost
  alarm_[n] = 0;
  return LogLine;
}

// ---- Voltage log -------------------------------------------------------------------------

int ENERaddToPowerLog(int module, float phaseA, float phaseB, float phaseC) {
  time_t now = orv::wallClockNow();
  struct tm local {};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H:%M:%S", &local);

  bool existed = orvFileExist(kPowerLog) != 0;
  FILE* log = std::fopen(orv::devicePath(kPowerLog).c_str(), "a");
  if (!log) return -1;
  bool ok = true;
  if (!existed) ok = std::fprintf(log, "date;module;phaseA;phaseB;phaseC\n") > 0;
  ok = std::fprintf(log, "%s;%d;%.2f;%.2f;%.2f\n", stamp, module + 1, phaseA, phaseB, phaseC) > 0 &&
       ok;
  ok = std::fclose(log) == 0 && ok;
  return ok ? 0 : -1;
}

int ENERmanageDailyPowerLog() {
  if (!orvFileExist(kPowerLog)) return -1;
  if (orvFileExist(kPowerLogPrevious)) orvFileDelete(kPowerLogPrevious);
  return orvFileRename(kPowerLog, kPowerLogPrevious) ? 0 : -1;
}
