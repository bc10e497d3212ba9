// The V2 measurement card client against the simulated card: the frames of each command,
// the checks of a reply, the configuration handshake with section "Module_Mesure_V2", the
// sensor fault latch, the watchdog, reboot, calibration and the firmware loader.
#include "MesV2Modul.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "busCrc.h"
#include "busFrame.h"
#include "support/module_bench.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A section of config.conf that makes the card client talk fast (t1.5 = 750 us).
const char kFastCard[] = "[Module_Mesure_V2]\nz2_CM_UART2_SPEED=57600\n";

}  // namespace

// Each command as it goes on the wire, what the client makes of the card's answer, and
// what becomes of the next command. The rows run in order on one card.
TEST(MesV2Modul, EachCommandGoesOutAsItsFrameAndSetsTheNextCommand) {
  ModuleBench bench("module 1 mesv2 configured=1\nset 1 calib-polls 0\n", kFastCard);
  ASSERT_TRUE(bench.sim->ready());
  MesV2Modul card(&bench.link);
  card.cfg_readCM_Config_fromFile();
  const int kUnchanged = 99;  // next command set before each row
  struct Case {
    const char* what;
    unsigned char command;
    std::function<void()> prepare;
    int result;
    int next;
    bool sent;
    Bytes payload;  // empty: the code itself
  } cases[] = {
      {"identification", 12, nullptr, 0, 13, true, {}},
      {"values", 13, nullptr, 0, kUnchanged, true, {}},
      {"configuration read", 14, nullptr, 0, 13, true, {}},
      {"gauge step 1", 19, [&] { card.sendCalibJauge(1); }, 0, 27, true, {1}},
      {"command 20", 20, nullptr, 0, 27, true, {}},
      {"command 21", 21, nullptr, 0, 13, true, {}},
      {"PT100 2 calibration", 22, [&] { card.sendCalibPT100(2); }, 0, 27, true, {2}},
      {"calibration state, all idle", 27, nullptr, 0, 14, true, {}},
      {"25 is sent, no reply read", 25, nullptr, -2, kUnchanged, true, {}},
      {"28 is sent, no reply read", 28, nullptr, -2, kUnchanged, true, {}},
      {"23 is never sent", 23, nullptr, 0, kUnchanged, false, {}},
      {"gauge step without a step", 19, nullptr, 0, kUnchanged, false, {}},
  };
  for (const Case& c : cases) {
    if (c.prepare) c.prepare();
    card.setCMcmdToSend(kUnchanged);
    size_t before = bench.sim->frames().size();
    size_t beforeCode = bench.requests(1, c.command).size();
    EXPECT_EQ(card.CM_sendTo(c.command), c.result) << c.what;
    EXPECT_EQ(card.getCMcmdToSend(), c.next) << c.what;
    if (c.sent) {
      ASSERT_EQ(bench.awaitRequests(1, c.command, beforeCode + 1).size(), beforeCode + 1) << c.what;
      EXPECT_EQ(bench.lastRequest(1, c.command), encodeBusRequest(BusFrame{1, c.command, c.payload}))
          << c.what;
    } else {
      EXPECT_EQ(bench.sim->frames().size(), before) << c.what << ": something went out";
    }
  }
  EXPECT_EQ(card.isCMconnected(), 1);
}

// The configuration goes to the card with its configured byte at 1, while the client's
// own copy keeps 0; the card acknowledges with 25.
TEST(MesV2Modul, ConfigurationWriteSendsTheRecordAsCommissioned) {
  ModuleBench bench("module 1 mesv2\n", kFastCard);
  ASSERT_TRUE(bench.sim->ready());
  MesV2Modul card(&bench.link);
  cm_config_t cfg;
  card.cfg_getCM_Config(&cfg);
  cfg.configured = 0;
  cfg.jaugeTare = 321.5f;
  cfg.uart2Speed = 57600;
  card.cfg_setCM_Config(false, &cfg);
  EXPECT_EQ(card.CM_sendTo(15), 0);
  auto sent = bench.requests(1, 15);
  ASSERT_EQ(sent.size(), 1u);
  ASSERT_EQ(sent[0].size(), 55u);
  EXPECT_EQ(sent[0][1], 1);
  EXPECT_FLOAT_EQ(payloadFloat(sent[0], 11), 321.5f);
  EXPECT_EQ(card.isCMconfigured(), 0);
}

