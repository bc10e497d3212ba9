// The bus simulator as the link sees it: how it cuts, checks and answers requests.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>

#include <string>
#include <vector>

#include "CComRS485.h"
#include "orv_test_sandbox.h"
#include "orvbus_sim.h"

namespace {

using Bytes = std::vector<unsigned char>;
const Bytes kIdent = {0x01, 0x01, 0x00, 0x0C, 0x8C, 0xC1, 0x0C, 0x00};  // V2 identification
const Bytes kHpfIdent = {0x05, 0x01, 0x00, 0x66, 0x60, 0x0C, 0x66, 0x00};

Bytes withoutTrailer(const Bytes& request) { return Bytes(request.begin(), request.end() - 1); }

// One exchange of raw wire bytes; the bytes of the reply that arrived.
Bytes rawExchange(const Bytes& wire, unsigned expected, int speed = 9600, unsigned short tries = 1) {
  CComRS485 link;
  std::vector<char> reply(expected + 1, 0);
  int n = link.sendWaitForRespAuto(speed, reinterpret_cast<const char*>(wire.data()), wire.size(),
                                   reply.data(), expected + 1, tries);
  return Bytes(reply.begin(), reply.begin() + (n > 0 ? n : 0));
}

bool logHas(const BusSimulator& sim, const std::string& direction, const std::string& text) {
  for (const auto& f : sim.frames())
    if (f.direction == direction && f.text.find(text) != std::string::npos) return true;
  return false;
}

}  // namespace

// The simulator frames its answers from the wire format on its own: these are the
// replies the module documentation gives, byte for byte.
TEST(OrvbusSim, ScriptedRepliesAreFramedAsTheModulesFrameThem) {
  TestSandbox box;
  BusSimulator sim(box,
                   "module 1 scripted\n"
                   "set 1 reply 0C 0B 01 00 00 20 41\n"
                   "module 5 scripted\n"
                   "set 5 reply 'f' 'e' 01 02 00 00 00 40\n"
                   "module 6 scripted\n"
                   "set 6 reply '4' '3' 00 00 00 80 3F\n");
  ASSERT_TRUE(sim.ready());
  struct Case {
    const char* what;
    Bytes request;
    Bytes reply;
  } cases[] = {
      {"V2 identification", kIdent,
       {0x01, 0x05, 0x00, 0x0B, 0x52, 0xF4, 0x01, 0x00, 0x00, 0x20, 0x41}},
      {"HPF 'f'", kHpfIdent,
       {0x05, 0x06, 0x00, 0x65, 0xE7, 0x49, 0x01, 0x02, 0x00, 0x00, 0x00, 0x40}},
      {"ENERGIE 0 '4'", {0x06, 0x01, 0x00, 0x34, 0xD7, 0x76, 0x34, 0x00},
       {0x06, 0x05, 0x00, 0x33, 0x24, 0xDC, 0x00, 0x00, 0x00, 0x80, 0x3F}},
  };
  for (const Case& c : cases) EXPECT_EQ(rawExchange(c.request, c.reply.size()), c.reply) << c.what;
  EXPECT_TRUE(logHas(sim, "RX", "addr=5 code=66'f' n=1 crc=ok line=9600 8N1 raw"));
}

TEST(OrvbusSim, RequestsAreCutCheckedAndDispatchedByAddress) {
  TestSandbox box;
  BusSimulator sim(box, "module 1 echo\nmodule 5 echo\n");
  ASSERT_TRUE(sim.ready());
  struct Case {
    const char* what;
    Bytes wire;
    Bytes reply;      // expected answer (empty: none)
    const char* log;  // what the simulator notes
  } cases[] = {
      {"module 5 answers its own address", kHpfIdent, withoutTrailer(kHpfIdent), "addr=5 code=66'f'"},
      {"corrupted request is not answered", {0x01, 0x01, 0x00, 0x0C, 0x8D, 0xC1, 0x0C, 0x00}, {},
       "crc=BAD(want C18C)"},
      {"request without its trailing 0x00 is still answered", withoutTrailer(kIdent),
       withoutTrailer(kIdent), "no-trailing-00"},
      {"nobody at address 7", {0x07, 0x01, 0x00, 0x0C, 0x8C, 0xC1, 0x0C, 0x00}, {},
       "no module at address 7"},
      {"noise", {0xFF, 0xFF, 0xFF}, {}, "noise"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rawExchange(c.wire, c.reply.empty() ? 7 : c.reply.size()), c.reply) << c.what;
    EXPECT_TRUE(logHas(sim, "RX", c.log) || logHas(sim, "--", c.log)) << c.what << "\n" << sim.log();
  }

  // Two requests in one write: the 0x00 between them is not taken for a frame start.
  Bytes both = kIdent;
  both.insert(both.end(), kHpfIdent.begin(), kHpfIdent.end());
  rawExchange(both, 0);
  usleep(100000);
  EXPECT_EQ(sim.requestsSeen(kIdent), 1);
  EXPECT_EQ(sim.requestsSeen(kHpfIdent), 2);
}

TEST(OrvbusSim, ModuleAnswersOnlyAtItsSpeed) {
  TestSandbox box;
  BusSimulator sim(box, "module 1 echo speed=2400\n");
  ASSERT_TRUE(sim.ready());
  EXPECT_TRUE(rawExchange(kIdent, 7, 9600).empty());
  EXPECT_TRUE(logHas(sim, "--", "listens at 2400 Bd, the line runs at 9600 Bd"));
  EXPECT_EQ(rawExchange(kIdent, 7, 2400).size(), 7u);
}

