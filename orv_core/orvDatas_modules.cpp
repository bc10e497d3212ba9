// The store's module-section operations: the configurations of the V2 and V1 measurement
// cards, the HPF module and the ENERGIE modules in their sections of config.conf, and the
// plant values the HPF module receives.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "orvDatas.h"

bool orvDatas::refusedModuleValue(const char* what, const std::string& section,
                                  const std::string& key, const std::string& text,
                                  const char* kept) {
  const std::string refusal = netCFG_refusal(key, text);
  if (refusal.empty()) return false;
  std::printf("[orvDatas] %s: %s %s=%s refuse (%s), %s\n", what, section.c_str(), key.c_str(),
              text.c_str(), refusal.c_str(), kept);
  std::fflush(stdout);
  return true;
}

namespace {

const char* const kGeneral = "General";

using KeyName = std::function<std::string(const ModuleKeyDef&)>;
using KeyDefault = std::function<double(const ModuleKeyDef&)>;

std::string plainKey(const ModuleKeyDef& def) { return def.key; }
double plainDefault(const ModuleKeyDef& def) { return def.def; }

// True when `value` is a finite number that the field's type holds (a u32 field also takes
// the negative ints that wrap, as "-1" does).
bool fieldHolds(const ModuleKeyDef& def, double value) {
  if (!std::isfinite(value)) return false;
  switch (def.type) {
    case ModKeyType::U8: return value >= 0.0 && value <= 255.0;
    case ModKeyType::I32: return value >= INT32_MIN && value <= INT32_MAX;
    case ModKeyType::U32: return value >= INT32_MIN && value <= UINT32_MAX;
    case ModKeyType::F32: return std::fabs(value) <= FLT_MAX;
  }
  return false;
}

// Integer keys are read as int, float keys as double narrowed to float. Unsigned keys
// (speeds, ratings, delays) are read through double, which holds every u32 exactly: they
// are written unsigned, and a value above INT_MAX would not read back as an int. A value
// of a module section that the server could not set either goes to the module as the
// key's default, with a console trace; an empty one reads as the default.
void readKeys(orv_configFile& file, const std::string& section, const ModuleKeyTable& table,
              void* record, const KeyName& keyOf, const KeyDefault& defaultOf, const char* what) {
  for (size_t i = 0; i < table.count; ++i) {
    const ModuleKeyDef& def = table.keys[i];
    std::string key = keyOf(def);
    orv_configFile::EntryIterator entry;
    if (section != kGeneral && file.findEntry(key, section, entry) && !entry->value.empty() &&
        orvDatas::refusedModuleValue(what, section, key, entry->value, "valeur par defaut")) {
      setModuleField(record, def, defaultOf(def));
      continue;
    }
    bool wide = def.type == ModKeyType::F32 || def.type == ModKeyType::U32;
    double value = wide ? file.get<double>(key, defaultOf(def), section)
                        : file.get<int>(key, static_cast<int>(defaultOf(def)), section);
    // The V1 card's keys of "General" are judged by their field alone: a number the field
    // cannot hold would otherwise reach the card as whatever the conversion makes of it.
    if (!fieldHolds(def, value)) {
      std::printf("[orvDatas] %s: %s %s=%s hors limites, valeur par defaut\n", what,
                  section.c_str(), key.c_str(), file.getCString(key, "", section));
      std::fflush(stdout);
      value = defaultOf(def);
    }
    setModuleField(record, def, value);
  }
}

// Bytes and signed integers in int form, speeds and ratings as unsigned, floats with the
// float setter. A record of a module section may come from the module: a field is stored
// only when the server could set the key to that value too, else the file keeps what it
// held and the console names the section and key. The V1 card's keys of section "General"
// never come over the bus.
void writeKeys(orv_configFile& file, const std::string& section, const ModuleKeyTable& table,
               const void* record, const KeyName& keyOf, const char* what) {
  for (size_t i = 0; i < table.count; ++i) {
    const ModuleKeyDef& def = table.keys[i];
    const std::string key = keyOf(def);
    double value = moduleField(record, def);
    orv_configFile typed;  // the field in the form the file holds it
    switch (def.type) {
      case ModKeyType::U8:
      case ModKeyType::I32: typed.set<int>(key, static_cast<int>(value), section); break;
      case ModKeyType::U32:
        typed.set<unsigned int>(key, static_cast<unsigned int>(value), section);
        break;
      case ModKeyType::F32: typed.set<float>(key, static_cast<float>(value), section); break;
    }
    const std::string text = typed.getCString(key, "", section);
    if (section != kGeneral && orvDatas::refusedModuleValue(what, section, key, text)) continue;
    file.setVar(key, text, section, "");
  }
}

void lockTimeout(const char* what) {
  std::printf("[orvDatas] %s: verrou non obtenu\n", what);
  std::fflush(stdout);
}

// Each operation holds the key lock for its in-memory work and releases it before the
// file is rewritten (the writer takes the file lock, then the key lock).
int readSection(orvDatas& store, const char* what, const std::string& section,
                const ModuleKeyTable& table, void* record, const KeyName& keyOf,
                const KeyDefault& defaultOf) {
  if (!store.lock_ORVconfig()) {
    lockTimeout(what);
    return 0;
  }
  readKeys(*store.ORV_FileConfig_ptr(), section, table, record, keyOf, defaultOf, what);
  store.unlock_ORVconfig();
  return 1;
}

int writeSection(orvDatas& store, const char* what, const std::string& section,
                 const ModuleKeyTable& table, const void* record, const KeyName& keyOf) {
  if (!store.lock_ORVconfig()) {
    lockTimeout(what);
    return 0;
  }
  writeKeys(*store.ORV_FileConfig_ptr(), section, table, record, keyOf, what);
  store.unlock_ORVconfig();
  return store.writeAllToConfigFile();
}

}  // namespace

