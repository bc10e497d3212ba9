// What the server exchange thread uses of the core: its network services and the file
// services behind the uploads (journal, today's day file name, the two marker files the
// server reads). The core implements it and hands itself to the thread when it creates
// it; a test hands a stand-in.
#pragma once

#include <string>

class ORV_sysNet;

class ORV_UpdCore {
public:
  virtual ~ORV_UpdCore() = default;
  // Carrier tests, kernel interface settings, DHCP lease request, SFTP port test.
  virtual ORV_sysNet* ORV_sysNet_Ptr() = 0;
  // Journal line "dd/mm/YYYY;HH:MM:SS;event;a;b;c;".
  virtual int write_logfile(int event, const char* a, const char* b, const char* c) = 0;
  // Name of the current day measurement file ("ORV_2024_03_01.msr").
  virtual std::string getMeasureMsrFileName() = 0;
  // "/home/ORV/zORV_<id>" and "/home/ORV/zORV-<id>"; 1 when written.
  virtual int CreateUploadOK_File(int id) = 0;
  virtual int CreateSendDownloadOK_File(int id, int periodSeconds) = 0;
};