// A reply is handled only when it comes from address 1 and its length, CRC and payload
// size fit its code.
TEST(MesV2Modul, RepliesAreCheckedBeforeAnythingIsStored) {
  auto with = [](Bytes frame, const std::function<void(Bytes&)>& change) {
    change(frame);
    return frame;
  };
  const Bytes values(28, 0x11);
  struct Case {
    const char* what;
    Bytes frame;
    int result;
  } cases[] = {
      {"values with their 28 bytes", moduleReply(1, 13, values), 0},
      {"values from another address", moduleReply(2, 13, values), -1},
      {"unknown code, any size", moduleReply(1, 99, {1, 2, 3}), 0},
      {"configuration code with 28 bytes", moduleReply(1, 14, values), -1},
      {"values code with 55 bytes", moduleReply(1, 13, Bytes(55, 0)), -1},
      {"calibration state with 55 bytes", moduleReply(1, 27, Bytes(55, 0)), -1},
      {"identification one byte short", moduleReply(1, 11, Bytes(4, 0)), -1},
      {"CRC wrong", with(moduleReply(1, 13, values), [](Bytes& b) { b[4] ^= 0xFF; }), -1},
      {"length field one above", with(moduleReply(1, 13, values), [](Bytes& b) { ++b[1]; }), -1},
  };
  for (const Case& c : cases) {
    MesV2Modul card(nullptr);
    EXPECT_EQ(card.CM_parseRX_Datas(c.frame.data(), static_cast<int>(c.frame.size())), c.result)
        << c.what;
    // Only an accepted reply feeds the watchdog and stores values.
    EXPECT_EQ(card.CMcommCounter() > 0, c.result == 0) << c.what;
    float stored = card.CM_getMesureValue(0);
    bool valuesStored = std::memcmp(&stored, values.data(), 4) == 0;
    EXPECT_EQ(valuesStored, c.result == 0 && c.frame[3] == 13) << c.what;
  }
}

// A card that answers with the address byte of another module is not the card: it is
// never identified and its weight is never taken.
TEST(MesV2Modul, RepliesFromAnotherAddressAreNeverTaken) {
  ModuleBench bench("module 1 mesv2 weight=159280.0\nfault 1 address\n", kFastCard);
  ASSERT_TRUE(bench.sim->ready());
  MesV2Modul card(&bench.link);
  EXPECT_EQ(card.CMinit_Comm(true), 0);
  EXPECT_EQ(card.isCMconnected(), 0);
  EXPECT_EQ(card.CM_sendTo(13), -2);
  EXPECT_FLOAT_EQ(card.CM_getMesureValue(0), 0.0f);
  EXPECT_EQ(card.CMcommCounter(), 0u);
  bench.sim->command("fault 1 none");
  EXPECT_EQ(card.CMinit_Comm(true), 1) << "the same card answering from address 1";
  EXPECT_EQ(card.CM_sendTo(13), 0);
  EXPECT_FLOAT_EQ(card.CM_getMesureValue(0), 159280.0f);
}

// At detection the side that holds a commissioned configuration gives it to the other.
TEST(MesV2Modul, HandshakePullsOrPushesTheConfiguration) {
  const HandshakeCase cases[] = {
      {"card configured, file not: pull", 1, 0, 1, 0,
       " +++ CMv2_Receive Config from Modul for new ORV OK"},
      {"file configured, card not: push", 0, 1, 0, 1,
       " +++ CMv2_Send Config from ORV to new Modul OK"},
      {"both configured: nothing", 1, 1, 0, 0, nullptr},
  };
  for (const HandshakeCase& c : cases) {
    ModuleBench bench("module 1 mesv2 configured=" + std::to_string(c.moduleConfigured) +
                          "\nset 1 config tare 123.5\n",
                      std::string(kFastCard) + "z2_CM_CONFIGURED=" +
                          std::to_string(c.fileConfigured) + "\nz2_CM_JAUGE_TARE_gr=42.5\n");
    ASSERT_TRUE(bench.sim->ready());
    MesV2Modul card(&bench.link);
    expectHandshake(bench, 1, 14, 15, c, [&] { return card.CMinit_Comm(true); });
    EXPECT_EQ(bench.requests(1, 12).size(), 1u) << c.what;
    if (c.pulls) {
      // The card's values, written in the typed-setter form.
      EXPECT_TRUE(bench.configHas("Module_Mesure_V2", "z2_CM_CONFIGURED=1")) << bench.configText();
      EXPECT_TRUE(bench.configHas("Module_Mesure_V2", "z2_CM_JAUGE_TARE_gr=123.5"));
    }
    if (c.pushes) {
      EXPECT_FLOAT_EQ(payloadFloat(bench.requests(1, 15)[0], 11), 42.5f);
    }
    EXPECT_EQ(card.CM_sendToORV(), 0) << c.what;
    EXPECT_EQ(bench.requests(1, 13).size(), 1u) << c.what << ": polls of 13 follow";
  }
}

