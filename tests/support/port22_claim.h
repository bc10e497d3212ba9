// Exclusive use of port 22 in this network namespace, for the test SFTP server or a silent
// listener: a lock file named after the network namespace, so that the test programs that
// ctest runs side by side take the port one after the other.
#pragma once

#include <string>

// The test SFTP server's set-up script (platform/sftp-server/sftp-server.sh).
std::string sftpServerScript();

class Port22Claim {
public:
  Port22Claim();
  ~Port22Claim();
  Port22Claim(const Port22Claim&) = delete;
  Port22Claim& operator=(const Port22Claim&) = delete;
  // Empty when port 22 is ours; otherwise why not (not a private namespace, port taken).
  const std::string& refusal() const { return refusal_; }

private:
  int lockFd_;
  std::string refusal_;
};
