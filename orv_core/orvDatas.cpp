#include "orvDatas.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "orvModuleConfigPush.h"
#include "orvPlatform.h"
#include "orvSafeText.h"
#include "orvServerDefaults.h"
#include "orvVersion.h"
#include "orv_utils.h"

namespace {

const char kGeneral[] = "General";
const char kLivePath[] = "/home/ORV/config.conf";

template <typename Mutex>
int timedLock(Mutex& m) {
  return m.try_lock_for(std::chrono::seconds(2)) ? 1 : 0;
}

// MAC address of an interface as six upper-case hexadecimal bytes joined by ":", read from
// the kernel's interface folder; "" when it cannot be read. Works before the core exists.
std::string interfaceMacAddress(const std::string& iface) {
  std::ifstream in(orv::devicePath("/sys/class/net/" + iface + "/address"));
  std::string mac;
  if (!std::getline(in, mac)) return "";
  unsigned b[6];
  char tail;
  if (std::sscanf(mac.c_str(), "%2x:%2x:%2x:%2x:%2x:%2x%c", &b[0], &b[1], &b[2], &b[3], &b[4],
                  &b[5], &tail) != 6)
    return "";
  char text[18];
  std::snprintf(text, sizeof text, "%.2X:%.2X:%.2X:%.2X:%.2X:%.2X", b[0], b[1], b[2], b[3], b[4],
                b[5]);
  return text;
}

// Defaults that depend on the board, evaluated at each read of their key.
std::string computedDefault(int id) {
  switch (id) {
    case CFG_KERNEL_VER: return read_KernelVersion();
    case CFG_DM9000_VER: return read_DM9000_version();
    case CFG_MACADDR: return interfaceMacAddress("eth0");
    default: return "";
  }
}

void copyField(char* field, size_t width, const std::string& text) {
  size_t n = std::min(text.size(), width - 1);
  std::memcpy(field, text.data(), n);
  std::memset(field + n, 0, width - n);
}

std::string fieldText(const char* field, size_t width) {
  return std::string(field, strnlen(field, width));
}

// A keyword of section General or of a module section.
bool isStoreKeyword(const std::string& keyword) {
  ModKeyType type;
  return orvDatas::getCFG_ID_fromKeyString(keyword) >= 0 || moduleKeyType(keyword, &type);
}

void ensureSiteKeys(orv_configFile& file) {
  for (int id : {CFG_NOM_CLIENT_DU_SITE, CFG_TARE_DATE}) {
    orv_configFile::EntryIterator e;
    if (!file.findEntry(ORV_CFG_TAG[id], kGeneral, e))
      file.setVar(ORV_CFG_TAG[id], ORV_CFG_KEYS[id].text, kGeneral);
  }
}

// Version 9 named its VPN site by row number; 10.1 held the server address itself.
void setServerFromVpnText(orv_configFile& file, const std::string& vpn, bool vpnRowsByNumber) {
  const char* key = ORV_CFG_TAG[CFG_STFP_IP];
  if (vpn.empty() || vpn == "0" || vpn == "0.0.0.0")
    file.setVar(key, ORV_DEFAULT_SFTP_SERVER, kGeneral);
  else if (!vpnRowsByNumber)
    file.setVar(key, vpn, kGeneral);
  else if (vpn == "1" || vpn == "2")
    file.setVar(key, ORV_VPN_SITES[vpn[0] - '0'].address, kGeneral);
}

void migrateFromVersion9(orv_configFile& file) {
  for (const char* part : {"_ENER_", "z2_CM", "z4_COP", "z0_HPF", "z3_DM"})
    file.delRegexEntry(part);
  for (const char* key :
       {"CONFIG_MIN_PRESSION2", "CONFIG_MAX_PRESSION2", "CONFIG_FLAG_DEBITMETRE",
        "CONFIG_UARTBAUDS_FLOWMETER", "z11_CONFIG_TENSION_ECART_POURCENT",
        "z11_CONFIG_TENSION_REFERENCE", "ALARME_HEURE_DEBUT_NUIT", "ALARME_MINUTE_DEBUT_NUIT",
        "ALARME_HEURE_FIN_NUIT", "ALARME_MINUTE_FIN_NUIT", "CONFIG_PASSAGE_AUTO_MODEJOUR",
        "CONFIG_VERSION_MINOR_REL"})
    file.delVar(key, kGeneral);
  const std::pair<const char*, const char*> renames[] = {
      {"CONFIG_MESV1_CABLE_DEG_PT100_0", "CONFIG_TEXT_CORR_CAB3M"},
      {"CONFIG_MESV1_CABLE_DEG_PT100_1", "CONFIG_TENT_CORR_CAB3M"},
      {"CONFIG_MESV1_CABLE_DEG_PT100_2", "CONFIG_TLIQ_CORR_CAB3M"},
      {"CONFIG_MESV1_PRESSURE_CALIB", "CONFIG_HP_PRESSURE_CALIB"}};
  for (const auto& r : renames) {
    orv_configFile::EntryIterator e;
    if (!file.findEntry(r.first, kGeneral, e)) continue;
    file.delVar(r.second, kGeneral);  // the migrated value is the one in force
    file.renKeyVar(r.first, r.second, kGeneral);
  }
  setServerFromVpnText(file, file.get<std::string>("CONFIG_IP_VPN", "0.0.0.0", kGeneral), true);
  file.delVar("CONFIG_IP_VPN", kGeneral);
  ensureSiteKeys(file);
}

void migrateFromVersion10_1(orv_configFile& file) {
  setServerFromVpnText(file, file.get<std::string>("CONFIG_IP_VPN", "0.0.0.0", kGeneral), false);
  file.delVar("CONFIG_IP_VPN", kGeneral);
  file.delVar("FLAG_STFP_IP_ROTATE", kGeneral);
  ensureSiteKeys(file);
}

// Brings a file of an older version to this one's keys; true when it did.
bool migrateOlderVersion(orv_configFile& file) {
  const int major = file.get<int>("CONFIG_VERSION_MAJOR", VERSION_MAJOR, kGeneral);
  if (major == 9) {
    migrateFromVersion9(file);
    return true;
  }
  if (major == 10 && file.get<int>("CONFIG_VERSION_MINOR", VERSION_MINOR, kGeneral) == 1 &&
      file.get<int>("CONFIG_VERSION_RELEASE", VERSION_RELEASE, kGeneral) <= 11) {
    migrateFromVersion10_1(file);
    return true;
  }
  return false;
}

}  // namespace

