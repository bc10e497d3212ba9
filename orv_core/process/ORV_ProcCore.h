// What the processing thread uses of the core: the alarm dispatch and the relay alarm
// type, the notices to the main window, the restart request, the journal, the day
// measurement file and the storage clean-up. The core implements it and hands itself to
// the thread when it creates it; a test hands a recording stand-in.
#pragma once

#include <string>

class ORV_ProcCore {
public:
  virtual ~ORV_ProcCore() = default;

  // Alarms: a journal line for a code above 7, relays switched on (never off) for codes
  // 100, 103, 106, 109 and 112, and with `send` the alarm file plus an upload request.
  virtual void dispatchAlarm(int code, bool send, std::string text1, std::string text2) = 0;
  virtual void setAlarmType(int type) = 0;
  virtual int getAlarmType() = 0;
  virtual bool getStatistiqueAlarm() = 0;

  // Queued notices to the main window; each returns at once.
  virtual void UpdatedDataReady_signal() = 0;
  virtual void startMsgBOX_signal(int mode) = 0;
  virtual void setMsgBOXtxt_signal(int text) = 0;
  virtual void setMsgBOX_ProgressValue_signal(int percent) = 0;
  virtual void stopMsgBOX_signal() = 0;

  // Restart request; type 2 is the nightly reboot of the controller.
  virtual int OnORV_RestartAction(int type) = 0;

  // Size and free space of the data directory, MiB.
  virtual void getStorageInfoSize(int& totalMiB, int& freeMiB) = 0;
  // Runs the storage clean-up thread to its end (started and joined by the caller's thread).
  virtual void runStorageCleanup() = 0;

  // File service: the event journal ("dd/mm/YYYY;HH:MM:SS;code;a;b;c;"), the name of the
  // current day measurement file and the append of one measurement line (1 written, 0 not).
  virtual void write_logfile(int event, const char* a, const char* b, const char* c) = 0;
  virtual std::string getMeasureMsrFileName() = 0;
  virtual int write_mesurement_file(const char* line) = 0;
};
