// The test SFTP server itself: it counts as up only when its own sshd serves the port.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "support/sftp_test_server.h"

namespace {

// A listener on 127.0.0.1:22 that is not the server's sshd (left over by another test);
// -1 when the port cannot be taken.
int foreignListener() {
  int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  int on = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(22);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
      listen(fd, 16) == 0)
    return fd;
  if (fd >= 0) close(fd);
  return -1;
}

TEST(SftpTestServer, AListenerThatIsNotItsSshdDoesNotPassForTheServer) {
  SftpTestServer server;
  bool failed = false;
  const std::string reason = server.start({12}, &failed);
  if (failed) FAIL() << reason;
  if (!reason.empty()) GTEST_SKIP() << "no test SFTP server here: " << reason;
  ASSERT_TRUE(server.suspend());
  const int foreign = foreignListener();
  ASSERT_GE(foreign, 0);
  EXPECT_FALSE(server.resume()) << "a foreign listener taken for the server";
  close(foreign);
  EXPECT_TRUE(server.resume());
}

}  // namespace
