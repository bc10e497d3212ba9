#include "ORV_UpdThread.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "ORV_UpdCore.h"
#include "ORV_fileManip.h"
#include "ORV_sysNet.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"

namespace {

const int kSrvId = orvDatas::getCFG_ID_fromKeyString("CONFIG_SRV_ID");
const int kSrvHour = orvDatas::getCFG_ID_fromKeyString("CONFIG_SRV_HOUR");
const int kSrvMin = orvDatas::getCFG_ID_fromKeyString("CONFIG_SRV_MIN");
const int kTimerPeriod = orvDatas::getCFG_ID_fromKeyString("CONFIG_TIMER_PERIOD");
constexpr int kMesNetworkLink = 565;
constexpr int kMesServerReachable = 566;
constexpr int kEventNewDhcpAddress = 122;

// Sleep between idle passes, and the wait before a failed upload is tried again, doubled
// at each further failure.
constexpr int kIdleNapMs = 250;
constexpr int64_t kFirstRetryMs = 5000;
constexpr int64_t kLongestRetryMs = 300000;

// The first check comes 1 to 19 minutes after the start.
constexpr int kLongestFirstDelay = 19 * 60;

// Seconds of the day after which the daily upload and the receive pass are skipped.
constexpr int kQuietFrom = 84600;

}  // namespace

ORV_UpdThread::ORV_UpdThread(ORV_UpdCore* core)
    : core_(core),
      nextCheckTime_(0),
      serverId_(0),
      checkPeriod_(0),
      linkState_(0),
      serverReachable_(0),
      paused_(false),
      dailyUploadDone_(false),
      receiveAllowed_(true),
      running_(0),
      retryAtMs_(0),
      retryDelayMs_(kFirstRetryMs),
      wakeRequested_(false),
      stopRequested_(false) {}

// Stops the loop cleanly rather than cancelling it in the middle of a transfer: the loop
// ends at its next pass, at the latest when a transfer in progress hits its time-out.
ORV_UpdThread::~ORV_UpdThread() {
  std::printf("   ------  ~ORV_UpdThread()\n");
  stop();
  std::lock_guard<std::mutex> lock(queueMutex_);
  queue_.clear();
}

void ORV_UpdThread::stop() {
  stopRequested_ = true;
  set_ThreadRunning(0);
  wake();
  waitUntilEnded();
}

orvDatas* ORV_UpdThread::datas() const { return Singleton<orv_classPtr>::ptr()->datas; }

int ORV_UpdThread::init() {
  std::srand(static_cast<unsigned>(orv::wallClockNow()));
  int minutes = std::rand() % (kLongestFirstDelay / 60 + 1);
  if (minutes == 0) minutes = 1;
  std::printf(" --- Next VOREDANE check DOWNLOAD/UPLOAD in %d minuts\n", minutes);
  orvDatas* store = datas();
  if (store) {
    setSFTP_ip(store->getSFTP_ip());
    serverId_ = store->getCFG_struct(kSrvId).intValue;
    checkPeriod_ = store->getCFG_struct(kTimerPeriod).intValue;
    linkState_ = store->getMES_struct(kMesNetworkLink).intValue;
    serverReachable_ = store->getMES_struct(kMesServerReachable).intValue;
  }
  nextCheckTime_ = orv::wallClockNow() + minutes * 60;
  return 1;
}

int ORV_UpdThread::get_ThreadRunning() {
  std::lock_guard<std::mutex> lock(runningMutex_);
  return running_;
}

void ORV_UpdThread::set_ThreadRunning(int running) {
  {
    std::lock_guard<std::mutex> lock(runningMutex_);
    running_ = running;
  }
  if (!running) wake();
}

void ORV_UpdThread::change_sleepThreadState(bool pause) {
  {
    std::lock_guard<std::mutex> lock(pauseMutex_);
    paused_ = pause;
  }
  if (!pause) wake();
}

bool ORV_UpdThread::get_sleepThreadState() {
  std::lock_guard<std::mutex> lock(pauseMutex_);
  return paused_;
}

void ORV_UpdThread::setSFTP_ip(std::string ip) {
  std::string url = "sftp://" + ip;
  {
    std::lock_guard<std::mutex> lock(urlMutex_);
    baseUrl_ = url;
  }
  std::printf("[ORV_UpdThread] curl sftp_serverIP= %s\n", url.c_str());
}

std::string ORV_UpdThread::baseUrl() {
  std::lock_guard<std::mutex> lock(urlMutex_);
  return baseUrl_;
}

int ORV_UpdThread::update_orvID() {
  loadServerTarget();
  return 1;
}

int ORV_UpdThread::loadServerTarget(std::string* address) {
  orvDatas* store = datas();
  if (!store) return serverId_;
  serverId_ = store->getCFG_struct(kSrvId).intValue;
  const std::string stored = store->getSFTP_ip();
  if (baseUrl() != "sftp://" + stored) setSFTP_ip(stored);
  if (address) *address = stored;
  return serverId_;
}

