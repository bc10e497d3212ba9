// The measurement line: the plant's current values as 68 fields, appended by the file
// service (with its time stamp) to the day measurement file on the RAM disk.
#include <cstdio>
#include <cstring>

#include "ORV_FieldLine.h"
#include "ORV_ProcThread.h"

namespace {
const double kAtm = 1.01325;

// Value k (0..39) of the power cumuls record, read as the 40 floats it is laid out as.
float cumulValue(const struct_cumul_puissanse& c, int k) {
  float v;
  std::memcpy(&v, reinterpret_cast<const char*>(&c) + k * sizeof(float), sizeof v);
  return v;
}
}  // namespace

void ORV_ProcThread::save_mesurement() {
  // The first record after a start is not written (the hourly accumulator still counts it).
  if (skip_first_record) {
    skip_first_record = false;
    return;
  }

  // Values of the exchange record, the computed values and refrigerant states 1 to 3.
  auto x = [this](int k) { return modsDatas_.value[k]; };
  auto v = [this](int k) { return valCalcul_.val[k]; };
  auto s1 = [this](int k) { return fluidDatas_[0].val[k]; };
  auto s2 = [this](int k) { return fluidDatas_[1].val[k]; };
  auto s3 = [this](int k) { return fluidDatas_[2].val[k]; };
  const int running = mesInt(procmes::PlantRunning);
  // Pump-down: the plant stopped with its refrigerant pumped into the receivers.
  const bool pumpdown = cfgInt(prockey::ALARME_PUMPDOWN) == 1 && running == 0;
  const bool hpf = modules_ && modules_->isModulHpf_connected() == 1;

  FieldLine line;
  const float mass = mesFloat(procmes::RefrigerantMass);
  if (modsDatas_.sensorFault[modval::Poids] == 1 || mass == 999.0f) {
    line.add("-");
  } else {
    line.add("%0.2f", mass);
  }
  line.add("%0.2f", x(modval::TempSOR));
  line.add("%0.2f", x(modval::TempEXT));
  line.add("%0.2f", mesFloat(procmes::MassFlow));
  line.add("%i", 0);
  line.add("%0.2f", x(modval::HP));
  line.add("%0.2f", readingValid(modval::PressionEner1) ? x(modval::PressionEner1) : 0.0f);
  line.add("%0.2f", cumulPuissance_.puissCompP);
  line.add("%0.2f", s2(6));
  line.add("%0.2f", s1(13));
  line.add("%0.2f", s3(13));
  line.add("%0.2f", x(modval::TempENT));
  // Unless ENERGIE module 0 answers (state 1), the refrigerant step holds the low pressure
  // absolute (saturation at the set point): shown as gauge. A lost module is no exception.
  if (modsDatas_.stateEner[0] != 1) {
    double bp = x(modval::BP) - kAtm;
    line.add("%0.2f", bp < 0.0 ? 0.0 : bp);
  } else {
    line.add("%0.2f", x(modval::BP));
  }
  line.add("%0.2f", x(modval::TempASP));
  line.add("%0.2f", mesFloat(procmes::RefrigerationCapacity));
  line.add("%d", running);
  // The threshold in whole kilograms (integer division of the grams).
  int thresholdG = cfgInt(pumpdown ? prockey::ALARME_NIVEAU_MINI_G_NUIT : prockey::ALARME_NIVEAU_MINI_G);
  line.add("%0.2f", static_cast<double>(thresholdG / 1000));
  line.add("%d", cfgInt(pumpdown ? prockey::ALARME_TEMPORISATION_NUIT : prockey::ALARME_TEMPORISATION));
  line.add("%0.2f", mesFloat(procmes::ReferenceMass));
  if (hpf) {
    line.add("%.2f", modules_->hpf_getDATA_struct(25).floatValue);
    line.add("%d", static_cast<uint8_t>(modules_->hpf_getDATA_struct(19).charValue));
  } else {
    line.add("0");
    line.add("0");
  }
  line.add("%.2f", s1(0));
  line.add("%.2f", s3(0));
  if (hpf) {
    line.add("%d", static_cast<uint8_t>(modules_->hpf_getDATA_struct(23).charValue));
    line.add("%d", static_cast<uint8_t>(modules_->hpf_getDATA_struct(21).charValue));
    line.add("%d", static_cast<uint8_t>(modules_->hpf_getDATA_struct(19).charValue));
    line.add("%d", modules_->hpf_getNumVentilON());
    line.add("%.2f", modules_->hpf_getCFG_struct(164).floatValue);  // z0_HPF-CONFIG_DifDown
    line.add("%.2f", modules_->hpf_getCFG_struct(163).floatValue);  // z0_HPF-CONFIG_DifUp
  } else {
    for (int k = 0; k < 6; ++k) line.add("0");
  }
  for (int k = 0; k <= 8; ++k) line.add("%.2f", cumulValue(cumulPuissance_, k));
  // Condenser load, percent of its estimated capacity.
  const float heat = mesFloat(procmes::HeatToReject);
  const float capacity = mesFloat(procmes::CondenserCapacity);
  line.add("%d", heat >= 1.0f && capacity >= 1.0f ? static_cast<int>(heat / capacity * 100.0f) : 0);
  line.add("%f", mesFloat(procmes::Ratio3));
  line.add("%f", mesFloat(procmes::Ratio4));
  // Running compressor blocks, counted by ENERGIE module 0 when it is connected.
  line.add("%d", modules_ && modsDatas_.stateEner[0] == 1 ? modules_->ener_totalAffectationON(0) : 0);
  line.add("%d", 0);
  line.add("%.2f", 0.0);
  line.add("%.2f", v(7));
  line.add("%.2f", v(6));
  line.add("%.2f", v(8) / 1000.0f);
  line.add("%f", v(3));
  line.add("%f", v(4));
  line.add("%f", v(5));
  line.add("%f", v(9));
  line.add("%f", v(10) / 100.0f);
  line.add("%.2f", v(0));
  line.add("%.2f", v(1));
  line.add("%0.2f", readingValid(modval::TempREF) ? x(modval::TempREF) : 0.0f);
  line.add("%.2f", mesFloat(procmes::IsentropicDischargeTemp));
  for (int k = 28; k <= 39; ++k) line.add("%.2f", cumulValue(cumulPuissance_, k));

  // No retry: a line the day file did not take is lost, and journalled.
  if (!core_ || core_->write_mesurement_file(line.text().c_str()) == 0) {
    if (core_) core_->write_logfile(kEventLogError, "0", "4", "");
    std::printf("[ORV_ProcThread] save_mesurement: ligne de mesure perdue\n");
  }
}
