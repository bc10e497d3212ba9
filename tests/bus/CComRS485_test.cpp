#include "CComRS485.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

#include "busFrame.h"
#include "orv_test_sandbox.h"
#include "orvbus_sim.h"

namespace {

using Bytes = std::vector<unsigned char>;
const Bytes kIdentification = {0x01, 0x01, 0x00, 0x0C, 0x8C, 0xC1, 0x0C, 0x00};
// What the echo module sends back: the request without its trailing 0x00.
const Bytes kEcho(kIdentification.begin(), kIdentification.end() - 1);

uint32_t registerWord(const TestSandbox& box, int offset) {
  std::string block = box.read("/dev/mem");
  uint32_t v = 0;
  if (block.size() >= static_cast<size_t>(offset + 4)) std::memcpy(&v, block.data() + offset, 4);
  return v;
}

// The controller's link, noting the port H data register right after every switch of
// the line driver.
class RecordingLink : public CComRS485 {
public:
  explicit RecordingLink(const TestSandbox& box) : box_(box) {}
  std::vector<int> levels;
  std::vector<uint32_t> portHData;

protected:
  void driveLineDriver(int level) override {
    CComRS485::driveLineDriver(level);
    levels.push_back(level);
    portHData.push_back(registerWord(box_, 0x74));
  }

private:
  const TestSandbox& box_;
};

struct Exchange {
  int result;
  Bytes reply;
  long long ms;
};

Exchange exchange(CComRS485& link, const Bytes& request, unsigned expected, int speed = 9600,
                  unsigned short tries = 3) {
  std::vector<char> reply(expected + 1, 0);
  auto start = std::chrono::steady_clock::now();
  int n = link.sendWaitForRespAuto(speed, reinterpret_cast<const char*>(request.data()),
                                   request.size(), reply.data(), expected + 1, tries);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start).count();
  Bytes got(reply.begin(), reply.begin() + (n > 0 ? n : 0));
  return {n, got, ms};
}

}  // namespace

TEST(CComRS485, SilentModuleGetsThreeRequestsAndTheLineDriverOnlyWhileSending) {
  TestSandbox box;
  BusSimulator sim(box);
  ASSERT_TRUE(sim.ready());
  RecordingLink link(box);
  Exchange e = exchange(link, kIdentification, 11);

  EXPECT_EQ(e.result, 0);
  EXPECT_GE(e.ms, 3 * 1500);  // each attempt waits out the reply deadline
  EXPECT_EQ(sim.requestsSeen(kIdentification), 3);
  for (const auto& f : sim.frames()) {
    if (f.direction == "RX") {
      EXPECT_NE(f.text.find("line=9600 8N1 raw"), std::string::npos) << f.text;
    }
  }

  ASSERT_EQ(link.levels, (std::vector<int>{1, 0, 1, 0, 1, 0}));
  for (size_t i = 0; i < link.levels.size(); ++i)
    EXPECT_EQ((link.portHData[i] >> 7) & 1u, static_cast<uint32_t>(link.levels[i])) << i;
  EXPECT_EQ((registerWord(box, 0x70) >> 14) & 3u, 1u);  // PORTH7 configured as an output
  EXPECT_EQ((registerWord(box, 0x74) >> 7) & 1u, 0u);
  EXPECT_FALSE(link.GetComPortOpenStatus());
}

TEST(CComRS485, ReplyTimingDecidesTheRetries) {
  TestSandbox box;
  BusSimulator sim(box, "module 1 echo\n");
  ASSERT_TRUE(sim.ready());
  struct Case {
    int delayMs;
    int requests;
    bool complete;
  } cases[] = {{5, 1, true}, {1000, 1, true}, {1600, 3, false}};
  int requestsBefore = 0;
  for (const Case& c : cases) {
    ASSERT_EQ(sim.command("set 1 delay " + std::to_string(c.delayMs)).rfind("ok", 0), 0u);
    CComRS485 link;
    Exchange e = exchange(link, kIdentification, kEcho.size());
    int requests = sim.requestsSeen(kIdentification) - requestsBefore;
    requestsBefore += requests;
    EXPECT_EQ(requests, c.requests) << "delay " << c.delayMs;
    if (c.complete) {
      EXPECT_EQ(e.result, static_cast<int>(kEcho.size())) << "delay " << c.delayMs;
      EXPECT_EQ(e.reply, kEcho) << "delay " << c.delayMs;
    } else {
      EXPECT_LT(e.result, static_cast<int>(kEcho.size())) << "delay " << c.delayMs;
    }
  }
}