orvDatas::orvDatas() : mesure(), newCharge(0.0f) {
  std::printf("[orvDatas] Started\n");
  std::fflush(stdout);
  init_orvDatas();
}

orvDatas::~orvDatas() = default;

orv_configFile* orvDatas::ORV_FileConfig_ptr() { return &config; }

int orvDatas::lock_FILEconfig() { return timedLock(fileLock); }
void orvDatas::unlock_FILEconfig() { fileLock.unlock(); }
int orvDatas::lock_ORVconfig() { return timedLock(keyLock); }
void orvDatas::unlock_ORVconfig() { keyLock.unlock(); }
int orvDatas::lock_ORVmesure() { return timedLock(recordLock); }
void orvDatas::unlock_ORVmesure() { recordLock.unlock(); }

int orvDatas::init_orvDatas() {
  std::srand(static_cast<unsigned>(orv::wallClockNow()));
  std::memset(&mesure, 0, sizeof mesure);
  init_ORVmesure(mesure);

  configPath = kLivePath;
  if (!readORVconfigFile(configPath)) return 0;

  // A CO2 plant with neither cycle set runs transcritical.
  if (getCFG_struct(CFG_FLUID).stringValue.find("CO2") != std::string::npos &&
      getCFG_struct(CFG_TRANSCRITIQUE).intValue == 0 &&
      getCFG_struct(CFG_SUBCRITIQUE).intValue == 0) {
    int sub = 0, trans = 1;
    setCFG_struct(CFG_SUBCRITIQUE, &sub);
    setCFG_struct(CFG_TRANSCRITIQUE, &trans);
  }

  // Keys first, record after: the two locks are never held together.
  int flagAlarm = getCFG_struct(CFG_FLAG_ALARM).intValue;
  int sensorFlags = getCFG_struct(CFG_FLAG_ALARM_CAPTEUR).intValue;
  float reference = getCFG_struct(CFG_MOYENNE_REFERENCE).floatValue;
  float slope = getCFG_struct(CFG_ANCIEN_PENTE).floatValue;
  if (lock_ORVmesure()) {
    mesure.leakState = static_cast<uint8_t>(flagAlarm);
    mesure.leakStateCopy = static_cast<uint8_t>(flagAlarm);
    mesure.sensorFaultFlags = static_cast<uint8_t>(sensorFlags);
    mesure.referenceMass = reference;
    mesure.slope3Days = slope;
    unlock_ORVmesure();
  } else {
    std::printf("[orvDatas] init_orvDatas: record lock timed out, flags not copied\n");
  }
  std::fflush(stdout);
  return 1;
}

