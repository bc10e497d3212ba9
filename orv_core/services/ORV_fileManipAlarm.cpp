// The small files exchanged with the supervision server: the alarm file and the two
// marker files that the server exchange uploads, and the server ID file it downloads.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "ORV_fileManip.h"
#include "orvDatas.h"
#include "orvPlatform.h"
#include "orv_classPtr.h"
#include "orv_utils.h"

namespace {

std::string dataFile(const char* prefix, int id) {
  return std::string(ORV_fileManip::kDataDir) + prefix + std::to_string(id);
}

struct tm localNow() {
  time_t now = orv::wallClockNow();
  struct tm tm {};
  localtime_r(&now, &tm);
  return tm;
}

// snprintf into a std::string (the lines here are short, but a text may be long).
template <typename... Args>
std::string format(const char* fmt, Args... args) {
  int n = std::snprintf(nullptr, 0, fmt, args...);
  if (n <= 0) return "";
  std::string out(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(&out[0], out.size(), fmt, args...);
  out.resize(static_cast<size_t>(n));
  return out;
}

// Decimal integer the way the server writes it: leading blanks, an optional sign, digits up
// to the first other character; no digit gives 0. Out-of-range values are clamped.
int leadingInt(const std::string& text) {
  long value = std::strtol(text.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

int ORV_fileManip::Send_Alarmes(int code, const char* text1, const char* text2) {
  static const int kSrvIdKey = orvDatas::getCFG_ID_fromKeyString("CONFIG_SRV_ID");
  orvDatas* store = Singleton<orv_classPtr>::ptr()->datas;
  int id = store ? store->getCFG_struct(kSrvIdKey).intValue : 0;
  if (id == 0) {
    std::printf("Send_Alarmes : Acces reseau non validee {id_Serveur = 0}\n");
    return 0;
  }
  std::printf("Send_Alarmes : yORV.%d\n", id);
  struct tm tm = localNow();
  std::string text = format("%d\n", id) + "add_mac\n" +
                     format("%02i/%02i/%4i\n", tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900) +
                     format("%02i H %02i Min\n", tm.tm_hour, tm.tm_min) + format("%d\n", code) +
                     (text1 ? text1 : "") + "\n" + (text2 ? text2 : "") + "\n";
  std::string path = dataFile(kAlarmFilePrefix, id);
  if (!writeToFile(path.c_str(), text, false, false)) {
    // The journal line, the relays and the upload request of the alarm still happen.
    std::printf("Send_Alarmes : ERREUR ecriture %s\n", path.c_str());
    return 0;
  }
  ::sync();
  return 1;
}

int ORV_fileManip::CreateUploadOK_File(int id) {
  std::string path = dataFile(kUploadMarkerPrefix, id);
  // A marker that cannot be rewritten must not leave the previous one to be sent.
  if (orvFileExist(path.c_str())) orvFileDelete(path.c_str());
  return writeToFile(path.c_str(), format("%d\r\n", id), false, false);
}

int ORV_fileManip::CreateSendDownloadOK_File(int id, int periodSeconds) {
  std::string path = dataFile(kDownloadMarkerPrefix, id);
  if (orvFileExist(path.c_str())) orvFileDelete(path.c_str());
  struct tm tm = localNow();
  std::string text =
      format("ID=%d\r\n", id) +
      format("DATE=%4i/%02i/%02i\r\n", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) +
      format("HEURE=%02i:%02i\r\n", tm.tm_hour, tm.tm_min) +
      format("PERIODE=%d\r\n", periodSeconds / 60);
  return writeToFile(path.c_str(), text, false, false);
}

int ORV_fileManip::Extract_SvrIDFile(int& id, int& hour, int& minute) {
  std::vector<std::string> lines;
  if (!readFile_All(kServerIdFilePath, &lines) || lines.size() < 3) return 0;
  id = leadingInt(lines[0]);
  hour = leadingInt(lines[1]);
  minute = leadingInt(lines[2]);
  return 1;
}
