// Refrigerant states of a pass: suction, high-pressure saturation, discharge, receiver
// outlet liquid, compression and capacity, ratios, condenser estimate and the record cadence.
#include <cmath>
#include <cstdio>

#include "FLuidsNorvale.h"
#include "ORV_ProcThread.h"

namespace {
// Gauge readings plus the atmosphere give the absolute pressures the facade takes.
const double kAtm = 1.01325;
// Lowest low pressure of the compression ratio, bar.
const float kMinLowPressure = 0.001f;

// A quotient whose divisor is zero or negative is not computable: 0.
float quotient(double numerator, double denominator) {
  return denominator > 0.0 ? static_cast<float>(numerator / denominator) : 0.0f;
}

// Isentropic efficiency (%) from the compression ratio, fitted for CO2 and other fluids.
float isentropicEfficiency(float ratio, bool co2) {
  float l = ratio > 0.0f ? std::log(ratio) : 0.0f;
  return 2.6145f * l + (co2 ? 60.0f : 57.0f);
}

template <typename Record>
void zero(Record& r, std::initializer_list<int> which) {
  for (int k : which) r.val[k] = 0.0f;
}

// The second state point of a refrigerant state (values 8 to 13), from the last update.
void storeSecondPoint(FLuidsNorvale* f, struct_fluid_datas& s) {
  s.val[13] = static_cast<float>(f->getFluid_Enthalpy() / 1000.0);
  s.val[12] = static_cast<float>(f->getFluid_Entropy() / 1000.0);
  s.val[8] = static_cast<float>(f->getFluid_Density() / 1000.0);
  s.val[9] = static_cast<float>(f->getFluid_Volume() * 1000.0);
  s.val[10] = static_cast<float>(f->getFluid_SoundSpeed());
}
}  // namespace

