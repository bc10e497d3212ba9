// The gates of relearning and of the reference recalculation, the sensor sanity check
// they share, and the range check of the 3-day alarm sensitivity.
//
// A refused request changes nothing: a technician or the server asking at the wrong time
// must not reset the leak monitor's state.
#include <algorithm>

#include "ORV_ProcThread.h"
#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"

namespace {

const int kFlagPremDemarrage = orvDatas::getCFG_ID_fromKeyString("FLAG_PREM_DEMARRAGE");
const int kFlagRecalc = orvDatas::getCFG_ID_fromKeyString("FLAG_RECALC_MOYREF");
const int kLearningDays = orvDatas::getCFG_ID_fromKeyString("NOMBRE_JOURS_APPRENTISSAGE");
const int kSensitivity = orvDatas::getCFG_ID_fromKeyString("REGLAGE_ALARM_3JOURS");
const int kSensitivityCompanion = orvDatas::getCFG_ID_fromKeyString("STAT3J_VALUE");
const int kConsigneBp = orvDatas::getCFG_ID_fromKeyString("CONFIG_CONSIGNE_BP");

// Mass in the receivers, then three readings of the measuring card.
constexpr int kMesMass = 504;
constexpr int kMesCardReadings[3] = {627, 628, 624};
constexpr float kInvalid = 999.0f;
constexpr float kInvalidMass = -999.0f;

constexpr long kSecondsPerDay = 86400;

orvDatas* store() { return Singleton<orv_classPtr>::ptr()->datas; }
int cfgInt(int id) { return store() ? store()->getCFG_struct(id).intValue : 0; }
float cfgFloat(int id) { return store() ? store()->getCFG_struct(id).floatValue : 0.0f; }
void setCfg(int id, int value) {
  if (store()) store()->setCFG_struct(id, &value);
}
void setCfg(int id, float value) {
  if (store()) store()->setCFG_struct(id, &value);
}
float mesFloat(int index) { return store() ? store()->getMES_struct(index).floatValue : kInvalid; }

// Neither learning (FLAG_ALARM 1) nor a recalculation pending.
bool monitorIdle() { return cfgInt(CFG_FLAG_ALARM) != 1 && cfgInt(kFlagRecalc) == 0; }

}  // namespace

long ORV_core::learningDaysElapsed() {
  return (static_cast<long>(orv::wallClockNow()) - cfgInt(kFlagPremDemarrage)) / kSecondsPerDay;
}

int ORV_core::checkIfSensorError() {
  bool sane = mesFloat(kMesMass) != kInvalid;
  for (int index : kMesCardReadings) sane = mesFloat(index) != kInvalid && sane;
  sane = mesFloat(kMesMass) != kInvalidMass && sane;
  if (sane) return 1;
  ORV_core* core = Singleton<orv_classPtr>::ptr()->core;
  if (ORV_fileManip* files = core ? core->ORV_fileManip_Ptr() : nullptr)
    files->write_logfile(E_EVT_CONSULT_JOURNAL, "SENSORS ERROR", "ERREUR: sondes ou carte mesure",
                         "DEBUG");
  return 0;
}

bool ORV_core::startREAPPRENTISSAGE() {
  ORV_ProcThread* proc = proc_;
  if (!proc) return false;
  if (!monitorIdle() || !checkIfSensorError()) return false;
  const int start = static_cast<int>(orv::wallClockNow());
  proc->ResetProcess();
  setCfg(kFlagPremDemarrage, start);
  setCfg(CFG_FLAG_ALARM, 1);
  return true;
}

bool ORV_core::setRecalculNivRef(bool clearReference) {
  if (!monitorIdle() || learningDaysElapsed() < cfgInt(kLearningDays) || !checkIfSensorError())
    return false;
  if (clearReference) setCfg(CFG_MOYENNE_REFERENCE, 0.0f);
  checkMoyRef();
  if (ORV_ProcThread* proc = proc_) proc->ResetAlarmes(-1);
  setCfg(kFlagRecalc, 1);
  return true;
}

bool ORV_core::checkMoyRef() {
  if (cfgFloat(CFG_MOYENNE_REFERENCE) > 0.0f || learningDaysElapsed() < cfgInt(kLearningDays) ||
      !monitorIdle() || !checkIfSensorError())
    return false;
  setCfg(CFG_MOYENNE_REFERENCE, 2.0f);
  if (fileManip_) fileManip_->write_logfile(5004, nullptr, "AUTO", "ORV");
  if (ORV_ProcThread* proc = proc_) proc->ResetAlarmes(-1);
  setCfg(kFlagRecalc, 1);
  return true;
}

int ORV_core::checkSensiStat() {
  float r = cfgFloat(kSensitivity);
  float s = cfgFloat(kSensitivityCompanion);
  // Set point below -20 degC: s is 0 for r above -3, 200 for r below -5, at most 200
  // between. Otherwise: s is 100 for r above -4, within [100, 400] below. An r below -7
  // is reset together with s, to a pair chosen by s.
  if (cfgInt(kConsigneBp) < -20) {
    if (r < -7.0f) {
      const bool low = s < 200.0f;
      r = low ? -3.0f : -5.0f;
      s = low ? 0.0f : 200.0f;
    } else if (r > -3.0f) {
      s = 0.0f;
    } else if (r < -5.0f || s > 200.0f) {
      s = 200.0f;
    }
  } else {
    if (r < -7.0f) {
      const bool low = s < 400.0f;
      r = low ? -4.0f : -7.0f;
      s = low ? 100.0f : 400.0f;
    } else if (r > -4.0f) {
      s = 100.0f;
    } else {
      s = std::clamp(s, 100.0f, 400.0f);
    }
  }
  setCfg(kSensitivity, r);
  setCfg(kSensitivityCompanion, s);
  return 1;
}
