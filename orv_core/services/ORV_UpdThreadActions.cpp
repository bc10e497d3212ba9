// The remote actions file "actions.xml": between a first and a last frame line, one
// action element per line, a setting, a shell command or an action code:
//   <action type="1" key="ALARME_TEMPORISATION" value="45" journal="1"/>
//   <action type="14" cmd="..."/>
//   <action type="2" journal="1"/>
// Settings go to the configuration store, commands and action codes to the core, in this
// order, once the whole file has been read.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <list>
#include <utility>

#include "ORV_UpdCore.h"
#include "ORV_UpdThread.h"
#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "orv_utils.h"

namespace {

// Longest key or command, and longest value. Each field is read one character wider: a
// field that fills its width is too long, and its line is refused whole.
constexpr size_t kKeyMost = 511;
constexpr size_t kValueMost = 63;
constexpr size_t kCommandMost = 511;
// Keys are letters, digits, "-", "_" and "."; values the same and the blank. Each "-" is
// written first in its set so that it is itself and never a range: "9-_" would also let
// through ": ; < = > ? @ [ \ ] ^", which forge journal fields or section headers.
// The first %n marks where the journal flag starts, as %d would skip a blank or take a sign;
// the last one proves that the closing "/> was there.
const char kSettingFormat[] =
    "  <action type=\"%d\" key=\"%512[-a-zA-Z0-9_.]\" value=\"%64[-a-zA-Z0-9_. ]\" "
    "journal=\"%n%d\"/>%n";
// %n proves that the closing "/> was there: an element cut short is refused.
const char kCommandFormat[] =
    "  <action type=\"%d\" cmd=\"%512[~&'|?+=)(){,};:!$*_-.%'<>/ a-zA-Z0-9]\"/>%n";
const char kActionFormat[] = "  <action type=\"%d\" journal=\"%d\"/>";

// Remote delays above 90 s are not allowed for these two alarm delays.
constexpr long kLongestAlarmDelay = 90;

bool contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

void refuseLine(size_t lineNumber, const char* why) {
  std::printf("ORV_UpdThread:: --- ligne %zu refusee: %s\n", lineNumber, why);
}

// A delay value that reads as a base-10 integer above 90 becomes "90".
void capAlarmDelay(const std::string& key, std::string& value) {
  if (key != "ALARME_TEMPORISATION" && key != "ALARME_TEMPORISATION_NUIT") return;
  char* end = nullptr;
  long delay = std::strtol(value.c_str(), &end, 10);
  if (end != value.c_str() && delay > kLongestAlarmDelay) value = std::to_string(kLongestAlarmDelay);
}

}  // namespace

