#include "CBootLoader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "support/FakeBootloaderPort.h"
#include "orv_test_sandbox.h"
#include "orvPlatform.h"

namespace {
using Bytes = std::vector<uint8_t>;

const std::string kExample =
    ":020000041D00DD\n:1000000000112233445566778899AABBCCDDEEFFF8\n"
    ":050010000102030405DC\n:00000001FF\n";

Bytes hex(const std::string& text) {
  Bytes out;
  for (size_t i = 0; i + 1 < text.size(); i += 3)
    out.push_back(static_cast<uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
  return out;
}

std::string dataRecord(unsigned address, const Bytes& data) {
  Bytes b = {static_cast<uint8_t>(data.size()), static_cast<uint8_t>(address >> 8),
             static_cast<uint8_t>(address), 0};
  b.insert(b.end(), data.begin(), data.end());
  uint8_t sum = 0;
  for (uint8_t x : b) sum = static_cast<uint8_t>(sum + x);
  b.push_back(static_cast<uint8_t>(-sum));
  std::string line = ":";
  char two[3];
  for (uint8_t x : b) {
    std::snprintf(two, sizeof two, "%02X", x);
    line += two;
  }
  return line + "\n";
}

// What the link handed to the flashing sequence.
struct Events : CBootLoaderReceiver {
  std::vector<std::string> seen;
  void OnReceiveResponse(uint8_t command, const uint8_t*, size_t length) override {
    seen.push_back("reply " + std::to_string(command) + "/" + std::to_string(length));
  }
  void OnTransmitFailure(uint8_t command) override {
    seen.push_back("failure " + std::to_string(command));
  }
};

// Record count of a program frame, read by each record's length byte.
int recordsIn(const Bytes& frame) {
  bootframe::Receiver rx(CBootLoader::kFrameSize);
  if (!rx.feed(frame.data(), frame.size()) || rx.body()[0] != 3) return -1;
  size_t at = 1, end = rx.bodyLength() - 2;
  int n = 0;
  while (at < end) {
    at += 5u + rx.body()[at];
    ++n;
  }
  return at == end ? n : -1;
}

class LinkTest : public ::testing::Test {
protected:
  // A link on the in-memory line; unless `withThread`, the test runs the I/O passes.
  void make(std::shared_ptr<BootloaderModel> model, const std::string& hexFile,
            bool withThread = false) {
    box.write("/home/ORV/firmware/fw.hex", hexFile);
    link = std::make_unique<CBootLoader>(std::make_unique<FakeBootloaderPort>(model, line));
    ASSERT_EQ(link->OpenPort(19200), 1);
    ASSERT_EQ(link->LoadHexFile("/home/ORV/firmware/fw.hex"), 1);
    link->CreateRxTxThread(&events);
    if (!withThread) link->ShutdownThread();
  }
  // Issues a command and runs passes until the link reports back.
  std::vector<std::string> issue(uint8_t command, unsigned short sends, unsigned short delayMs) {
    events.seen.clear();
    EXPECT_EQ(link->SendCommand(command, sends, delayMs), 1);
    runUntil([&] { return !events.seen.empty(); });
    return events.seen;
  }
  // Runs I/O passes on this thread until `done` holds or 3 s went by.
  void runUntil(const std::function<bool()>& done) {
    int64_t until = orv::monotonicMs() + 3000;
    while (!done() && orv::monotonicMs() < until) {
      link->rxtxTask();
      usleep(100);
    }
  }
  TestSandbox box;
  std::shared_ptr<FakeBootloaderPort::Record> line = std::make_shared<FakeBootloaderPort::Record>();
  std::unique_ptr<CBootLoader> link;
  Events events;
};
}  // namespace

TEST_F(LinkTest, UnansweredCommandGoesOutThreeTimesThenFails) {
  make(nullptr, kExample);
  EXPECT_EQ(issue(1, 3, 20), std::vector<std::string>{"failure 1"});
  ASSERT_EQ(line->writes.size(), 3u);
  for (const Bytes& w : line->writes) EXPECT_EQ(w, hex("7F 01 21 10 10 04 "));
  EXPECT_EQ(line->writesWithoutDriver, 0);
  EXPECT_FALSE(line->driverOn);
}

TEST_F(LinkTest, ReplyWithAnUnknownCommandDoesNotEndTheRetries) {
  make(nullptr, kExample);
  line->inject(bootframe::encode(Bytes{0x09}));
  EXPECT_EQ(issue(2, 3, 20), std::vector<std::string>{"failure 2"});
  EXPECT_EQ(line->writes.size(), 3u);
}

TEST_F(LinkTest, ShortBootInformationIsIgnored) {
  make(nullptr, kExample);
  line->inject(bootframe::encode(Bytes{0x01, 'M'}));
  EXPECT_EQ(issue(1, 2, 20), std::vector<std::string>{"failure 1"});
  line->inject(bootframe::encode(Bytes{0x01, 'M', 'E', 3}));
  EXPECT_EQ(issue(1, 2, 20), std::vector<std::string>{"reply 1/3"});
}

TEST_F(LinkTest, WorkedExampleFramesOnTheLine) {
  auto model = std::make_shared<BootloaderModel>();
  make(model, kExample);
  EXPECT_EQ(issue(3, 3, 1000), std::vector<std::string>{"reply 3/0"});
  ASSERT_EQ(line->writes.size(), 1u);
  EXPECT_EQ(line->writes[0],
            hex("7F 03 02 00 00 10 04 1D 00 DD 10 10 00 00 00 00 11 22 33 44 55 66 77 88 99 AA "
                "BB CC DD EE FF F8 05 00 10 10 00 01 02 03 10 04 05 DC 00 00 00 01 FF 5B EF 04 "));

  EXPECT_EQ(issue(4, 3, 1000), std::vector<std::string>{"reply 4/2"});
  EXPECT_EQ(line->writes.back(), hex("7F 10 04 00 00 00 9D 16 00 00 00 BB 25 9A 06 04 "));
  EXPECT_EQ(model->crcPassed, 1);
  EXPECT_EQ(link->CalculateFlashCRC(), 0x25BB);
}

TEST_F(LinkTest, ProgramGoesOutElevenRecordsAFrame) {
  std::string file = ":020000041D00DD\n";
  for (unsigned i = 0; i < 24; ++i) file += dataRecord(i * 16, Bytes(16, static_cast<uint8_t>(i)));
  file += ":00000001FF\n";
  auto model = std::make_shared<BootloaderModel>();
  make(model, file);
  EXPECT_EQ(issue(3, 3, 1000), std::vector<std::string>{"reply 3/0"});
  std::vector<int> counts;
  for (const Bytes& w : line->writes) counts.push_back(recordsIn(w));
  EXPECT_EQ(counts, (std::vector<int>{11, 11, 4}));
  EXPECT_EQ(model->flashByte(0x9D000000 + 23 * 16), 23);
  int done = 0, total = 0;
  link->GetProgress(&done, &total);
  EXPECT_EQ(done, 26);
  EXPECT_EQ(total, 26);

  // The next program command starts at the first record again.
  Bytes firstFrame = line->writes[0];
  ASSERT_EQ(link->SendCommand(3, 3, 1000), 1);
  runUntil([&] { return line->writeCount() > 3; });
  EXPECT_EQ(line->writes[3], firstFrame);
}

TEST_F(LinkTest, LargeRecordsFullOfEscapesStillFitTheFrame) {
  std::string file = ":020000041D00DD\n";
  for (unsigned i = 0; i < 4; ++i) file += dataRecord(i * 255, Bytes(255, 0x10));
  file += ":00000001FF\n";
  auto model = std::make_shared<BootloaderModel>();
  make(model, file);
  EXPECT_EQ(issue(3, 3, 1000), std::vector<std::string>{"reply 3/0"});
  int records = 0;
  for (const Bytes& w : line->writes) {
    EXPECT_LE(w.size(), CBootLoader::kFrameSize);
    records += recordsIn(w);
  }
  EXPECT_EQ(records, 6);
  EXPECT_EQ(model->badFrames, 0);
  EXPECT_EQ(model->flashByte(0x9D000000 + 4 * 255 - 1), 0x10);
}

TEST_F(LinkTest, ClosingSendsTheArmedLeaveFrameOnceAndReportsNothing) {
  auto model = std::make_shared<BootloaderModel>();
  make(model, kExample, true);
  ASSERT_EQ(link->SendCommand(7, 3, 1000), 1);
  // Sent at once by the thread, or by the closing pass: once either way.
  link->ShutdownThread();
  EXPECT_EQ(model->commands[7], 1);
  EXPECT_TRUE(events.seen.empty());
}

TEST_F(LinkTest, CommandsOutsideOneToSevenBuildNothing) {
  make(nullptr, kExample);
  EXPECT_EQ(link->SendCommand(0, 3, 1000), 0);
  EXPECT_EQ(link->SendCommand(8, 3, 1000), 0);
  EXPECT_EQ(link->SendCommand(5, 3, 1000), 1);
}
