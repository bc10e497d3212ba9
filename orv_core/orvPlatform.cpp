#include "orvPlatform.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <vector>

namespace orv {

namespace {

#ifndef ORV_DEVICE_BUILD
// In command texts every absolute path resolves under the sandbox, except the real
// programs and system data below, the kernel's special files and a lone "/" (which only
// the tar stub sees, and refuses). The machine's own files are out of a command's reach
// whatever path the program builds.
const char* const kRealPrefixes[] = {"/bin/", "/sbin/", "/usr/bin/", "/usr/sbin/",
                                     "/usr/local/bin/", "/lib/", "/usr/lib/",
                                     "/usr/share/zoneinfo/"};
// Device files that live below a real prefix and still belong in the sandbox.
const char* const kDeviceFilesUnderRealPrefixes[] = {"/usr/bin/fwloader"};

// Programs that change the machine. In command texts an absolute path to one of them is
// replaced by its stub (a bare name already finds the stub first on PATH).
const char* const kStubbedPrograms[] = {
    "reboot",  "halt",     "poweroff", "shutdown", "ifconfig",  "route",   "udhcpc",
    "hwclock", "date",     "insmod",   "rmmod",    "modprobe",  "killall", "mount",
    "umount",  "ntpclient", "tar",     "traceroute", "watchdog", "telnetd", "ip",
    "iwconfig", "ping",    "uname",    "dmesg",    "gpio",      "orv_update", "ntpnet_check"};

const char* const kProgramDirs[] = {"/sbin/", "/bin/", "/usr/sbin/", "/usr/bin/"};

// Start-up scripts of the device that change the machine: in command texts they run as
// the stub of that name ("/etc/init.d/networking restart" records "networking restart").
struct StubbedScript {
  const char* path;
  const char* stub;
};
const StubbedScript kStubbedScripts[] = {{"/etc/init.d/networking", "networking"}};

std::string stubDir() {
  const char* env = std::getenv("ORV_STUB_DIR");
  if (env && *env) return env;
  return ORV_STUB_DIR_DEFAULT;
}

bool isPathBoundary(char c) { return c == '\0' || c == '/' || c == ' ' || c == '"' ||
                                     c == '\'' || c == ';' || c == '\t' || c == '\n' ||
                                     c == ')' || c == '|' || c == '&' || c == '>' || c == '<' ||
                                     c == '*'; }

bool isWordStart(const std::string& text, size_t pos) {
  if (pos == 0) return true;
  char c = text[pos - 1];
  return c == ' ' || c == '"' || c == '\'' || c == '=' || c == '>' || c == '<' || c == '\t' ||
         c == ';' || c == '(' || c == '|' || c == '&' || c == ':' || c == '\n' || c == '`';
}

// Kernel special files that stay real in the host build ("> /dev/null").
const char* const kRealDeviceFiles[] = {"/dev/null", "/dev/zero", "/dev/stdout", "/dev/stderr",
                                        "/dev/stdin", "/dev/urandom", "/dev/random", "/dev/tty"};

bool startsWithRoot(const std::string& text, size_t pos, const char* root) {
  size_t n = std::strlen(root);
  if (text.compare(pos, n, root) != 0) return false;
  char next = pos + n < text.size() ? text[pos + n] : '\0';
  return isPathBoundary(next);
}

// The absolute path at `pos` of a command text stays as it is (see kRealPrefixes).
bool isRealPathInCommand(const std::string& text, size_t pos, const std::string& root) {
  if (text.compare(pos, root.size(), root) == 0) return true;  // already in the sandbox
  // A lone "/", or "//" as in a URL.
  if (isPathBoundary(pos + 1 < text.size() ? text[pos + 1] : '\0')) return true;
  for (const char* f : kRealDeviceFiles)
    if (startsWithRoot(text, pos, f)) return true;
  for (const char* f : kDeviceFilesUnderRealPrefixes)
    if (startsWithRoot(text, pos, f)) return false;
  for (const char* p : kRealPrefixes)
    if (text.compare(pos, std::strlen(p), p) == 0) return true;
  return false;
}
#endif

std::mutex clockMutex;
bool clockReady = false;
// Program time minus system time, in microseconds: setting the clock to a whole second
// starts that second now, as settimeofday does, so that it reads the same for a second.
int64_t clockOffsetUs = 0;

int64_t systemTimeUs() {
  struct timeval tv {};
  gettimeofday(&tv, nullptr);
  return static_cast<int64_t>(tv.tv_sec) * 1000000 + tv.tv_usec;
}

void prepareClockLocked() {
  if (clockReady) return;
  clockReady = true;
  clockOffsetUs = 0;
#ifndef ORV_DEVICE_BUILD
  const char* start = std::getenv("ORV_CLOCK_START");
  if (start && *start) {
    struct tm tm {};
    if (strptime(start, "%Y-%m-%d %H:%M:%S", &tm)) {
      tm.tm_isdst = -1;
      time_t wanted = mktime(&tm);
      if (wanted != static_cast<time_t>(-1))
        clockOffsetUs = static_cast<int64_t>(wanted) * 1000000 - systemTimeUs();
    } else {
      std::fprintf(stderr, "[orvPlatform] ORV_CLOCK_START '%s' is not YYYY-MM-DD HH:MM:SS\n",
                   start);
    }
  }
#endif
}

}  // namespace

std::string sandboxRoot() {
#ifdef ORV_DEVICE_BUILD
  return "";
#else
  const char* env = std::getenv("ORV_ROOT");
  std::string root;
  if (env && *env) {
    root = env;
  } else {
    char cwd[4096];
    root = getcwd(cwd, sizeof cwd) ? std::string(cwd) + "/orv_sandbox" : "orv_sandbox";
  }
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  // A sandbox at "/" would be the real machine.
  if (root == "/" || root.empty()) root = "./orv_sandbox";
  return root;
#endif
}

std::string devicePath(const std::string& path) {
#ifdef ORV_DEVICE_BUILD
  return path;
#else
  if (path.empty() || path[0] != '/') return path;
  for (const char* f : kRealDeviceFiles)
    if (path == f) return path;
  std::string root = sandboxRoot();
  if (path.compare(0, root.size(), root) == 0 &&
      (path.size() == root.size() || path[root.size()] == '/'))
    return path;  // already resolved
  return root + path;
#endif
}

std::string devicePathFromHost(const std::string& hostPath) {
#ifdef ORV_DEVICE_BUILD
  return hostPath;
#else
  std::string root = sandboxRoot();
  char resolved[PATH_MAX];
  std::string roots[2] = {root, realpath(root.c_str(), resolved) ? std::string(resolved) : root};
  for (const std::string& r : roots) {
    if (hostPath.compare(0, r.size(), r) != 0) continue;
    if (hostPath.size() == r.size()) return "/";
    if (hostPath[r.size()] == '/') return hostPath.substr(r.size());
  }
  return hostPath;
#endif
}

std::string deviceCommandText(const std::string& command) {
#ifdef ORV_DEVICE_BUILD
  return command;
#else
  std::string root = sandboxRoot();
  std::string stubs = stubDir();
  std::string out;
  out.reserve(command.size() + 64);
  size_t i = 0;
  while (i < command.size()) {
    if (command[i] == '/' && isWordStart(command, i)) {
      bool done = false;
      for (const StubbedScript& script : kStubbedScripts) {
        if (startsWithRoot(command, i, script.path)) {
          out += stubs + "/" + script.stub;
          i += std::strlen(script.path);
          done = true;
          break;
        }
      }
      if (done) continue;
      for (const char* dir : kProgramDirs) {
        if (command.compare(i, std::strlen(dir), dir) != 0) continue;
        size_t nameStart = i + std::strlen(dir);
        for (const char* prog : kStubbedPrograms) {
          if (startsWithRoot(command, nameStart, prog) &&
              (nameStart + std::strlen(prog) >= command.size() ||
               command[nameStart + std::strlen(prog)] != '/')) {
            out += stubs + "/" + prog;
            i = nameStart + std::strlen(prog);
            done = true;
            break;
          }
        }
        if (done) break;
      }
      if (done) continue;
      if (!isRealPathInCommand(command, i, root)) out += root;
    }
    out += command[i++];
  }
  return out;
#endif
}

namespace {
#ifndef ORV_DEVICE_BUILD
// Environment of a host command: stubs first on PATH, the sandbox named for them.
std::string hostCommandPrefix() {
  return "export PATH='" + stubDir() + "':\"$PATH\" ORV_ROOT='" + sandboxRoot() + "'; ";
}
#endif

std::string shellText(const std::string& command) {
#ifdef ORV_DEVICE_BUILD
  return command;
#else
  // Every command text is kept as the program built it, device paths and all, so that
  // tests can check exactly what the device would have run.
  std::string root = sandboxRoot();
  ::mkdir(root.c_str(), 0755);
  ::mkdir((root + "/log").c_str(), 0755);
  std::ofstream(commandLog(), std::ios::app) << command << '\n';
  return hostCommandPrefix() + deviceCommandText(command);
#endif
}
}  // namespace

int runCommand(const std::string& command) {
  std::fflush(nullptr);
  return std::system(shellText(command).c_str());
}

namespace {
// Starts `argv` without a shell and waits for it; the command log keeps `logged`. The
// child's standard output goes to `outputFd` when it is not -1.
int spawnAndWait(const std::vector<std::string>& argv, const std::vector<std::string>& logged,
                 int outputFd = -1) {
  if (argv.empty() || argv[0].empty()) return -1;
  std::fflush(nullptr);
  std::string program = argv[0];
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
#ifndef ORV_DEVICE_BUILD
  std::string line;
  for (const auto& word : logged) line += (line.empty() ? "" : " ") + word;
  shellText(line);  // keeps the words in the command log
  program = deviceCommandText(program);
  for (auto it = env.begin(); it != env.end();)
    it = it->rfind("PATH=", 0) == 0 || it->rfind("ORV_ROOT=", 0) == 0 ? env.erase(it) : it + 1;
  const char* path = std::getenv("PATH");
  env.push_back("PATH=" + stubDir() + ":" + (path ? path : "/usr/bin:/bin"));
  env.push_back("ORV_ROOT=" + sandboxRoot());
#else
  (void)logged;
#endif
  // Everything the child needs is built before the fork: a threaded parent's child may
  // only call async-signal-safe functions.
  std::vector<char*> args, envp;
  for (const auto& word : argv) args.push_back(const_cast<char*>(word.c_str()));
  args[0] = const_cast<char*>(program.c_str());
  args.push_back(nullptr);
  for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    if (outputFd >= 0 && dup2(outputFd, STDOUT_FILENO) < 0) _exit(127);
    execve(program.c_str(), args.data(), envp.data());
    _exit(127);
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return status;
}
}  // namespace

int runProgram(const std::vector<std::string>& argv) { return spawnAndWait(argv, argv); }

int runProgramToFile(const std::vector<std::string>& argv, const std::string& outputPath) {
  const int fd = ::open(devicePath(outputPath).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                        0644);
  if (fd < 0) return -1;
  const int status = spawnAndWait(argv, argv, fd);
  ::close(fd);
  return status;
}

int runProgramOnFiles(const std::vector<std::string>& argv) {
  std::vector<std::string> resolved = argv;
  for (size_t i = 1; i < resolved.size(); ++i)
    if (!resolved[i].empty() && resolved[i][0] == '/') resolved[i] = devicePath(resolved[i]);
  return spawnAndWait(resolved, argv);
}

int runServerCommand(const std::string& command) {
#ifdef ORV_DEVICE_BUILD
  return runCommand(command);
#else
  shellText(command);  // the command log keeps it; the text itself is never run here
  recordPlatformCall("server-command " + command);
  return 0;
#endif
}

std::string captureCommand(const std::string& command, int* status) {
  std::fflush(nullptr);
  std::string out;
  FILE* pipe = popen(shellText(command).c_str(), "r");
  if (!pipe) {
    if (status) *status = -1;
    return out;
  }
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  int rc = pclose(pipe);
  if (status) *status = rc;
  return out;
}

std::string commandLog() {
#ifdef ORV_DEVICE_BUILD
  return "";
#else
  return sandboxRoot() + "/log/commands.log";
#endif
}

std::string platformCallLog() {
#ifdef ORV_DEVICE_BUILD
  return "";
#else
  return sandboxRoot() + "/platform_calls.log";
#endif
}

int directionControlIoctl(int fd, const std::string& device, int level) {
#ifdef ORV_DEVICE_BUILD
  return ::ioctl(fd, static_cast<unsigned long>(level), 0);
#else
  (void)fd;
  recordPlatformCall("ioctl " + device.substr(device.find_last_of('/') + 1) + " " +
                     std::to_string(level));
  return 0;
#endif
}

void recordPlatformCall(const std::string& line) {
#ifndef ORV_DEVICE_BUILD
  std::string root = sandboxRoot();
  ::mkdir(root.c_str(), 0755);
  std::ofstream log(platformCallLog(), std::ios::app);
  log << line << '\n';
#else
  (void)line;
#endif
}

bool diskSpaceOverride(int64_t* freeBytes, int64_t* totalBytes) {
#ifdef ORV_DEVICE_BUILD
  (void)freeBytes;
  (void)totalBytes;
  return false;
#else
  std::ifstream in(sandboxRoot() + "/platform_stub/diskspace");
  long long free = 0, total = 0;
  if (!(in >> free >> total)) return false;
  *freeBytes = free;
  *totalBytes = total;
  return true;
#endif
}

time_t wallClockNow() { return wallClockTimeOfDay().tv_sec; }

struct timeval wallClockTimeOfDay() {
  int64_t offsetUs;
  {
    std::lock_guard<std::mutex> lock(clockMutex);
    prepareClockLocked();
    offsetUs = clockOffsetUs;
  }
  const int64_t us = systemTimeUs() + offsetUs;
  struct timeval tv {};
  tv.tv_sec = static_cast<time_t>(us / 1000000);
  tv.tv_usec = static_cast<suseconds_t>(us % 1000000);
  return tv;
}

int setWallClock(time_t when) {
#ifdef ORV_DEVICE_BUILD
  struct timeval tv {when, 0};
  return settimeofday(&tv, nullptr) == 0 ? 0 : -1;
#else
  {
    std::lock_guard<std::mutex> lock(clockMutex);
    prepareClockLocked();
    clockOffsetUs = static_cast<int64_t>(when) * 1000000 - systemTimeUs();
  }
  recordPlatformCall("settimeofday " + std::to_string(static_cast<long long>(when)));
  return 0;
#endif
}

void resetWallClock() {
  std::lock_guard<std::mutex> lock(clockMutex);
  clockReady = false;
}

int64_t monotonicMs() {
  struct timespec ts {};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace orv
