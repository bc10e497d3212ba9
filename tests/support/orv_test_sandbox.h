// A fresh sandbox root per test: a temporary folder that ORV_ROOT points at while the
// object lives, with small helpers to lay files and to run orvcore-cli inside it.
#pragma once

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "orvPlatform.h"

// Paths of the source tree, the build tree and orvcore-cli.
inline std::string testSourceDir() { return ORV_TEST_SOURCE_DIR; }
inline std::string testBuildDir() { return ORV_TEST_BUILD_DIR; }
inline std::string testCli() { return ORV_TEST_CLI; }

class TestSandbox {
public:
  TestSandbox() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char tmpl[] = "/tmp/orv-test-XXXXXX";
    root_ = mkdtemp(tmpl) ? tmpl : "";
    setenv("ORV_ROOT", root_.c_str(), 1);
    unsetenv("ORV_CLOCK_START");
    orv::resetWallClock();
    mkdirs("/home/ORV");
    mkdirs("/ramdisk");
    mkdirs("/tmp");
  }
  ~TestSandbox() {
    if (!std::getenv("ORV_KEEP_SANDBOX") && !root_.empty())
      std::system(("rm -rf '" + root_ + "'").c_str());
    unsetenv("ORV_ROOT");
  }
  TestSandbox(const TestSandbox&) = delete;
  TestSandbox& operator=(const TestSandbox&) = delete;

  const std::string& root() const { return root_; }
  // Host path of a device path.
  std::string path(const std::string& devicePath) const { return root_ + devicePath; }

  void mkdirs(const std::string& devicePath) const {
    std::system(("mkdir -p '" + path(devicePath) + "'").c_str());
  }
  void write(const std::string& devicePath, const std::string& content) const {
    std::string p = path(devicePath);
    mkdirs(devicePath.substr(0, devicePath.find_last_of('/')));
    std::ofstream(p, std::ios::binary) << content;
  }
  std::string read(const std::string& devicePath) const {
    std::ifstream in(path(devicePath), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  bool exists(const std::string& devicePath) const {
    struct stat st;
    return ::stat(path(devicePath).c_str(), &st) == 0;
  }
  // Lines recorded by the stub programs and the platform layer.
  std::string platformCalls() const { return read("/platform_calls.log"); }
  // Every command text the program ran, as built (device paths).
  std::string commands() const { return read("/log/commands.log"); }
  // Scripts a stub program's answer.
  void scriptStub(const std::string& program, int status, const std::string& out = "") const {
    write("/platform_stub/" + program + ".status", std::to_string(status) + "\n");
    if (!out.empty()) write("/platform_stub/" + program + ".out", out);
  }

  struct CliResult {
    int status;
    std::string out;
  };
  // Runs orvcore-cli with `args` (a shell word list) in this sandbox; stderr joins stdout.
  CliResult cli(const std::string& args, const std::string& env = "") const {
    return run(env + " '" + testCli() + "' " + args + " 2>&1");
  }
  // Runs a shell command line (ORV_ROOT names this sandbox); returns its stdout and exit code.
  CliResult run(const std::string& cmd) const {
    CliResult r{-1, ""};
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
  }

private:
  std::string root_;
};
