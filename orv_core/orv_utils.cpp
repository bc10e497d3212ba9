#include "orv_utils.h"

#include <dirent.h>
#include <fcntl.h>
#include <glob.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>

#include "orvPlatform.h"

namespace {
std::string hostPath(const char* path) { return orv::devicePath(path ? path : ""); }

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

// File systems that cannot sync an entry (some cannot sync a folder) say EINVAL: nothing
// more can be done there, so it counts as synced.
bool syncHostPath(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fsync(fd) == 0 || errno == EINVAL;
  ::close(fd);
  return ok;
}

// A new temporary file beside `target`, named after it, the process and a counter, so that
// two writers of one file never share it; a leftover of an earlier run is stepped over.
int createTemporary(const std::string& target, std::string* temp) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    *temp = target + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
    int fd = ::open(temp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Removes the temporaries of `target` ("<name>.tmp<pid>_<n>") that a process killed during
// a write left behind. Those of a live process are its writes in progress and stay.
void removeDeadTemporaries(const std::string& folder, const std::string& target) {
  const std::string prefix = target.substr(target.find_last_of('/') + 1) + ".tmp";
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (struct dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    unsigned long pid = 0, counter = 0;
    int used = 0;
    if (std::sscanf(name.c_str() + prefix.size(), "%lu_%lu%n", &pid, &counter, &used) != 2 ||
        prefix.size() + static_cast<size_t>(used) != name.size() ||
        name.find_first_not_of("0123456789_", prefix.size()) != std::string::npos || pid == 0)
      continue;
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    ::unlink((folder + "/" + name).c_str());
  }
  ::closedir(dir);
}
}  // namespace

int64_t getDISK_FreeSpace(const char* path) {
  int64_t free, total;
  if (path && orvFileExist(path) && orv::diskSpaceOverride(&free, &total)) return free;
  struct statfs st;
  if (!path || statfs(hostPath(path).c_str(), &st) != 0) return -1;
  return static_cast<int64_t>(st.f_bavail) * st.f_bsize;
}

int64_t getDISK_TotalSpace(const char* path) {
  int64_t free, total;
  if (path && orvFileExist(path) && orv::diskSpaceOverride(&free, &total)) return total;
  struct statfs st;
  if (!path || statfs(hostPath(path).c_str(), &st) != 0) return -1;
  return static_cast<int64_t>(st.f_blocks) * st.f_bsize;
}

int getFreeDiskSize(const char* path) {
  int64_t bytes = getDISK_FreeSpace(path);
  return bytes < 0 ? 0 : static_cast<int>(static_cast<double>(bytes) / 1048576.0);
}

int getTotalDiskSize(const char* path) {
  int64_t bytes = getDISK_TotalSpace(path);
  return bytes < 0 ? 0 : static_cast<int>(static_cast<double>(bytes) / 1048576.0);
}

int PrintSystemSpace(const char* path) {
  int total = getTotalDiskSize(path);
  int free = getFreeDiskSize(path);
  std::printf("******************************************\n");
  std::printf("Detail de la partition de '%s' :\n", path ? path : "");
  std::printf("total      : %d MB\n", total);
  std::printf("free       : %d MB\n", free);
  std::printf("******************************************\n");
  return free;
}

float puiss_frigo(float a, float b, float c) { return (b - a) * c; }

float calcule_moyenne_ref(const float* p, int n, int start) {
  if (n <= 0 || !p) return 0;
  float sum = 0;
  for (int i = start; i < start + n; ++i) {
    std::printf("str [%d]=%.4f\n", i, p[i]);
    sum += p[i];
  }
  return sum / n;
}

int linear_regression(const float* x, const float* y, int n, float* slope, float* intercept) {
  if (n < 2) {
    *slope = 0;
    *intercept = 0;
    std::printf("Pas assez de donnees pour faire l'analyse de regression ");
    return -1;
  }
  float sx = 0, sy = 0, sxy = 0;
  for (int i = 0; i < n; ++i) {
    sx += x[i];
    sy += y[i];
    sxy += x[i] * y[i];
  }
  std::printf("n = %d\n", n);
  float mx = sx / n;
  float v = sxy / n - mx * mx;
  if (v <= 0) return -1;
  *slope = ((sxy / n - mx * (sy / n)) / v) * 10000 / 100;
  *intercept = (sy - *slope * sx) / n;
  return 0;
}

int string_startsWith(const char* s, const char* prefix) {
  return std::strncmp(s, prefix, std::strlen(prefix)) == 0 ? 1 : 0;
}

int string_endsWith(const char* s, const char* suffix) {
  size_t ls = std::strlen(s), lf = std::strlen(suffix);
  return ls >= lf && std::strcmp(s + ls - lf, suffix) == 0 ? 1 : 0;
}

void string_replaceChar(std::string& s, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  size_t pos = 0;
  while ((pos = s.find(from, pos)) != std::string::npos) {
    s.replace(pos, from.size(), to);
    pos += to.size();
  }
}

bool string_findSubStr(const std::string& s, const std::string& sub) {
  return s.find(sub) != std::string::npos;
}

void filterVectorContainsStr(std::vector<std::string>& v, const std::string& sub) {
  std::vector<std::string> kept;
  for (auto& e : v)
    if (e.find(sub) != std::string::npos) kept.push_back(e);
  v.swap(kept);
}

void eraseVectorContainsStr(std::vector<std::string>& v, const std::string& sub) {
  std::vector<std::string> kept;
  for (auto& e : v)
    if (e.find(sub) == std::string::npos) kept.push_back(e);
  v.swap(kept);
}

std::string get_FileNameFromPath(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(slash + 1);
}

int orvFileExist(const char* path) {
  if (!path) return 0;
  return access(hostPath(path).c_str(), F_OK) == 0 ? 1 : 0;
}

int orvFileCopyReplace(const char* src, const char* dst, int mode) {
  if (!src || !dst) return 0;
  int fd = ::open(hostPath(src).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  std::string text;
  char buf[65536];
  ssize_t n;
  while ((n = ::read(fd, buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
    if (n > 0) text.append(buf, static_cast<size_t>(n));
  ::close(fd);
  if (n < 0) return 0;  // a half-read day file must not replace the whole one on flash
  return orvFileReplace(dst, text, mode);
}

int orvFileReplace(const char* devicePath, const std::string& text, int mode) {
  if (!devicePath || !*devicePath) return 0;
  const std::string target = hostPath(devicePath);
  const size_t slash = target.find_last_of('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
  std::string temp;
  int fd = createTemporary(target, &temp);
  if (fd < 0) return 0;
  struct stat old;
  bool ok = true;
  if (mode >= 0)
    ok = ::fchmod(fd, static_cast<mode_t>(mode)) == 0;
  else if (::stat(target.c_str(), &old) == 0)
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && writeAll(fd, text) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return 0;
  }
  removeDeadTemporaries(folder, target);
  return syncHostPath(folder) ? 1 : 0;
}

int orvFileSync(const char* devicePath) {
  if (!devicePath || !*devicePath) return 0;
  return syncHostPath(hostPath(devicePath)) ? 1 : 0;
}

int orvFileCopy(const char* src, const char* dst, int mode) {
  (void)mode;
  if (!src || !dst) return 0;
  std::ifstream in(hostPath(src), std::ios::binary);
  if (!in) return 0;
  std::ofstream out(hostPath(dst), std::ios::binary | std::ios::trunc);
  if (!out) return 0;
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    out.write(buf, in.gcount());
    if (!out) return 0;  // full flash: report it, the caller must not delete the source
  }
  if (in.bad()) return 0;
  out.flush();
  if (!out) return 0;
  out.close();
  return out.fail() ? 0 : 1;
}

int orvFileRename(const char* from, const char* to) {
  if (!orvFileExist(from) || !to) return 0;
  return std::rename(hostPath(from).c_str(), hostPath(to).c_str()) == 0 ? 1 : 0;
}

int orvFileDelete(const char* path) {
  if (!orvFileExist(path)) return 0;
  std::remove(hostPath(path).c_str());
  return orvFileExist(path) ? 0 : 1;
}

float orvFileSize(const char* path) {
  if (!path) return 0;
  std::ifstream in(hostPath(path), std::ios::binary | std::ios::ate);
  if (!in) return 0;
  long long bytes = static_cast<long long>(in.tellg());
  return bytes < 0 ? 0 : static_cast<float>(bytes / 1000000);
}

int orvFileLineNum(const char* path) {
  if (!path) return 0;
  std::ifstream in(hostPath(path), std::ios::binary);
  if (!in) return 0;
  int lines = 0;
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0)
    for (std::streamsize i = 0; i < in.gcount(); ++i) lines += buf[i] == '\n';
  return lines;
}

int orvDirExist(const char* path) {
  struct stat st;
  if (!path || stat(hostPath(path).c_str(), &st) != 0) return 0;
  return S_ISDIR(st.st_mode) ? 1 : 0;
}

int orvDirCreate(const char* path) {
  if (!path) return 0;
  return mkdir(hostPath(path).c_str(), 0775) == 0 ? 1 : 0;
}

int orvDirRename(const char* from, const char* to) {
  if (!orvDirExist(from) || !to) return 0;
  return std::rename(hostPath(from).c_str(), hostPath(to).c_str()) == 0 ? 1 : 0;
}

int orvDirDelete(const char* path) {
  if (!orvDirExist(path)) return 0;
  return rmdir(hostPath(path).c_str()) == 0 ? 1 : 0;
}

int orvDirCopy(const char* src, const char* dst) {
  if (!src || !dst) return 0;
  return systemCommand((std::string("cp -R ") + src + " " + dst).c_str()) == 0 ? 1 : 0;
}

// Matches in the sandbox on a host but answers with device paths, as on the board: the
// callers compare and pass on device paths.
std::vector<std::string> getDirFilesList(const std::string& pattern) {
  std::vector<std::string> files;
  const std::string root = orv::sandboxRoot() + "/";
  glob_t g{};
  if (glob(orv::devicePath(pattern).c_str(), GLOB_TILDE | GLOB_MARK, nullptr, &g) == 0) {
    for (size_t i = 0; i < g.gl_pathc; ++i) {
      std::string path = g.gl_pathv[i];
      if (root.size() > 1 && path.compare(0, root.size(), root) == 0) path.erase(0, root.size() - 1);
      files.push_back(path);
    }
  }
  globfree(&g);
  return files;
}

int systemCommand(const char* cmd) { return cmd ? orv::runCommand(cmd) : -1; }

// Captured through a pipe rather than a shared file in "/ramdisk/": two threads capturing
// at once (time setting, self-test, version texts) must not read each other's output.
std::string getStdoutFromCommand(const char* cmd) {
  return cmd ? orv::captureCommand(cmd) : std::string();
}

unsigned _getTimeStampInSecs() { return static_cast<unsigned>(orv::wallClockNow()); }

double _get_time_ms() {
  struct timeval tv = orv::wallClockTimeOfDay();
  return (tv.tv_sec + tv.tv_usec / 1e6) * 1000;
}

std::string _getSysDateTime_string() {
  time_t now = orv::wallClockNow();
  struct tm tm {};
  localtime_r(&now, &tm);
  char text[32];
  std::strftime(text, sizeof text, "%d/%m/%Y_%H:%M:%S", &tm);
  return text;
}

std::vector<std::string> string_split_multiCharDelim(const std::string& s, const std::string& delims) {
  std::vector<std::string> pieces;
  size_t pos = 0;
  for (;;) {
    size_t hit = s.find_first_of(delims, pos);
    if (hit == std::string::npos) {
      pieces.push_back(s.substr(pos));
      return pieces;
    }
    pieces.push_back(s.substr(pos, hit - pos + 1));
    pos = hit + 1;
  }
}

std::vector<std::string> string_split_stringDelim(const std::string& s, const std::string& delim) {
  std::vector<std::string> pieces;
  if (delim.empty()) {
    if (!s.empty()) pieces.push_back(s);
    return pieces;
  }
  size_t pos = 0;
  while (pos < s.size()) {
    size_t hit = s.find(delim, pos);
    size_t end = hit == std::string::npos ? s.size() : hit;
    if (end > pos) pieces.push_back(s.substr(pos, end - pos));
    if (hit == std::string::npos) break;
    pos = hit + delim.size();
  }
  return pieces;
}

std::vector<double> double_split_multiCharDelim(const std::string& s, const std::string& delims) {
  std::vector<double> values;
  for (const auto& piece : string_split_multiCharDelim(s, delims))
    values.push_back(std::strtod(piece.c_str(), nullptr));
  return values;
}

std::vector<std::string> strsplit(const std::string& s, char c) {
  std::vector<std::string> pieces;
  size_t pos = 0;
  for (;;) {
    size_t hit = s.find(c, pos);
    if (hit == std::string::npos) {
      pieces.push_back(s.substr(pos));
      return pieces;
    }
    pieces.push_back(s.substr(pos, hit - pos));
    pos = hit + 1;
  }
}

std::vector<double> strsplit_toDdouble(const std::string& s, char c) {
  std::vector<double> values;
  for (const auto& piece : strsplit(s, c)) values.push_back(std::strtod(piece.c_str(), nullptr));
  return values;
}

std::string strjoin(const std::vector<std::string>& v, const std::string& sep) {
  std::string out;
  for (size_t i = 0; i < v.size(); ++i) {
    if (i) out += sep;
    out += v[i];
  }
  return out;
}

std::string read_DM9000_version() {
  std::string log = getStdoutFromCommand("dmesg | grep -i dm9000");
  if (log.find("dm9000a") != std::string::npos) return "DM9000-A";
  if (log.find("dm9000b") != std::string::npos) return "DM9000-B";
  return "DM9000-X";
}

std::string read_KernelVersion() {
  std::string version = getStdoutFromCommand("uname -r");
  string_replaceChar(version, "\n", "");
  return version;
}
