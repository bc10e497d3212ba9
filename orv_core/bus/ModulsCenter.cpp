#include "ModulsCenter.h"

#include <cstdio>
#include <cstring>

#include "CComRS485.h"
#include "EnerModul.h"
#include "HpfModul.h"
#include "MesV1Modul.h"
#include "MesV2Modul.h"
#include "busClient.h"
#include "orvDatas.h"
#include "orvModuleConfigPush.h"
#include "orv_classPtr.h"

static_assert(sizeof(ener_toORV_data_t) == enermes::kCount * sizeof(float),
              "the cumuls read the ENERGIE reply as 32 floats");

namespace {

// Configuration ids of the module clients.
constexpr int kMesV2Version = 114;
constexpr int kMesV2BusId = 115;
constexpr int kHpfVersion = 131;
constexpr int kHpfBusId = 132;
constexpr int kHpfRelayCards = 172;
constexpr int kEnerVersion = 173;
constexpr int kEnerBusId = 174;
constexpr int kEnerPressureEnabled = 188;
constexpr int kEnerPt100Enabled = 191;
constexpr int kEnerReference = 203;
constexpr int kCardTypeKey = 43;  // z2_CM_TYPE

// Commands that send a module its configuration.
constexpr uint8_t kMesV2SendConfig = 15;
constexpr unsigned kHpfSendConfig = 106;  // 'j'
constexpr unsigned kEnerSendConfig = 56;  // '8'
constexpr unsigned kEnerResetEnergy = 60;  // '<'

// Calibration of value k: (value - sum of the keys A) + key B.
struct Calibration {
  int k;
  const char* a1;
  const char* a2;
  const char* b;
};
const Calibration kCalibrations[] = {
    {modval::HP, "CONFIG_HP_PRESSURE_CALIB", nullptr, nullptr},
    {modval::BP, "CONFIG_BP_PRESSURE_CALIB", nullptr, nullptr},
    {modval::TempSOR, "CONFIG_TLIQ_CORRECTION", "CONFIG_TLIQ_CORR_CAB3M", "CONFIG_TLIQ_MANUEL_CORRECTION"},
    {modval::TempENT, "CONFIG_TENT_CORRECTION", "CONFIG_TENT_CORR_CAB3M", "CONFIG_TENT_MANUEL_CORRECTION"},
    {modval::TempEXT, "CONFIG_TEXT_CORRECTION", "CONFIG_TEXT_CORR_CAB3M", "CONFIG_TEXT_MANUEL_CORRECTION"},
    {modval::TempASP, "CONFIG_TASP_CORRECTION", "CONFIG_TASP_CORR_CAB3M", "CONFIG_TASP_MANUEL_CORRECTION"},
    {modval::TempREF, "CONFIG_TREF_CORRECTION", "CONFIG_TREF_CORR_CAB3M", "CONFIG_TREF_MANUEL_CORRECTION"},
    {modval::PressionEner1, "CONFIG_HP_RES_PRESSURE_CALIB", nullptr, nullptr},
    {modval::TRES1, "CONFIG_TRES1_CORRECTION", "CONFIG_TRES1_CORR_CAB3M", "CONFIG_TRES1_MANUEL_CORRECTION"},
    {modval::TRES2, "CONFIG_TRES2_CORRECTION", "CONFIG_TRES2_CORR_CAB3M", "CONFIG_TRES2_MANUEL_CORRECTION"},
};

float storeFloat(orvDatas* store, const char* keyword) {
  if (!keyword || !store) return 0.0f;
  return store->getCFG_struct(orvDatas::getCFG_ID_fromKeyString(keyword)).floatValue;
}

// The store's hook: settings received from the server go to the registered centre.
void pushNetConfig(bool mesV2, bool hpf, const bool ener[3]) {
  ModulsCenter* centre = Singleton<orv_classPtr>::ptr()->modules;
  if (centre) centre->sendNetConfigToModules(mesV2, hpf, ener);
}

}  // namespace

