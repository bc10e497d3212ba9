// Refrigerant mass in the receivers: the column weight gives the liquid level (the
// column stands at the receivers' level), the receiver geometry gives the liquid volume.
#include <cmath>

#include "ORV_ProcThread.h"

namespace {
const double kPi = 3.141592653589793;
// Column contents weighed with the tare, g.
const int kColumnContentsG = 80;
// Lengths deducted from a horizontal receiver (its dished ends), mm; 273 mm is the limit.
const int kEndsSmallMm = 120;
const int kEndsLargeMm = 130;
const int kSmallReceiverMaxDiameterMm = 273;
const int kInvalidInt = 999;
const float kInvalidFloat = 999.0f;
const float kInvalidWeight = -999.0f;
// Heaviest column weight taken as a reading, g: a ton, far above a full column, so that the
// weight and its net weight convert to whole grams and to mm3 without overflow.
const float kMaxColumnWeightG = 1.0e6f;
// Liquid density no refrigerant of a plant reaches, kg/L: the densest of the refrigerant
// list stay below 1.8 kg/L down to -50 degC.
const double kDensestLiquidKgPerL = 2.0;

// Liquid volume (cm3) of an inclined horizontal receiver in 1 mm slices along its length:
// the depth falls by `slope` mm per mm from `depthMm`, measured at one end.
float inclinedVolumeCm3(int diameterMm, int lengthMm, float slope, float depthMm) {
  float sum = 0.0f;
  int n = lengthMm;
  float h = depthMm;
  while (n > 0 && h > 0.0f) {
    sum += ORV_ProcThread::Volume(static_cast<float>(diameterMm / 2), 1.0f, h);
    h -= slope;
    --n;
  }
  return sum / 1000.0f;
}
}  // namespace

float ORV_ProcThread::Volume(float r, float L, float h) {
  if (!(r > 0.0f && L > 0.0f && h > 0.0f)) return 0.0f;
  // A depth beyond the diameter (an odd diameter halved in whole mm) is a full section.
  float c = (r - h) / r;
  if (c < -1.0f) c = -1.0f;
  float theta = std::acos(c);
  return r * r * L * (theta - std::sin(2.0f * theta) / 2.0f);
}

int ORV_ProcThread::conversion_WeightToLevel() {
  const float weight = modsDatas_.value[modval::Poids];
  const int v1 = modsDatas_.stateMesV1;
  const int v2 = modsDatas_.stateMesV2;

  // A weight that is not a number or beyond any gauge is an invalid reading, as the marker.
  const float tare = static_cast<float>(cfgInt(prockey::CONFIG_COLUMN_TARE)) + kColumnContentsG;
  const bool empty = weight < tare || modsDatas_.sensorFault[modval::Poids] == 1;
  const bool weightValid = weight != kInvalidWeight && std::fabs(weight) <= kMaxColumnWeightG &&
                           (empty || weight - tare <= kMaxColumnWeightG);
  if (v1 == 1 || v2 == 1) {
    if (!weightValid) {
      setMesInt(procmes::ColumnWeight, kInvalidInt);
      setMesInt(procmes::NetWeight, kInvalidInt);
    } else {
      setMesInt(procmes::ColumnWeight, static_cast<int>(weight));
      setMesInt(procmes::NetWeight, empty ? 0 : static_cast<int>(weight - tare));
    }
  }

  // The level needs one card, a valid liquid temperature (its density), a valid weight
  // and a density to divide by.
  const float rho = fluidDatas_[0].val[8];  // kg/L
  if (v1 + v2 != 1 || !readingValid(modval::TempSOR) || !weightValid || !(rho > 0.0f)) {
    setMesInt(procmes::LiquidLevel, kInvalidInt);
    setMesFloat(procmes::RefrigerantMass, kInvalidFloat);
    return 1;
  }

  // Column bore in whole mm: 38.22 gives a radius of 19.
  const int rt = static_cast<int>(cfgFloat(prockey::CONFIG_DIAM_TUBE)) / 2;
  const int net = mesInt(procmes::NetWeight);
  const double volumeMm3 = static_cast<float>(net * 1000) / rho;
  int level = rt > 0 ? static_cast<int>(volumeMm3 / (rt * (kPi * rt))) : 0;
  float levelCm = static_cast<float>(level / 10.0);
  const int d = static_cast<int>(cfgFloat(prockey::CONFIG_DIAMETRE));
  const float dCm = static_cast<float>(d / 10.0);
  const int height = cfgInt(prockey::CONFIG_HEIGHT);

  float mass = 0.0f;
  switch (cfgChar(prockey::CONFIG_TANK_TYPE)) {
    case 'V': {
      if (levelCm > height / 10.0) {
        level = height;
        levelCm = static_cast<float>(height / 10.0);
      }
      double radiusCm = dCm / 2.0;
      mass = static_cast<float>(kPi * radiusCm * radiusCm * levelCm * rho / 1000.0);
      break;
    }
    case 'H': {
      const int length = height - (d > kSmallReceiverMaxDiameterMm ? kEndsLargeMm : kEndsSmallMm);
      if (levelCm > dCm) {
        level = d;
        levelCm = dCm;
      }
      const int incline = cfgInt(prockey::CONFIG_INCLINAISON_RESERVOIR);
      float volumeCm3 = 0.0f;
      if (incline == 0 || level == d) {
        volumeCm3 = Volume(dCm * 0.5f, static_cast<float>(length / 10.0), levelCm);
      } else if (length > 0) {
        volumeCm3 = inclinedVolumeCm3(d, length, static_cast<float>(incline) / length,
                                      static_cast<float>(level));
      }
      mass = volumeCm3 * rho / 1000.0f;
      break;
    }
    default:
      mass = 0.0f;
      break;
  }

  setMesInt(procmes::LiquidLevel, level);
  mass *= static_cast<float>(cfgInt(prockey::CONFIG_TANK_NUMBER));
  setMesFloat(procmes::RefrigerantMass, mass);
  return 1;
}

double ORV_ProcThread::receiversFullMassKg() {
  // The geometry of conversion_WeightToLevel with the level at its top.
  const double d = std::floor(cfgFloat(prockey::CONFIG_DIAMETRE));
  double lengthMm = cfgInt(prockey::CONFIG_HEIGHT);
  switch (cfgChar(prockey::CONFIG_TANK_TYPE)) {
    case 'V': break;
    case 'H': lengthMm -= d > kSmallReceiverMaxDiameterMm ? kEndsLargeMm : kEndsSmallMm; break;
    default: return 0.0;
  }
  const double radiusDm = d / 200.0;
  const double litres = kPi * radiusDm * radiusDm * (lengthMm / 100.0);
  const double full = litres * kDensestLiquidKgPerL * cfgInt(prockey::CONFIG_TANK_NUMBER);
  return std::isfinite(full) && full > 0.0 && d > 0.0 && lengthMm > 0.0 ? full : 0.0;
}

void ORV_ProcThread::invalidateColumnReadings() {
  setMesInt(procmes::ColumnWeight, kInvalidInt);
  setMesInt(procmes::NetWeight, kInvalidInt);
  setMesInt(procmes::LiquidLevel, kInvalidInt);
  setMesFloat(procmes::RefrigerantMass, kInvalidFloat);
}