int ORV_UpdThread::decodeActionFile(std::string path) {
  ORV_core::DBG_PrintCons("ORV_UpdThread:: -- decodeActionFile:: %s", path.c_str());
  if (!orvFileExist(path.c_str())) return 0;
  ORV_fileManip* files = core_ ? core_->ORV_fileManip_Ptr() : nullptr;
  ORV_fileManip reader;
  std::vector<std::string> lines;
  if (!(files ? files : &reader)->readFile_All(path.c_str(), &lines) || lines.size() < 3) {
    orvFileDelete(path.c_str());
    return 0;
  }

  std::list<std::pair<std::string, std::string>> settings;
  // Journal lines of the settings, in file order, written for those the store applied.
  std::vector<std::pair<std::string, std::string>> journalled;
  std::vector<std::string> commands;
  std::list<std::pair<int, bool>> actions;
  ORV_core* core = Singleton<orv_classPtr>::ptr()->core;
  orvDatas* store = datas();
  for (size_t n = 1; n + 1 < lines.size(); ++n) {
    const char* line = lines[n].c_str();
    int type = 0, journal = 0;
    if (contains(lines[n], "type=\"1\"")) {
      char key[kKeyMost + 2] = {0}, value[kValueMost + 2] = {0};
      if (!contains(lines[n], "key=") || !contains(lines[n], "value=")) continue;
      int flagAt = 0, closed = 0;
      if (std::sscanf(line, kSettingFormat, &type, key, value, &flagAt, &journal, &closed) != 4 ||
          closed == 0 || !std::isdigit(static_cast<unsigned char>(line[flagAt])) ||
          // Only blanks, or the CR of a CRLF file, may follow the element.
          lines[n].find_first_not_of(" \t\r", closed) != std::string::npos) {
        refuseLine(n + 1, "reglage mal forme");
        continue;
      }
      if (std::strlen(key) > kKeyMost || std::strlen(value) > kValueMost) {
        refuseLine(n + 1, "champ trop long");
        continue;
      }
      std::printf("ORV_UpdThread:: --- _iActionType= %d, _sKey= %s, _sValue= %s, _bJournal=%d\n",
                  type, key, value, journal);
      std::string k = key, v = value;
      capAlarmDelay(k, v);
      if (k == "CONFIG_FLUID") {
        // Loaded and stored by the core, not listed; journalled only when the plant's
        // refrigerant did change (an unknown name leaves it as it was).
        const std::string before = store ? store->getCFG_struct(CFG_FLUID).stringValue : "";
        if (core) core->change_FLuid(v);
        if (!store || store->getCFG_struct(CFG_FLUID).stringValue == before) journal = 0;
      } else {
        // Only a key the store keeps, with a value it can use, is applied and journalled.
        // The store judges the network keys together with the stored setting.
        const std::string refusal = store && orvDatas::isNetworkSettingKey(k)
                                        ? ""
                                        : orvDatas::netCFG_refusal(k, v);
        if (!refusal.empty()) {
          std::printf("ORV_UpdThread:: --- ligne %zu refusee: %s, %s\n", n + 1, k.c_str(),
                      refusal.c_str());
          continue;
        }
        if (contains(k, "z5_CONFIG_HPFcorrection") || contains(k, "z5_CONFIG_HPF_J") ||
            contains(k, "z5_CONFIG_HPF_H"))
          journal = 0;
        settings.emplace_back(k, v);
      }
      if (journal == 1) journalled.emplace_back(k, v);
    } else if (contains(lines[n], "type=\"14\"")) {
      char command[kCommandMost + 2] = {0};
      int closed = 0;
      if (!contains(lines[n], "cmd=")) continue;
      if (std::sscanf(line, kCommandFormat, &type, command, &closed) != 2 || closed == 0) {
        refuseLine(n + 1, "commande mal formee");
        continue;
      }
      if (std::strlen(command) > kCommandMost) {
        refuseLine(n + 1, "champ trop long");
        continue;
      }
      std::printf("ORV_UpdThread:: --- _iActionType= %d, cmd=%s\n", type, command);
      commands.emplace_back(command);
    } else if (contains(lines[n], "type=") && contains(lines[n], "journal=")) {
      if (std::sscanf(line, kActionFormat, &type, &journal) != 2) continue;
      std::printf("ORV_UpdThread:: --- _iActionType= %d, _bJournal=%d\n", type, journal);
      actions.emplace_back(type, journal != 0);
    }
  }

  std::list<std::pair<std::string, std::string>> applied;
  if (!settings.empty()) {
    if (store) store->dispatchNetCFG_List(settings, &applied);
    // The server gets the configuration back once it holds something of the file.
    if (!store || !applied.empty()) add_toSendFilesToServerList(5);
  }
  if (files) {
    for (const auto& j : journalled) {
      // The refrigerant was applied by the core above; a setting only as the store took it.
      if (j.first != "CONFIG_FLUID") {
        const auto taken = std::find(applied.begin(), applied.end(), j);
        if (taken == applied.end()) continue;
        applied.erase(taken);
      }
      files->write_logfile(E_EVT_ACTION_WRITE_CONFIG, j.first.c_str(), j.second.c_str(), "NET");
    }
  }
  if (!commands.empty() && core) core->dispatchNetCMDS_List(commands);
  if (!actions.empty() && core) core->dispatchNetACTIONS_List(actions);
  orvFileDelete(path.c_str());
  return static_cast<int>(lines.size()) - 2;
}