TEST(OrvbusSim, AnswerDueWhileThePortIsClosedIsLost) {
  TestSandbox box;
  BusSimulator sim(box, "module 1 echo delay=100\n");
  ASSERT_TRUE(sim.ready());
  const Bytes readRequest = {0x01, 0x01, 0x00, 0x0D, 0xAD, 0xD1, 0x0D, 0x00};
  EXPECT_TRUE(rawExchange(kIdent, 0).empty());  // nothing read, the port closes at once
  usleep(300000);
  EXPECT_TRUE(logHas(sim, "--", "answer lost: the controller's port is closed"));
  EXPECT_EQ(rawExchange(readRequest, 7), Bytes(readRequest.begin(), readRequest.end() - 1));
}

TEST(OrvbusSim, ScenarioStepsAndControlCommands) {
  TestSandbox box;
  BusSimulator sim(box,
                   "# card answers, then falls silent\n"
                   "module 1 echo\n"
                   "wait 600\n"
                   "fault 1 silent\n");
  ASSERT_TRUE(sim.ready());
  EXPECT_EQ(rawExchange(kIdent, 7).size(), 7u);
  usleep(800000);
  EXPECT_TRUE(rawExchange(kIdent, 7).empty());

  EXPECT_EQ(sim.command("fault 1 none").rfind("ok addr=1 type=echo", 0), 0u);
  EXPECT_EQ(sim.command("fault 1 crc 1"), "ok addr=1 type=echo delay=5 speed=any faults=crc*1");
  EXPECT_EQ(sim.command("status").rfind("ok rx=", 0), 0u);
  EXPECT_EQ(sim.command("bogus").rfind("error unknown command", 0), 0u);
  EXPECT_EQ(sim.command("module 2 toaster").rfind("error unknown module type 'toaster'", 0), 0u);
  EXPECT_EQ(sim.command("set 9 delay 5"), "error no module at address 9");
  EXPECT_EQ(sim.command("set 1 colour red"), "error echo has no setting 'colour'");
}

// A fault given a command code spoils only the answers to that code, for its count; the
// module answers its other commands soundly meanwhile.
TEST(OrvbusSim, FaultLimitedToOneCommandCode) {
  TestSandbox box;
  BusSimulator sim(box, "module 1 echo\n");
  ASSERT_TRUE(sim.ready());
  const Bytes readRequest = {0x01, 0x01, 0x00, 0x0D, 0xAD, 0xD1, 0x0D, 0x00};
  EXPECT_EQ(sim.command("fault 1 silent 2 0C"),
            "ok addr=1 type=echo delay=5 speed=any faults=silent*2@0C");
  struct Step {
    const Bytes& request;
    bool answered;
  } steps[] = {{kIdent, false}, {readRequest, true}, {kIdent, false}, {kIdent, true}};
  for (const Step& s : steps)
    EXPECT_EQ(rawExchange(s.request, 7).size(), s.answered ? 7u : 0u) << sim.log();

  EXPECT_EQ(sim.command("fault 1 crc all 0D"),
            "ok addr=1 type=echo delay=5 speed=any faults=crc@0D");
  EXPECT_EQ(rawExchange(kIdent, 7).size(), 7u);
  EXPECT_NE(rawExchange(readRequest, 7), withoutTrailer(readRequest)) << "CRC spoilt";
  EXPECT_EQ(sim.command("fault 1 crc 1 ZZ").rfind("error 'ZZ' is not a command code", 0), 0u);
}

// A data field given a sequence takes its next value at each answer to the values request
// and keeps the last one; the status shows what is left.
TEST(OrvbusSim, ValueSequencesOfTheMeasuringCards) {
  TestSandbox box;
  BusSimulator sim(box, "module 1 mesv2 weight=7\nmodule 0 mesv1 weight=1080\n");
  ASSERT_TRUE(sim.ready());
  const Bytes readValues = {0x01, 0x01, 0x00, 0x0D, 0xAD, 0xD1, 0x0D, 0x00};
  const Bytes readV1 = {0x01, 0x02, 0x39, 0x0D, 0x00};
  auto v2Weight = [&] {
    Bytes reply = rawExchange(readValues, 34);
    float grams = 0;
    if (reply.size() == 34u) memcpy(&grams, reply.data() + 6, sizeof grams);
    return grams;
  };
  auto v1Weight = [&] {
    Bytes reply = rawExchange(readV1, 33, 2400);
    return reply.size() == 33u ? std::string(reply.begin() + 2, reply.begin() + 7) : "";
  };
  EXPECT_EQ(sim.command("set 1 seq weight 2400.5,-999,2401").rfind("ok", 0), 0u);
  EXPECT_NE(sim.command("status 1").find("seq_weight=2400.5,-999,2401"), std::string::npos);
  EXPECT_EQ(rawExchange(kIdent, 11).size(), 11u);  // another request takes nothing
  for (float expected : {2400.5f, -999.0f, 2401.0f, 2401.0f}) EXPECT_EQ(v2Weight(), expected);
  EXPECT_EQ(sim.command("status 1").find("seq_"), std::string::npos);

  EXPECT_EQ(sim.command("set 0 seq weight 1000,1001").rfind("ok", 0), 0u);
  EXPECT_NE(sim.command("status 0").find("seq_weight=1000,1001"), std::string::npos);
  for (const char* expected : {"01000", "01001", "01001"}) EXPECT_EQ(v1Weight(), expected);
  EXPECT_EQ(sim.command("set 1 seq colour 1").rfind("error", 0), 0u);
  EXPECT_EQ(sim.command("set 1 seq weight").rfind("error", 0), 0u);
}