void ORV_UpdThread::nap(int ms) {
  std::unique_lock<std::mutex> lock(wakeMutex_);
  wakeCv_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return wakeRequested_; });
  wakeRequested_ = false;
}

void ORV_UpdThread::wake() {
  {
    std::lock_guard<std::mutex> lock(wakeMutex_);
    wakeRequested_ = true;
  }
  wakeCv_.notify_all();
}

// --- Upload queue ---

int ORV_UpdThread::add_toSendFilesToServerList(int code) {
  orvDatas* store = datas();
  if (!store || store->getMES_struct(kMesNetworkLink).intValue < 1) return 0;
  {
    std::lock_guard<std::mutex> lock(queueMutex_);
    bool queued = false;
    for (int c : queue_) queued = queued || c == code;
    if (!queued) {
      if (static_cast<int>(queue_.size()) >= kQueueMax) queue_.pop_back();
      queue_.push_back(code);
    }
  }
  wake();
  return 1;
}

int ORV_UpdThread::check_sendFilesToServerList() {
  int code;
  {
    std::lock_guard<std::mutex> lock(queueMutex_);
    if (queue_.empty()) return -1;
    code = queue_.back();
    queue_.pop_back();
  }
  SendResult result = sendFileGroup(code);
  if (result == SendResult::NoServer || result == SendResult::Failed) {
    // Tried and failed: back on top, and the loop waits before it tries again.
    add_toSendFilesToServerList(code);
    retryAtMs_ = orv::monotonicMs() + retryDelayMs_;
    retryDelayMs_ = std::min(retryDelayMs_.load() * 2, kLongestRetryMs);
  } else if (result == SendResult::Sent) {
    retryDelayMs_ = kFirstRetryMs;
  }
  return code;
}

std::vector<int> ORV_UpdThread::queuedRequests() {
  std::lock_guard<std::mutex> lock(queueMutex_);
  return std::vector<int>(queue_.begin(), queue_.end());
}

// --- Loop and periodic check ---

int ORV_UpdThread::run() {
  std::printf("[ORV_UpdThread] Launch Auto-Update...\n");
  set_ThreadRunning(1);
  while (!stopRequested_ && get_ThreadRunning()) {
    if (get_sleepThreadState()) {
      nap(kIdleNapMs);
      continue;
    }
    bool sentOne = false;
    if (linkState_ > 0 && orv::monotonicMs() >= retryAtMs_)
      sentOne = check_sendFilesToServerList() >= 0 && orv::monotonicMs() >= retryAtMs_;
    time_t now = orv::wallClockNow();
    // The clock was set back (time setting): the check due in the old time is due now.
    if (nextCheckTime_ > now + std::max(checkPeriod_.load(), kLongestFirstDelay))
      nextCheckTime_ = now;
    if (now >= nextCheckTime_) periodicCheck(now);
    // Straight on to the next queued request after a success; otherwise rest.
    if (!sentOne) nap(kIdleNapMs);
  }
  return 0;
}

ServerCheckPlan ORV_UpdThread::planServerCheck(int hour, int minute, int srvHour, int srvMin,
                                               bool dailyDone) {
  ServerCheckPlan plan{false, false, dailyDone, true};
  int s = hour * 3600 + minute * 60;
  if (s > kQuietFrom) {
    plan.quiet = true;
    plan.receivePass = false;
    return plan;
  }
  int w = srvHour * 3600 + srvMin * 60;
  if (s < w || s > w + 3600) plan.dailyDone = false;
  if (s >= w && s <= w + 3600 && !plan.dailyDone) {
    plan.dailyUpload = true;
    plan.dailyDone = true;
  }
  return plan;
}

void ORV_UpdThread::periodicCheck(time_t now) {
  orvDatas* store = datas();
  if (!store) {
    nextCheckTime_ = now + 60;
    return;
  }
  // A period below one second would turn the check into a connection storm.
  int period = std::max(1, store->getCFG_struct(kTimerPeriod).intValue);
  checkPeriod_ = period;
  struct tm local {};
  localtime_r(&now, &local);
  nextCheckTime_ = now + period;
  std::printf("[ORV_UpdThread] time: %02d:%02d next check in %d minuts\n", local.tm_hour,
              local.tm_min, period / 60);

  serverId_ = store->getCFG_struct(kSrvId).intValue;
  linkState_ = store->getMES_struct(kMesNetworkLink).intValue;
  if (linkState_ < 1) {
    int link = probeLink();
    linkState_ = link;
    store->setMES_struct(kMesNetworkLink, &link);
    if (link < 1) return;
  }
  int srvHour = store->getCFG_struct(kSrvHour).intValue;
  int srvMin = store->getCFG_struct(kSrvMin).intValue;

  network_conf_t net{};
  store->get_ORVnetworkConfig(net);
  if (net.dhcp == 1) checkDhcpLease();

  std::string address = store->getSFTP_ip();
  setSFTP_ip(address);
  if (!serverPortAnswers(address)) {
    std::printf("ORV_UpdThread::Réseau INTERNET: NON\n");
    if (serverReachable_ == 1) {
      int zero = 0;
      serverReachable_ = 0;
      store->setMES_struct(kMesServerReachable, &zero);
    }
    return;
  }
  std::printf("ORV_UpdThread::Réseau INTERNET: OUI\n");
  if (serverReachable_ == 0) {
    int one = 1;
    serverReachable_ = 1;
    store->setMES_struct(kMesServerReachable, &one);
    // The server is back: a request that failed meanwhile need not wait any longer.
    retryAtMs_ = 0;
    retryDelayMs_ = kFirstRetryMs;
  }
  if (serverId_ == 0) return;

  ServerCheckPlan plan =
      planServerCheck(local.tm_hour, local.tm_min, srvHour, srvMin, dailyUploadDone_);
  dailyUploadDone_ = plan.dailyDone;
  if (plan.quiet) {
    std::printf("\nORV_UpdThread::Fenetre d arret com net\n");
    return;
  }
  if (plan.dailyUpload) {
    std::printf("ORV_UpdThread::Daily Server Download: orv.msr, config.conf, config.xml, "
                "journal.log, moy.msr files\n");
    OnSendFilesToServer(0);
  }
  receive_SFTP_files();
}