int ORV_ProcThread::fluid_Calc() {
  FLuidsNorvale* f = fluids();
  if (!f) return 0;

  // The records are packed: work through the records, never through float pointers.
  modules_exchange_t& x = modsDatas_;
  struct_valeurs_calculees& v = valCalcul_;
  struct_fluid_datas& s1 = fluidDatas_[0];  // high-pressure liquid side
  struct_fluid_datas& s2 = fluidDatas_[1];  // discharge side
  struct_fluid_datas& s3 = fluidDatas_[2];  // suction side
  struct_cumul_puissanse& cumul = cumulPuissance_;
  const bool ener0 = modsDatas_.stateEner[0] == 1;
  const bool ener1 = modsDatas_.stateEner[1] == 1;

  // Suction side, state 3.
  if (ener0) {
    if (readingValid(modval::BP)) {
      double bp = x.value[modval::BP] + kAtm;
      if (f->upd_PressQ(bp, 1) == 0) {
        s3.val[0] = static_cast<float>(f->getFluid_Temperature());
        s3.val[6] = static_cast<float>(f->getFluid_Enthalpy() / 1000.0);
      }
      if (readingValid(modval::TempASP) && f->upd_PressTemp(bp, x.value[modval::TempASP]) == 0) {
        storeSecondPoint(f, s3);
        s3.val[11] = 100.0f;
      }
    } else {
      sleepSeconds(1);
    }
  } else {
    // Without a measured low side the set point stands for it; BP is then absolute.
    float t = static_cast<float>(cfgInt(prockey::CONFIG_CONSIGNE_BP));
    s3.val[0] = t;
    x.value[modval::TempASP] = t + 10.0f;
    if (f->upd_TempQ(t, 1) == 0) {
      x.value[modval::BP] = static_cast<float>(f->getFluid_Pressure());
      if (f->upd_PressTemp(x.value[modval::BP], x.value[modval::TempASP]) == 0) {
        storeSecondPoint(f, s3);
        s3.val[11] = 100.0f;
      }
    }
  }

  const bool co2 = isCO2Plant();
  const int subcritical = cfgInt(prockey::CONFIG_SUBCRITIQUE);
  const int transcritical = cfgInt(prockey::CONFIG_TRANSCRITIQUE);
  const int condenserType = cfgInt(prockey::CONFIG_CONDENSEUR_TYPE) & 0xFF;

  // High-pressure saturation: the condensing temperature (state 1, first point).
  const bool hpValid = readingValid(modval::HP);
  const double hpAbs = x.value[modval::HP] + kAtm;
  if (hpValid && f->upd_PressQ(hpAbs, 0) == 0) {
    s1.val[0] = static_cast<float>(f->getFluid_Temperature());
    s1.val[6] = static_cast<float>(f->getFluid_Enthalpy() / 1000.0);
  } else {
    sleepSeconds(1);
  }

  // Discharge side, state 2 (first point).
  const bool trefValid = readingValid(modval::TempREF);
  const double p9 = x.value[modval::PressionEner1] + kAtm;
  bool discharge = false;
  if (co2 && transcritical == 1) {
    if (ener1) {
      if (readingValid(modval::PressionEner1) && trefValid) {
        discharge = f->upd_PressTemp(p9, x.value[modval::TempREF]) == 0;
      }
    } else {
      zero(s2, {0, 1, 2, 3, 4, 5, 6});
    }
  } else if (ener1 && readingValid(modval::PressionEner1)) {
    discharge = trefValid ? f->upd_PressTemp(p9, x.value[modval::TempREF]) == 0
                          : f->upd_PressQ(p9, 1) == 0;
  } else if (hpValid) {
    discharge = f->upd_PressQ(hpAbs, 1) == 0;
  }
  if (discharge) {
    s2.val[0] = static_cast<float>(f->getFluid_Temperature());
    s2.val[6] = static_cast<float>(f->getFluid_Enthalpy() / 1000.0);
    s2.val[5] = static_cast<float>(f->getFluid_Entropy() / 1000.0);
    s2.val[1] = static_cast<float>(f->getFluid_Density() / 1000.0);
    s2.val[2] = static_cast<float>(f->getFluid_Volume() * 1000.0);
    s2.val[3] = static_cast<float>(f->getFluid_SoundSpeed());
    s2.val[4] = 100.0f;
  }

  // Liquid at the receiver outlet (state 1, second point): its density weighs the column.
  if (readingValid(modval::TempSOR) && f->upd_TempQ(x.value[modval::TempSOR], 0) == 0) {
    s1.val[7] = static_cast<float>(f->getFluid_Pressure());
    storeSecondPoint(f, s1);
    double mu = f->getFluid_Viscosity();  // Pa.s
    double vapourShare = f->getFluid_gazPercentInLiquid(s1.val[6], s2.val[6], s1.val[13]);
    s1.val[11] = static_cast<float>(vapourShare);
    s1.val[14] = mu > 0.0 ? quotient(mu * 1000000.0, s1.val[8] * 1000.0) : 0.0f;  // mm2/s
  }

  // Cycle values.
  if (!hpValid) {
    sleepSeconds(1);
  } else {
    const float hSuc = s3.val[13];
    const float hLiq = s1.val[13];
    if (f->upd_PressEntro(hpAbs, s3.val[12] * 1000.0) != 0) {
      zero(v, {9, 10, 7, 1, 6, 8, 3, 4, 5});
      cumul.puissTotalComp = 0.0f;
      setMesFloat(procmes::RefrigerationCapacity, 0.0f);
      setMesFloat(procmes::MassFlow, 0.0f);
      setMesFloat(procmes::IsentropicDischargeTemp, 0.0f);
    } else {
      v.val[0] = static_cast<float>(f->getFluid_Enthalpy() / 1000.0);
      float tIsentropic = static_cast<float>(f->getFluid_Temperature());
      setMesFloat(procmes::IsentropicDischargeTemp, tIsentropic);
      bool correct = ener1 && trefValid &&
                     x.value[modval::TempREF] > tIsentropic + cfgFloat(prockey::CONFIG_CONS_TEMP);
      const bool running = mesInt(procmes::PlantRunning) == 1;

      if (ener0) {
        if (!(cumul.puissTotalComp > 0.0f)) {
          // Compressors stopped.
          zero(v, {9, 10, 2, 7, 1, 6, 8, 3, 4, 5});
          setMesFloat(procmes::RefrigerationCapacity, 0.0f);
          setMesFloat(procmes::MassFlow, 0.0f);
        } else {
          v.val[2] = cumul.puissTotalComp * 1000.0f;
          // Measured discharge: ENERGIE module 1 with its pressure and PT100 inputs on.
          bool measured =
              ener1 && trefValid && modules_ &&
              modules_->ener_getCFG_struct(1, enerkey::PressureInputEnabled).charValue == 1 &&
              modules_->ener_getCFG_struct(1, enerkey::Pt100InputEnabled).charValue == 1;
          bool dischargeKnown = true;
          if (measured) {
            v.val[7] = quotient(v.val[2], std::fabs(s2.val[6] - hSuc));
            v.val[1] = v.val[7] > 0.0f ? v.val[2] / v.val[7] + hSuc : 0.0f;
          } else if (readingValid(modval::BP)) {
            float b = x.value[modval::BP] < kMinLowPressure ? kMinLowPressure : x.value[modval::BP];
            v.val[9] = x.value[modval::HP] / b;
            v.val[10] = isentropicEfficiency(v.val[9], co2);
            v.val[7] = quotient(v.val[2] * (v.val[10] / 100.0f), v.val[0] - hSuc);
            v.val[1] = v.val[7] > 0.0f ? v.val[2] / v.val[7] + hSuc : 0.0f;
          } else {
            zero(v, {9, 10, 7, 1});
            v.val[6] = 999.0f;
            dischargeKnown = false;
          }
          if (dischargeKnown) {
            v.val[6] = f->upd_PressEntha(hpAbs, v.val[1] * 1000.0) == 0
                       ? static_cast<float>(f->getFluid_Temperature())
                       : 999.0f;
          }
          v.val[8] = std::fabs(hSuc - hLiq) * v.val[7];
          v.val[3] = quotient(v.val[8], v.val[2]);
          if (correct) recalc_enthalpie_reelle_refoulement();
          float condensing = cumul.puissTotalComp + cumul.puissVentilCond;
          v.val[4] = quotient(v.val[8], condensing * 1000.0f);
          float plant = condensing + cumul.puissPompes + cumul.puissCompP;
          v.val[5] = quotient(v.val[8], plant * 1000.0f);
          setMesFloat(procmes::RefrigerationCapacity, v.val[8] / 1000.0f);
          setMesFloat(procmes::MassFlow, v.val[7] / 1000.0f);
        }
      } else if (running && (!co2 || subcritical == 1)) {
        // No measured power: values per unit of mass flow.
        if (readingValid(modval::BP)) {
          float bp = x.value[modval::BP] < kMinLowPressure ? kMinLowPressure : x.value[modval::BP];
          v.val[9] = quotient(x.value[modval::HP], bp - kAtm);
          v.val[10] = isentropicEfficiency(v.val[9], co2);
          v.val[2] = quotient(std::fabs(v.val[0] - hSuc) * 1000.0f, v.val[10] / 100.0f);
          cumul.puissTotalComp = 0.0f;
          v.val[8] = std::fabs(hSuc - hLiq) * 1000.0f;
          v.val[1] = hSuc + v.val[2] / 1000.0f;
          if (f->upd_PressEntha(hpAbs, v.val[1] * 1000.0) == 0) {
            v.val[6] = static_cast<float>(f->getFluid_Temperature());
          }
          v.val[3] = (v.val[8] > 0.0f && v.val[2] > 0.0f) ? v.val[8] / v.val[2] : 0.0f;
          setMesFloat(procmes::RefrigerationCapacity, 0.0f);
          setMesFloat(procmes::MassFlow, 0.0f);
        }
      } else {
        zero(v, {9, 10, 2, 7, 1, 6, 8, 3, 4, 5});
        setMesFloat(procmes::RefrigerationCapacity, 0.0f);
        setMesFloat(procmes::MassFlow, 0.0f);
      }
    }
  }

  // Ratios of the refrigeration capacity to the measured powers.
  float capacity = mesFloat(procmes::RefrigerationCapacity);
  float comp = cumul.puissTotalComp;
  float fans = cumul.puissVentilCond;
  bool haveCapacity = capacity > 0.0f;
  setMesFloat(procmes::Ratio1, haveCapacity ? quotient(capacity, comp) : 0.0f);
  setMesFloat(procmes::Ratio2, haveCapacity ? quotient(capacity, fans) : 0.0f);
  setMesFloat(procmes::Ratio3, haveCapacity ? quotient(capacity, comp + fans) : 0.0f);
  setMesFloat(procmes::Ratio4,
              haveCapacity ? quotient(capacity, comp + fans + cumul.puissCompP) : 0.0f);

  // Condenser capacity estimate from the outside temperature.
  if (!co2 && condenserType == 1 && ener0 && readingValid(modval::TempEXT)) {
    float text = x.value[modval::TempEXT];
    float dT = s1.val[0] - text;
    if (dT >= 0.0f) {
      float c = static_cast<float>(cfgInt(prockey::CONFIG_CONDENSEUR_PUISSANCE) *
                                   (1.0892 - 0.0037 * text));
      setMesFloat(procmes::CondenserCapacity, c > 0.0f ? c / 15.0f * dT : 0.0f);
    }
    setMesFloat(procmes::HeatToReject, mesFloat(procmes::RefrigerationCapacity) + comp);
  }

  // A standing 3-day leak alarm keeps its relay on. Read and driven under the alarm-state
  // lock: an acknowledgement in between would otherwise find its relay switched on again.
  {
    std::lock_guard<std::mutex> lock(alarmStateMutex);
    if (cfgInt(prockey::FLAG_ALARM) > 1 && cfgInt(prockey::STAT3J_CHECK) == 1) {
      driveRelay("PORTE10", 1);
    }
  }

  // One measurement line every CONFIG_CYCLE_NBRE calls.
  if (noyau_.recordCadence < cfgInt(prockey::CONFIG_CYCLE_NBRE)) {
    noyau_.recordCadence++;
  } else {
    save_mesurement();
    accumulate_moyenne();
    noyau_.recordCadence = 1;
  }
  return 1;
}

void ORV_ProcThread::recalc_enthalpie_reelle_refoulement() {
  if (!readingValid(modval::HP) || !readingValid(modval::TempREF)) return;
  FLuidsNorvale* f = fluids();
  if (!f) return;
  const modules_exchange_t& x = modsDatas_;
  if (f->upd_PressTemp(x.value[modval::HP] + kAtm, x.value[modval::TempREF]) != 0) return;
  struct_valeurs_calculees& v = valCalcul_;
  const float hSuc = fluidDatas_[2].val[13];
  const float hLiq = fluidDatas_[0].val[13];
  // Real discharge enthalpy from the measured discharge temperature.
  v.val[1] = static_cast<float>(f->getFluid_Enthalpy() / 1000.0);
  float d = std::fabs(v.val[1] - hSuc);
  v.val[7] = quotient(v.val[2], d);
  float e = hSuc - hLiq;
  v.val[8] = std::fabs(v.val[7] * e);
  v.val[3] = quotient(std::fabs(e), d);
}
