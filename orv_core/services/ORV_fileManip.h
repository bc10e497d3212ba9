// The core's file service: the event journal, the generic line-file helpers, the day
// measurement file, the files exchanged with the supervision server (alarm file, markers,
// server ID file) and the files the board reads at its next boot (boot script, resolver,
// Wi-Fi driver settings, one-shot update script). One object, created and owned by the
// core and reached by every subsystem through ORV_core::ORV_fileManip_Ptr(). All paths are
// device paths.
#pragma once

#include <ctime>
#include <mutex>
#include <string>
#include <vector>

// Journal event code. Any int is a valid code; these are the ones the system names.
typedef int _EEventType;
enum : int {
  E_EVT_ACQ = 1,                         // alarm acknowledged (a: alarm code, c: origin)
  E_EVT_ORV_START = 4,                   // program start (c: "V10.04.05")
  E_EVT_ALARM_TYPE1 = 100,               // statistical leak alarm
  E_EVT_ALARM_CUVE_LOW_LEVEL = 103,
  E_EVT_DEFAUT_PT100_TEXT = 104,
  E_EVT_DEFAUT_PT100_TENT = 105,
  E_EVT_DEFAUT_PT100_TSOR = 106,
  E_EVT_DEFAUT_PT100_TASP = 107,
  E_EVT_DEFAUT_JAUGE_CONTRAINTE = 109,
  E_EVT_DEFAUT_PRESSION_HP = 110,
  E_EVT_DEFAUT_PRESSION_BP = 111,
  E_EVT_DEFAUT_COM_CARTE_MESURE = 112,
  E_EVT_RESTART_COM = 114,               // restart of the bus communication
  LOG_ERROR = 201,                       // day measurement line lost ("0", "4")
  E_EVT_CONSULT_JOURNAL = 4001,          // sensor sanity check failed
  E_EVT_ACTION_WRITE_CONFIG = 5000,      // remote configuration change
  E_EVT_ACTION_REARMEMENT = 5001,        // remote acknowledgement
  E_EVT_ACTION_REAPP = 5002,             // relearning started
  E_EVT_ACTION_SEND = 5003               // remote request for the alarm state
};

// What the boot script carries: the network settings, the server address and the
// program version of its "#version=" line.
struct ORV_bootSettings {
  std::string iface;   // CONFIG_IFACE
  std::string ip;      // CONFIG_IP
  std::string mask;    // CONFIG_MASK
  std::string gw;      // CONFIG_GW
  std::string mac;     // CONFIG_MACADDR (always applied to eth0)
  int dhcp = 0;        // CONFIG_DHCP: 1 DHCP, any other value static
  std::string server;  // CONFIG_STFP_IP
  int version = 0;     // 100405
};

class ORV_fileManip {
public:
  // Device paths of the files written here.
  static constexpr const char* kDataDir = "/home/ORV/";
  static constexpr const char* kJournalPath = "/home/ORV/journal.log";
  static constexpr const char* kRamDiskDir = "/ramdisk/";
  static constexpr const char* kBootScriptPath = "/etc/init.d/rcS";
  static constexpr const char* kResolverPath = "/etc/resolv.conf";
  static constexpr const char* kWifiSettingsPath = "/home/WIRELESS/RT2870STA.dat";
  // Second name server of the resolver file, behind the plant's gateway.
  static constexpr const char* kPublicNameServer = "8.8.8.8";

  ORV_fileManip();
  virtual ~ORV_fileManip();
  // Copy of the current day measurement file name ("ORV_2024_01_31.msr"), not refreshed.
  virtual std::string getMeasureMsrFileName();

  int initORV_fileManip();  // sets the day file name from today's date; 1
  void closeORV_fileManip() {}

  // --- Event journal and line files ---
  // Appends "dd/mm/YYYY;HH:MM:SS;code;a;b;c;\n" to the journal (null texts give empty
  // fields), one whole line per call from any thread. 1 when written, 0 otherwise.
  int write_logfile(_EEventType event, const char* a, const char* b, const char* c);
  // Writes or appends `text`. A replacing write goes through a temporary file renamed over
  // the old one, so a power cut leaves the old or the new content; with chmodFlag the file
  // gets mode 0774. 1 when written, 0 (and the file untouched) otherwise.
  int writeToFile(const char* path, const std::string& text, bool append, bool chmodFlag);
  // Keeps the newest lines of a file once its line count exceeds maxLines: lines numbered
  // up to count - maxLines + removeCount go. 1 when trimmed, 0 when nothing was done.
  // The journal is trimmed under the journal lock.
  int purge_lines_file(const char* path, int maxLines, int removeCount);
  // Appends exactly n entries (empty past the end of the file). 1 when the file opened.
  int readFile_LinesNum(const char* path, int n, std::vector<std::string>* lines);
  // Appends every line (without its "\n"). 1 when the file opened.
  int readFile_All(const char* path, std::vector<std::string>* lines);

