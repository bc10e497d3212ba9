// The process-wide store of the controller: the in-memory copy of "/home/ORV/config.conf"
// served by key id (section "General"), its creation with defaults and the migration of
// older files, the configuration changes received from the server, and the shared
// measurement record. The core creates it once and registers it in orv_classPtr slot 1.
//
// Locks (each taken with a 2-second timeout; a caller that does not get it skips its work):
//  - lock_ORVconfig guards every read and edit of the in-memory configuration, the key-id
//    operations, the loader and the module sections alike;
//  - lock_FILEconfig serialises writing the file to disk; a writer takes it first and then
//    the key lock for the moment it copies the content (order: file lock, then key lock);
//  - lock_ORVmesure guards the measurement record and is never held with the other two.
// The key lock is not recursive: a caller holding lock_ORVconfig edits ORV_FileConfig_ptr()
// directly and calls writeAllToConfigFile() only after releasing it. The file lock is, so
// that replaceConfigText() holds it across the load, which may save the file again.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <list>
#include <mutex>
#include <string>
#include <utility>

#include "modules_config.h"
#include "orvCfgKeys.h"
#include "orv_configFile.h"
#include "struct_mesure.h"

// Network settings of keys 77..86; texts zero-terminated within their field.
struct __attribute__((packed)) network_conf_t {
  char dm9000Version[8];  // 77 CONFIG_DM9000_VER
  char macAddress[20];    // 78 CONFIG_MACADDR
  char iface[8];          // 79 CONFIG_IFACE
  uint8_t dhcp;           // 80 CONFIG_DHCP, 0 or 1
  char ip[16];            // 81 CONFIG_IP
  char mask[16];          // 82 CONFIG_MASK
  char gateway[16];       // 83 CONFIG_GW
  char wifiSsid[60];      // 84 CONFIG_WIFI_SSID
  int32_t wifiType;       // 85 CONFIG_WIFI_TYPE
  char wifiKey[63];       // 86 CONFIG_WIFI_KEY
};
static_assert(sizeof(network_conf_t) == 212, "network_conf_t layout");

class orvDatas {
public:
  // Prints "[orvDatas] Started" and loads the configuration (init_orvDatas).
  orvDatas();
  virtual ~orvDatas();
  // The embedded configuration file; edit it only while holding lock_ORVconfig.
  virtual orv_configFile* ORV_FileConfig_ptr();

  // 1 when the configuration was loaded, 0 when the loader refused.
  int init_orvDatas();
  // Loads section "General" from `path` (a device path), creating the live file with
  // defaults when it is missing or empty at the first load, or migrating an older file.
  // 0 for an empty path, and for a missing or empty file when that would replace settings
  // already held (any path other than the live file, or a reload): memory stays as it was.
  // A file other than the live one must read as a device configuration (else 0, see
  // keyConfigRefusal()); only the keys the store knows are taken from it, and it is never
  // written: an older version's file is migrated in memory only.
  int readORVconfigFile(const std::string& path);
  // Puts `text` (a restored backup, the bytes keyConfigRefusal() judged) in place of the
  // live file and loads it, as one step for the store's writers: the file lock is held
  // from the write to the end of the load, so no save of the settings held in memory can
  // fall between them and write the replaced ones back. 1 when replaced and loaded; 0 when
  // the lock timed out, the write failed (the live file stays as it was) or the load
  // refused the file.
  int replaceConfigText(const std::string& text);
  // Why a configuration file from elsewhere (a USB key) must not replace this device's
  // settings, "" when it may: a text file (no NUL byte) of at most kKeyConfigMaxBytes,
  // refused by its size before it is read, with the device's identity (CONFIG_SRV_ID in
  // section General), each known key's value passing netCFG_refusal() once an older
  // version's file is migrated as the loader migrates it. Unknown keys do not refuse the
  // file; they are left out when it is loaded. The file is read once: `judged`, when
  // given, receives the bytes accepted, the only ones to install (the file may change
  // after its judgement).
  static std::string keyConfigRefusal(const std::string& path, std::string* judged = nullptr);
  // A device's own file is about 5 KB; a key file beyond this is no configuration and is
  // never read into memory.
  static constexpr long kKeyConfigMaxBytes = 256 * 1024;
  // The live file, "/home/ORV/config.conf".
  const std::string& configFilePath() const { return configPath; }
  // True when the last load had to write the file (created or migrated) and could not.
  bool configWriteFailedAtLoad() const { return writeFailedAtLoad_; }

