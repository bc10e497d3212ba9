// Stand-in of the core's services for the processing thread, until the core is built: it
// journals, switches the alarm relays through GPIO as the alarm dispatch does, and records
// every alarm, notice, restart request and clean-up instead of acting on the machine.
// The tools derive from it to write the journal and the day file through the file service.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "ORV_ProcCore.h"

class ORV_ProcStandInCore : public ORV_ProcCore {
public:
  struct AlarmRecord {
    int code;
    bool send;
    std::string text1;
    std::string text2;
  };

  // `echo` prints each call on stdout as it happens.
  explicit ORV_ProcStandInCore(bool echo = false);

  void dispatchAlarm(int code, bool send, std::string text1, std::string text2) override;
  void setAlarmType(int type) override;
  int getAlarmType() override;
  bool getStatistiqueAlarm() override;

  void UpdatedDataReady_signal() override;
  void startMsgBOX_signal(int mode) override;
  void setMsgBOXtxt_signal(int text) override;
  void setMsgBOX_ProgressValue_signal(int percent) override;
  void stopMsgBOX_signal() override;

  // Recorded in memory and in the platform call log ("restart <type>"); never performed.
  int OnORV_RestartAction(int type) override;
  void getStorageInfoSize(int& totalMiB, int& freeMiB) override;
  void runStorageCleanup() override;

  // Journal lines are kept in memory in the journal's format.
  void write_logfile(int event, const char* a, const char* b, const char* c) override;
  // "ORV_YYYY_MM_DD.msr" of the program's clock.
  std::string getMeasureMsrFileName() override;
  // Kept in memory; 1.
  int write_mesurement_file(const char* line) override;

  // What was recorded, in order.
  std::vector<AlarmRecord> alarms();
  std::vector<std::string> notices();  // "msgbox 2", "text 1", "progress 20", "stop", "data-ready"
  std::vector<std::string> journal();
  std::vector<std::string> measurementLines();
  std::vector<int> restarts();
  int uploadRequests();
  int storageCleanups();
  int dataReadyCount();
  void clearRecords();

protected:
  void note(const std::string& text);

private:
  template <typename T>
  T copyOf(const T& value) {
    std::lock_guard<std::mutex> lock(mutex_);
    return value;
  }

  std::mutex mutex_;
  bool echo_;
  int alarmType_;
  bool statistiqueAlarm_;
  std::vector<AlarmRecord> alarms_;
  std::vector<std::string> notices_;
  std::vector<std::string> journal_;
  std::vector<std::string> lines_;
  // Like the file service: the day file's name is that of the last record written, so the
  // nightly move still finds the day's file when it runs a little after midnight.
  std::string dayFileName_;
  std::vector<int> restarts_;
  int uploads_;
  int cleanups_;
  int dataReady_;
};
