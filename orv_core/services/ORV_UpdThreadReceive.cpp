// The receive pass: what the supervision server leaves for the device (the remote actions
// file, program archives, module firmware) is listed, fetched and handed on; the same
// machinery fetches the server ID file, a configuration backup and the comm test file.
//
// Every listed name comes from the server: only names of the exact form of their download
// type are taken, so that no server text can become a path outside its folder or a word
// of a command. Other names are refused with a console trace and stay on the server.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

#include "ModulsCenter.h"
#include "ORV_UpdCore.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "orvPlatform.h"
#include "orvVersion.h"
#include "orv_configFile.h"
#include "orv_classPtr.h"
#include "orv_utils.h"

namespace {

const std::string kServerRoot = "~/ORV/";
const char kDataDir[] = "/home/ORV/";
const char kFirmwareDir[] = "/home/ORV/firmware/";
const char kServerIdFile[] = "numerodossier.txt";
const char kActionsFile[] = "actions.xml";
const char kArchiveSuffix[] = ".tar.gz";

// Download table, by download type: listing pattern, folder listed first (under the
// device's server folder when `inDeviceFolder`, else under "~/ORV/"), fallback folder
// under "~/ORV/" (never emptied), local folder, remote file removed after the download.
struct DownloadType {
  const char* pattern;
  bool inDeviceFolder;
  const char* first;
  const char* fallback;
  const char* local;
  bool removeFromServer;
};
const DownloadType ORV_FILES_SRVUPD[8] = {
    {"actions.xml", true, "SversD/", nullptr, "/tmp/", true},
    {"ORV_10*.*", true, "programme/", "Programme/v10/", "/home/ORV/programme/", true},
    {"module_*.tar.gz", true, "firmware/", "firmware/", "/home/ORV/firmware/", true},
    {"module_MESURE.v*.tar.gz", true, "firmware/", "firmware/", "/home/ORV/firmware/", true},
    {"module_HPF.v*.tar.gz", true, "firmware/", "firmware/", "/home/ORV/firmware/", true},
    {"module_ENERGIE.v*.tar.gz", true, "firmware/", "firmware/", "/home/ORV/firmware/", true},
    {"testcom.txt", false, "compteur/", nullptr, "/tmp/", false},
    {"numerodossier.txt", false, "compteur/", nullptr, "/home/ORV/", true},
};

// Module firmware names by kind: 0 V2 measurement card, 1 HPF, 2 ENERGIE.
const char* const MOD_FIRM_NAME[3] = {"module_MESURE.v", "module_HPF.v", "module_ENERGIE.v"};
constexpr int kTagOther = 6;

// Reads 1 to `most` decimal digits at `pos`.
bool readDigits(const std::string& text, size_t& pos, size_t most) {
  size_t start = pos;
  while (pos < text.size() && pos - start < most && std::isdigit(static_cast<unsigned char>(text[pos])))
    ++pos;
  return pos > start && (pos >= text.size() || !std::isdigit(static_cast<unsigned char>(text[pos])));
}

// "ORV_<number>.tar.gz" or "ORV_<number>.sha256": the number.
bool programArchiveNumber(const std::string& name, int* number) {
  size_t pos = 4;
  if (name.compare(0, 4, "ORV_") != 0 || !readDigits(name, pos, 9)) return false;
  std::string rest = name.substr(pos);
  if (rest != kArchiveSuffix && rest != ".sha256") return false;
  *number = std::atoi(name.substr(4, pos - 4).c_str());
  return true;
}

// "module_<KIND>.v<number>[.<number>].tar.gz": the kind (0..2) and the version.
bool firmwareArchiveVersion(const std::string& name, int* kind, float* version) {
  for (int k = 0; k < 3; ++k) {
    const std::string prefix = MOD_FIRM_NAME[k];
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    size_t pos = prefix.size();
    if (!readDigits(name, pos, 4)) return false;
    if (name.compare(pos, 1, ".") == 0 && pos + 1 < name.size() &&
        std::isdigit(static_cast<unsigned char>(name[pos + 1]))) {
      ++pos;
      if (!readDigits(name, pos, 4)) return false;
    }
    if (name.substr(pos) != kArchiveSuffix) return false;
    *kind = k;
    *version = std::strtof(name.substr(prefix.size(), pos - prefix.size()).c_str(), nullptr);
    return true;
  }
  return false;
}

// A module at version `installed` takes `offered`: a known version, the same firmware line
// (both below 10.0 or both 10.0 and above), and newer.
bool moduleTakes(float installed, float offered) {
  return installed > 0.0f && (installed < 10.0f) == (offered < 10.0f) && installed < offered;
}

int runningVersion() {
  ORV_core* core = Singleton<orv_classPtr>::ptr()->core;
  int version = core ? core->ORV_version() : 0;
  return version > 0 ? version : orv::kVersionNumber;
}

void refuse(const std::string& remotePath) {
  ORV_core::DBG_PrintCons("ORV_UpdThread:: --- fichier serveur refuse (nom non conforme): %s",
                          remotePath.c_str());
}

bool contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

FirmwareModules* ORV_UpdThread::firmwareModules() const {
  if (firmwareModules_) return firmwareModules_;
  return Singleton<orv_classPtr>::ptr()->modules;
}

// --- Receive pass ---

// The checks run between the two flag changes; the flag keeps a GUI-thread pass and the
// loop's apart.
int ORV_UpdThread::receive_SFTP_files() {
  if (!receiveAllowed_ || serverReachable_ == 0) return 0;
  bool allowed = true;
  if (!receiveAllowed_.compare_exchange_strong(allowed, false)) return 0;
  // The device's own folder is named after its ID: without one there is nothing to fetch.
  if (loadServerTarget() == 0) {
    std::printf("ORV_UpdThread:: no server ID: receive pass not run\n");
    receiveAllowed_ = true;
    return 0;
  }

  std::printf("ORV_UpdThread::Checking: net actions\n");
  CheckActions();
  std::printf("Checking: net program update\n");
  int result = CheckProgramNetUpgrade();
  ORV_core* core = Singleton<orv_classPtr>::ptr()->core;
  if (result >= 1) {
    if (core) core->OnORV_RestartAction(result);
  } else if (CheckFirmwareNetUpgrade() > 0) {
    const FirmwareHandOver& h = handOver_;
    if (core)
      core->OnStartFirmwareUpdateViaScript(h.energyCount, h.energyVersion, h.energyUpdate,
                                           h.hpfVersion, h.hpfUpdate, h.mesVersion, h.mesUpdate);
    handOver_ = FirmwareHandOver();
  }
  receiveAllowed_ = true;
  return 1;
}

// --- Listing and download ---

bool ORV_UpdThread::acceptFirmware(int kind, float version, int* tag) {
  FirmwareModules* modules = firmwareModules();
  if (!modules) return false;
  auto takes = [&](int index) {
    return modules->isModul_connected(index) == 1 && moduleTakes(modules->Modul_firmVersion(index), version);
  };
  if (kind == 0 || kind == 1) {
    if (!takes(kind)) return false;
    *tag = kind + 1;
    if (kind == 0) {
      handOver_.mesUpdate = true;
      handOver_.mesVersion = version;
    } else {
      handOver_.hpfUpdate = true;
      handOver_.hpfVersion = version;
    }
    return true;
  }
  // ENERGIE: the first of the three modules that takes it.
  for (int index = 2; index <= 4; ++index) {
    if (!takes(index)) continue;
    *tag = index + 1;
    handOver_.energyUpdate = true;
    handOver_.energyVersion = version;
    handOver_.energyCount = modules->isModul_connected(4) == 1 ? 3 : 2;
    return true;
  }
  return false;
}

bool ORV_UpdThread::acceptListedName(int type, const std::string& remotePath, int* tag) {
  const std::string name = get_FileNameFromPath(remotePath);
  *tag = kTagOther;
  int kind = 0;
  float version = 0.0f;
  switch (type) {
    case 1: {
      int number = 0;
      if (!programArchiveNumber(name, &number)) break;
      std::printf("ORV_UpdThread:: --- server update file %s version= %d\n", name.c_str(), number);
      return number > runningVersion();
    }
    case 2:
      if (!firmwareArchiveVersion(name, &kind, &version)) break;
      return acceptFirmware(kind, version, tag);
    case 3:
    case 4:
    case 5:
      if (!firmwareArchiveVersion(name, &kind, &version) || kind != type - 3) break;
      return true;
    case 0:
    case 6:
    case 7:
      if (name != ORV_FILES_SRVUPD[type].pattern) break;
      return true;
    default:
      return false;
  }
  refuse(remotePath);
  return false;
}

int ORV_UpdThread::OnListFilesFromServer(int type, SftpDownloadMap& map) {
  if (type < 0 || type > 7) return static_cast<int>(map.size());
  const DownloadType& t = ORV_FILES_SRVUPD[type];
  const std::string first = (t.inDeviceFolder ? deviceDir() + "/" : kServerRoot) + t.first;
  std::vector<std::string> names;
  bool removeFromServer = t.removeFromServer;
  if (!curlListDir(first, names, t.pattern) || names.empty()) {
    names.clear();
    if (t.fallback) {
      curlListDir(kServerRoot + t.fallback, names, t.pattern);
      removeFromServer = false;  // the common folder serves every device
    }
  }
  for (const std::string& name : names) {
    int tag = 0;
    if (acceptListedName(type, name, &tag)) map[{name, t.local}] = {removeFromServer, tag};
  }
  return static_cast<int>(map.size());
}

int ORV_UpdThread::OnReceiveFilesFromServer(int type, SftpDownloadMap& map) {
  if (OnListFilesFromServer(type, map) == 0) return 2;
  for (const auto& entry : map)
    if (!orvDirExist(entry.first.second.c_str())) orvDirCreate(entry.first.second.c_str());
  if (!curlDownloadList(map)) return 3;
  int untagged = 0;
  for (const auto& entry : map) untagged += entry.second.second == 0 ? 1 : 0;
  return untagged;
}

// --- The checks of the pass ---

int ORV_UpdThread::CheckActions() {
  std::printf("ORV_UpdThread::** CheckActions\n");
  SftpDownloadMap map;
  int result = 0;
  if (OnReceiveFilesFromServer(0, map) == 0) {
    result = 1;
    for (const auto& entry : map)
      if (contains(entry.first.first, kActionsFile) && entry.second.second > 0 &&
          decodeActionFile(entry.first.second + kActionsFile) < 1)
        result = 0;
    if (result == 1) systemCommand("cp /home/ORV/config.conf /usr/share/");
  }
  OnSendFilesToServer(3);  // the download marker, whatever was found
  return result;
}

int ORV_UpdThread::CheckProgramNetUpgrade() {
  ORV_core::DBG_PrintCons("ORV_UpdThread::** CheckProgramNetUpgrade");
  SftpDownloadMap map;
  if (OnReceiveFilesFromServer(1, map) != 0) return 0;
  ORV_core* core = Singleton<orv_classPtr>::ptr()->core;
  int result = 0;
  for (const auto& entry : map) {
    const std::string& local = entry.first.second;
    if (!contains(entry.first.first, kArchiveSuffix) || entry.second.second <= 0 || !core) continue;
    result = core->UpdateSystemFS(local + get_FileNameFromPath(entry.first.first));
    if (result < 0)
      std::printf("ORV_UpdThread:: *** ERROR in Uncompressing SYSTEM UPDATE file %s\n", local.c_str());
    else
      std::printf("ORV_UpdThread:: *** SYSTEM UPDATE file %s AUTO-START after REBOOT...\n",
                  local.c_str());
  }
  return result;
}

int ORV_UpdThread::CheckFirmwareNetUpgrade() {
  ORV_core::DBG_PrintCons("ORV_UpdThread::** CheckFirmwareNetUpgrade");
  SftpDownloadMap map;
  if (OnReceiveFilesFromServer(2, map) != 0) return 0;
  ORV_fileManip* files = core_ ? core_->ORV_fileManip_Ptr() : nullptr;
  if (!files) return 0;
  int unpacked = 0;
  for (const auto& entry : map) {
    if (!contains(entry.first.first, kArchiveSuffix) || entry.second.second <= 0) continue;
    std::string name = get_FileNameFromPath(entry.first.first);
    if (files->uncomp_targz(entry.first.second + name, kFirmwareDir) == 0) {
      ++unpacked;
      continue;
    }
    string_replaceChar(name, kArchiveSuffix, ".hex");
    orvFileDelete((kFirmwareDir + name).c_str());
  }
  return unpacked;
}

int ORV_UpdThread::getFromServer_orvID() {
  if (orvFileExist((std::string(kDataDir) + kServerIdFile).c_str())) return 1;
  loadServerTarget();
  SftpDownloadMap map;
  return OnReceiveFilesFromServer(7, map) == 0 ? 1 : 0;
}

namespace {

// Puts the downloaded files in place of the live ones, both or neither. Each live file is
// copied aside first; when a replacement fails, the files already replaced get their copy
// back (or are removed when there was none), so the live files end as they were.
bool replaceBothOrNeither(const std::string (&downloaded)[2], const std::string (&live)[2]) {
  std::string keptCopy[2];
  bool kept[2] = {false, false};
  bool ok = true;
  for (int i = 0; i < 2 && ok; ++i) {
    keptCopy[i] = live[i] + ".before-backup";
    struct stat st;
    kept[i] = ::stat(orv::devicePath(live[i]).c_str(), &st) == 0 && S_ISREG(st.st_mode);
    if (kept[i]) ok = orvFileCopyReplace(live[i].c_str(), keptCopy[i].c_str()) == 1;
  }
  int replaced = 0;
  while (ok && replaced < 2) {
    ok = orvFileRename(downloaded[replaced].c_str(), live[replaced].c_str()) == 1;
    if (ok) ++replaced;
  }
  for (int i = 0; i < 2; ++i) {
    if (!ok && i < replaced) {
      if (kept[i])
        orvFileRename(keptCopy[i].c_str(), live[i].c_str());
      else
        orvFileDelete(live[i].c_str());
    }
    if (kept[i]) orvFileDelete(keptCopy[i].c_str());
    orvFileDelete(downloaded[i].c_str());
  }
  orvFileSync(kDataDir);
  return ok;
}

// A configuration worth putting in place holds section "General" with at least one
// setting: an empty or truncated download would bring the device up on defaults.
bool holdsGeneralSettings(const std::string& path) {
  orv_configFile file(path);
  orv_configFile::ConfigSection general;
  if (!file.getConfSectionEntryList("General", general)) return false;
  for (const orv_configFile::ConfigEntry& entry : general.entries)
    if (entry.keyword != "-") return true;
  return false;
}

}  // namespace

// Both files arrive under temporary names beside the live ones and replace them only
// once both are complete and the configuration holds settings: a failed transfer or an
// empty configuration leaves the live files as they were.
bool ORV_UpdThread::getBackupConf_FromServer(int id) {
  loadServerTarget();
  const std::string folder = kServerRoot + std::to_string(id) + "/";
  const char* const names[2] = {"config.conf", "moy.msr"};
  std::string temporary[2], live[2];
  bool complete = true;
  for (int i = 0; i < 2; ++i) {
    live[i] = std::string(kDataDir) + names[i];
    temporary[i] = live[i] + ".download";
    complete = complete && curlDownload(folder + names[i], temporary[i], false) == 1 &&
               orvFileSync(temporary[i].c_str()) == 1;
  }
  if (complete && !holdsGeneralSettings(temporary[0])) {
    complete = false;
    ORV_core::DBG_PrintCons("ORV_UpdThread:: sauvegarde %d sans section General", id);
  }
  if (!complete) {
    for (const std::string& path : temporary) orvFileDelete(path.c_str());
    ORV_core::DBG_PrintCons("ORV_UpdThread:: sauvegarde %d incomplete: configuration inchangee", id);
    return false;
  }
  if (!replaceBothOrNeither(temporary, live)) {
    ORV_core::DBG_PrintCons("ORV_UpdThread:: sauvegarde %d non installee: configuration inchangee",
                            id);
    return false;
  }
  return true;
}

int ORV_UpdThread::CheckTestCOMM() {
  SftpDownloadMap map;
  if (OnReceiveFilesFromServer(6, map) != 0) return 0;
  return OnSendFilesToServer(4) ? 2 : 1;
}