ModulsCenter::ModulsCenter()
    : link_(new CComRS485()), mesV1_(nullptr), mesV2_(nullptr), hpf_(nullptr), ener_(nullptr),
      cardType_(0) {
  std::memset(&moduls_, 0, sizeof moduls_);
  std::memset(&cumuls_, 0, sizeof cumuls_);
  setModuleConfigPush(&pushNetConfig);
  moduleTrace("[ModulsCenter] Started");
}

ModulsCenter::~ModulsCenter() {
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  if (registry->modules == this) registry->modules = nullptr;
  delete mesV1_;
  delete mesV2_;
  delete hpf_;
  delete ener_;
  delete link_;
}

int ModulsCenter::initModulsCenter() {
  moduleTrace("[ModulsCenter] initModulsCenter OK");
  return 1;
}

void ModulsCenter::closeModulsCenter() { moduleTrace("[ModulsCenter] Closed"); }

int ModulsCenter::start_modul_mesV1() {
  if (!mesV1_) mesV1_ = new MesV1Modul(link_);
  return 1;
}
int ModulsCenter::start_modul_mesV2() {
  if (!mesV2_) mesV2_ = new MesV2Modul(link_);
  return 1;
}
int ModulsCenter::start_modul_hpf() {
  if (!hpf_) hpf_ = new HpfModul(link_);
  return 1;
}
int ModulsCenter::start_moduls_ener() {
  if (!ener_) ener_ = new EnerModul(link_);
  return 1;
}
void ModulsCenter::stop_modul_mesV1() {
  delete mesV1_;
  mesV1_ = nullptr;
}
void ModulsCenter::stop_modul_mesV2() {
  delete mesV2_;
  mesV2_ = nullptr;
}
void ModulsCenter::stop_modul_hpf() {
  delete hpf_;
  hpf_ = nullptr;
}
void ModulsCenter::stop_moduls_ener() {
  delete ener_;
  ener_ = nullptr;
}

// ---- Queries by module type --------------------------------------------------------------

uint8_t ModulsCenter::isModulMesV1_connected() { return mesV1_ ? mesV1_->isCMv1connected() : 0; }
uint8_t ModulsCenter::isModulMesV2_connected() { return mesV2_ ? mesV2_->isCMconnected() : 0; }
uint8_t ModulsCenter::isModulHpf_connected() {
  return hpf_ ? static_cast<uint8_t>(hpf_->isHPFconnected()) : 0;
}
uint8_t ModulsCenter::isModulEner_connected(int n) {
  return ener_ ? static_cast<uint8_t>(ener_->isENERconnected(n)) : 0;
}

uint8_t ModulsCenter::isModul_connected(int type) {
  switch (type) {
    case TYPE_MESV2: return isModulMesV2_connected();
    case TYPE_HPF: return isModulHpf_connected();
    case 2: case 3: case 4: return isModulEner_connected(type - TYPE_ENER0);
    case TYPE_MESV1: return isModulMesV1_connected();
    default: return 0;
  }
}

int ModulsCenter::getModul_rs485_id(int type) {
  if (type == TYPE_MESV2 && mesV2_) return mesV2_->getCFG_struct(kMesV2BusId).intValue;
  if (type == TYPE_HPF && hpf_)
    return static_cast<unsigned char>(hpf_->getCFG_struct(kHpfBusId).charValue);
  if (type >= 2 && type <= 4 && ener_)
    return static_cast<unsigned char>(ener_->getCFG_struct(type - TYPE_ENER0, kEnerBusId).charValue);
  return 0;
}

float ModulsCenter::Modul_firmVersion(int type) {
  if (type == TYPE_MESV2 && mesV2_) return mesV2_->getCFG_struct(kMesV2Version).floatValue;
  if (type == TYPE_HPF && hpf_) return hpf_->getCFG_struct(kHpfVersion).floatValue;
  if (type >= 2 && type <= 4 && ener_)
    return ener_->getCFG_struct(type - TYPE_ENER0, kEnerVersion).floatValue;
  return 0.0f;
}

