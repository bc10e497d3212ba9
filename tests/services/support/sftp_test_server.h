// The supervision server for the services tests: platform/sftp-server/sftp-server.sh run
// by the test itself, an OpenSSH sshd on 127.0.0.1:22 of the test's private network
// namespace, with the account "Voredane" and the server tree of one or more device IDs.
// sshd is a child of the test process and ends with it.
//
// Port 22 is claimed first through a lock file named after the network namespace, so
// that the test programs that ctest runs side by side take it one after the other.
#pragma once

#include <gtest/gtest.h>
#include <sys/types.h>

#include <string>
#include <vector>

#include "port22_claim.h"

class SftpTestServer {
public:
  static constexpr const char* kAccount = "Voredane";
  static constexpr const char* kPassword = "Morvi@27tdx";
  static constexpr const char* kBaseUrl = "sftp://127.0.0.1";

  SftpTestServer() = default;
  ~SftpTestServer() { stop(); }
  SftpTestServer(const SftpTestServer&) = delete;
  SftpTestServer& operator=(const SftpTestServer&) = delete;

  // Starts the server with the tree of `ids`. Returns "" when it serves, else the reason
  // to skip (`failed` tells a refusal to skip from a start that went wrong).
  std::string start(const std::vector<int>& ids, bool* failed);
  void stop();
  bool running() const { return !home_.empty(); }
  // Stops and restarts sshd alone, keeping port 22 claimed and the tree as it is: the
  // server "unreachable" for a while.
  bool suspend();
  bool resume();

  // Server side, read and written directly: paths relative to the account's home ("~").
  std::string path(const std::string& relative) const { return home_ + "/" + relative; }
  void write(const std::string& relative, const std::string& content) const;
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  // Names in a server folder, sorted, without "." entries.
  std::vector<std::string> list(const std::string& relative) const;
  // Every file of the tree, as paths relative to the home ("ORV/12/journal.log"), sorted.
  std::vector<std::string> files() const;
  // Empties every folder of the tree, keeping the folders.
  void clearFiles() const;

private:
  bool launch(std::string* why);
  bool pidFileNames(pid_t pid) const;
  // true once nothing answers on the port any more
  bool stopDaemon();
  static bool portAnswers();

  Port22Claim* claim_ = nullptr;
  std::string dir_;
  std::string home_;
  std::vector<std::string> ids_;
  pid_t daemon_ = -1;
};

// Base of a test suite that shares one server with the trees of devices `Ids`: started
// before the suite's first test, stopped after its last; every test starts with no file on
// it. Where no server can run, each test skips with the reason.
template <int... Ids>
class SftpServerSuite : public ::testing::Test {
protected:
  static void SetUpTestSuite() { reason_ = server_.start({Ids...}, &failed_); }
  static void TearDownTestSuite() { server_.stop(); }
  void SetUp() override {
    if (failed_) FAIL() << "test server: " << reason_;
    if (!reason_.empty()) GTEST_SKIP() << "no test SFTP server here: " << reason_;
    server_.clearFiles();
  }

  static SftpTestServer server_;
  static std::string reason_;
  static bool failed_;
};
template <int... Ids>
SftpTestServer SftpServerSuite<Ids...>::server_;
template <int... Ids>
std::string SftpServerSuite<Ids...>::reason_;
template <int... Ids>
bool SftpServerSuite<Ids...>::failed_ = false;

// The suite of most exchange tests: the tree of device 12.
using SftpServerTest = SftpServerSuite<12>;

// A socket listening on 127.0.0.1:22 (close-on-exec), or -1; the caller closes it.
int listenOnLoopbackPort22();

// A process that accepts TCP connections on 127.0.0.1:22 and never says a word.
class SilentListener {
public:
  SilentListener() = default;
  ~SilentListener();
  // "" when listening, else the reason to skip (`failed`: the reason is a fault).
  std::string start(bool* failed);

private:
  Port22Claim* claim_ = nullptr;
  int fd_ = -1;
};

// A server address whose connection requests are never answered, as a server that drops
// them: a listener on 127.0.0.5:22 whose accept queue (backlog 0) the fixture fills with one
// connection it never accepts, so that the kernel drops every further SYN.
class UnansweredAddress {
public:
  static constexpr const char* kAddress = "127.0.0.5";

  UnansweredAddress() = default;
  ~UnansweredAddress();
  UnansweredAddress(const UnansweredAddress&) = delete;
  UnansweredAddress& operator=(const UnansweredAddress&) = delete;
  // "" when a plain connect to the address does not complete within 1 s, else the reason
  // to skip (`failed`: the reason is a fault).
  std::string start(bool* failed);

private:
  int listener_ = -1;
  int filler_ = -1;
};
