// The server exchange thread: its queue, its schedule and its upload groups, against a
// real OpenSSH server on 127.0.0.1:22 of the test's private network namespace.
#include "ORV_UpdThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "ORV_UpdCore.h"
#include "ORV_fileManip.h"
#include "ORV_sysNet.h"
#include "orvDatas.h"
#include "orv_classPtr.h"
#include "orv_test_sandbox.h"
#include "support/sftp_test_server.h"

namespace {

// The core as the thread sees it: its network and file services.
class TestCore : public ORV_UpdCore {
public:
  ORV_sysNet* ORV_sysNet_Ptr() override { return &net; }
  ORV_fileManip* ORV_fileManip_Ptr() override { return &files; }
  ORV_sysNet net;
  ORV_fileManip files;
};

// One device as the exchange thread sees it: a sandbox with the program clock at
// `clockStart`, the configuration store in the registry (server 127.0.0.1, ID 12, check
// every 300 s, link up), the core's services and the thread, initialised, not started.
class ExchangeBench {
public:
  explicit ExchangeBench(const char* clockStart = "2024-03-01 10:00:00",
                         std::function<void(ExchangeBench&)> configure = nullptr) {
    setenv("ORV_CLOCK_START", clockStart, 1);
    orv::resetWallClock();
    testing::internal::CaptureStdout();
    store.reset(new orvDatas());
    testing::internal::GetCapturedStdout();
    Singleton<orv_classPtr>::ptr()->datas = store.get();
    setKey("CONFIG_SRV_ID", 12);
    setKey("CONFIG_TIMER_PERIOD", 300);
    setMes(565, 1);
    if (configure) configure(*this);
    core.files.initORV_fileManip();
    thread.reset(new ORV_UpdThread(&core));
    thread->init();
    thread->sftpClient().setTransferLimits(5, 5);
  }
  ~ExchangeBench() {
    thread.reset();
    Singleton<orv_classPtr>::ptr()->datas = nullptr;
    unsetenv("ORV_CLOCK_START");
    orv::resetWallClock();
  }

  void setKey(const char* keyword, int value) {
    store->setCFG_struct(orvDatas::getCFG_ID_fromKeyString(keyword), &value);
  }
  void setMes(int index, int value) { store->setMES_struct(index, &value); }
  int mes(int index) { return store->getMES_struct(index).intValue; }
  // Starts the loop with its first check due now.
  void startLoop() {
    thread->setNextCheckTime(orv::wallClockNow());
    thread->start();
  }