// A marker passes into the data as it is, and a value that is not a number becomes the
// marker; the fault latches at the 66th invalid reading in a row and clears with one valid
// reading.
TEST(MesV2Modul, SensorFaultLatchesAtThe66thInvalidReading) {
  struct Case {
    const char* what;
    const char* script;  // weight and high pressure
  };
  const Case cases[] = {
      {"the markers", "set 1 weight -999.0\nset 1 hp 999.0\n"},
      {"not numbers", "set 1 weight nan\nset 1 hp inf\n"},
      {"infinities", "set 1 weight -inf\nset 1 hp -inf\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ModuleBench bench(std::string("module 1 mesv2\n") + c.script, kFastCard);
    ASSERT_TRUE(bench.sim->ready());
    MesV2Modul card(&bench.link);
    ASSERT_EQ(card.CMinit_Comm(true), 1);
    for (int poll = 1; poll <= 65; ++poll) ASSERT_EQ(card.CM_sendToORV(), 0) << poll;
    EXPECT_EQ(card.CM_sensorError(CM_WEIGHT), 0);
    EXPECT_EQ(card.CM_sensorError(CM_HP), 0);
    EXPECT_FLOAT_EQ(card.CM_getMesureValue(0), -999.0f);
    EXPECT_FLOAT_EQ(card.CM_getMesureValue(1), 999.0f);
    ASSERT_EQ(card.CM_sendToORV(), 0);
    EXPECT_EQ(card.CM_sensorError(CM_WEIGHT), 1);
    EXPECT_EQ(card.CM_sensorError(CM_HP), 1);
    EXPECT_EQ(card.CM_sensorError(CM_TEMP1), 0);
    bench.sim->command("set 1 weight 512.0");
    ASSERT_EQ(card.CM_sendToORV(), 0);
    EXPECT_EQ(card.CM_sensorError(CM_WEIGHT), 0);
    EXPECT_EQ(card.CM_sensorError(CM_HP), 1);
  }
}

// A refused command (reply 26) stays the next command until the card acknowledges it.
TEST(MesV2Modul, RefusedCommandIsRepeatedEveryCycle) {
  ModuleBench bench("module 1 mesv2\nset 1 ack 0F 1A\n", kFastCard);
  ASSERT_TRUE(bench.sim->ready());
  MesV2Modul card(&bench.link);
  ASSERT_EQ(card.CMinit_Comm(true), 1);
  card.setCMcmdToSend(15);
  std::string out = capturedStdout([&] {
    for (int i = 0; i < 3; ++i) card.CM_sendToORV();
  });
  EXPECT_EQ(bench.requests(1, 15).size(), 3u);
  EXPECT_NE(out.find("cmd_CM_error OK"), std::string::npos);
  EXPECT_EQ(card.getCMcmdToSend(), 15);
  bench.sim->command("set 1 ack 0F default");
  card.CM_sendToORV();
  EXPECT_EQ(card.getCMcmdToSend(), 13);
}

// Lost at the first cycle more than 180 s after the last valid reply, back with the next
// answered identification, and lost again after the same delay when it falls silent.
TEST(MesV2Modul, WatchdogDeclaresTheCardLostAndReconnectsIt) {
  ModuleBench bench("module 1 mesv2\n", kFastCard);
  ASSERT_TRUE(bench.sim->ready());
  MesV2Modul card(&bench.link);
  ASSERT_EQ(card.CMinit_Comm(true), 1);
  ASSERT_EQ(card.CM_sendToORV(), 0);
  bench.sim->command("fault 1 crc");  // answers that do not count
  bench.advanceClock(179);
  EXPECT_EQ(card.CM_sendToORV(), -2);
  EXPECT_EQ(card.isCMconnected(), 1);
  bench.advanceClock(2);
  std::string out = capturedStdout([&] { card.CM_sendToORV(); });
  EXPECT_EQ(card.isCMconnected(), 2);
  EXPECT_NE(out.find("MESUREv2 Deconnecte via WATCHDOG, erreur RS485"), std::string::npos);

  bench.sim->command("fault 1 none");
  out = capturedStdout([&] { EXPECT_EQ(card.CM_sendToORV(), -4); });
  EXPECT_EQ(card.isCMconnected(), 1);
  EXPECT_NE(out.find("MESUREv2 Reconnecte via WATCHDOG, OK"), std::string::npos);

  bench.sim->command("fault 1 silent");
  bench.advanceClock(181);
  EXPECT_EQ(card.CM_sendToORV(), -4);
  EXPECT_EQ(card.isCMconnected(), 2) << "a card that falls silent again is lost again";
}

// An acknowledged reboot makes the card lost for a cycle; the next cycle identifies it.
TEST(MesV2Modul, RebootIsFollowedByIdentification) {
  ModuleBench bench("module 1 mesv2\nset 1 reboot-silence 1500\n", kFastCard);
  ASSERT_TRUE(bench.sim->ready());
  MesV2Modul card(&bench.link);
  ASSERT_EQ(card.CMinit_Comm(true), 1);
  card.rebootMODUL();
  EXPECT_EQ(card.CM_sendToORV(), 0);
  EXPECT_EQ(bench.requests(1, 16).size(), 1u);
  EXPECT_EQ(card.isCMconnected(), 2);
  EXPECT_EQ(card.CM_sendToORV(), -4);
  EXPECT_EQ(card.isCMconnected(), 1);
  EXPECT_EQ(bench.requests(1, 12).size(), 2u);
}

// Gauge calibration: 19, the state polled with 27 while busy, then the configuration
// with the new tare is read and written to the file, then values again.
TEST(MesV2Modul, CalibrationEndsWithTheNewConfigurationInTheFile) {
  ModuleBench bench("module 1 mesv2\nset 1 calib-polls 2\nset 1 weight 250.0\n", kFastCard);
  ASSERT_TRUE(bench.sim->ready());
  MesV2Modul card(&bench.link);
  ASSERT_EQ(card.CMinit_Comm(true), 1);
  card.sendCalibJauge(1);
  EXPECT_EQ(card.cfg_getCM_SensorCalibState(0), 1);
  std::vector<int> sent;
  for (int cycle = 0; cycle < 6; ++cycle) {
    sent.push_back(card.getCMcmdToSend());
    ASSERT_EQ(card.CM_sendToORV(), 0) << cycle;
  }
  EXPECT_EQ(sent, (std::vector<int>{19, 27, 27, 27, 14, 13}));
  EXPECT_EQ(card.cfg_getCM_SensorCalibState(0), -1);
  EXPECT_FLOAT_EQ(card.getCFG_struct(120).floatValue, 250.0f);
  EXPECT_TRUE(bench.configHas("Module_Mesure_V2", "z2_CM_JAUGE_TARE_gr=250")) << bench.configText();
}

TEST(MesV2Modul, FirmwareLoaderEntryLeavesTheCardAbsent) {
  ModuleBench bench("module 1 mesv2\n", kFastCard);
  ASSERT_TRUE(bench.sim->ready());
  MesV2Modul card(&bench.link);
  EXPECT_EQ(card.CMstart_FirmUpdate(), 0) << "an absent card is not sent into its loader";
  ASSERT_EQ(card.CMinit_Comm(true), 1);
  EXPECT_EQ(card.CMstart_FirmUpdate(), 1);
  EXPECT_EQ(card.isCMconnected(), 0);
  EXPECT_NE(bench.sim->command("status 1").find("type=bootloader"), std::string::npos);
  size_t before = bench.sim->frames().size();
  EXPECT_EQ(card.CM_sendToORV(), -4);
  EXPECT_EQ(bench.sim->frames().size(), before);
}

// Single keys: written when changed, in "%d" for bytes and speeds and "%f" for floats.
TEST(MesV2Modul, SingleKeysAreWrittenInTheirNumberForm) {
  ModuleBench bench("");
  MesV2Modul card(nullptr);
  const uint8_t configured = 1, busId = 3;
  const float tare = 12.5f, version = 2.25f;
  const uint32_t speed = 19200;
  struct Case {
    int id;
    const void* value;
    const char* line;
  } cases[] = {
      {115, &busId, "z2_CM_RS485_ID=3"},
      {116, &configured, "z2_CM_CONFIGURED=1"},
      {120, &tare, "z2_CM_JAUGE_TARE_gr=12.500000"},
      {130, &speed, "z2_CM_UART2_SPEED=19200"},
      {114, &version, "z2_CM_VERSION=2.250000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(card.setCFG_struct(c.id, c.value), 1);
    EXPECT_TRUE(bench.configHas("Module_Mesure_V2", c.line)) << c.line << "\n"
                                                             << bench.configText();
  }
  EXPECT_EQ(card.getCFG_struct(115).intValue, 3) << "the bus id comes as an integer";
  EXPECT_EQ(card.getCFG_struct(116).charValue, 1);
  EXPECT_EQ(card.getCFG_struct(130).intValue, 19200);
  EXPECT_FLOAT_EQ(card.getCFG_struct(114).floatValue, 2.25f);
  cfg_value_t none = card.getCFG_struct(131);
  EXPECT_EQ(none.charValue, 0);
  EXPECT_EQ(none.intValue, 0);
  EXPECT_EQ(none.floatValue, 0.0f);
}
