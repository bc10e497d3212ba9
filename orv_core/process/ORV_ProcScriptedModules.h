// A module centre that reports a scripted plant: the exchange record and power cumuls
// that the next bus rounds return, set by a tool or a test, and a count of every call the
// processing thread makes. Stands in for the module centre until it is built, and in tests.
#pragma once

#include <map>
#include <mutex>

#include "ORV_ProcModules.h"

class ORV_ProcScriptedModules : public ORV_ProcModules {
public:
  ORV_ProcScriptedModules();

  // A V2 card connected with every reading valid: weight, HP and the three card
  // temperatures; the values the card does not carry are the 999.0 marker.
  static modules_exchange_t v2Card(float weightG, float hpBar, float tsor, float tent,
                                   float text);

  void setExchange(const modules_exchange_t& exchange);
  modules_exchange_t exchange();
  void setCumuls(const struct_cumul_puissanse& cumuls);
  void setRoundResult(int result);
  void setHpfState(uint8_t state);
  void setEnerConfig(int module, int id, char value);

  int sendTo_AllModuls() override;
  void get_Moduls_StructDatas(modules_exchange_t& out) override;
  void get_CumulPuiss_StructDatas(struct_cumul_puissanse& out) override;
  uint8_t isModulHpf_connected() override;
  int sendTo_HpfModul(const ProcToHpfValues& in) override;
  cfg_value_t hpf_getDATA_struct(int index) override;
  cfg_value_t hpf_getCFG_struct(int id) override;
  int hpf_getNumVentilON() override;
  void reset_CumulPuissance_Wh() override;
  cfg_value_t ener_getCFG_struct(int module, int id) override;
  int ener_totalAffectationON(int assignment) override;
  void ener_rebootMODULS(bool all) override;
  void ener_manageDailyPowerLog() override;

  struct Counts {
    int rounds = 0;
    int hpfExchanges = 0;
    int energyResets = 0;
    int enerReboots = 0;
    int dailyPowerLogs = 0;
  };
  Counts counts();
  ProcToHpfValues lastHpfValues();

private:
  std::mutex mutex_;
  modules_exchange_t exchange_;
  struct_cumul_puissanse cumuls_;
  int roundResult_;
  uint8_t hpfState_;
  std::map<int, char> enerConfig_[3];
  Counts counts_;
  ProcToHpfValues lastHpf_;
};