// Link state of the configured interface when the stored one says down.
int ORV_UpdThread::probeLink() {
  ORV_sysNet* net = core_ ? core_->ORV_sysNet_Ptr() : nullptr;
  network_conf_t conf{};
  datas()->get_ORVnetworkConfig(conf);
  std::string iface = conf.iface;
  if (!net) return linkState_;
  if (iface == "eth0") return net->isETH0_Cable_Plugged();
  if (iface == "ra0") return net->isWifiRA0_Started();
  return linkState_;
}

// Renews a lost DHCP address and records a new one in the configuration and the journal.
void ORV_UpdThread::checkDhcpLease() {
  ORV_sysNet* net = core_ ? core_->ORV_sysNet_Ptr() : nullptr;
  if (!net) return;
  orvDatas* store = datas();
  network_conf_t conf{};
  store->get_ORVnetworkConfig(conf);
  std::string iface = conf.iface;
  std::string configured = conf.ip;
  std::string ip = net->if_getKernel_IfaceInfo(iface, 0);
  if (ip == configured && ip != "0.0.0.0") {
    std::printf("ORV_UpdThread::Réseau DHCP:: CONFIG Réseau/Kernel OK.\n");
    return;
  }
  if (ip == "0.0.0.0") net->startDHCP_leaseRequest(iface);
  ip = net->if_getKernel_IfaceInfo(iface, 0);
  if (ip == "0.0.0.0" || ip.empty() || ip == configured) return;
  std::string mask = net->if_getKernel_IfaceInfo(iface, 1);
  std::string gw = net->if_getKernel_IfaceInfo(iface, 2);
  store->setCFG_struct(CFG_IP, ip.c_str());
  store->setCFG_struct(CFG_MASK, mask.c_str());
  store->setCFG_struct(CFG_GW, gw.c_str());
  std::printf("ORV_UpdThread::Réseau DHCP:: Reconfiguration Nouvelle IP OK.\n");
  if (ORV_fileManip* files = core_->ORV_fileManip_Ptr())
    files->write_logfile(kEventNewDhcpAddress, "Nouvelle IP DHCP = ", ip.c_str(), "");
}

bool ORV_UpdThread::serverPortAnswers(const std::string& address) {
  ORV_sysNet* net = core_ ? core_->ORV_sysNet_Ptr() : nullptr;
  return net && net->checkInternet_Status(address.c_str(), "22") == 1;
}

// --- SFTP client with the thread's address and account ---

int ORV_UpdThread::curlListDir(const std::string& remoteDir, std::vector<std::string>& out,
                               const std::string& pattern) {
  std::string base = baseUrl();
  return base.empty() ? 0 : sftp_.ListDir(base, kAccount, kPassword, remoteDir, out, pattern);
}

int ORV_UpdThread::curlDownload(const std::string& remotePath, const std::string& localPath,
                                bool deleteAfter) {
  std::string base = baseUrl();
  return base.empty()
             ? 0
             : sftp_.Download(base, kAccount, kPassword, remotePath, localPath, deleteAfter);
}

int ORV_UpdThread::curlDownloadList(SftpDownloadMap& files) {
  std::string base = baseUrl();
  SftpDownloadMap copy = files;
  return base.empty() ? 0 : sftp_.Download(base, kAccount, kPassword, copy);
}

int ORV_UpdThread::cQuoteCommand(const std::string& remotePath, const std::string& localPath,
                                 std::vector<std::string>& preCommands,
                                 std::vector<std::string>& postCommands) {
  std::string base = baseUrl();
  return base.empty() ? 0
                      : sftp_.QuoteCommand(base, remotePath, localPath, kAccount, kPassword,
                                           preCommands, postCommands);
}

int ORV_UpdThread::curlUpload(SftpUploadMap& files) {
  std::string base = baseUrl();
  return base.empty() ? 0 : sftp_.Upload(base, kAccount, kPassword, files);
}
