#include "ORV_ProcStandInCore.h"

#include <cstdio>
#include <ctime>

#include "gpio.h"
#include "orvPlatform.h"
#include "orv_utils.h"

namespace {
void relayOn(const char* pin) {
  int on = 1;
  GPIO(pin, "OUTPUT", &on);
}

std::string localStamp(const char* format) {
  time_t now = orv::wallClockNow();
  struct tm t;
  localtime_r(&now, &t);
  char text[64];
  std::strftime(text, sizeof text, format, &t);
  return text;
}
}  // namespace

ORV_ProcStandInCore::ORV_ProcStandInCore(bool echo)
    : echo_(echo), alarmType_(0), statistiqueAlarm_(false), uploads_(0), cleanups_(0),
      dataReady_(0) {}

void ORV_ProcStandInCore::note(const std::string& text) {
  notices_.push_back(text);
  if (echo_) {
    std::printf("[ORV_core] %s\n", text.c_str());
    std::fflush(stdout);
  }
}

void ORV_ProcStandInCore::dispatchAlarm(int code, bool send, std::string text1,
                                        std::string text2) {
  if (code > 7) write_logfile(code, text1.c_str(), text2.c_str(), "");
  // The dispatch switches relays on, never off.
  if (code == 100) relayOn("PORTE10");
  if (code == 103 || code == 106 || code == 109 || code == 112) {
    relayOn("PORTE8");
    relayOn("PORTE10");
  }
  std::lock_guard<std::mutex> lock(mutex_);
  if (code == 100) statistiqueAlarm_ = true;
  if (code == 100 || code == 103) alarmType_ = code;
  alarms_.push_back({code, send, text1, text2});
  if (send) uploads_++;
  note("alarm " + std::to_string(code) + " send=" + (send ? "1" : "0") + " text1=" + text1 +
       " text2=" + text2 + (send ? " upload=1" : ""));
}

void ORV_ProcStandInCore::setAlarmType(int type) {
  std::lock_guard<std::mutex> lock(mutex_);
  alarmType_ = type;
}

int ORV_ProcStandInCore::getAlarmType() { return copyOf(alarmType_); }

bool ORV_ProcStandInCore::getStatistiqueAlarm() { return copyOf(statistiqueAlarm_); }

void ORV_ProcStandInCore::UpdatedDataReady_signal() {
  std::lock_guard<std::mutex> lock(mutex_);
  dataReady_++;
}

void ORV_ProcStandInCore::startMsgBOX_signal(int mode) {
  std::lock_guard<std::mutex> lock(mutex_);
  note("msgbox " + std::to_string(mode));
}

void ORV_ProcStandInCore::setMsgBOXtxt_signal(int text) {
  std::lock_guard<std::mutex> lock(mutex_);
  note("text " + std::to_string(text));
}

void ORV_ProcStandInCore::setMsgBOX_ProgressValue_signal(int percent) {
  std::lock_guard<std::mutex> lock(mutex_);
  note("progress " + std::to_string(percent));
}

void ORV_ProcStandInCore::stopMsgBOX_signal() {
  std::lock_guard<std::mutex> lock(mutex_);
  note("stop");
}

int ORV_ProcStandInCore::OnORV_RestartAction(int type) {
  orv::recordPlatformCall("restart " + std::to_string(type));
  std::lock_guard<std::mutex> lock(mutex_);
  restarts_.push_back(type);
  note("restart " + std::to_string(type));
  return 0;
}

void ORV_ProcStandInCore::getStorageInfoSize(int& totalMiB, int& freeMiB) {
  totalMiB = getTotalDiskSize("/home/ORV/");
  freeMiB = getFreeDiskSize("/home/ORV/");
}

void ORV_ProcStandInCore::runStorageCleanup() {
  std::lock_guard<std::mutex> lock(mutex_);
  cleanups_++;
  note("storage-cleanup");
}

void ORV_ProcStandInCore::write_logfile(int event, const char* a, const char* b, const char* c) {
  std::string line = localStamp("%d/%m/%Y;%H:%M:%S") + ";" + std::to_string(event) + ";" +
                     (a ? a : "") + ";" + (b ? b : "") + ";" + (c ? c : "") + ";";
  std::lock_guard<std::mutex> lock(mutex_);
  journal_.push_back(line);
  note("journal " + line);
}

std::string ORV_ProcStandInCore::getMeasureMsrFileName() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (dayFileName_.empty()) dayFileName_ = localStamp("ORV_%Y_%m_%d.msr");
  return dayFileName_;
}

int ORV_ProcStandInCore::write_mesurement_file(const char* line) {
  std::lock_guard<std::mutex> lock(mutex_);
  dayFileName_ = localStamp("ORV_%Y_%m_%d.msr");
  lines_.push_back(line ? line : "");
  return 1;
}

std::vector<ORV_ProcStandInCore::AlarmRecord> ORV_ProcStandInCore::alarms() {
  return copyOf(alarms_);
}

std::vector<std::string> ORV_ProcStandInCore::notices() { return copyOf(notices_); }

std::vector<std::string> ORV_ProcStandInCore::journal() { return copyOf(journal_); }

std::vector<std::string> ORV_ProcStandInCore::measurementLines() { return copyOf(lines_); }

std::vector<int> ORV_ProcStandInCore::restarts() { return copyOf(restarts_); }

int ORV_ProcStandInCore::uploadRequests() { return copyOf(uploads_); }

int ORV_ProcStandInCore::storageCleanups() { return copyOf(cleanups_); }

int ORV_ProcStandInCore::dataReadyCount() { return copyOf(dataReady_); }

void ORV_ProcStandInCore::clearRecords() {
  std::lock_guard<std::mutex> lock(mutex_);
  alarms_.clear();
  notices_.clear();
  journal_.clear();
  lines_.clear();
  restarts_.clear();
  uploads_ = cleanups_ = dataReady_ = 0;
}
