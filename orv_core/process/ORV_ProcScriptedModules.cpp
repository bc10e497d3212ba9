#include "ORV_ProcScriptedModules.h"

#include <cstring>

ORV_ProcScriptedModules::ORV_ProcScriptedModules() : roundResult_(1), hpfState_(0) {
  std::memset(&exchange_, 0, sizeof exchange_);
  std::memset(&cumuls_, 0, sizeof cumuls_);
  std::memset(&lastHpf_, 0, sizeof lastHpf_);
  for (int k = 0; k <= modval::TRES2; ++k) exchange_.value[k] = 999.0f;
}

modules_exchange_t ORV_ProcScriptedModules::v2Card(float weightG, float hpBar, float tsor,
                                                   float tent, float text) {
  modules_exchange_t x;
  std::memset(&x, 0, sizeof x);
  for (int k = 0; k <= modval::TRES2; ++k) x.value[k] = 999.0f;
  x.stateMesV2 = 1;
  x.value[modval::Poids] = weightG;
  x.value[modval::HP] = hpBar;
  x.value[modval::TempSOR] = tsor;
  x.value[modval::TempENT] = tent;
  x.value[modval::TempEXT] = text;
  return x;
}

void ORV_ProcScriptedModules::setExchange(const modules_exchange_t& exchange) {
  std::lock_guard<std::mutex> lock(mutex_);
  exchange_ = exchange;
}

modules_exchange_t ORV_ProcScriptedModules::exchange() {
  std::lock_guard<std::mutex> lock(mutex_);
  return exchange_;
}

void ORV_ProcScriptedModules::setCumuls(const struct_cumul_puissanse& cumuls) {
  std::lock_guard<std::mutex> lock(mutex_);
  cumuls_ = cumuls;
}

void ORV_ProcScriptedModules::setRoundResult(int result) {
  std::lock_guard<std::mutex> lock(mutex_);
  roundResult_ = result;
}

void ORV_ProcScriptedModules::setHpfState(uint8_t state) {
  std::lock_guard<std::mutex> lock(mutex_);
  hpfState_ = state;
}

void ORV_ProcScriptedModules::setEnerConfig(int module, int id, char value) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (module >= 0 && module < 3) enerConfig_[module][id] = value;
}

int ORV_ProcScriptedModules::sendTo_AllModuls() {
  std::lock_guard<std::mutex> lock(mutex_);
  counts_.rounds++;
  return roundResult_;
}

void ORV_ProcScriptedModules::get_Moduls_StructDatas(modules_exchange_t& out) {
  std::lock_guard<std::mutex> lock(mutex_);
  out = exchange_;
}

void ORV_ProcScriptedModules::get_CumulPuiss_StructDatas(struct_cumul_puissanse& out) {
  std::lock_guard<std::mutex> lock(mutex_);
  out = cumuls_;
}

uint8_t ORV_ProcScriptedModules::isModulHpf_connected() {
  std::lock_guard<std::mutex> lock(mutex_);
  return hpfState_;
}

int ORV_ProcScriptedModules::sendTo_HpfModul(const ProcToHpfValues& in) {
  std::lock_guard<std::mutex> lock(mutex_);
  counts_.hpfExchanges++;
  lastHpf_ = in;
  return hpfState_ == 1 ? 1 : 0;
}

cfg_value_t ORV_ProcScriptedModules::hpf_getDATA_struct(int) { return cfg_value_t(); }
cfg_value_t ORV_ProcScriptedModules::hpf_getCFG_struct(int) { return cfg_value_t(); }
int ORV_ProcScriptedModules::hpf_getNumVentilON() { return 0; }

void ORV_ProcScriptedModules::reset_CumulPuissance_Wh() {
  std::lock_guard<std::mutex> lock(mutex_);
  counts_.energyResets++;
  for (int i = 0; i < 6; ++i) cumuls_.energieComp[i] = 0.0f;
  for (int i = 0; i < 8; ++i) cumuls_.energieGroupe[i] = 0.0f;
}

cfg_value_t ORV_ProcScriptedModules::ener_getCFG_struct(int module, int id) {
  std::lock_guard<std::mutex> lock(mutex_);
  cfg_value_t v;
  if (module >= 0 && module < 3) {
    auto it = enerConfig_[module].find(id);
    if (it != enerConfig_[module].end()) v.charValue = it->second;
  }
  return v;
}

int ORV_ProcScriptedModules::ener_totalAffectationON(int) { return 0; }

void ORV_ProcScriptedModules::ener_rebootMODULS(bool) {
  std::lock_guard<std::mutex> lock(mutex_);
  counts_.enerReboots++;
}

void ORV_ProcScriptedModules::ener_manageDailyPowerLog() {
  std::lock_guard<std::mutex> lock(mutex_);
  counts_.dailyPowerLogs++;
}

ORV_ProcScriptedModules::Counts ORV_ProcScriptedModules::counts() {
  std::lock_guard<std::mutex> lock(mutex_);
  return counts_;
}

ProcToHpfValues ORV_ProcScriptedModules::lastHpfValues() {
  std::lock_guard<std::mutex> lock(mutex_);
  return lastHpf_;
}
