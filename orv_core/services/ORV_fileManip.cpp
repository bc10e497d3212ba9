#include "ORV_fileManip.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "orvPlatform.h"
#include "orv_utils.h"

namespace {

std::string hostPath(const char* path) { return orv::devicePath(path ? path : ""); }

std::string localTimeText(time_t when, const char* format) {
  struct tm tm {};
  localtime_r(&when, &tm);
  char text[64];
  return std::strftime(text, sizeof text, format, &tm) ? text : "";
}

// Writes the whole buffer to a file descriptor, retrying short writes.
bool writeAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool appendToFile(const std::string& hostFile, const std::string& text) {
  int fd = ::open(hostFile.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = writeAll(fd, text);
  return ::close(fd) == 0 && ok;
}

}  // namespace

ORV_fileManip::ORV_fileManip() { setMeasureMsrFileName(); }

ORV_fileManip::~ORV_fileManip() = default;

int ORV_fileManip::initORV_fileManip() {
  setMeasureMsrFileName();
  return 1;
}

// ---------------------------------------------------------------------------------------
// Event journal and line files

int ORV_fileManip::write_logfile(_EEventType event, const char* a, const char* b,
                                 const char* c) {
  std::lock_guard<std::mutex> lock(journalMutex_);
  std::string line = localTimeText(orv::wallClockNow(), "%d/%m/%Y;%H:%M:%S");
  line += ';' + std::to_string(event) + ';';
  line += std::string(a ? a : "") + ';' + (b ? b : "") + ';' + (c ? c : "") + ";\n";
  // One write on an O_APPEND descriptor: a line is never split by another writer.
  if (appendToFile(hostPath(kJournalPath), line)) return 1;
  std::printf("[ORV_fileManip] journal %s: %s\n", kJournalPath, std::strerror(errno));
  return 0;
}

bool ORV_fileManip::replaceFile(const std::string& target, const std::string& text,
                                bool chmodFlag) {
  struct stat old {};
  bool existed = ::stat(target.c_str(), &old) == 0;
  std::string tmp = target + ".tmp";
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = writeAll(fd, text);
  if (ok && chmodFlag) ok = ::fchmod(fd, 0774) == 0;
  else if (ok && existed) ::fchmod(fd, old.st_mode & 07777);  // a plain rewrite keeps the mode
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = std::rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) std::remove(tmp.c_str());
  return ok;
}

int ORV_fileManip::writeToFile(const char* path, const std::string& text, bool append,
                               bool chmodFlag) {
  if (!path || !*path) return 0;
  std::string target = hostPath(path);
  bool ok = append ? appendToFile(target, text) : replaceFile(target, text, chmodFlag);
  return ok ? 1 : 0;
}

int ORV_fileManip::purge_lines_file(const char* path, int maxLines, int removeCount) {
  if (!path || !*path) return 0;
  std::string target = hostPath(path);
  // Trimming the journal while a thread appends would lose that thread's line.
  std::unique_lock<std::mutex> journalLock(journalMutex_, std::defer_lock);
  if (target == hostPath(kJournalPath)) journalLock.lock();

  int count = orvFileLineNum(path);
  if (count <= maxLines) return 0;
  std::ifstream in(target, std::ios::binary);
  if (!in) return 0;
  const long long firstKept = static_cast<long long>(count) - maxLines + removeCount + 1;
  std::string kept, line;
  for (long long number = 1; std::getline(in, line); ++number)
    if (number >= firstKept) kept += line + '\n';
  if (in.bad()) return 0;
  in.close();
  return replaceFile(target, kept, false) ? 1 : 0;
}

int ORV_fileManip::readFile_LinesNum(const char* path, int n, std::vector<std::string>* lines) {
  if (!path || !*path || !lines) return 0;
  std::ifstream in(hostPath(path), std::ios::binary);
  if (!in) return 0;
  for (int i = 0; i < n; ++i) {
    std::string line;
    if (!std::getline(in, line)) line.clear();
    lines->push_back(line);
  }
  return 1;
}

int ORV_fileManip::readFile_All(const char* path, std::vector<std::string>* lines) {
  if (!path || !*path || !lines) return 0;
  std::ifstream in(hostPath(path), std::ios::binary);
  if (!in) return 0;
  std::string line;
  while (std::getline(in, line)) lines->push_back(line);
  return 1;
}

// ---------------------------------------------------------------------------------------
// Day measurement file

std::string ORV_fileManip::measureMsrFileNameAt(time_t when) {
  struct tm tm {};
  localtime_r(&when, &tm);
  char name[64];
  std::snprintf(name, sizeof name, "%s_%04i_%02i_%02i%s", "ORV", tm.tm_year + 1900,
                tm.tm_mon + 1, tm.tm_mday, ".msr");
  return name;
}

void ORV_fileManip::setMeasureMsrFileName() {
  std::string name = measureMsrFileNameAt(orv::wallClockNow());
  std::lock_guard<std::mutex> lock(dayFileNameMutex_);
  if (name != dayFileName_) dayFileName_ = name;
}

std::string ORV_fileManip::getMeasureMsrFileName() {
  std::lock_guard<std::mutex> lock(dayFileNameMutex_);
  return dayFileName_;
}

int ORV_fileManip::write_mesurement_file(const char* record) {
  // One reading of the clock for both the file name and the stamp, so that a record taken
  // at 23:59:59 never lands in the next day's file.
  time_t now = orv::wallClockNow();
  std::string name = measureMsrFileNameAt(now);
  {
    std::lock_guard<std::mutex> lock(dayFileNameMutex_);
    dayFileName_ = name;
  }
  std::string line = localTimeText(now, "%Y-%m-%d %H:%M:%S;") + '\t' + (record ? record : "") + '\n';
  return appendToFile(hostPath((std::string(kRamDiskDir) + name).c_str()), line) ? 1 : 0;
}