int ModulsCenter::Modul_setConnectState(int type, uint8_t state) {
  if (type == TYPE_MESV2 && mesV2_) mesV2_->CMdisconnect(state);
  else if (type == TYPE_HPF && hpf_) hpf_->HPFdisconnect(state);
  else if (type >= 2 && type <= 4 && ener_) ener_->ENERdisconnect(type - TYPE_ENER0, state);
  return 0;
}

// ---- Detection ---------------------------------------------------------------------------

int ModulsCenter::autoDetect_AllModuls() {
  if (!link_) return 0;
  cardType_ = 0;
  orvDatas* store = moduleStore();
  if (store) {
    store->get_ORVmodsDatas(moduls_);
    store->get_ORVcumulsPuissanceDatas(cumuls_);
  }
  int count = 0;
  detectMesureCard(&count);
  if (store) store->setCFG_struct(kCardTypeKey, &cardType_);
  detectHpf(&count);
  detectEner(&count);
  return count;
}

void ModulsCenter::detectMesureCard(int* count) {
  orvDatas* store = moduleStore();
  start_modul_mesV1();
  if (mesV1_->CMV1_initComm() == 1) {
    cardType_ = 1;
    moduleTrace("[ModulsCenter] modul_mesureV1 Detected OK");
    setAutotest("1");
    *count = 1;
  } else {
    if (store) store->cleanMESv1_Config();
    moduleTrace("[ModulsCenter] modul_mesureV1 NOT Detected");
    stop_modul_mesV1();
    setAutotest("0");
  }
  // A V1 card answers without an address: a V2 card is not looked for beside it.
  if (mesV1_) {
    if (store) store->cleanMESv2_Config();
    return;
  }
  start_modul_mesV2();
  if (mesV2_->CMinit_Comm(true) == 1) {
    cardType_ = 2;
    float version = mesV2_->getCFG_struct(kMesV2Version).floatValue;
    mesV2_->setCFG_struct(kMesV2Version, &version);
    moduleTrace("[ModulsCenter] modul_mesureV2 v%.2f Detected OK", version);
    setAutotest("1");
    ++*count;
  } else {
    if (store) store->cleanMESv2_Config();
    moduleTrace("[ModulsCenter] modul_mesureV2 NOT Detected");
    stop_modul_mesV2();
    setAutotest("0");
  }
}

void ModulsCenter::detectHpf(int* count) {
  start_modul_hpf();
  if (hpf_->HPFinit_Comm(true) == 1) {
    float version = hpf_->getCFG_struct(kHpfVersion).floatValue;
    hpf_->setCFG_struct(kHpfVersion, &version);
    uint8_t relayCards = static_cast<uint8_t>(hpf_->getCFG_struct(kHpfRelayCards).charValue);
    hpf_->setCFG_struct(kHpfRelayCards, &relayCards);
    moduleTrace("[ModulsCenter] modul_hpf v%.2f Detected with relayCardNum= %d OK", version,
                relayCards);
    setAutotest("1");
    ++*count;
  } else {
    if (orvDatas* store = moduleStore()) store->cleanHPF_Config();
    moduleTrace("[ModulsCenter] modul_hpf NOT Detected");
    stop_modul_hpf();
    setAutotest("0");
  }
}

void ModulsCenter::detectEner(int* count) {
  orvDatas* store = moduleStore();
  start_moduls_ener();
  bool any = false;
  for (int n = 0; n < 3; ++n) {
    if (ener_->ENERinit_Comm(n, true) == 1) {
      float version = ener_->getCFG_struct(n, kEnerVersion).floatValue;
      ener_->setCFG_struct(n, kEnerVersion, &version);
      moduleTrace("[ModulsCenter] moduls_ener %d v%.2f Detected OK", n, version);
      setAutotest("1");
      ++*count;
      any = true;
    } else {
      if (store) store->cleanENER_id_Config(n);
      moduleTrace("[ModulsCenter] moduls_ener %d NOT Detected", n);
      setAutotest("0");
    }
  }
  if (!any) {
    if (store) store->cleanENER_Config();
    stop_moduls_ener();
  }
}

// ---- Bus round ---------------------------------------------------------------------------