// ---- Loading -----------------------------------------------------------------------------

int orvDatas::readORVconfigFile(const std::string& path) {
  if (path.empty()) return 0;
  writeFailedAtLoad_ = false;

  orv_configFile loaded;
  // A file from elsewhere (a USB key) must be a device configuration: any other file
  // would wipe the plant's settings and leave defaults in their place.
  const bool fromElsewhere = path != configPath;
  const std::string refusal = fromElsewhere ? keyFileRefusal(path, loaded) : "";
  if (!refusal.empty()) {
    std::printf("[orvDatas] Le fichier %s est refuse (%s): configuration conservee\n",
                path.c_str(), refusal.c_str());
    std::fflush(stdout);
    return 0;
  }
  if (!fromElsewhere && loaded.readFile(path) == 0) {
    bool holdsSettings = false;
    if (lock_ORVconfig()) {
      orv_configFile::SectionIterator s;
      holdsSettings = config.findSection(kGeneral, s) == 1;
      unlock_ORVconfig();
    }
    // A missing or empty reloaded file must not replace the plant's settings by defaults.
    if (holdsSettings) {
      std::printf("[orvDatas] Le fichier %s est absent ou vide: configuration conservee\n",
                  path.c_str());
      std::fflush(stdout);
      return 0;
    }
    std::printf("[orvDatas] Le fichier %s n'existe pas!\n", path.c_str());
    std::printf("[orvDatas] Creation d'un nouveau fichier de CONFIGURATION\n");
    std::fflush(stdout);
    for (int id = 0; id < ORV_CFG_KEY_COUNT; ++id) getCFG_struct(id);
    writeFailedAtLoad_ = saveConfigFile(path) != 1;
  } else {
    if (!lock_ORVconfig()) {
      std::printf("[orvDatas] readORVconfigFile: verrou non obtenu, %s non charge\n", path.c_str());
      std::fflush(stdout);
      return 0;
    }
    config.delSection(kGeneral);
    mergeIntoConfig(loaded);
    const bool migrated = migrateOlderVersion(config);
    // After the migration, which still reads an older file's own keys.
    if (fromElsewhere) dropUnknownKeys(loaded);
    unlock_ORVconfig();
    // Only the live file is written back migrated; a file from elsewhere (a USB key) is
    // migrated in memory and left as it is.
    writeFailedAtLoad_ = migrated && !fromElsewhere && saveConfigFile(path) != 1;
  }
  if (writeFailedAtLoad_)
    std::printf("[orvDatas] Ecriture du fichier %s impossible\n", path.c_str());
  finalLoadChecks();
  std::fflush(stdout);
  return 1;
}

int orvDatas::replaceConfigText(const std::string& text) {
  if (!lock_FILEconfig()) {
    std::printf("[orvDatas] %s non remplace: verrou non obtenu\n", configPath.c_str());
    std::fflush(stdout);
    return 0;
  }
  // Held from the write to the end of the load (which may save the file again, migrated):
  // a save of the settings in memory waits for both, then writes the loaded ones.
  const bool loaded =
      orvFileReplace(configPath.c_str(), text) == 1 && readORVconfigFile(configPath) == 1;
  unlock_FILEconfig();
  return loaded ? 1 : 0;
}

std::string orvDatas::keyConfigRefusal(const std::string& path, std::string* judged) {
  orv_configFile read;
  return keyFileRefusal(path, read, judged);
}

