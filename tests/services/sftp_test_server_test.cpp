// The test SFTP server itself: it counts as up only when its own sshd serves the port.
#include <gtest/gtest.h>
#include <unistd.h>

#include "support/sftp_test_server.h"

namespace {

TEST(SftpTestServer, AListenerThatIsNotItsSshdDoesNotPassForTheServer) {
  SftpTestServer server;
  bool failed = false;
  const std::string reason = server.start({12}, &failed);
  if (failed) FAIL() << reason;
  if (!reason.empty()) GTEST_SKIP() << "no test SFTP server here: " << reason;
  ASSERT_TRUE(server.suspend());
  // A listener that is not its sshd (left over by another test) holds the port.
  const int foreign = listenOnLoopbackPort22();
  ASSERT_GE(foreign, 0);
  EXPECT_FALSE(server.resume()) << "a foreign listener taken for the server";
  close(foreign);
  EXPECT_TRUE(server.resume());
}

}  // namespace
