// The server exchange thread: keeps the device in contact with the supervision server.
// Its loop sends queued upload requests while the network link is up and, once per
// check period (CONFIG_TIMER_PERIOD), probes the link, renews a lost DHCP address, tests
// the server's SFTP port, sends the full daily upload inside the daily window
// (CONFIG_SRV_HOUR:CONFIG_SRV_MIN, one hour long) and runs a receive pass; from 23:31 to
// midnight only the probes run.
//
// The loop sleeps between passes (it wakes at once for a new request, a resume or a stop)
// and waits longer after a failed upload before it tries the request again. The wall
// clock is the program's (orv::wallClockNow), so ORV_CLOCK_START drives the schedule.
//
// Upload request codes (0 full upload, 1 alarm, 3 download marker, 5 journal and
// configuration, 2, 4, 6, 7 further groups) and the server tree they go to are in
// ORV_UpdThreadUpload.cpp.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <list>
#include <mutex>
#include <string>
#include <vector>

#include "Curl_Wrapper.h"
#include "Thread.h"

class FirmwareModules;
class ORV_UpdCore;
class orvDatas;

// What one periodic check does once the server's port answered, by the local time of
// the check and the daily window.
struct ServerCheckPlan {
  bool quiet;           // 23:31..23:59: neither the daily upload nor the receive pass
  bool dailyUpload;     // send the full upload now
  bool dailyDone;       // the daily-upload-done flag after this check
  bool receivePass;
};

class ORV_UpdThread : public Thread {
public:
  static constexpr const char* kAccount = "Voredane";
  static constexpr const char* kPassword = "Morvi@27tdx";
  static constexpr int kQueueMax = 11;

  // `core` gives the network and file services; null leaves the thread without them (no
  // link probe, no port test: nothing is sent).
  explicit ORV_UpdThread(ORV_UpdCore* core = nullptr);
  ~ORV_UpdThread() override;

  // Draws the first check 1..19 minutes ahead and loads the server address, server ID,
  // link state and reachability. 1.
  int init();
  int run() override;
  // Ends the loop (at the latest when a transfer in progress hits its time-out) and waits
  // until the thread has left run(); the object stays, with its queue.
  void stop();

  int get_ThreadRunning();
  void set_ThreadRunning(int running);
  void change_sleepThreadState(bool pause);
  bool get_sleepThreadState();

  void setSFTP_ip(std::string ip);
  int update_orvID();
  // Takes the server ID and address as the store holds them now, so that a change saved
  // on the network page counts from the next transfer; returns the ID (0: none).
  int loadServerTarget(std::string* address = nullptr);
  bool okTo_receive_SFTP_files() const { return receiveAllowed_; }

  // Queues an upload request (a last-in-first-out stack of distinct codes, at most 11).
  // 0 and nothing queued while the link (measurement 565) is down; else 1.
  int add_toSendFilesToServerList(int code);
  // Takes the newest request and sends it; a request that could not reach the server or
  // whose transfer failed goes back on top. The code taken, -1 for an empty queue.
  int check_sendFilesToServerList();
  // The queued codes, oldest first.
  std::vector<int> queuedRequests();

  // Sends the file group of a code at once; 1 when at least one file went up.
  int OnSendFilesToServer(int code);
  // Adds the rows of codes 0..5 to the map; 1.
  int getFilesToUpload(int code, SftpUploadMap& map);
  // Adds the files of one row 0..13; 1.
  int addFileToUploadMap(int row, SftpUploadMap& map);
  // 0 for an empty map, else the upload's result.
  int SendFilesToNetwork(SftpUploadMap& map);

  // One receive pass; 0 when another pass runs, the server was unreachable at the last
  // check or the device has no server ID, else 1.
  int receive_SFTP_files();

  // --- Receive pass and remote downloads (ORV_UpdThreadReceive.cpp) ---
  // Download types: 0 remote actions file, 1 program archives, 2 module firmware (3, 4, 5
  // one kind of firmware each), 6 comm test file, 7 server ID file. Only names of the
  // type's exact form are taken; any other listed name is refused with a trace.
  // Fills `map` from the server's listing; the map's size.
  int OnListFilesFromServer(int type, SftpDownloadMap& map);
  // Lists and downloads: 2 nothing listed, 3 a download failed, else the number of
  // entries of `map` whose tag is 0 (0 for a map built by the listing alone).
  int OnReceiveFilesFromServer(int type, SftpDownloadMap& map);
  // Fetches and carries out the remote actions files, then sends the download marker.
  // 1 when every file held at least one line between its frame lines, else 0.
  int CheckActions();
  // Fetches newer program archives and hands them to the program update; the last
  // hand-off's result, 0 when none happened.
  int CheckProgramNetUpgrade();
  // Fetches newer firmware for the connected modules and unpacks it into
  // "/home/ORV/firmware/"; the number of archives unpacked.
  int CheckFirmwareNetUpgrade();
  // 1 when "/home/ORV/numerodossier.txt" exists or was fetched (and removed from the
  // server), else 0.
  int getFromServer_orvID();
  // Replaces the live "config.conf" and "moy.msr" with those of server folder `id`, both
  // or neither: true when both were fetched and put in place.
  bool getBackupConf_FromServer(int id);
  // 0 "testcom.txt" not received; 1 received but not sent back; 2 received and sent back.
  int CheckTestCOMM();

