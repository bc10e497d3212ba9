#include "port22_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "orv_test_sandbox.h"

namespace {

// Runs the set-up script; its output (stderr joined) and exit status.
int runScript(const std::string& args, std::string* output) {
  FILE* p = popen(("sh '" + sftpServerScript() + "' " + args + " 2>&1").c_str(), "r");
  if (!p) return -1;
  char buf[512];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) output->append(buf, n);
  int st = pclose(p);
  return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

std::string trimmed(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
  return s;
}

// "net:[4026531840]" -> "4026531840": one lock per network namespace.
std::string networkNamespaceId() {
  char link[64] = {0};
  ssize_t n = readlink("/proc/self/ns/net", link, sizeof link - 1);
  std::string id;
  for (ssize_t i = 0; i < n; ++i)
    if (link[i] >= '0' && link[i] <= '9') id += link[i];
  return id.empty() ? "unknown" : id;
}

}  // namespace

std::string sftpServerScript() { return testSourceDir() + "/platform/sftp-server/sftp-server.sh"; }

Port22Claim::Port22Claim() : lockFd_(-1) {
  std::string lock = "/tmp/orv-sftp-port22-net" + networkNamespaceId() + ".lock";
  lockFd_ = open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lockFd_ < 0 || flock(lockFd_, LOCK_EX) != 0) {
    refusal_ = "cannot take the port 22 lock " + lock;
    return;
  }
  std::string out;
  if (runScript("check", &out) != 0) refusal_ = trimmed(out);
}

Port22Claim::~Port22Claim() {
  if (lockFd_ >= 0) close(lockFd_);  // releases the lock
}