int ModulsCenter::sendTo_AllModuls() {
  if (!link_) return 0;
  bool cardAnswered = false;
  if (cardType_ == 1 && mesV1_) cardAnswered = mesV1_->CM1_sendTo() == 1;
  else if (cardType_ == 2 && mesV2_) cardAnswered = mesV2_->CM_sendToORV() == 0;
  int enerAnswered = 0;
  if (ener_) {
    enerAnswered = ener_->orvcomm_sendNextCmdToAllENER();
    if (enerAnswered > 0) updatePowerCumuls();
  }
  update_Moduls_StructDatas(&moduls_);
  return cardAnswered || enerAnswered > 0 ? 1 : 0;
}

void ModulsCenter::updatePowerCumuls() {
  std::vector<EnerBlockReading> blocks;
  float phases[3][3] = {};
  energyORV_cfg_t cfg[3];
  bool connected[3] = {};
  for (int n = 0; n < 3; ++n) {
    if (ener_->isENERconnected(n) != 1) continue;
    connected[n] = true;
    ener_->cfg_getENER_Config(n, &cfg[n]);
    int assignment[3], share[3];
    for (int b = 0; b < 3; ++b) {
      assignment[b] = cfg[n].module.affectation[b];
      share[b] = cfg[n].affectationPercent[b];
    }
    ener_toORV_data_t data;
    ener_->cfg_getENER_Data(n, &data);
    float values[enermes::kCount];
    std::memcpy(values, &data, sizeof values);
    // Displays and accessors show the share: the divided reading goes back to the client.
    if (shares_.divideNewReading(n, values, assignment, share)) {
      std::memcpy(&data, values, sizeof values);
      ener_->cfg_setENER_Data(n, &data);
    }
    for (int b = 0; b < 3; ++b) {
      blocks.push_back({assignment[b], values[enermes::block(b, enermes::ActivePower)],
                        values[enermes::block(b, enermes::Energy)],
                        values[enermes::block(b, enermes::ApparentPower)],
                        values[enermes::block(b, enermes::Phase1Current)]});
    }
    phases[n][0] = values[enermes::Phase1Voltage];
    phases[n][1] = values[enermes::Phase2Voltage];
    phases[n][2] = values[enermes::Phase3Voltage];
  }
  computePowerCumuls(blocks, &cumuls_);

  // Voltage watch of the connected modules on block 0.
  for (int n = 0; n < 3; ++n) {
    if (!connected[n]) continue;
    float a = phases[n][0], b = phases[n][1], c = phases[n][2];
    switch (voltageWatch_.check(n, cfg[n].survTension_ecart, cfg[n].survTension_reference, a, b, c)) {
      case VoltageWatch::LearnReference:
        ener_->setCFG_struct(n, kEnerReference, &a);
        break;
      case VoltageWatch::LogLine:
        if (ENERaddToPowerLog(n, a, b, c) != 0)
          moduleTrace("[ModulsCenter] tension.log: ligne perdue (module %d)", n + 1);
        break;
      case VoltageWatch::Nothing:
        break;
    }
  }
}

// ---- The exchange record -----------------------------------------------------------------

int ModulsCenter::update_Moduls_StructDatas(modules_exchange_t* record) {
  record->stateMesV2 = isModulMesV2_connected();
  record->stateHpf = isModulHpf_connected();
  for (int n = 0; n < 3; ++n) record->stateEner[n] = isModulEner_connected(n);
  record->stateMesV1 = isModulMesV1_connected();

  bool filled[12] = {};
  if (cardType_ == 1 && isModulMesV1_connected() == 1) fillFromMesV1(record, filled);
  if (cardType_ == 2) {
    if (isModulMesV2_connected() == 1) {
      fillFromMesV2(record, filled);
    } else {
      // A lost card's values become invalid so that the sensor alarms see them.
      for (int k : {0, 1, 3, 4, 5, 9}) {
        record->value[k] = 999.0f;
        record->sensorFault[k] = 1;
      }
    }
  }
  if (ener_) fillFromEner(record, filled);
  applyCalibration(record, filled);
  return 1;
}

