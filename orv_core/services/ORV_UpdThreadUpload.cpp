// Upload groups of the server exchange thread: which local files each request code sends,
// into which folder of the server's tree, and which local files go once they are up.
//
// Server tree under the account's home ("~/ORV/", ID = CONFIG_SRV_ID):
//   <ID>               device -> server: logs, day files, journal, configuration, means
//   <ID>/DversS        device -> server: self-test report, command log, comm test file
//   <ID>/SversD/       server -> device: remote actions "actions.xml"
//   <ID>/programme/, <ID>/firmware/, Programme/v10/, firmware/: updates for the device
//   compteur/          server -> device: "numerodossier.txt", "testcom.txt"
//   Alarmes, Chargement, Frequence: alarm files, upload markers, download markers
#include <cstdio>
#include <string>

#include "ORV_UpdCore.h"
#include "ORV_UpdThread.h"
#include "ORV_fileManip.h"
#include "orvPlatform.h"
#include "orvDatas.h"
#include "orv_utils.h"

namespace {

// Local file of each upload row (row 13, the comm test file, has no entry of its own).
const char* const ORV_FILES_TOSRV[14] = {
    "tension*.log", "traceroute.log", "ORV_*_*_*.msr", "journal.log", "config.conf",
    "moy.msr",      "yORV.",          "zORV_",         "zORV-",       "/etc/init.d/rcS",
    "fluides.norvale", "autotest.log", "sysCmds.log",  ""};

const std::string kDataDir = "/home/ORV/";
const std::string kTmpDir = "/tmp/";
const std::string kServerRoot = "~/ORV/";

// Rows each of the codes 0..5 adds, as [first, last).
const int kCodeRows[6][2] = {{0, 13}, {2, 7}, {0, 14}, {8, 9}, {13, 14}, {3, 5}};
// Single row of codes 3, 4, 6 and 7.
int singleRowOf(int code) {
  switch (code) {
    case 3: return 8;
    case 4: return 13;
    case 6: return 11;
    case 7: return 12;
    default: return -1;
  }
}

// Files of the data directory matching a pattern, as device paths (the listing gives
// where they live on this machine).
std::vector<std::string> dataFilesMatching(const char* pattern) {
  return getDirFilesList(kDataDir + pattern);
}

}  // namespace

std::string ORV_UpdThread::deviceDir() const { return kServerRoot + std::to_string(serverId_); }

int ORV_UpdThread::OnSendFilesToServer(int code) {
  return sendFileGroup(code) == SendResult::Sent ? 1 : 0;
}

ORV_UpdThread::SendResult ORV_UpdThread::sendFileGroup(int code) {
  if (code < 0 || code > 7) return SendResult::UnknownCode;
  if (linkState_ == 0) return SendResult::NoServer;
  std::string address;
  const int id = loadServerTarget(&address);
  if (!serverPortAnswers(address)) return SendResult::NoServer;
  // Without a server ID the device has no folder of its own on the server: sending as
  // device 0 would mix its files with every other unregistered device's.
  if (id == 0) {
    std::printf("ORV_UpdThread:: no server ID: request %d not sent\n", code);
    return SendResult::NothingToSend;
  }

  SftpUploadMap files;
  addFileToUploadMap(6, files);
  int row = singleRowOf(code);
  if (row >= 0)
    addFileToUploadMap(row, files);
  else
    getFilesToUpload(code, files);

  bool anyFile = false;
  for (const auto& entry : files) anyFile = anyFile || orvFileExist(entry.first.first.c_str());
  if (!anyFile) {
    std::printf("ORV_UpdThread::SendFilesToNetwork: request %d has no file to send\n", code);
    return SendResult::NothingToSend;
  }
  return SendFilesToNetwork(files) ? SendResult::Sent : SendResult::Failed;
}

int ORV_UpdThread::getFilesToUpload(int code, SftpUploadMap& map) {
  if (code < 0 || code > 5) return 1;
  for (int row = kCodeRows[code][0]; row < kCodeRows[code][1]; ++row) addFileToUploadMap(row, map);
  return 1;
}

int ORV_UpdThread::addFileToUploadMap(int row, SftpUploadMap& map) {
  if (row < 0 || row > 13) return 1;
  const std::string id = std::to_string(serverId_);
  const std::string device = deviceDir();
  ORV_fileManip* files = core_ ? core_->ORV_fileManip_Ptr() : nullptr;
  switch (row) {
    case 0:  // "tension-1.log" is yesterday's rotated log: it goes once sent
      for (const std::string& path : dataFilesMatching(ORV_FILES_TOSRV[0]))
        map[{path, device}] = string_endsWith(path.c_str(), "-1.log") == 1;
      break;
    case 2: {  // day files: all but today's go once sent
      std::string today = files ? files->getMeasureMsrFileName() : "";
      for (const std::string& path : dataFilesMatching(ORV_FILES_TOSRV[2]))
        map[{path, device}] = !today.empty() && path != kDataDir + today;
      break;
    }
    case 3:
    case 4:
    case 5:
    case 10:
      map[{kDataDir + ORV_FILES_TOSRV[row], device}] = false;
      break;
    case 9:
      map[{ORV_FILES_TOSRV[row], device}] = false;
      break;
    case 1:
      map[{kDataDir + ORV_FILES_TOSRV[row], device}] = true;
      break;
    case 11:
    case 12:
      map[{kTmpDir + ORV_FILES_TOSRV[row], device + "/DversS"}] = true;
      break;
    case 13:
      map[{kTmpDir + "testcom.txt", device + "/DversS"}] = true;
      break;
    case 6: {
      std::string alarm = kDataDir + ORV_FILES_TOSRV[6] + id;
      if (orvFileExist(alarm.c_str())) map[{alarm, kServerRoot + "Alarmes"}] = true;
      break;
    }
    case 7: {
      if (!files || !files->CreateUploadOK_File(serverId_))
        std::printf(" -- ORV_UpdThread:: Error in creation of UploadOK_File\n");
      std::string marker = kDataDir + ORV_FILES_TOSRV[7] + id;
      if (orvFileExist(marker.c_str())) map[{marker, kServerRoot + "Chargement"}] = true;
      break;
    }
    case 8: {
      if (!files || !files->CreateSendDownloadOK_File(serverId_, checkPeriod_))
        std::printf(" -- ORV_UpdThread:: Error in creation of DownloadOK_File\n");
      std::string marker = kDataDir + ORV_FILES_TOSRV[8] + id;
      if (orvFileExist(marker.c_str())) map[{marker, kServerRoot + "Frequence"}] = true;
      break;
    }
  }
  return 1;
}

int ORV_UpdThread::SendFilesToNetwork(SftpUploadMap& map) {
  std::printf("ORV_UpdThread::SendFilesToNetwork: %d files\n", static_cast<int>(map.size()));
  if (map.empty()) return 0;
  for (const auto& entry : map)
    std::printf("  --- SendFileToNetwork:%s dst:%s delete:%d\n", entry.first.first.c_str(),
                entry.first.second.c_str(), entry.second ? 1 : 0);
  std::fflush(stdout);
  return curlUpload(map);
}