TEST(CComRS485, FaultyRepliesAreCountedAndLeftToTheClientToJudge) {
  TestSandbox box;
  BusSimulator sim(box, "module 1 echo\n");
  ASSERT_TRUE(sim.ready());
  struct Case {
    const char* fault;
    int count;       // what the link returns
    int requests;
    int asHpfClient; // decodeBusReply, address checked
  } cases[] = {
      {"crc", 7, 1, -2},
      {"length", 7, 1, -2},
      {"address", 7, 1, -2},
      {"short", 6, 3, -4},
  };
  int requestsBefore = 0;
  for (const Case& c : cases) {
    ASSERT_EQ(sim.command(std::string("fault 1 ") + c.fault).rfind("ok", 0), 0u);
    CComRS485 link;
    Exchange e = exchange(link, kIdentification, kEcho.size());
    int requests = sim.requestsSeen(kIdentification) - requestsBefore;
    requestsBefore += requests;
    EXPECT_EQ(e.result, c.count) << c.fault;
    EXPECT_EQ(requests, c.requests) << c.fault;
    EXPECT_EQ(decodeBusReply(e.reply.data(), e.result, kEcho.size(), 1, nullptr), c.asHpfClient) << c.fault;
    sim.command("fault 1 none");
  }
}

TEST(CComRS485, ExchangeEdgeCases) {
  TestSandbox box;
  {
    // No device at all: the open fails and the exchange says so.
    CComRS485 link;
    testing::internal::CaptureStdout();
    EXPECT_EQ(exchange(link, kIdentification, 11).result, -1);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("CComRS485:: Can not open COM port id: 1\n"),
              std::string::npos);
    EXPECT_FALSE(link.GetComPortOpenStatus());
  }
  BusSimulator sim(box);
  ASSERT_TRUE(sim.ready());
  CComRS485 link;
  // A request whose reply length is 0 is sent once and nothing is read.
  Exchange e = exchange(link, kIdentification, 0);
  EXPECT_EQ(e.result, 0);
  // No tries: the port opens and closes, nothing is sent.
  EXPECT_EQ(exchange(link, kIdentification, 7, 9600, 0).result, -1);
  EXPECT_FALSE(link.GetComPortOpenStatus());
  EXPECT_EQ(sim.requestsSeen(kIdentification), 1);
}

TEST(CComRS485, CharacterPausesFollowTheSpeed) {
  TestSandbox box;
  BusSimulator sim(box);
  ASSERT_TRUE(sim.ready());
  struct Case {
    unsigned speed;
    int t15;
    int t35;
  } cases[] = {{2400, 6250, 14583}, {9600, 1562, 3645}, {19200, 781, 1822}, {57600, 750, 1750},
               {115200, 750, 1750}};
  CComRS485 link;
  for (const Case& c : cases) {
    ASSERT_EQ(link.OpenComPort(c.speed), 1) << c.speed;
    EXPECT_TRUE(link.GetComPortOpenStatus());
    EXPECT_EQ(link.interCharPauseUs(), c.t15) << c.speed;
    EXPECT_EQ(link.endOfFramePauseUs(), c.t35) << c.speed;
  }
  link.CloseComPort();
  EXPECT_FALSE(link.GetComPortOpenStatus());
  EXPECT_EQ(link.SendComPort("x", 1), 0);  // closed: nothing sent
  char buf[4];
  EXPECT_EQ(link.ReadComPort(buf, 4), 0);
  EXPECT_EQ(link.ReadComPortBuffer(buf, 4), 0);
}

TEST(CComRS485, RawExchangeFromTheCommandLine) {
  TestSandbox box;
  BusSimulator sim(box, "module 1 echo\n");
  ASSERT_TRUE(sim.ready());
  auto r = box.cli("bus raw --speed 9600 --reply 7 01:0C");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("request=01 01 00 0C 8C C1 0C 00\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("result=7\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("reply=01 01 00 0C 8C C1 0C\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("check=0\n"), std::string::npos) << r.out;
}