  // --- Remote actions file (ORV_UpdThreadActions.cpp) ---
  // Reads the file, applies its settings, hands its commands and action codes to the
  // core, and deletes it. The number of lines between the frame lines; 0 for a missing or
  // unreadable file or one of fewer than 3 lines.
  int decodeActionFile(std::string path);

  // The modules whose versions the firmware listing reads; null (the default) is the
  // module centre of the object registry.
  void setFirmwareModules(FirmwareModules* modules) { firmwareModules_ = modules; }

  // The SFTP client with the thread's base URL and the account; 0 while no address is set.
  int curlListDir(const std::string& remoteDir, std::vector<std::string>& out,
                  const std::string& pattern);
  int curlDownload(const std::string& remotePath, const std::string& localPath,
                   bool deleteAfter);
  int curlDownloadList(SftpDownloadMap& files);  // on a copy: `files` keeps failed entries
  int cQuoteCommand(const std::string& remotePath, const std::string& localPath,
                    std::vector<std::string>& preCommands, std::vector<std::string>& postCommands);
  int curlUpload(SftpUploadMap& files);  // on a copy

  // Transfer limits (tests and the core); see Curl_Wrapper::setTransferLimits.
  Curl_Wrapper& sftpClient() { return sftp_; }
  // Moves the next periodic check (a technician's rehearsal, tests).
  void setNextCheckTime(time_t when) { nextCheckTime_ = when; }
  time_t nextCheckTime() const { return nextCheckTime_; }

  // The decision of a periodic check at hour:minute with the daily window at
  // srvHour:srvMin and the flag of the current window.
  static ServerCheckPlan planServerCheck(int hour, int minute, int srvHour, int srvMin,
                                         bool dailyDone);

private:
  enum class SendResult { Sent, NothingToSend, UnknownCode, NoServer, Failed };

  SendResult sendFileGroup(int code);
  void periodicCheck(time_t now);
  int probeLink();
  void checkDhcpLease();
  bool serverPortAnswers(const std::string& address);
  std::string baseUrl();
  std::string deviceDir() const;
  void nap(int ms);
  void wake();

  orvDatas* datas() const;

  ORV_UpdCore* core_;
  Curl_Wrapper sftp_;
  std::mutex urlMutex_;  // the base URL is set by this thread and read by the GUI thread
  std::string baseUrl_;
  std::atomic<time_t> nextCheckTime_;
  std::atomic<int> serverId_;
  std::atomic<int> checkPeriod_;
  std::atomic<int> linkState_;
  std::atomic<int> serverReachable_;
  std::mutex pauseMutex_;
  bool paused_;
  bool dailyUploadDone_;
  std::atomic<bool> receiveAllowed_;
  std::mutex queueMutex_;
  std::list<int> queue_;
  std::mutex runningMutex_;
  int running_;

  // Retry pacing after a failed upload (monotonic clock).
  std::atomic<int64_t> retryAtMs_;
  std::atomic<int64_t> retryDelayMs_;

  // What the firmware listing found for the hand-off to the module flash script; kept
  // until a hand-off clears it. Written by the thread running the pass.
  struct FirmwareHandOver {
    bool energyUpdate = false;
    float energyVersion = 0.0f;
    bool mesUpdate = false;
    float mesVersion = 0.0f;
    bool hpfUpdate = false;
    int energyCount = 0;
    float hpfVersion = 0.0f;
  };
  FirmwareHandOver handOver_;
  FirmwareModules* firmwareModules_ = nullptr;

  // Whether a listed name of a download type is taken, and its tag.
  bool acceptListedName(int type, const std::string& name, int* tag);
  bool acceptFirmware(int kind, float version, int* tag);
  FirmwareModules* firmwareModules() const;

  std::mutex wakeMutex_;
  std::condition_variable wakeCv_;
  bool wakeRequested_;
  std::atomic<bool> stopRequested_;
};
