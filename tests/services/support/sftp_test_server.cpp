#include "sftp_test_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <netinet/in.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "orv_test_sandbox.h"

std::string SftpTestServer::start(const std::vector<int>& ids, bool* failed) {
  *failed = false;
  claim_ = new Port22Claim();
  if (!claim_->refusal().empty()) {
    std::string why = claim_->refusal();
    stop();
    return why;
  }
  char tmpl[] = "/tmp/orv-sftp-server-XXXXXX";
  dir_ = mkdtemp(tmpl) ? tmpl : "";
  ids_.clear();
  for (int id : ids) ids_.push_back(std::to_string(id));
  std::string why;
  if (!launch(&why)) {
    *failed = true;
    stop();
    return why;
  }
  home_ = dir_ + "/home/" + kAccount;
  return "";
}

// sshd runs in the foreground as a child of this process, and is told to end (SIGTERM)
// when this process ends in any way: no server outlives its test, even a killed one.
// It serves once its PID file, written after it bound the port, names it: a listener
// that is not this sshd (another test's, or one left over) never passes for it.
bool SftpTestServer::launch(std::string* why) {
  std::vector<std::string> args{"sh", sftpServerScript(), "run", dir_};
  args.insert(args.end(), ids_.begin(), ids_.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(&a[0]);
  argv.push_back(nullptr);
  pid_t parent = getpid();
  pid_t child = fork();
  if (child < 0) {
    *why = "cannot fork";
    return false;
  }
  if (child == 0) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);
    execv("/bin/sh", argv.data());
    _exit(127);
  }
  daemon_ = child;
  for (int i = 0; i < 400; ++i) {
    int status;
    if (waitpid(child, &status, WNOHANG) == child) {
      daemon_ = -1;
      std::ifstream log(dir_ + "/sshd.log");
      std::stringstream text;
      text << log.rdbuf();
      *why = "sshd ended at start: " + text.str();
      return false;
    }
    if (pidFileNames(child) && portAnswers()) return true;
    usleep(25000);
  }
  *why = "sshd did not come up";
  stopDaemon();
  return false;
}

bool SftpTestServer::pidFileNames(pid_t pid) const {
  pid_t written = -1;
  std::ifstream(dir_ + "/sshd.pid") >> written;
  return written == pid;
}

bool SftpTestServer::portAnswers() {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(22);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bool open = fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  if (fd >= 0) close(fd);
  return open;
}

// A connection process that sshd forked just before it ended keeps the listening socket
// until it runs and closes it, which a loaded machine may put off for a while: the port
// is free once nothing answers on it any more.
bool SftpTestServer::stopDaemon() {
  if (daemon_ <= 0) return !portAnswers();
  kill(daemon_, SIGTERM);
  waitpid(daemon_, nullptr, 0);
  daemon_ = -1;
  for (int i = 0; i < 400; ++i) {
    if (!portAnswers()) return true;
    usleep(25000);
  }
  return false;
}

bool SftpTestServer::suspend() { return stopDaemon(); }

bool SftpTestServer::resume() {
  std::string why;
  return launch(&why);
}

void SftpTestServer::stop() {
  stopDaemon();
  if (!dir_.empty() && !std::getenv("ORV_KEEP_SANDBOX"))
    std::system(("rm -rf '" + dir_ + "'").c_str());
  dir_.clear();
  home_.clear();
  delete claim_;
  claim_ = nullptr;
}

// Files laid by the test belong to the account, like the files it uploads itself.
void SftpTestServer::write(const std::string& relative, const std::string& content) const {
  std::string p = path(relative);
  std::ofstream(p, std::ios::binary) << content;
  struct stat home;
  if (::stat(home_.c_str(), &home) == 0 && chown(p.c_str(), home.st_uid, home.st_gid) != 0)
    std::perror(p.c_str());
}

std::string SftpTestServer::read(const std::string& relative) const {
  std::ifstream in(path(relative), std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

bool SftpTestServer::exists(const std::string& relative) const {
  struct stat st;
  return ::stat(path(relative).c_str(), &st) == 0;
}

namespace {

// Lines printed by a shell command, without "." entries, sorted.
std::vector<std::string> sortedLines(const std::string& command) {
  std::string out;
  FILE* p = popen(command.c_str(), "r");
  if (p) {
    char buf[512];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
  }
  std::vector<std::string> lines;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line))
    if (!line.empty() && line[0] != '.') lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace

std::vector<std::string> SftpTestServer::list(const std::string& relative) const {
  return sortedLines("ls -1 '" + path(relative) + "' 2>/dev/null");
}

std::vector<std::string> SftpTestServer::files() const {
  return sortedLines("cd '" + home_ + "' && find ORV -type f");
}

void SftpTestServer::clearFiles() const {
  std::system(("find '" + home_ + "/ORV' -type f -delete").c_str());
}

SilentListener::~SilentListener() {
  if (fd_ >= 0) close(fd_);
  delete claim_;
}

std::string SilentListener::start(bool* failed) {
  *failed = false;
  claim_ = new Port22Claim();
  if (!claim_->refusal().empty()) return claim_->refusal();
  // The kernel completes the connections in the backlog: nobody ever accepts or speaks.
  fd_ = listenOnLoopbackPort22();
  if (fd_ < 0) {
    *failed = true;
    return "cannot listen on 127.0.0.1:22";
  }
  return "";
}

int listenOnLoopbackPort22() {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(22);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 && listen(fd, 16) == 0)
    return fd;
  close(fd);
  return -1;
}

UnansweredAddress::~UnansweredAddress() {
  if (filler_ >= 0) close(filler_);
  if (listener_ >= 0) close(listener_);
}

std::string UnansweredAddress::start(bool* failed) {
  *failed = false;
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(22);
  inet_pton(AF_INET, kAddress, &addr.sin_addr);
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      listen(listener_, 0) != 0)
    return std::string("cannot listen on ") + kAddress + ":22";
  // The one connection the queue holds: never accepted.
  filler_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (filler_ < 0 || connect(filler_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    *failed = true;
    return "cannot fill the accept queue";
  }
  // A further connect must stay unanswered.
  int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  int rc = connect(probe, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  bool answered = rc == 0;
  if (rc != 0 && errno == EINPROGRESS) {
    pollfd waiting{probe, POLLOUT, 0};
    answered = poll(&waiting, 1, 1000) != 0;
  }
  close(probe);
  if (answered) {
    *failed = true;
    return std::string("a connect to ") + kAddress + ":22 was answered";
  }
  return "";
}