  TestSandbox sandbox;
  std::unique_ptr<orvDatas> store;
  TestCore core;
  std::unique_ptr<ORV_UpdThread> thread;
};

// Waits up to `seconds` for `done`.
bool waitFor(const std::function<bool()>& done, int seconds = 20) {
  auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

// --- Queue (codes above 7 are dropped unsent, so no server is needed) ---

TEST(ORV_UpdThreadQueue, DistinctCodesNewestFirstAtMostEleven) {
  {
    ExchangeBench bench;
    ORV_UpdThread& t = *bench.thread;
    EXPECT_EQ(1, t.add_toSendFilesToServerList(1));
    EXPECT_EQ(1, t.add_toSendFilesToServerList(5));
    EXPECT_EQ(1, t.add_toSendFilesToServerList(1));
    EXPECT_EQ((std::vector<int>{1, 5}), t.queuedRequests());
  }
  ExchangeBench bench;
  for (int code = 20; code <= 31; ++code) bench.thread->add_toSendFilesToServerList(code);
  std::vector<int> expected{20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 31};
  EXPECT_EQ(expected, bench.thread->queuedRequests()) << "the twelfth replaces the newest";
  std::vector<int> taken;
  for (int code; (code = bench.thread->check_sendFilesToServerList()) >= 0;) taken.push_back(code);
  EXPECT_EQ(std::vector<int>(expected.rbegin(), expected.rend()), taken);
}

TEST(ORV_UpdThreadQueue, RequestWhileLinkDownIsDropped) {
  ExchangeBench bench;
  bench.setMes(565, 0);
  EXPECT_EQ(0, bench.thread->add_toSendFilesToServerList(0));
  EXPECT_TRUE(bench.thread->queuedRequests().empty());
}

TEST(ORV_UpdThreadQueue, FirstCheckComesOneToNineteenMinutesAfterInit) {
  // The delay is drawn from a generator seeded with the clock: a few start times.
  for (const char* start : {"2024-03-01 10:00:00", "2024-03-01 10:00:07", "2024-06-30 03:14:15",
                            "2025-01-01 00:00:00", "2024-03-01 23:59:59"}) {
    ExchangeBench bench(start);
    long ahead = static_cast<long>(bench.thread->nextCheckTime() - orv::wallClockNow());
    EXPECT_GE(ahead, 59);
    EXPECT_LE(ahead, 19 * 60);
  }
}

// --- Schedule of the periodic check ---

TEST(ORV_UpdThreadSchedule, DailyWindowAndQuietWindow) {
  struct Case {
    int hour, minute, srvHour, srvMin;
    bool doneBefore;
    bool quiet, upload, doneAfter, receive;
  } cases[] = {
      {23, 30, 23, 0, false, false, true, true, true},    // 23:30 still works
      {23, 31, 23, 0, false, true, false, false, false},  // quiet from 23:31
      {23, 59, 23, 0, true, true, false, true, false},    // quiet keeps the flag
      {23, 0, 23, 0, false, false, true, true, true},     // window opens
      {23, 10, 23, 0, true, false, false, true, true},    // once per window
      {23, 30, 23, 45, true, false, false, false, true},  // 23:45 window: never reached
      {1, 0, 0, 0, false, false, true, true, true},       // window end included
      {1, 1, 0, 0, true, false, false, false, true},      // after it the flag clears
      {12, 0, 3, 0, false, false, false, false, true},
  };
  for (const Case& c : cases) {
    ServerCheckPlan p =
        ORV_UpdThread::planServerCheck(c.hour, c.minute, c.srvHour, c.srvMin, c.doneBefore);
    std::string at = std::to_string(c.hour) + ":" + std::to_string(c.minute) + " window " +
                     std::to_string(c.srvHour) + ":" + std::to_string(c.srvMin);
    EXPECT_EQ(c.quiet, p.quiet) << at;
    EXPECT_EQ(c.upload, p.dailyUpload) << at;
    EXPECT_EQ(c.doneAfter, p.dailyDone) << at;
    EXPECT_EQ(c.receive, p.receivePass) << at;
  }
}

// --- Against the test server ---

class ORV_UpdThreadServer : public SftpServerTest {};

// A device with something in every upload row; today is 2024-03-01. For each file: where
// the full upload puts it ("" not sent) and whether it stays on the device afterwards.
struct DeviceFile {
  const char* local;
  const char* content;
  const char* fullUploadTo;
  bool keptAfterFullUpload;
};
const DeviceFile kDeviceFiles[] = {
    {"/home/ORV/tension.log", "date;module;phaseA;phaseB;phaseC\n", "ORV/12/tension.log", true},
    {"/home/ORV/tension-1.log", "date;module;phaseA;phaseB;phaseC\n01/03;6;230;231;229\n",
     "ORV/12/tension-1.log", false},
    {"/home/ORV/traceroute.log", "traceroute to 127.0.0.1\n", "ORV/12/traceroute.log", false},
    {"/home/ORV/ORV_2024_02_28.msr", "2024-02-28 10:00:00;\t1;\n", "ORV/12/ORV_2024_02_28.msr",
     false},
    {"/home/ORV/ORV_2024_02_29.msr", "2024-02-29 10:00:00;\t2;\n", "ORV/12/ORV_2024_02_29.msr",
     false},
    {"/home/ORV/ORV_2024_03_01.msr", "2024-03-01 09:00:00;\t3;\n", "ORV/12/ORV_2024_03_01.msr",
     true},
    {"/home/ORV/journal.log", "01/03/2024;09:00:00;4;;;V10.04.05;\n", "ORV/12/journal.log", true},
    {"/home/ORV/moy.msr", "1;2;3;\n", "ORV/12/moy.msr", true},
    {"/home/ORV/yORV.12", "12\nadd_mac\n01/03/2024\n09 H 00 Min\n103\nA\nB\n",
     "ORV/Alarmes/yORV.12", false},
    {"/etc/init.d/rcS", "#!/bin/sh\n#version=100405\n", "ORV/12/rcS", true},
    {"/home/ORV/fluides.norvale", "NV-1 R32|R125 0.5|0.5\n", "ORV/12/fluides.norvale", true},
    {"/tmp/autotest.log", "autotest OK\n", "ORV/12/DversS/autotest.log", false},
    {"/tmp/sysCmds.log", "echo test\n", "ORV/12/DversS/sysCmds.log", false},
    {"/tmp/testcom.txt", "testcom\r\n", "", true},
};

void layDeviceFiles(const TestSandbox& box) {
  for (const DeviceFile& f : kDeviceFiles) box.write(f.local, f.content);
}

TEST_F(ORV_UpdThreadServer, FullUploadSendsEveryRowAndKeepsWhatStaysOnTheDevice) {
  ExchangeBench bench;
  layDeviceFiles(bench.sandbox);
  std::string config = bench.sandbox.read("/home/ORV/config.conf");

  EXPECT_EQ(1, bench.thread->OnSendFilesToServer(0));

  std::vector<std::string> expected{"ORV/12/config.conf", "ORV/Chargement/zORV_12",
                                    "ORV/Frequence/zORV-12"};
  for (const DeviceFile& f : kDeviceFiles) {
    EXPECT_EQ(f.keptAfterFullUpload, bench.sandbox.exists(f.local)) << f.local;
    if (!*f.fullUploadTo) continue;
    expected.push_back(f.fullUploadTo);
    EXPECT_EQ(f.content, server_.read(f.fullUploadTo)) << f.fullUploadTo;
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(expected, server_.files());
  EXPECT_EQ(config, server_.read("ORV/12/config.conf"));
  EXPECT_EQ("12\r\n", server_.read("ORV/Chargement/zORV_12"));
  EXPECT_EQ("ID=12\r\nDATE=2024/03/01\r\nHEURE=10:00\r\nPERIODE=5\r\n",
            server_.read("ORV/Frequence/zORV-12"));
  EXPECT_TRUE(bench.sandbox.exists("/home/ORV/config.conf"));
  EXPECT_FALSE(bench.sandbox.exists("/home/ORV/zORV_12"));
  EXPECT_FALSE(bench.sandbox.exists("/home/ORV/zORV-12"));
}

TEST_F(ORV_UpdThreadServer, EachCodeSendsItsGroup) {
  struct Case {
    int code;
    bool alarmFile;  // "yORV.12" present: it goes with every code
    int result;
    std::vector<std::string> onServer;
  } cases[] = {
      {1, false, 1, {"ORV/12/ORV_2024_02_28.msr", "ORV/12/ORV_2024_02_29.msr",
                     "ORV/12/ORV_2024_03_01.msr", "ORV/12/config.conf", "ORV/12/journal.log",
                     "ORV/12/moy.msr"}},
      {3, false, 1, {"ORV/Frequence/zORV-12"}},
      {3, true, 1, {"ORV/Alarmes/yORV.12", "ORV/Frequence/zORV-12"}},
      {4, false, 1, {"ORV/12/DversS/testcom.txt"}},
      {5, false, 1, {"ORV/12/config.conf", "ORV/12/journal.log"}},
      {6, false, 1, {"ORV/12/DversS/autotest.log"}},
      {7, false, 1, {"ORV/12/DversS/sysCmds.log"}},
      {8, true, 0, {}},
  };
  for (const Case& c : cases) {
    server_.clearFiles();
    ExchangeBench bench;
    layDeviceFiles(bench.sandbox);
    if (!c.alarmFile) std::remove(bench.sandbox.path("/home/ORV/yORV.12").c_str());

    EXPECT_EQ(c.result, bench.thread->OnSendFilesToServer(c.code)) << "code " << c.code;
    EXPECT_EQ(c.onServer, server_.files()) << "code " << c.code;
  }
}

TEST_F(ORV_UpdThreadServer, DayFilesOfOtherDaysGoOnceSentAndARequestWithoutFilesSendsNothing) {
  ExchangeBench bench;
  layDeviceFiles(bench.sandbox);
  std::remove(bench.sandbox.path("/tmp/sysCmds.log").c_str());
  std::remove(bench.sandbox.path("/home/ORV/yORV.12").c_str());

  EXPECT_EQ(1, bench.thread->OnSendFilesToServer(1));
  EXPECT_FALSE(bench.sandbox.exists("/home/ORV/ORV_2024_02_28.msr"));
  EXPECT_FALSE(bench.sandbox.exists("/home/ORV/ORV_2024_02_29.msr"));
  EXPECT_TRUE(bench.sandbox.exists("/home/ORV/ORV_2024_03_01.msr"));

  // Nothing to send is not a failure to retry: the request is dropped.
  bench.thread->add_toSendFilesToServerList(7);
  EXPECT_EQ(7, bench.thread->check_sendFilesToServerList());
  EXPECT_TRUE(bench.thread->queuedRequests().empty());
  EXPECT_TRUE(server_.list("ORV/12/DversS").empty());
}

TEST_F(ORV_UpdThreadServer, FailedTransferGoesBackOnTheQueue) {
  // Device 13 has no folder on the server: the transfer is tried and refused.
  ExchangeBench bench("2024-03-01 10:00:00", [](ExchangeBench& b) { b.setKey("CONFIG_SRV_ID", 13); });
  layDeviceFiles(bench.sandbox);
  bench.thread->add_toSendFilesToServerList(5);

  EXPECT_EQ(5, bench.thread->check_sendFilesToServerList());

  EXPECT_EQ(std::vector<int>{5}, bench.thread->queuedRequests());
  EXPECT_TRUE(bench.sandbox.exists("/home/ORV/journal.log"));
}

TEST_F(ORV_UpdThreadServer, WithoutServerIdNothingIsSentNorKept) {
  ExchangeBench bench("2024-03-01 10:00:00", [](ExchangeBench& b) { b.setKey("CONFIG_SRV_ID", 0); });
  layDeviceFiles(bench.sandbox);
  bench.thread->add_toSendFilesToServerList(5);

  EXPECT_EQ(5, bench.thread->check_sendFilesToServerList());

  EXPECT_TRUE(bench.thread->queuedRequests().empty());
  EXPECT_TRUE(server_.files().empty());
}

// The thread started with no server ID and another server address; both saved afterwards
// count from the next transfer, the upload and a receive pass alike.
TEST_F(ORV_UpdThreadServer, ServerIdAndAddressSavedAfterTheStartCountFromTheNextTransfer) {
  ExchangeBench bench("2024-03-01 10:00:00", [](ExchangeBench& b) {
    b.setKey("CONFIG_SRV_ID", 0);
    b.store->setCFG_struct(CFG_STFP_IP, "127.0.0.9");
  });
  layDeviceFiles(bench.sandbox);
  bench.setMes(566, 1);
  bench.thread->init();  // the reachability as the last check found it
  EXPECT_EQ(0, bench.thread->receive_SFTP_files()) << "no folder of its own to read";

  bench.setKey("CONFIG_SRV_ID", 12);
  bench.store->setCFG_struct(CFG_STFP_IP, "127.0.0.1");
  EXPECT_EQ(1, bench.thread->OnSendFilesToServer(5));
  EXPECT_EQ((std::vector<std::string>{"ORV/12/config.conf", "ORV/12/journal.log",
                                      "ORV/Alarmes/yORV.12"}),
            server_.files());

  server_.write("ORV/12/SversD/actions.xml",
                "<actions>\n  <action type=\"1\" key=\"ALARME_TEMPORISATION\" value=\"45\" "
                "journal=\"1\"/>\n</actions>\n");
  EXPECT_EQ(1, bench.thread->receive_SFTP_files());
  EXPECT_FALSE(server_.exists("ORV/12/SversD/actions.xml"));
}

// A DHCP device whose interface lost its address: the check asks for a lease and records
// the new address in the configuration and the journal.
TEST_F(ORV_UpdThreadServer, CheckRenewsALostDhcpAddress) {
  ExchangeBench bench("2024-03-01 10:00:00", [](ExchangeBench& b) {
    int dhcp = 1;
    b.store->setCFG_struct(CFG_DHCP, &dhcp);
    b.store->setCFG_struct(CFG_IP, "192.0.2.10");
    b.sandbox.write("/sys/class/net/eth0/address", "02:00:00:00:00:42\n");
    b.sandbox.write("/sys/class/net/eth0/flags", "0x1003\n");
    b.sandbox.write("/platform_stub/udhcpc.lease", "192.0.2.20 255.255.255.0 192.0.2.1\n");
  });
  bench.startLoop();

  // The journal line comes last.
  ASSERT_TRUE(waitFor([&] {
    return bench.sandbox.read("/home/ORV/journal.log").find(";122;Nouvelle IP DHCP = ;192.0.2.20;;") !=
           std::string::npos;
  }));
  EXPECT_EQ("192.0.2.20", bench.store->getCFG_struct(CFG_IP).stringValue);
  EXPECT_EQ("255.255.255.0", bench.store->getCFG_struct(CFG_MASK).stringValue);
  EXPECT_EQ("192.0.2.1", bench.store->getCFG_struct(CFG_GW).stringValue);
  EXPECT_NE(std::string::npos, bench.sandbox.platformCalls().find("udhcpc -bq -i eth0"));
}

TEST_F(ORV_UpdThreadServer, RequestsQueuedWhileTheServerIsAwayGoNewestFirstWhenItIsBack) {
  ExchangeBench bench;
  layDeviceFiles(bench.sandbox);
  std::remove(bench.sandbox.path("/home/ORV/yORV.12").c_str());
  for (int code : {6, 7, 3, 7}) bench.thread->add_toSendFilesToServerList(code);
  ASSERT_TRUE(server_.suspend());

  EXPECT_EQ(3, bench.thread->check_sendFilesToServerList());
  EXPECT_EQ((std::vector<int>{6, 7, 3}), bench.thread->queuedRequests());

  ASSERT_TRUE(server_.resume());
  std::vector<int> taken;
  for (int code; (code = bench.thread->check_sendFilesToServerList()) >= 0;) taken.push_back(code);
  EXPECT_EQ((std::vector<int>{3, 7, 6}), taken);
  EXPECT_TRUE(server_.exists("ORV/Frequence/zORV-12"));
  EXPECT_EQ((std::vector<std::string>{"autotest.log", "sysCmds.log"}),
            server_.list("ORV/12/DversS"));
}

TEST_F(ORV_UpdThreadServer, LoopProbesTheLinkAndSendsQueuedRequestsOnceTheServerIsBack) {
  // Link state unknown at start: the check reads the Ethernet carrier.
  ExchangeBench bench("2024-03-01 10:00:00", [](ExchangeBench& b) {
    b.setKey("CONFIG_TIMER_PERIOD", 1);
    b.setMes(565, 0);
    b.sandbox.write("/sys/class/net/eth0/carrier", "1\n");
  });
  layDeviceFiles(bench.sandbox);
  ASSERT_TRUE(server_.suspend());
  bench.startLoop();

  ASSERT_TRUE(waitFor([&] { return bench.mes(565) == 1; })) << "link probed up";
  EXPECT_EQ(0, bench.mes(566));
  EXPECT_EQ(1, bench.thread->add_toSendFilesToServerList(4));
  EXPECT_EQ(1, bench.thread->add_toSendFilesToServerList(6));
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  // Both still queued, in either order: a try that fails puts its request back on top, and
  // the loop may have taken 4 before 6 came.
  std::vector<int> queued = bench.thread->queuedRequests();
  std::sort(queued.begin(), queued.end());
  EXPECT_EQ((std::vector<int>{4, 6}), queued);

  ASSERT_TRUE(server_.resume());
  EXPECT_TRUE(waitFor([&] { return server_.list("ORV/12/DversS").size() == 2; }));
  EXPECT_EQ(1, bench.mes(566));
  EXPECT_TRUE(bench.thread->queuedRequests().empty());
}

TEST_F(ORV_UpdThreadServer, PausedLoopSendsNothingUntilResumed) {
  ExchangeBench bench;
  layDeviceFiles(bench.sandbox);
  bench.thread->change_sleepThreadState(true);
  bench.startLoop();
  bench.thread->add_toSendFilesToServerList(4);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_TRUE(server_.list("ORV/12/DversS").empty());

  bench.thread->change_sleepThreadState(false);
  EXPECT_TRUE(waitFor([&] { return server_.exists("ORV/12/DversS/testcom.txt"); }));
}

TEST_F(ORV_UpdThreadServer, ClockSetBackDoesNotPostponeTheChecks) {
  ExchangeBench bench;
  time_t planned = orv::wallClockNow() + 600;
  bench.thread->setNextCheckTime(planned);
  bench.thread->start();
  orv::setWallClock(orv::wallClockNow() - 86400);

  // The check, once run, has tested the port.
  EXPECT_TRUE(waitFor([&] {
    return bench.thread->nextCheckTime() < planned - 86400 + 600 && bench.mes(566) == 1;
  })) << "the check planned before the clock change still waits";
}

// A device at 23:30:55 of the program clock checking every 2 s, with its daily window
// opening at 23:<srvMin>.
std::unique_ptr<ExchangeBench> lateEveningBench(int srvMin) {
  std::unique_ptr<ExchangeBench> bench(
      new ExchangeBench("2024-03-01 23:30:55", [srvMin](ExchangeBench& b) {
        b.setKey("CONFIG_TIMER_PERIOD", 2);
        b.setKey("CONFIG_SRV_HOUR", 23);
        b.setKey("CONFIG_SRV_MIN", srvMin);
      }));
  layDeviceFiles(bench->sandbox);
  return bench;
}

// Waits for a check in the quiet window: one that ran after 23:31:00 schedules the next
// after 23:31:02.
bool waitForQuietCheck(ExchangeBench& bench) {
  struct tm quiet {};
  quiet.tm_year = 2024 - 1900;
  quiet.tm_mon = 2;
  quiet.tm_mday = 1;
  quiet.tm_hour = 23;
  quiet.tm_min = 31;
  quiet.tm_sec = 2;
  quiet.tm_isdst = -1;
  time_t after = mktime(&quiet);
  return waitFor([&] { return bench.thread->nextCheckTime() > after; });
}

TEST_F(ORV_UpdThreadServer, DailyUploadGoesOncePerWindow) {
  std::unique_ptr<ExchangeBench> bench = lateEveningBench(30);
  bench->startLoop();
  ASSERT_TRUE(waitFor([&] { return server_.exists("ORV/12/journal.log"); }));
  server_.clearFiles();

  ASSERT_TRUE(waitForQuietCheck(*bench));
  EXPECT_FALSE(server_.exists("ORV/12/journal.log")) << "sent again in the same window";
}

TEST_F(ORV_UpdThreadServer, NoDailyUploadInTheQuietWindow) {
  std::unique_ptr<ExchangeBench> bench = lateEveningBench(31);
  bench->startLoop();
  ASSERT_TRUE(waitForQuietCheck(*bench));
  EXPECT_FALSE(server_.exists("ORV/12/journal.log"));
  EXPECT_EQ(1, bench->mes(566)) << "the port test still runs";
}

// A listener that never speaks: the upload ends at the connect time-out, and the loop
// that keeps the request rests in between.
TEST(ORV_UpdThreadSilentServer, UploadFailsAtTheTimeOutAndTheLoopRests) {
  SilentListener listener;
  bool failed = false;
  std::string reason = listener.start(&failed);
  if (failed) FAIL() << reason;
  if (!reason.empty()) GTEST_SKIP() << "port 22 not ours here: " << reason;
  ExchangeBench bench;
  layDeviceFiles(bench.sandbox);
  bench.thread->sftpClient().setTransferLimits(2, 2);

  auto begin = std::chrono::steady_clock::now();
  EXPECT_EQ(0, bench.thread->OnSendFilesToServer(5));
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(30));

  bench.thread->add_toSendFilesToServerList(5);
  bench.startLoop();
  std::this_thread::sleep_for(std::chrono::seconds(1));
  timespec cpu0, cpu1;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
  std::this_thread::sleep_for(std::chrono::seconds(3));
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
  double busy = (cpu1.tv_sec - cpu0.tv_sec) + (cpu1.tv_nsec - cpu0.tv_nsec) / 1e9;

  EXPECT_LT(busy, 0.5) << "the loop spins";
  // Taken for each attempt, back on the queue after it.
  EXPECT_TRUE(waitFor([&] { return bench.thread->queuedRequests() == std::vector<int>{5}; }));
  EXPECT_TRUE(bench.sandbox.exists("/home/ORV/journal.log"));
}

}  // namespace
