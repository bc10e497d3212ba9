#include <gtest/gtest.h>

#include "ORV_fileManip.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "orv_test_sandbox.h"

namespace {

// 08:05:00 leaves the minute a whole minute to run on while the test writes.
class ServerFiles : public ::testing::Test {
protected:
  void SetUp() override {
    setenv("ORV_CLOCK_START", "2024-01-31 08:05:00", 1);
    orv::resetWallClock();
    store = new orvDatas();
    Singleton<orv_classPtr>::ptr()->datas = store;
  }
  void TearDown() override {
    Singleton<orv_classPtr>::ptr()->datas = nullptr;
    delete store;
  }
  void setServerId(int id) {
    store->setCFG_struct(orvDatas::getCFG_ID_fromKeyString("CONFIG_SRV_ID"), &id);
  }

  TestSandbox box;
  orvDatas* store = nullptr;
  ORV_fileManip files;
};

}  // namespace

TEST_F(ServerFiles, AlarmFileLinesAndReplacement) {
  setServerId(42);
  EXPECT_EQ(files.Send_Alarmes(103, "A", "B"), 1);
  EXPECT_EQ(box.read("/home/ORV/yORV.42"), "42\nadd_mac\n31/01/2024\n08 H 05 Min\n103\nA\nB\n");

  // The next alarm replaces the file whole; null texts give empty lines.
  EXPECT_EQ(files.Send_Alarmes(7, "1", nullptr), 1);
  EXPECT_EQ(box.read("/home/ORV/yORV.42"), "42\nadd_mac\n31/01/2024\n08 H 05 Min\n7\n1\n\n");
}

TEST_F(ServerFiles, NoAlarmFileWithoutServerIdentity) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(files.Send_Alarmes(103, "A", "B"), 0);  // CONFIG_SRV_ID defaults to 0
  EXPECT_NE(testing::internal::GetCapturedStdout().find(
                "Send_Alarmes : Acces reseau non validee {id_Serveur = 0}"),
            std::string::npos);
  EXPECT_FALSE(box.exists("/home/ORV/yORV.0"));

  Singleton<orv_classPtr>::ptr()->datas = nullptr;  // no store at all: no identity either
  EXPECT_EQ(files.Send_Alarmes(103, "A", "B"), 0);
  EXPECT_FALSE(box.exists("/home/ORV/yORV.0"));
}

TEST_F(ServerFiles, AlarmFileThatCannotBeWrittenIsReported) {
  setServerId(42);
  std::system(("rm -rf '" + box.path("/home/ORV") + "'").c_str());
  EXPECT_EQ(files.Send_Alarmes(103, "A", "B"), 0);
}

TEST_F(ServerFiles, UploadMarkerReplacesAnOldOne) {
  box.write("/home/ORV/zORV_42", "stale content from an earlier run\r\n");
  EXPECT_EQ(files.CreateUploadOK_File(42), 1);
  EXPECT_EQ(box.read("/home/ORV/zORV_42"), "42\r\n");
}

TEST_F(ServerFiles, DownloadMarkerWithPeriodInWholeMinutes) {
  struct Case {
    int periodSeconds;
    const char* periodLine;
  } cases[] = {{3600, "PERIODE=60\r\n"}, {90, "PERIODE=1\r\n"}, {59, "PERIODE=0\r\n"}};
  for (const auto& c : cases) {
    EXPECT_EQ(files.CreateSendDownloadOK_File(42, c.periodSeconds), 1);
    EXPECT_EQ(box.read("/home/ORV/zORV-42"),
              std::string("ID=42\r\nDATE=2024/01/31\r\nHEURE=08:05\r\n") + c.periodLine);
  }
}

TEST_F(ServerFiles, MarkersReportAMissingDataDirectory) {
  std::system(("rm -rf '" + box.path("/home/ORV") + "'").c_str());
  EXPECT_EQ(files.CreateUploadOK_File(42), 0);
  EXPECT_EQ(files.CreateSendDownloadOK_File(42, 3600), 0);
}

TEST_F(ServerFiles, ServerIdFileNeedsThreeLines) {
  struct Case {
    const char* content;  // nullptr: no file
    int result, id, hour, minute;
  } cases[] = {
      {"1234\n3\n45\n", 1, 1234, 3, 45},
      {"1234\r\n3\r\n45\r\n", 1, 1234, 3, 45},         // written on the server's side
      {"  77 site\n-1\nx\nextra\n", 1, 77, -1, 0},    // conversion stops at a non-digit
      {"99999999999\n3\n45", 1, 2147483647, 3, 45},   // clamped, last line unterminated
      {"1234\n3\n", 0, -5, -5, -5},                    // outputs untouched
      {"", 0, -5, -5, -5},
      {nullptr, 0, -5, -5, -5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content ? c.content : "(no file)");
    std::remove(box.path(ORV_fileManip::kServerIdFilePath).c_str());
    if (c.content) box.write(ORV_fileManip::kServerIdFilePath, c.content);
    int id = -5, hour = -5, minute = -5;
    EXPECT_EQ(files.Extract_SvrIDFile(id, hour, minute), c.result);
    EXPECT_EQ(id, c.id);
    EXPECT_EQ(hour, c.hour);
    EXPECT_EQ(minute, c.minute);
  }
}