void ModulsCenter::fillFromMesV1(modules_exchange_t* record, bool filled[12]) {
  // Value k <- client data index, with the fault flag at index + 5.
  static const int kMap[][2] = {{modval::Poids, 1}, {modval::HP, 5}, {modval::TempSOR, 2},
                                {modval::TempEXT, 3}, {modval::TempENT, 4}};
  for (const auto& m : kMap) {
    record->value[m[0]] = mesV1_->getDATA_struct(m[1]).floatValue;
    record->sensorFault[m[0]] = static_cast<uint8_t>(mesV1_->getDATA_struct(m[1] + 5).charValue);
    filled[m[0]] = true;
  }
}

void ModulsCenter::fillFromMesV2(modules_exchange_t* record, bool filled[12]) {
  // Value k <- client data index and sensor of the fault flag.
  static const int kMap[][3] = {{modval::Poids, 1, CM_WEIGHT}, {modval::HP, 2, CM_HP},
                                {modval::TempENT, 3, CM_TEMP1}, {modval::TempSOR, 4, CM_TEMP2},
                                {modval::TempEXT, 5, CM_TEMP3}};
  for (const auto& m : kMap) {
    record->value[m[0]] = mesV2_->getDATA_struct(m[1]).floatValue;
    record->sensorFault[m[0]] = mesV2_->CM_sensorError(m[2]);
    filled[m[0]] = true;
  }
  record->value[modval::BattRadio] = mesV2_->getDATA_struct(7).floatValue;
  filled[modval::BattRadio] = true;
}

void ModulsCenter::fillFromEner(modules_exchange_t* record, bool filled[12]) {
  // Module, input (1 pressure, 2 PT100), its enabling key, and the value k it fills.
  static const int kMap[][4] = {{0, 1, kEnerPressureEnabled, modval::BP},
                                {0, 2, kEnerPt100Enabled, modval::TempASP},
                                {1, 2, kEnerPt100Enabled, modval::TempREF},
                                {1, 1, kEnerPressureEnabled, modval::PressionEner1}};
  for (const auto& m : kMap) {
    int n = m[0];
    if (ener_->isENERconnected(n) != 1 || ener_->getCFG_struct(n, m[2]).charValue != 1) continue;
    record->value[m[3]] = ener_->getDATA_struct(n, m[1]).floatValue;
    record->sensorFault[m[3]] = static_cast<uint8_t>(ener_->ENER_sensorError(n, m[1] - 1));
    filled[m[3]] = true;
  }
}

void ModulsCenter::applyCalibration(modules_exchange_t* record, const bool filled[12]) {
  orvDatas* store = moduleStore();
  for (const Calibration& c : kCalibrations) {
    float v = record->value[c.k];
    if (!filled[c.k] || v == 999.0f || record->sensorFault[c.k] != 0) continue;
    float a = storeFloat(store, c.a1) + storeFloat(store, c.a2);
    record->value[c.k] = (v - a) + storeFloat(store, c.b);
  }
}

void ModulsCenter::get_Moduls_StructDatas(modules_exchange_t& out) { out = moduls_; }

void ModulsCenter::get_CumulPuiss_StructDatas(struct_cumul_puissanse& out) { out = cumuls_; }

// ---- HPF exchange, energy reset ------------------------------------------------------------

int ModulsCenter::sendTo_HpfModul(orv_toHP_datas_t& in, hp_toORV_data_t& out) {
  if (!link_ || !hpf_) return 0;
  hpf_->cfg_setORV_Data(&in);
  if (hpf_->HPF_sendToORV() != 0) return 0;
  hpf_->cfg_getHPF_Data(&out);
  return 1;
}

int ModulsCenter::sendTo_HpfModul(const ProcToHpfValues& in) {
  orv_toHP_datas_t plant{};
  plant.compressorsRunning = in.plantRunning;
  for (int i = 0; i < 6; ++i) plant.puissanceComp[i] = in.puissComp[i];
  plant.tempExt = in.tempExt;
  plant.tempCondensation = in.tsatHp;
  plant.pressionHP = in.hp;
  hp_toORV_data_t state{};
  return sendTo_HpfModul(plant, state);
}

