#include "ORV_fileManip.h"

#include <fcntl.h>
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

// One write on an O_APPEND descriptor: a line is never split by another writer.
bool appendToFile(const std::string& hostFile, const std::string& text) {
  int fd = ::open(hostFile.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
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
  if (appendToFile(hostPath(kJournalPath), line)) return 1;
  std::printf("[ORV_fileManip] journal %s: %s\n", kJournalPath, std::strerror(errno));
  return 0;
}

int ORV_fileManip::writeToFile(const char* path, const std::string& text, bool append,
                               bool chmodFlag) {
  if (!path || !*path) return 0;
  if (append) return appendToFile(hostPath(path), text) ? 1 : 0;
  return orvFileReplace(path, text, chmodFlag ? 0774 : -1);
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
  return orvFileReplace(path, kept);
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