std::string orvDatas::keyFileRefusal(const std::string& path, orv_configFile& read,
                                     std::string* judged) {
  struct stat st {};
  if (::stat(orv::devicePath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size == 0)
    return "fichier absent ou vide";
  // Judged by its size before any byte is read, and read no further than the bound in
  // case it grows meanwhile: a board with 64 MB must never hold a large key file.
  if (st.st_size > kKeyConfigMaxBytes) return "fichier trop grand";
  std::ifstream in(orv::devicePath(path), std::ios::binary);
  std::string bytes(kKeyConfigMaxBytes + 1, '\0');
  in.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  if (bytes.size() > static_cast<size_t>(kKeyConfigMaxBytes)) return "fichier trop grand";
  if (bytes.empty()) return "fichier absent ou vide";
  if (bytes.find('\0') != std::string::npos) return "octet nul, pas un fichier texte";
  orv_configFile::EntryIterator entry;
  if (read.readText(bytes, path) == 0 || !read.findEntry(ORV_CFG_TAG[CFG_SRV_ID], kGeneral, entry))
    return std::string("pas de ") + ORV_CFG_TAG[CFG_SRV_ID] + " en section " + kGeneral;
  // Judged as it will be loaded: an older version's file once migrated.
  orv_configFile file = read;
  migrateOlderVersion(file);
  // Under DHCP the address keys hold the last lease, "0.0.0.0" when none came.
  const bool leased =
      file.findEntry(ORV_CFG_TAG[CFG_DHCP], kGeneral, entry) && entry->value == "1";
  orv_configFile::SectionList sections;
  file.getConfEntryList(sections);
  for (const auto& s : sections) {
    for (const auto& e : s.entries) {
      if (!isStoreKeyword(e.keyword)) continue;
      const int id = getCFG_ID_fromKeyString(e.keyword);
      // An empty value reads as the key's default; the store's own files hold some.
      if (e.value.empty() && id != CFG_SRV_ID) continue;
      const bool leaseRecord = leased && (id == CFG_IP || id == CFG_MASK || id == CFG_GW);
      const std::string why = !leaseRecord            ? netCFG_refusal(e.keyword, e.value)
                              : isDottedIPv4(e.value) ? ""
                                                      : "adresse illisible";
      if (!why.empty()) return e.keyword + ": " + why;
    }
  }
  // A static address, mask and gateway the device would take together.
  if (!leased) {
    auto value = [&](int id) {
      return file.findEntry(ORV_CFG_TAG[id], kGeneral, entry) && !entry->value.empty()
                 ? entry->value
                 : std::string(ORV_CFG_KEYS[id].text);
    };
    if (const char* refused = newStaticNetworkRefusal(value(CFG_IP), value(CFG_MASK), value(CFG_GW)))
      return std::string(refused) + ": reseau statique inutilisable avec ces reglages";
  }
  if (judged) judged->swap(bytes);
  return "";
}

void orvDatas::dropUnknownKeys(orv_configFile& loaded) {
  orv_configFile::SectionList sections;
  loaded.getConfEntryList(sections);
  for (const auto& s : sections)
    for (const auto& e : s.entries)
      if (e.keyword != "-" && !isStoreKeyword(e.keyword)) config.delVar(e.keyword, s.name);
}

void orvDatas::mergeIntoConfig(orv_configFile& loaded) {
  orv_configFile::SectionList sections;
  loaded.getConfEntryList(sections);
  for (const auto& s : sections) {
    config.addSection(s.name, s.comment);
    for (const auto& e : s.entries) config.setVar(e.keyword, e.value, s.name, e.comment);
  }
}

// Checks made at every load; what they insert or cap stays in memory.
void orvDatas::finalLoadChecks() {
  if (!lock_ORVconfig()) {
    std::printf("[orvDatas] readORVconfigFile: verrou non obtenu, controles sautes\n");
    return;
  }
  const int delays[] = {CFG_ALARME_TEMPORISATION, CFG_ALARME_TEMPORISATION_NUIT};
  std::string delayText[2];
  for (int i = 0; i < 2; ++i)
    delayText[i] = config.get<std::string>(ORV_CFG_TAG[delays[i]], "", kGeneral);
  std::string tare = config.get<std::string>(ORV_CFG_TAG[CFG_TARE_DATE], "NC", kGeneral);
  std::printf("====>%s\n", tare.c_str());
  for (int i = 0; i < 2; ++i)
    if (std::strtod(delayText[i].c_str(), nullptr) > 90.0)
      config.setVar(ORV_CFG_TAG[delays[i]], "90", kGeneral);
  unlock_ORVconfig();
}

// ---- Writing -----------------------------------------------------------------------------

int orvDatas::saveConfigFile(const std::string& path) {
  if (!lock_FILEconfig()) return -1;
  if (!lock_ORVconfig()) {
    unlock_FILEconfig();
    return -1;
  }
  std::string text = config.fileText();
  unlock_ORVconfig();
  int ok = orvFileReplace(path.c_str(), text);
  unlock_FILEconfig();
  return ok;
}

int orvDatas::changeAndSave(const std::function<bool()>& change) {
  if (!lock_FILEconfig()) return -1;
  if (!lock_ORVconfig()) {
    unlock_FILEconfig();
    return -1;
  }
  const orv_configFile before = config;
  int rc = 1;
  if (change() && orvFileReplace(configPath.c_str(), config.fileText()) != 1) {
    config = before;
    rc = 0;
  }
  unlock_ORVconfig();
  unlock_FILEconfig();
  return rc;
}

int orvDatas::setCFG_set(const std::list<std::pair<int, std::string>>& settings) {
  const int rc = changeAndSave([&] {
    bool changed = false;
    for (const auto& s : settings)
      if (cfgKeyType(s.first) != CFG_NONE && config.setVar(ORV_CFG_TAG[s.first], s.second, kGeneral, ""))
        changed = true;
    return changed;
  });
  if (rc != 1) {
    std::printf("[orvDatas] reglages non enregistres: %s\n",
                rc < 0 ? "verrou non obtenu" : ("fichier " + configPath + " non ecrit").c_str());
    std::fflush(stdout);
  }
  return rc == 1 ? 1 : 0;
}

int orvDatas::storeEntry(const std::string& keyword, const std::string& value,
                         const std::string& section, bool write, bool* failed) {
  *failed = false;
  if (!lock_ORVconfig()) {
    std::printf("[orvDatas] %s non enregistre: verrou non obtenu\n", keyword.c_str());
    std::fflush(stdout);
    *failed = true;
    return 0;
  }
  int changed = config.setVar(keyword, value, section, "");
  unlock_ORVconfig();
  if (write && changed) {
    int rc = saveConfigFile(configPath);
    if (rc != 1) {
      std::printf("[orvDatas] %s: fichier %s non ecrit%s\n", keyword.c_str(), configPath.c_str(),
                  rc < 0 ? " (verrou non obtenu)" : "");
      std::fflush(stdout);
      *failed = true;
    }
  }
  return changed;
}

int orvDatas::writeToConfigFile(std::string keyword, std::string value, std::string section,
                                bool write) {
  bool failed;
  return storeEntry(keyword, value, section, write, &failed);
}

int orvDatas::writeAllToConfigFile() { return saveConfigFile(configPath) == 1 ? 1 : 0; }

// ---- Settings by key id ------------------------------------------------------------------

int orvDatas::getCFG_ID_fromKeyString(const std::string& keyword) {
  if (keyword.empty()) return -1;
  for (int id = 0; id < ORV_CFG_KEY_COUNT; ++id)
    if (keyword == ORV_CFG_TAG[id]) return id;
  return -1;
}

cfg_value_t orvDatas::getCFG_struct(int id) {
  cfg_value_t r;
  CfgType type = cfgKeyType(id);
  if (type == CFG_NONE || id == CFG_HPF_H || id == CFG_HPF_J) return r;
  // The board-dependent defaults run shell commands: done before taking the lock.
  const std::string computed = ORV_CFG_KEYS[id].text ? "" : computedDefault(id);
  if (!lock_ORVconfig()) {
    std::printf("[orvDatas] getCFG_struct(%d): verrou non obtenu\n", id);
    std::fflush(stdout);
    return r;
  }
  r = readKeyLocked(id, computed);
  unlock_ORVconfig();
  return r;
}

cfg_value_t orvDatas::readKeyLocked(int id, const std::string& computedDefault) {
  cfg_value_t r;
  const CfgKeyDef& def = ORV_CFG_KEYS[id];
  const std::string keyword = ORV_CFG_TAG[id];
  switch (def.type) {
    case CFG_CHAR:
      r.charValue = config.get<char>(keyword, static_cast<char>(def.number), kGeneral);
      break;
    case CFG_INT: {
      int v = config.get<int>(keyword, static_cast<int>(def.number), kGeneral);
      if ((id == CFG_ALARME_TEMPORISATION || id == CFG_ALARME_TEMPORISATION_NUIT) && v > 90)
        v = 90;  // low-level alarm delays are capped at 90 minutes
      if (id == CFG_DHCP || id == CFG_FLAG_REFOIDISSEUR)
        r.charValue = static_cast<char>(v);
      else
        r.intValue = v;
      break;
    }
    case CFG_FLOAT:
      r.floatValue = static_cast<float>(config.get<double>(keyword, def.number, kGeneral));
      break;
    case CFG_STRING: {
      const std::string fallback = def.text ? def.text : computedDefault;
      if (id == CFG_COLUMN_TYPE || id == CFG_ORV_NAME) {
        r.stringValue = config.getCString(keyword, fallback.c_str(), kGeneral);
      } else {
        r.stringValue = config.get<std::string>(keyword, fallback, kGeneral);
        // A Wi-Fi network name or key may hold blanks: read whole (the typed read above
        // still puts a missing key's default in place).
        if (id == CFG_WIFI_SSID || id == CFG_WIFI_KEY)
          r.stringValue = config.getCString(keyword, fallback.c_str(), kGeneral);
      }
      break;
    }
    case CFG_NONE:
      break;
  }
  return r;
}

int orvDatas::setCFG_struct(int id, const void* value) {
  CfgType type = cfgKeyType(id);
  if (type == CFG_NONE) return 1;  // module keys belong to the module clients
  if (!value) return 0;
  std::string text;
  char number[64];
  switch (type) {
    case CFG_CHAR:
      text.assign(1, *static_cast<const char*>(value));
      break;
    case CFG_INT:
      std::snprintf(number, sizeof number, "%d", *static_cast<const int*>(value));
      text = number;
      break;
    case CFG_FLOAT:
      std::snprintf(number, sizeof number, "%f",
                    static_cast<double>(*static_cast<const float*>(value)));
      text = number;
      break;
    case CFG_STRING:
      text = static_cast<const char*>(value);
      break;
    case CFG_NONE:
      break;
  }
  bool failed;
  storeEntry(ORV_CFG_TAG[id], text, kGeneral, true, &failed);
  return failed ? 0 : 1;
}

// ---- Received configuration --------------------------------------------------------------

std::string orvDatas::netCFG_refusal(const std::string& keyword, const std::string& value) {
  int id = getCFG_ID_fromKeyString(keyword);
  if (id < 0) {
    ModKeyType type;
    int moduleId = -1;
    if (!moduleKeyType(keyword, &type, &moduleId)) return "cle inconnue";
    bool fits = false;
    switch (type) {
      case ModKeyType::U8: fits = isIntegerText(value, 0, UINT8_MAX); break;
      case ModKeyType::I32: fits = isIntegerText(value, INT32_MIN, INT32_MAX); break;
      case ModKeyType::U32: fits = isIntegerText(value, 0, UINT32_MAX); break;
      case ModKeyType::F32: fits = cfgTextFitsType(CFG_FLOAT, value); break;
    }
    fits = fits && moduleValueAllowed(moduleId, std::strtod(value.c_str(), nullptr));
    return fits ? "" : "valeur non numerique ou hors limites";
  }
  if (!cfgTextFitsType(cfgKeyType(id), value)) return "valeur d'un autre type que la cle";
  if (!cfgValueInWizardRange(id, std::strtod(value.c_str(), nullptr)))
    return "valeur hors des limites de l'assistant";
  bool usable = true;
  switch (id) {
    case CFG_IFACE:
      // A board whose kernel is a "brindlow" one has no Wi-Fi dongle interface.
      usable = isKnownInterface(value) &&
               !(value == "ra0" && read_KernelVersion().find("brindlow") != std::string::npos);
      break;
    case CFG_DHCP: usable = value == "0" || value == "1"; break;
    case CFG_IP: usable = isDeviceAddress(value); break;
    case CFG_GW: usable = isGatewayAddress(value); break;
    case CFG_MASK: usable = isNetmask(value); break;
    case CFG_MACADDR: usable = isMacAddress(value); break;
    case CFG_STFP_IP: usable = isServerAddress(value); break;
    default: break;
  }
  return usable ? "" : "reglage reseau inutilisable";
}

bool orvDatas::isNetworkSettingKey(const std::string& keyword) {
  const int id = getCFG_ID_fromKeyString(keyword);
  return id == CFG_IFACE || id == CFG_DHCP || id == CFG_IP || id == CFG_MASK || id == CFG_GW;
}

std::string orvDatas::networkSetRefusalLocked(
    const std::list<std::pair<std::string, std::string>>& pairs) {
  // The setting the device would run with: the list's network values (the last of a key
  // wins) over the stored ones.
  std::map<int, std::string> received;
  for (const auto& p : pairs)
    if (isNetworkSettingKey(p.first)) received[getCFG_ID_fromKeyString(p.first)] = p.second;
  if (received.empty()) return "";
  auto merged = [&](int id) {
    auto it = received.find(id);
    return it != received.end() ? it->second : readKeyLocked(id, "").stringValue;
  };
  const auto dhcp = received.find(CFG_DHCP);
  if (dhcp != received.end() ? dhcp->second == "1" : readKeyLocked(CFG_DHCP, "").charValue == 1)
    return "";
  const char* refused =
      newStaticNetworkRefusal(merged(CFG_IP), merged(CFG_MASK), merged(CFG_GW));
  return refused ? std::string(refused) + ": reseau statique inutilisable avec ces reglages" : "";
}

int orvDatas::dispatchNetCFG_List(std::list<std::pair<std::string, std::string>>& pairs) {
  return dispatchNetCFG_List(pairs, nullptr);
}

int orvDatas::dispatchNetCFG_List(std::list<std::pair<std::string, std::string>>& pairs,
                                  std::list<std::pair<std::string, std::string>>* applied) {
  if (applied) applied->clear();
  if (pairs.empty()) return 0;
  // Each value on its own first, before the locks (an interface check may run a command).
  std::vector<std::string> refusals;
  std::string networkRefusal;
  for (const auto& p : pairs) {
    refusals.push_back(netCFG_refusal(p.first, p.second));
    if (networkRefusal.empty() && isNetworkSettingKey(p.first) && !refusals.back().empty())
      networkRefusal = p.first + ": " + refusals.back();
  }
  ModuleMarks marks;
  std::list<std::pair<std::string, std::string>> taken;
  const int saved = changeAndSave([&] {
    // The network pairs are judged over the stored values and taken all together or not
    // at all: the device must never be left on a new address with its old mask.
    if (networkRefusal.empty()) networkRefusal = networkSetRefusalLocked(pairs);
    bool changed = false;
    auto refusal = refusals.begin();
    for (const auto& p : pairs) {
      const std::string section = receivedPairSection(p, *refusal++, networkRefusal, &marks);
      if (section.empty()) continue;
      if (config.setVar(p.first, p.second, section, "")) changed = true;
      taken.push_back(p);
    }
    return changed;
  });
  if (saved == 1) {
    if (applied) applied->swap(taken);
    sendModuleConfigs(marks);
  } else {
    std::printf("[orvDatas] dispatchNetCFG_List: rien applique, %s\n",
                saved < 0 ? "verrou non obtenu" : ("fichier " + configPath + " non ecrit").c_str());
  }
  std::fflush(stdout);
  return 1;
}

std::string orvDatas::receivedPairSection(const std::pair<std::string, std::string>& p,
                                          const std::string& pairRefusal,
                                          const std::string& networkRefusal,
                                          ModuleMarks* marks) {
  const std::string& keyword = p.first;
  const std::string refusal = !networkRefusal.empty() && isNetworkSettingKey(keyword)
                                  ? "reglages reseau refuses ensemble, " + networkRefusal
                                  : pairRefusal;
  if (!refusal.empty()) {
    std::printf("[orvDatas] dispatchNetCFG_List: %s refuse (%s)\n", keyword.c_str(),
                refusal.c_str());
    return "";
  }
  if (keyword.find("z2_CM_") != std::string::npos &&
      keyword.find("z2_CM_TYPE") == std::string::npos) {
    marks->mesV2 = true;
    return "Module_Mesure_V2";
  }
  if (keyword.find("z0_HPF") != std::string::npos) {
    marks->hpf = true;
    return "Module_HPF";
  }
  if (keyword.find("_ENER_") != std::string::npos) {
    // ENERGIE module n names its keys "z" followed by the digit 6 + n (0..2, checked
    // with the keyword above).
    const int n = keyword[1] - '6';
    marks->ener[n] = true;
    return "Module_Energie_" + std::to_string(n);
  }
  return kGeneral;
}

// The module centre hands the new settings to the connected modules (V2 card, HPF,
// ENERGIE 0..2) and queues their configuration command.
void orvDatas::sendModuleConfigs(const ModuleMarks& marks) {
  ModuleConfigPush push = moduleConfigPush();
  if (push && (marks.mesV2 || marks.hpf || marks.ener[0] || marks.ener[1] || marks.ener[2]))
    push(marks.mesV2, marks.hpf, marks.ener);
}

// ---- Network settings --------------------------------------------------------------------

void orvDatas::get_ORVnetworkConfig(network_conf_t& out) {
  copyField(out.dm9000Version, sizeof out.dm9000Version, getCFG_struct(CFG_DM9000_VER).stringValue);
  copyField(out.macAddress, sizeof out.macAddress, getCFG_struct(CFG_MACADDR).stringValue);
  copyField(out.iface, sizeof out.iface, getCFG_struct(CFG_IFACE).stringValue);
  out.dhcp = dhcpInUse() ? 1 : 0;
  copyField(out.ip, sizeof out.ip, getCFG_struct(CFG_IP).stringValue);
  copyField(out.mask, sizeof out.mask, getCFG_struct(CFG_MASK).stringValue);
  copyField(out.gateway, sizeof out.gateway, getCFG_struct(CFG_GW).stringValue);
  copyField(out.wifiSsid, sizeof out.wifiSsid, getCFG_struct(CFG_WIFI_SSID).stringValue);
  out.wifiType = getCFG_struct(CFG_WIFI_TYPE).intValue;
  copyField(out.wifiKey, sizeof out.wifiKey, getCFG_struct(CFG_WIFI_KEY).stringValue);
}

void orvDatas::set_ORVnetworkConfig(network_conf_t& in) {
  auto setText = [this](int id, const char* field, size_t width) {
    std::string text = fieldText(field, width);
    setCFG_struct(id, text.c_str());
  };
  setText(CFG_DM9000_VER, in.dm9000Version, sizeof in.dm9000Version);
  setText(CFG_MACADDR, in.macAddress, sizeof in.macAddress);
  setText(CFG_IFACE, in.iface, sizeof in.iface);
  int dhcp = in.dhcp;
  setCFG_struct(CFG_DHCP, &dhcp);
  setText(CFG_IP, in.ip, sizeof in.ip);
  setText(CFG_MASK, in.mask, sizeof in.mask);
  setText(CFG_GW, in.gateway, sizeof in.gateway);
  setText(CFG_WIFI_SSID, in.wifiSsid, sizeof in.wifiSsid);
  int wifiType = in.wifiType;
  setCFG_struct(CFG_WIFI_TYPE, &wifiType);
  setText(CFG_WIFI_KEY, in.wifiKey, sizeof in.wifiKey);
}

std::string orvDatas::getSFTP_ip() { return getCFG_struct(CFG_STFP_IP).stringValue; }

bool orvDatas::dhcpInUse() { return getCFG_struct(CFG_DHCP).charValue == 1; }

// ---- Small values ------------------------------------------------------------------------

void orvDatas::setNewCharge(float charge) { newCharge.store(charge); }
float orvDatas::getNewCharge() { return newCharge.load(); }

void orvDatas::setYesOrNoLeak(std::string answer) {
  std::lock_guard<std::mutex> hold(leakAnswerLock);
  yesOrNoLeak = std::move(answer);
}

std::string orvDatas::getYesOrNoLeak() {
  std::lock_guard<std::mutex> hold(leakAnswerLock);
  return yesOrNoLeak;
}