  int lock_FILEconfig();
  void unlock_FILEconfig();
  int lock_ORVconfig();
  void unlock_ORVconfig();
  int lock_ORVmesure();
  void unlock_ORVmesure();

  // Settings of section "General" by key id 0..113. Other ids give the all-zero record.
  cfg_value_t getCFG_struct(int id);
  // `value` points to a char, int, float or zero-terminated text by the key's type. The
  // file is rewritten only when the text changed. 1 when stored (or unchanged, or an id
  // the store does not serve), 0 when a lock timed out or the file could not be written.
  int setCFG_struct(int id, const void* value);
  // Stores settings of section "General" (key id, value as the file holds it) as one change:
  // one hold of the locks, one file write. When a lock times out or the file cannot be
  // written, none of them is kept, in the file or in memory. 1 when stored (or unchanged),
  // 0 when not.
  int setCFG_set(const std::list<std::pair<int, std::string>>& settings);
  // Sets one entry in any section; with `write`, a change rewrites the file. Nonzero when
  // the entry was added or changed, 0 when unchanged or the key lock timed out.
  int writeToConfigFile(std::string keyword, std::string value, std::string section, bool write);
  // Rewrites the file from memory: 1 when written, 0 on a lock timeout or write failure.
  int writeAllToConfigFile();
  // Id of a keyword of section "General" (exact match), -1 when none. No lock, no data.
  static int getCFG_ID_fromKeyString(const std::string& keyword);

  // Applies keyword/value pairs received from the server: each goes to its module section
  // or to "General", and the file is rewritten once when something changed. A pair that
  // netCFG_refusal() refuses is left out with a console trace, and so are all the network
  // pairs when the setting they make over the stored values is not usable as a whole (a
  // static one must pass newStaticNetworkRefusal()), judged under the same hold of the
  // locks as the pairs are applied. When a lock times out or the file cannot be written,
  // none is applied. `applied`, when given, receives the pairs that were (unchanged ones
  // included). 0 for an empty list, else 1.
  int dispatchNetCFG_List(std::list<std::pair<std::string, std::string>>& pairs);
  int dispatchNetCFG_List(std::list<std::pair<std::string, std::string>>& pairs,
                          std::list<std::pair<std::string, std::string>>* applied);
  // The keys that make the device's network setting together: CONFIG_IFACE, CONFIG_DHCP,
  // CONFIG_IP, CONFIG_MASK and CONFIG_GW.
  static bool isNetworkSettingKey(const std::string& keyword);
  // Why a setting received from the server must not be applied, "" when it may: the
  // keyword is one the store keeps (section "General" or a module section), the value is
  // of the key's type, a network value is one the device stays reachable with (an
  // interface of the board as the network page lists them, dotted addresses and mask, a
  // MAC address, a server name), a number describing the plant lies within the wizard's
  // range and a module value is one the module screens offer (moduleValueAllowed()).
  static std::string netCFG_refusal(const std::string& keyword, const std::string& value);
  // True when a value for a key of a module section (`text`, as the file would hold it)
  // would not be taken from the server either: the console then names `what`, the
  // section and the key, and what is `kept` in its place.
  static bool refusedModuleValue(const char* what, const std::string& section,
                                 const std::string& key, const std::string& text,
                                 const char* kept = "valeur enregistree conservee");

  void get_ORVnetworkConfig(network_conf_t& out);
  void set_ORVnetworkConfig(network_conf_t& in);
  std::string getSFTP_ip();
  // CONFIG_DHCP as the device applies it: the store keeps that int key in its char value,
  // and 1 means the address comes from DHCP.
  bool dhcpInUse();

  // Values exchanged between the screens and the processing thread.
  void setNewCharge(float charge);
  float getNewCharge();
  void setYesOrNoLeak(std::string answer);
  std::string getYesOrNoLeak();

  // Measurement record (record lock held for each whole operation).
  mes_value_t getMES_struct(int index);
  // Stores one field: 4 bytes for float and int fields, an int whose low byte is stored
  // for byte fields, one char for char fields. Always 1.
  int setMES_struct(int index, const void* value);
  void get_ORVmesure(struct_mesure& out);
  struct_mesure getS_ORVmesure();
  void set_ORVmesure(const struct_mesure* in);
  void get_ORVmodsDatas(modules_exchange_t& out);
  void set_ORVmodsDatas(const modules_exchange_t* in);
  void get_ORVcumulsPuissanceDatas(struct_cumul_puissanse& out);
  void set_ORVcumulsPuissanceDatas(const struct_cumul_puissanse* in);
  // Refrigerant state n + 1 for n = 0, 1, 2; any other n copies nothing.
  void get_ORVmesureFluidData(int n, struct_fluid_datas& out);
  void set_ORVmesureFluidData(int n, const struct_fluid_datas* in);
  void get_ORVmesureValCalcul(struct_valeurs_calculees& out);
  void set_ORVmesureValCalcul(const struct_valeurs_calculees* in);
  // Initial values: all 0 but indexes 500, 501 and the module readings, 999.0.
  void init_ORVmesure(struct_mesure& rec);

