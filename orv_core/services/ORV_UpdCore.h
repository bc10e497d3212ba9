// What the server exchange thread uses of the core: its network services and its file
// services, through the core's own accessors. The core implements it and hands itself to
// the thread when it creates it; a test hands a small stand-in.
#pragma once

class ORV_fileManip;
class ORV_sysNet;

class ORV_UpdCore {
public:
  virtual ~ORV_UpdCore() = default;
  // Carrier tests, kernel interface settings, DHCP lease request, SFTP port test.
  virtual ORV_sysNet* ORV_sysNet_Ptr() = 0;
  // Journal, today's day file name, the marker files the server reads.
  virtual ORV_fileManip* ORV_fileManip_Ptr() = 0;
};
