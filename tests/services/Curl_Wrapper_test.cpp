// The SFTP client against a real OpenSSH server on 127.0.0.1:22 of the test's private
// network namespace (see platform/sftp-server/).
#include "Curl_Wrapper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "orv_test_sandbox.h"
#include "support/sftp_test_server.h"

namespace {

const std::string kBase = SftpTestServer::kBaseUrl;
const std::string kUser = SftpTestServer::kAccount;
const std::string kPassword = SftpTestServer::kPassword;

class Curl_WrapperTest : public SftpServerTest {
protected:
  TestSandbox sandbox_;
  Curl_Wrapper curl_;
};

TEST_F(Curl_WrapperTest, UploadSendsExistingFilesAndDeletesOnlyWhatWentUp) {
  sandbox_.write("/home/ORV/zORV_12", "12\r\n");
  sandbox_.write("/home/ORV/journal.log", "01/02/2024;08:00:00;100;a;b;ORV;\n");
  sandbox_.write("/tmp/sysCmds.log", "left behind\n");
  SftpUploadMap files{
      {{"/home/ORV/zORV_12", "~/ORV/Chargement"}, true},
      {{"/home/ORV/journal.log", "~/ORV/12"}, false},
      {{"/home/ORV/traceroute.log", "~/ORV/12"}, true},      // missing: skipped
      {{"/tmp/sysCmds.log", "~/ORV/12/NoSuchFolder"}, true},  // refused by the server
  };

  EXPECT_EQ(1, curl_.Upload(kBase, kUser, kPassword, files));

  EXPECT_EQ("12\r\n", server_.read("ORV/Chargement/zORV_12"));
  EXPECT_EQ("01/02/2024;08:00:00;100;a;b;ORV;\n", server_.read("ORV/12/journal.log"));
  EXPECT_FALSE(sandbox_.exists("/home/ORV/zORV_12"));
  EXPECT_TRUE(sandbox_.exists("/home/ORV/journal.log"));
  EXPECT_TRUE(sandbox_.exists("/tmp/sysCmds.log")) << "a failed upload keeps its file";
  EXPECT_FALSE(server_.exists("ORV/12/NoSuchFolder"));
}

TEST_F(Curl_WrapperTest, UploadWithNothingToSendReportsFailure) {
  SftpUploadMap missing{{{"/home/ORV/moy.msr", "~/ORV/12"}, false}};
  EXPECT_EQ(0, curl_.Upload(kBase, kUser, kPassword, missing));
  EXPECT_EQ(0, curl_.Upload(kBase, kUser, kPassword, SftpUploadMap()));
  EXPECT_TRUE(server_.list("ORV/12").size() == 4u) << "only the four device folders";
}

TEST_F(Curl_WrapperTest, WrongPasswordOrEmptyAddressTransfersNothing) {
  sandbox_.write("/home/ORV/config.conf", "[General]\n");
  SftpUploadMap files{{{"/home/ORV/config.conf", "~/ORV/12"}, true}};
  EXPECT_EQ(0, curl_.Upload(kBase, kUser, "wrong", files));
  EXPECT_EQ(0, curl_.Upload("", kUser, kPassword, files));
  EXPECT_TRUE(sandbox_.exists("/home/ORV/config.conf"));
  EXPECT_FALSE(server_.exists("ORV/12/config.conf"));
  EXPECT_TRUE(curl_.TestConnection(kBase, kUser, kPassword));
  EXPECT_FALSE(curl_.TestConnection(kBase, kUser, "wrong"));
  EXPECT_FALSE(curl_.TestConnection("", kUser, kPassword));
}

TEST_F(Curl_WrapperTest, ListDirFiltersNamesByPattern) {
  for (const char* name : {"ORV_100500.tar.gz", "ORV_100500.sha256", "module_HPF.v2.1.tar.gz",
                           ".hidden.tar.gz"})
    server_.write(std::string("ORV/12/programme/") + name, "x");
  const std::string dir = "~/ORV/12/programme/";
  struct Case {
    const char* pattern;
    std::vector<std::string> names;
  } cases[] = {
      {"", {"ORV_100500.sha256", "ORV_100500.tar.gz", "module_HPF.v2.1.tar.gz"}},
      {"ORV_10*.*", {"ORV_100500.sha256", "ORV_100500.tar.gz"}},
      {"sha256*ORV_", {"ORV_100500.sha256"}},  // pieces in any order
      {"ORV_*.zip", {}},                         // one piece missing
      {"***", {"ORV_100500.sha256", "ORV_100500.tar.gz", "module_HPF.v2.1.tar.gz"}},
      {"tar.gz", {"ORV_100500.tar.gz", "module_HPF.v2.1.tar.gz"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> out{"kept"};
    ASSERT_EQ(1, curl_.ListDir(kBase, kUser, kPassword, dir, out, c.pattern)) << c.pattern;
    std::vector<std::string> expected{"kept"};
    for (const std::string& n : c.names) expected.push_back(dir + n);
    std::sort(out.begin() + 1, out.end());
    EXPECT_EQ(expected, out) << "pattern \"" << c.pattern << "\"";
  }
}

TEST_F(Curl_WrapperTest, ListDirOfEmptyAndMissingFolders) {
  std::vector<std::string> out;
  EXPECT_EQ(1, curl_.ListDir(kBase, kUser, kPassword, "~/ORV/12/SversD/", out, ""));
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(0, curl_.ListDir(kBase, kUser, kPassword, "~/ORV/99/SversD/", out, ""));
  EXPECT_TRUE(out.empty());
}

TEST_F(Curl_WrapperTest, DownloadOneFileAndDeleteItFromTheServer) {
  server_.write("ORV/12/SversD/actions.xml", "<actions>\n</actions>\n");
  server_.write("ORV/compteur/testcom.txt", "test\r\n");
  sandbox_.write("/tmp/actions.xml", "an older copy that is much longer\n");

  EXPECT_EQ(1, curl_.Download(kBase, kUser, kPassword, "~/ORV/12/SversD/actions.xml",
                              "/tmp/actions.xml", true));
  EXPECT_EQ(1, curl_.Download(kBase, kUser, kPassword, "~/ORV/compteur/testcom.txt",
                              "/tmp/testcom.txt", false));

  EXPECT_EQ("<actions>\n</actions>\n", sandbox_.read("/tmp/actions.xml"));
  EXPECT_FALSE(server_.exists("ORV/12/SversD/actions.xml"));
  EXPECT_EQ("test\r\n", sandbox_.read("/tmp/testcom.txt"));
  EXPECT_TRUE(server_.exists("ORV/compteur/testcom.txt"));
  EXPECT_EQ(0, curl_.Download(kBase, kUser, kPassword, "~/ORV/compteur/none.txt",
                              "/tmp/none.txt", true));
}

TEST_F(Curl_WrapperTest, DownloadMapDropsAndCleansFailedEntries) {
  server_.write("ORV/12/config.conf", "[General]\nCONFIG_SRV_ID=12\n");
  SftpDownloadMap files{
      {{"~/ORV/12/config.conf", "/home/ORV/"}, {true, 1}},
      {{"~/ORV/12/moy.msr", "/home/ORV/"}, {false, 1}},  // not on the server
  };
  sandbox_.write("/home/ORV/moy.msr", "local means\n");

  EXPECT_EQ(0, curl_.Download(kBase, kUser, kPassword, files));

  EXPECT_EQ("[General]\nCONFIG_SRV_ID=12\n", sandbox_.read("/home/ORV/config.conf"));
  EXPECT_FALSE(server_.exists("ORV/12/config.conf"));
  EXPECT_FALSE(sandbox_.exists("/home/ORV/moy.msr")) << "a failed entry loses its local file";
  ASSERT_EQ(1u, files.size());
  EXPECT_EQ("~/ORV/12/config.conf", files.begin()->first.first);

  SftpDownloadMap none;
  EXPECT_EQ(1, curl_.Download(kBase, kUser, kPassword, none));
}

TEST_F(Curl_WrapperTest, QuoteCommandAndDeleteFile) {
  server_.write("ORV/12/SversD/actions.xml", "a\nb\nc\n");
  server_.write("ORV/Alarmes/yORV.12", "12\n");
  std::vector<std::string> pre;
  std::vector<std::string> post{"rename ORV/12/SversD/actions.xml ORV/12/SversD/done.xml"};

  EXPECT_EQ(1, curl_.QuoteCommand(kBase, "/~/ORV/12/SversD/actions.xml", "/tmp/q.xml", kUser,
                                  kPassword, pre, post));
  EXPECT_EQ("a\nb\nc\n", sandbox_.read("/tmp/q.xml"));
  EXPECT_EQ(std::vector<std::string>{"done.xml"}, server_.list("ORV/12/SversD"));

  EXPECT_TRUE(curl_.DeleteFile(kBase, "~/ORV/Alarmes/yORV.12", kUser, kPassword));
  EXPECT_FALSE(server_.exists("ORV/Alarmes/yORV.12"));
  EXPECT_FALSE(curl_.DeleteFile(kBase, "~/ORV/Alarmes/yORV.12", kUser, kPassword));
}

TEST(Curl_WrapperPaths, FileNamesAndRemoveCommands) {
  EXPECT_EQ("journal.log", Curl_Wrapper::getFileNameFromPath("/home/ORV/journal.log"));
  EXPECT_EQ("", Curl_Wrapper::getFileNameFromPath("journal.log"));
  EXPECT_EQ("", Curl_Wrapper::getFileNameFromPath("~/ORV/12/"));
  EXPECT_EQ("rm ORV/12/SversD/actions.xml",
            Curl_Wrapper::removeCommand("~/ORV/12/SversD/actions.xml"));
  EXPECT_EQ("rm /srv/ORV/a.txt", Curl_Wrapper::removeCommand("/srv/ORV/a.txt"));
}

// A server that takes the connection and never speaks fails the transfer at the connect
// time-out instead of holding the caller.
TEST(Curl_WrapperSilentServer, UploadGivesUpAtTheConnectTimeout) {
  SilentListener listener;
  bool failed = false;
  std::string reason = listener.start(&failed);
  if (failed) FAIL() << reason;
  if (!reason.empty()) GTEST_SKIP() << "port 22 not ours here: " << reason;
  TestSandbox sandbox;
  sandbox.write("/home/ORV/journal.log", "x\n");
  Curl_Wrapper curl;
  curl.setTransferLimits(2, 2);

  auto begin = std::chrono::steady_clock::now();
  SftpUploadMap files{{{"/home/ORV/journal.log", "~/ORV/12"}, true}};
  EXPECT_EQ(0, curl.Upload(kBase, kUser, kPassword, files));
  std::vector<std::string> out;
  EXPECT_EQ(0, curl.ListDir(kBase, kUser, kPassword, "~/ORV/12/", out, ""));
  auto seconds = std::chrono::duration_cast<std::chrono::seconds>(
                     std::chrono::steady_clock::now() - begin).count();

  EXPECT_LT(seconds, 30) << "the time-out did not end the transfers";
  EXPECT_TRUE(sandbox.exists("/home/ORV/journal.log"));
}

}  // namespace