  // Module sections of the configuration file (orvDatas_modules.cpp). A read fills the
  // record from the section, inserting the default of every missing key in memory; it
  // returns 1, or 0 when the key lock timed out (the record is left as it was). A write
  // sets every key from the record and rewrites the file: 1, or 0 when nothing could be
  // written. A clean removes the keys from memory only.
  int readMESv2_Config_fromFile(cm_config_t& cfg);
  int writeMESv2_Config_toFile(cm_config_t& cfg);
  void cleanMESv2_Config();
  int readMESv1_Config_fromFile(cmV1_config_t* cfg);
  int writeMESv1_Config_toFile(cmV1_config_t* cfg);
  void cleanMESv1_Config();
  int readHPF_Config_fromFile(hp_global_config_t* cfg);
  int writeHPF_Config_toFile(hp_global_config_t* cfg);
  void cleanHPF_Config();
  // ENERGIE module n = 0..2, section "Module_Energie_<n>"; other n do nothing (0).
  int readENER_Config_fromFile(int n, energyORV_cfg_t* cfg);
  int writeENER_Config_toFile(int n, energyORV_cfg_t* cfg);
  void cleanENER_Config();
  void cleanENER_id_Config(int n);
  // The plant values sent to the HPF module, from the measurement record; nothing is
  // filled when the record lock times out.
  void get_ORVtoHPFdatas(orv_toHP_datas_t& out);

private:
  // Modules whose section a received configuration changed.
  struct ModuleMarks {
    bool mesV2 = false;
    bool hpf = false;
    bool ener[3] = {false, false, false};
  };

  cfg_value_t readKeyLocked(int id, const std::string& computedDefault);
  // Why the network values of `pairs`, each already accepted on its own, must not be
  // applied together: the setting they make over the stored values, read with the key lock
  // held by the caller, is not usable. "" when it is, or when there are none.
  std::string networkSetRefusalLocked(const std::list<std::pair<std::string, std::string>>& pairs);
  // Section of a received pair (marking its module), "" when the pair is refused, with a
  // console trace: by `pairRefusal` (its own value's), or by `networkRefusal` for all the
  // network pairs together.
  static std::string receivedPairSection(const std::pair<std::string, std::string>& p,
                                         const std::string& pairRefusal,
                                         const std::string& networkRefusal, ModuleMarks* marks);
  // Runs `change` on the configuration in memory and writes the file once, the file and
  // key locks held throughout; `change` tells whether it changed anything. A failed write
  // puts memory back as it was. 1 written or unchanged, 0 write failed, -1 lock timed out.
  int changeAndSave(const std::function<bool()>& change);
  // Writes the in-memory file to `path`: 1 written, 0 write failed, -1 a lock timed out.
  int saveConfigFile(const std::string& path);
  int storeEntry(const std::string& keyword, const std::string& value,
                 const std::string& section, bool write, bool* failed);
  void mergeIntoConfig(orv_configFile& loaded);
  void dropUnknownKeys(orv_configFile& loaded);
  // keyConfigRefusal() that leaves the file as read, not migrated, in `read`.
  static std::string keyFileRefusal(const std::string& path, orv_configFile& read,
                                    std::string* judged = nullptr);
  void finalLoadChecks();
  void sendModuleConfigs(const ModuleMarks& marks);
  // Copies one block of the record under the record lock; false on a timeout.
  template <typename T>
  bool copyUnderRecordLock(T& to, const T& from);

  orv_configFile config;
  std::recursive_timed_mutex fileLock;
  std::timed_mutex keyLock;
  std::timed_mutex recordLock;
  struct_mesure mesure;
  std::atomic<float> newCharge;
  std::mutex leakAnswerLock;  // the answer text is set by the GUI, read by the processing thread
  std::string yesOrNoLeak;
  std::string configPath;
  bool writeFailedAtLoad_ = false;
};