void ModulsCenter::reset_CumulPuissance_Wh() {
  if (ener_) {
    for (int n = 0; n < 3; ++n)
      if (moduls_.stateEner[n] == 1) ener_->setENERcmdToSend(n, kEnerResetEnergy);
  }
  for (int i = 0; i < 6; ++i) cumuls_.energieComp[i] = 0.0f;
  for (int i = 0; i < 8; ++i) cumuls_.energieGroupe[i] = 0.0f;
}

// ---- Settings received from the server ------------------------------------------------------

void ModulsCenter::sendNetConfigToModules(bool mesV2, bool hpf, const bool ener[3]) {
  orvDatas* store = moduleStore();
  if (!store) return;
  if (mesV2 && isModulMesV2_connected() == 1) {
    cm_config_t cfg;
    mesV2_->cfg_getCM_Config(&cfg);
    if (store->readMESv2_Config_fromFile(cfg)) {
      mesV2_->cfg_setCM_Config(false, &cfg);
      mesV2_->setCMcmdToSend(kMesV2SendConfig);
    }
  }
  if (hpf && isModulHpf_connected() == 1) {
    hp_global_config_t cfg;
    hpf_->cfg_getHPF_Config(&cfg);
    if (store->readHPF_Config_fromFile(&cfg)) {
      hpf_->cfg_setHPF_Config(false, &cfg);
      hpf_->setHPFcmdToSend(kHpfSendConfig);
    }
  }
  for (int n = 0; n < 3; ++n) {
    if (!ener[n] || isModulEner_connected(n) != 1) continue;
    energyORV_cfg_t cfg;
    ener_->cfg_getENER_Config(n, &cfg);
    if (store->readENER_Config_fromFile(n, &cfg)) {
      ener_->cfg_setENER_Config(n, false, &cfg);
      ener_->setENERcmdToSend(n, kEnerSendConfig);
    }
  }
}

// ---- The processing thread's reads of the clients -------------------------------------------

cfg_value_t ModulsCenter::hpf_getDATA_struct(int index) {
  return hpf_ ? hpf_->getDATA_struct(index) : cfg_value_t();
}
cfg_value_t ModulsCenter::hpf_getCFG_struct(int id) {
  return hpf_ ? hpf_->getCFG_struct(id) : cfg_value_t();
}
int ModulsCenter::hpf_getNumVentilON() { return hpf_ ? hpf_->getNumVentilON() : 0; }
cfg_value_t ModulsCenter::ener_getCFG_struct(int module, int id) {
  return ener_ ? ener_->getCFG_struct(module, id) : cfg_value_t();
}
int ModulsCenter::ener_totalAffectationON(int assignment) {
  return ener_ ? ener_->ENERtotalAffectationON(assignment) : 0;
}
void ModulsCenter::ener_rebootMODULS(bool now) {
  if (ener_) ener_->rebootMODULS(now);
}
void ModulsCenter::ener_manageDailyPowerLog() { ENERmanageDailyPowerLog(); }

// ---- Console dump ----------------------------------------------------------------------------

void ModulsCenter::printDEBUG_Moduls_StructDatas() {
  uint8_t f[12];
  float v[21];
  std::memcpy(f, moduls_.sensorFault, sizeof f);
  std::memcpy(v, moduls_.value, sizeof v);
  std::printf("+ Sensors ERROR:\n -- Poids: %d\n -- HP: %d\n -- BP: %d\n -- TempSOR: %d\n"
              " -- TempENT: %d\n -- TempEXT: %d\n -- TempASP: %d\n -- TempREF: %d\n"
              " -- BattRadio: %d\n",
              f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]);
  std::printf("+ Sensors Datas:\n -- Poids: %d gr\n -- HP: %.2f bar\n -- BP: %.2f bar\n"
              " -- TempSOR: %.2f *C\n -- TempENT: %.2f *C\n -- TempEXT: %.2f *C\n"
              " -- TempASP: %.2f *C\n -- TempREF: %.2f *C\n -- BattRadio: %.2f V\n",
              static_cast<int>(v[0]), v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]);
  std::fflush(stdout);
}