int orvDatas::readMESv2_Config_fromFile(cm_config_t& cfg) {
  return readSection(*this, "readMESv2_Config_fromFile", MESV2_SECTION, MESV2_KEY_TABLE, &cfg,
                     plainKey, plainDefault);
}

int orvDatas::writeMESv2_Config_toFile(cm_config_t& cfg) {
  return writeSection(*this, "writeMESv2_Config_toFile", MESV2_SECTION, MESV2_KEY_TABLE, &cfg,
                      plainKey);
}

void orvDatas::cleanMESv2_Config() {
  if (!lock_ORVconfig()) return lockTimeout("cleanMESv2_Config");
  ORV_FileConfig_ptr()->delSection(MESV2_SECTION);
  unlock_ORVconfig();
}

int orvDatas::readMESv1_Config_fromFile(cmV1_config_t* cfg) {
  if (cfg == nullptr) return 0;
  return readSection(*this, "readMESv1_Config_fromFile", kGeneral, MESV1_KEY_TABLE, cfg, plainKey,
                     plainDefault);
}

int orvDatas::writeMESv1_Config_toFile(cmV1_config_t* cfg) {
  if (cfg == nullptr) return 0;
  return writeSection(*this, "writeMESv1_Config_toFile", kGeneral, MESV1_KEY_TABLE, cfg, plainKey);
}

void orvDatas::cleanMESv1_Config() {
  if (!lock_ORVconfig()) return lockTimeout("cleanMESv1_Config");
  for (size_t i = 0; i < MESV1_KEY_TABLE.count; ++i)
    ORV_FileConfig_ptr()->delVar(MESV1_KEY_TABLE.keys[i].key, kGeneral);
  unlock_ORVconfig();
}

int orvDatas::readHPF_Config_fromFile(hp_global_config_t* cfg) {
  if (cfg == nullptr) return 0;
  return readSection(*this, "readHPF_Config_fromFile", HPF_SECTION, HPF_KEY_TABLE, cfg, plainKey,
                     plainDefault);
}

int orvDatas::writeHPF_Config_toFile(hp_global_config_t* cfg) {
  if (cfg == nullptr) return 0;
  return writeSection(*this, "writeHPF_Config_toFile", HPF_SECTION, HPF_KEY_TABLE, cfg, plainKey);
}

void orvDatas::cleanHPF_Config() {
  if (!lock_ORVconfig()) return lockTimeout("cleanHPF_Config");
  ORV_FileConfig_ptr()->delSection(HPF_SECTION);
  unlock_ORVconfig();
}

int orvDatas::readENER_Config_fromFile(int n, energyORV_cfg_t* cfg) {
  if (cfg == nullptr || n < 0 || n > 2) return 0;
  auto keyOf = [n](const ModuleKeyDef& def) { return enerKey(n, def); };
  auto defaultOf = [n](const ModuleKeyDef& def) { return enerDefault(n, def); };
  return readSection(*this, "readENER_Config_fromFile", enerSection(n), ENER_KEY_TABLE, cfg, keyOf,
                     defaultOf);
}

int orvDatas::writeENER_Config_toFile(int n, energyORV_cfg_t* cfg) {
  if (cfg == nullptr || n < 0 || n > 2) return 0;
  auto keyOf = [n](const ModuleKeyDef& def) { return enerKey(n, def); };
  return writeSection(*this, "writeENER_Config_toFile", enerSection(n), ENER_KEY_TABLE, cfg, keyOf);
}

void orvDatas::cleanENER_Config() {
  if (!lock_ORVconfig()) return lockTimeout("cleanENER_Config");
  for (int n = 0; n < 3; ++n) ORV_FileConfig_ptr()->delSection(enerSection(n));
  unlock_ORVconfig();
}

void orvDatas::cleanENER_id_Config(int n) {
  if (n < 0 || n > 2) return;
  if (!lock_ORVconfig()) return lockTimeout("cleanENER_id_Config");
  ORV_FileConfig_ptr()->delSection(enerSection(n));
  unlock_ORVconfig();
}

void orvDatas::get_ORVtoHPFdatas(orv_toHP_datas_t& out) {
  if (!lock_ORVmesure()) return lockTimeout("get_ORVtoHPFdatas");
  out.compressorsRunning = static_cast<uint8_t>(mesure.plantRunning);
  for (int i = 0; i < 6; ++i) {
    float kw = mesure.cumuls.puissComp[i];
    // Truncated to whole kW; a negative reading gives 0 rather than a wrapped figure.
    out.puissanceComp[i] = kw > 0.0f ? static_cast<uint32_t>(kw) : 0u;
  }
  out.tempExt = mesure.modules.value[modval::TempEXT];
  out.tempCondensation = mesure.fluid[0].val[0];
  out.pressionHP = mesure.modules.value[modval::HP];
  unlock_ORVmesure();
}