  // --- Day measurement file ---
  void setMeasureMsrFileName();
  // Appends "YYYY-mm-dd HH:MM:SS;\t<record>\n" to "/ramdisk/" + the day file name of the
  // moment of writing. 1 when written, 0 otherwise (the caller journals LOG_ERROR).
  int write_mesurement_file(const char* record);
  static std::string measureMsrFileNameAt(time_t when);

  // --- Files for the board's boot ---
  // checkFirst: rewrite the boot script only when it is not ours or carries another
  // version (0 when left alone). Otherwise always. 1 written, 0 failed or refused.
  int CreateDefaultRCFile(bool checkFirst);
  // "/etc/resolv.conf": the given name server, then a public one. 1 written, 0 otherwise.
  int updateDNS_File(std::string address);
  // "/home/WIRELESS/RT2870STA.dat" for the SSID, security type (0..4) and key.
  int updateWifiCfg_RT2870STA(std::string ssid, int type, std::string key);

  // Whether the boot script at kBootScriptPath is ours and of `version`.
  bool bootScriptIsCurrent(int version);
  // Text of the boot script; empty when a value fails its check (the reason is printed).
  static std::string bootScriptText(const ORV_bootSettings& settings);
  // Writes the boot script (and the resolver file for a static address) from `settings`.
  int writeBootFiles(const ORV_bootSettings& settings);

  // --- Files exchanged with the supervision server (device paths in kDataDir) ---
  static constexpr const char* kAlarmFilePrefix = "yORV.";        // + server ID
  static constexpr const char* kUploadMarkerPrefix = "zORV_";     // + server ID
  static constexpr const char* kDownloadMarkerPrefix = "zORV-";   // + server ID
  static constexpr const char* kServerIdFilePath = "/home/ORV/numerodossier.txt";
  // Alarm file "/home/ORV/yORV.<CONFIG_SRV_ID>": ID, "add_mac", date, time, code and the
  // two texts, one a line. Nothing is written while the ID is 0 (no server identity yet).
  // 1 written, 0 not written.
  int Send_Alarmes(int code, const char* text1, const char* text2);
  // Upload marker "/home/ORV/zORV_<id>": "<id>\r\n". 1 written, 0 otherwise.
  int CreateUploadOK_File(int id);
  // Download marker "/home/ORV/zORV-<id>": ID, date, time and the check period in whole
  // minutes, CRLF lines. 1 written, 0 otherwise.
  int CreateSendDownloadOK_File(int id, int periodSeconds);
  // Server ID file: first three lines are the ID and the daily exchange hour and minute.
  // 1 and the outputs set when it holds three lines or more; 0 and outputs untouched else.
  int Extract_SvrIDFile(int& id, int& hour, int& minute);

  // --- One-shot update scripts run by the boot script at the next boot ---
  static constexpr const char* kUpdateScriptPath = "/home/ORV/orvSysUpdate.sh";
  // Program update script for a downloaded archive "<name>.tar.gz" whose "<name>.sha256"
  // lies beside it. Refuses (0, nothing written) a missing file or a path that is not a
  // plain device path. 1 written, 0 otherwise.
  int writeUPDSCRIPT_File(std::string archive);
  // 2 when the program update script was written (a reboot follows), 0 otherwise.
  int updateSystemFS(std::string archive);
  // Module firmware script: flashes the ENERGIE (bus addresses 6, 7 and 8 from three
  // modules), MESURE (1) and HPF (5) files of the given versions whose flag is set, then
  // deletes them. The caller reboots whatever the result: 1 written, 0 otherwise.
  int updateFirmware(int energyCount, float energyVersion, bool energyUpdate, float hpfVersion,
                     bool hpfUpdate, float mesVersion, bool mesUpdate);

  // --- Archives and factory reset (ORV_fileManipArchive.cpp) ---
  // Unpacks a ".tar.gz" into a directory with "tar xvzf" (run without a shell), then
  // deletes the archive whatever happened. The command's status, 0 on success; -1 and
  // nothing run for a path that is not a plain device path.
  int uncomp_targz(std::string archive, std::string directory);
  // "tar cvfz" of the files into the archive (run without a shell). -1 for an empty list
  // or a path that is not a plain device path, else the command's status.
  int comp_targz(std::string archive, std::vector<std::string>* files);
  // Deletes the energy voltage logs, the route trace, every day measurement file of the
  // flash, the journal, the configuration file and the hourly means file. 1.
  int factory_Reset();

private:
  std::mutex journalMutex_;      // one whole journal line, and trimming, at a time
  std::mutex dayFileNameMutex_;  // the name is set by the processing thread, read by others
  std::string dayFileName_;
};
