// The ENERGIE client against simulated modules 0 and 1 (addresses 6 and 7): the frames
// of each command, reply checks, the configuration handshake with "Module_Energie_<n>",
// measurements by index, the watchdog and the connected count, the input fault latches
// (on a scripted line, for the long runs), and keys by id with their "BP" suffixes.
#include "EnerModul.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "busFrame.h"
#include "support/module_bench.h"

namespace {

using Bytes = std::vector<unsigned char>;

const char kFastModules[] =
    "[Module_Energie_0]\nz6_ENER_uart2_cfg_speed=115200\n"
    "[Module_Energie_1]\nz7_ENER_uart2_cfg_speed=115200\n";

// A line on which every request gets the same answer, for runs of dozens of cycles.
class ScriptedLine : public CComRS485 {
public:
  Bytes answer;
  int sendWaitForRespAuto(int, const char*, unsigned, char* out, unsigned replySize,
                          unsigned short) override {
    size_t n = std::min<size_t>(answer.size(), replySize - 1);
    std::memcpy(out, answer.data(), n);
    return static_cast<int>(n);
  }
};

Bytes measurements(float pressure, float pt100) {
  ener_toORV_data_t d{};
  d.pression = pressure;
  d.pt100 = pt100;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(&d);
  return Bytes(p, p + sizeof d);
}

}  // namespace

// Module 1's commands in order: the request that goes out and the next command after the
// module's answer.
TEST(EnerModul, EachCommandGoesOutAsItsFrameAndSetsTheNextCommand) {
  ModuleBench bench("module 7 energie\n", kFastModules);
  ASSERT_TRUE(bench.sim->ready());
  EnerModul ener(&bench.link);
  ener.cfg_readENER_Config_fromFile(1);
  const int kUnchanged = 'x';
  struct Case {
    char command;
    const char* simSetting;  // applied before the row, or nullptr
    int result;
    int next;
    size_t payloadSize;  // 0: nothing goes out
  } cases[] = {
      {'4', nullptr, 0, '6', 1},
      {'6', nullptr, 0, kUnchanged, 1},
      {'7', nullptr, 0, '6', 1},
      {'8', nullptr, 0, '6', 70},
      {'>', nullptr, 0, '6', 16},
      {':', nullptr, 0, '6', 1},
      {'<', nullptr, 0, '6', 1},
      {';', nullptr, 0, '6', 1},
      {'?', nullptr, 0, '6', 1},
      {'@', nullptr, 0, '6', 1},
      {'A', "set 7 ack 'A' 'C'", 0, '7', 1},
      {'?', "set 7 ack '?' 'C'", 0, '6', 1},
      {'<', "set 7 ack '<' 'E'", 0, kUnchanged, 1},  // another code: repeated next cycle
      {'C', nullptr, -2, kUnchanged, 1},
      {'D', nullptr, -2, kUnchanged, 1},
      {'5', nullptr, 0, kUnchanged, 0},
      {'9', nullptr, 0, kUnchanged, 0},
      {'B', nullptr, 0, kUnchanged, 0},
      {'3', nullptr, 0, kUnchanged, 0},
  };
  for (const Case& c : cases) {
    if (c.simSetting) bench.sim->command(c.simSetting);
    // A command acknowledged with 'C' leads to '7' when it was the queued 'A'.
    ener.setENERcmdToSend(1, c.next == '7' ? 'A' : kUnchanged);
    size_t before = bench.requests(7, c.command).size();
    EXPECT_EQ(ener.orvcomm_sendToENER(1, static_cast<unsigned char>(c.command)), c.result)
        << c.command;
    EXPECT_EQ(ener.getENERcmdToSend(1), c.next) << c.command;
    auto sent = bench.awaitRequests(7, c.command, before + (c.payloadSize == 0 ? 0 : 1));
    if (c.payloadSize == 0) {
      EXPECT_EQ(sent.size(), before) << c.command << ": something went out";
    } else {
      ASSERT_EQ(sent.size(), before + 1) << c.command;
      EXPECT_EQ(sent.back().size(), c.payloadSize) << c.command;
    }
  }
  // The configuration went out as commissioned; the client's copy kept its own flag.
  Bytes config = bench.requests(7, '8')[0];
  EXPECT_EQ(config[0], 7);
  EXPECT_EQ(config[1], 1);
  EXPECT_EQ(ener.getCFG_struct(1, 175).charValue, 0);
  // '>' carries the four calibration values of the configuration.
  EXPECT_FLOAT_EQ(payloadFloat(bench.requests(7, '>')[0], 8), 280.0f);
  EXPECT_NE(bench.sim->log().find("addr=7 energy counters reset"), std::string::npos);
}

TEST(EnerModul, RepliesAreCheckedBeforeAnythingIsStored) {
  TestSandbox box;
  Bytes config(70, 0);
  config[0] = 6;
  Bytes foreignConfig = config;
  foreignConfig[0] = 8;
  struct Case {
    const char* what;
    int module;
    Bytes frame;
    int result;
    bool configStored;
  } cases[] = {
      {"measurements of module 0", 0, moduleReply(6, '6', measurements(2.5f, 3.0f)), 0, false},
      {"module 1's answer to module 0", 0, moduleReply(7, '6', measurements(2.5f, 3.0f)), -1,
       false},
      {"measurements with 127 bytes", 0, moduleReply(6, '6', Bytes(127, 0)), -1, false},
      {"configuration naming this module", 0, moduleReply(6, '7', config), 0, true},
      {"configuration naming another module", 0, moduleReply(6, '7', foreignConfig), 0, false},
      {"identification with 70 bytes", 0, moduleReply(6, '3', config), -1, false},
  };
  for (const Case& c : cases) {
    EnerModul ener(nullptr);
    ener_global_config_t before;
    ener.cfg_getENER_ModCfg(c.module, &before);
    EXPECT_EQ(
        ener.orvcomm_parseRX_enerDatas(c.module, c.frame.data(), static_cast<int>(c.frame.size())),
        c.result)
        << c.what;
    EXPECT_EQ(ener.ENERcommCounter(c.module) > 0, c.result == 0) << c.what;
    // The stored configuration has the module's speeds of 0 in place of 9600.
    EXPECT_EQ(ener.getCFG_struct(c.module, 199).intValue == 0, c.configStored) << c.what;
    bool measured = ener.getDATA_struct(c.module, 1).floatValue == 2.5f;
    EXPECT_EQ(measured, c.result == 0 && c.frame[3] == '6') << c.what;
  }
}

// Module 1 at address 7: the side that holds a commissioned configuration gives it to
// the other; the section keys of the measuring blocks end in "BP" and the block number.
TEST(EnerModul, HandshakePullsOrPushesTheConfiguration) {
  const HandshakeCase cases[] = {
      {"module configured, file not: pull", 1, 0, 1, 0,
       " +++ ENER[1]_Receive Config from Modul for new ORV OK"},
      {"file configured, module not: push", 0, 1, 0, 1,
       " +++ ENER[1]_Send Config from ORV to new Modul OK"},
      {"both configured: nothing", 1, 1, 0, 0, nullptr},
  };
  for (const HandshakeCase& c : cases) {
    ModuleBench bench("module 7 energie configured=" + std::to_string(c.moduleConfigured) +
                          "\nset 7 config affectation 1=4\nset 7 config p_max 10.0\n",
                      "[Module_Energie_1]\nz7_ENER_uart2_cfg_speed=115200\nz7_ENER_isConfigured=" +
                          std::to_string(c.fileConfigured) +
                          "\nz7_ENER_puissance_affectation_BP2=6\n");
    ASSERT_TRUE(bench.sim->ready());
    EnerModul ener(&bench.link);
    expectHandshake(bench, 7, '7', '8', c, [&] { return ener.ENERinit_Comm(1, true); });
    if (c.pulls) {
      EXPECT_TRUE(bench.configHas("Module_Energie_1", "z7_ENER_puissance_affectation_BP1=4"))
          << bench.configText();
      EXPECT_TRUE(bench.configHas("Module_Energie_1", "z7_ENER_pression_type=10"));
      EXPECT_TRUE(bench.configHas("Module_Energie_1", "z7_ENER_isConfigured=1"));
    }
    if (c.pushes) {
      // 77 bytes on the wire, starting 07 46 00 38.
      Bytes wire = bench.lastRequest(7, '8');
      ASSERT_EQ(wire.size(), 77u);
      EXPECT_EQ(Bytes(wire.begin(), wire.begin() + 4), (Bytes{0x07, 0x46, 0x00, 0x38}));
      EXPECT_EQ(wire[6 + 4], 6) << "block 2 assignment from the file";
    }
    EXPECT_EQ(ener.ENERtotalConnected(), 1);
    EXPECT_EQ(ener.orvcomm_sendNextCmdToAllENER(), 1) << c.what;
    EXPECT_EQ(bench.requests(7, '6').size(), 1u) << c.what << ": measurements follow";
  }
}

// Data indexes: 1 pressure, 2 PT100, then per block b P 3+b, E 6+b, S 9+b, Q 12+b, the
// phase voltages from 15+3b and the phase currents from 24+3b.
TEST(EnerModul, MeasurementsByIndex) {
  std::string scenario = "module 6 energie\n";
  const char* fields[] = {"P", "E", "S", "Q", "V1", "I1", "V2", "I2", "V3", "I3"};
  for (int b = 0; b < 3; ++b)
    for (int f = 0; f < 10; ++f)
      scenario += "set 6 b" + std::to_string(b) + "_" + fields[f] + " " +
                  std::to_string(100 * b + f) + "\n";
  ModuleBench bench(scenario + "set 6 pressure 4.5\nset 6 pt100 -12.5\n", kFastModules);
  ASSERT_TRUE(bench.sim->ready());
  EnerModul ener(&bench.link);
  ASSERT_EQ(ener.ENERinit_Comm(0, true), 1);
  ASSERT_EQ(ener.orvcomm_sendNextCmdToAllENER(), 1);
  struct Case {
    int index;
    float value;
  } cases[] = {
      {1, 4.5f}, {2, -12.5f}, {3, 0},    {5, 200},  {6, 1},  {9, 2},  {12, 3}, {14, 203}, {15, 4},
      {16, 6},   {17, 8},     {18, 104}, {23, 208}, {24, 5}, {25, 7}, {26, 9}, {27, 105}, {32, 209},
  };
  for (const Case& c : cases)
    EXPECT_FLOAT_EQ(ener.getDATA_struct(0, c.index).floatValue, c.value) << c.index;
  EXPECT_EQ(ener.getDATA_struct(0, 0).charValue, 1);
  EXPECT_EQ(ener.getDATA_struct(0, 33).floatValue, 0.0f);

  ener.setENERcmdToSend(0, '<');
  ener.orvcomm_sendNextCmdToAllENER();
  ener.orvcomm_sendNextCmdToAllENER();
  EXPECT_FLOAT_EQ(ener.getDATA_struct(0, 7).floatValue, 0.0f) << "energies reset by '<'";
}

// Lost at the first cycle more than 300 s after the last valid reply (and not counted in
// that cycle), reconnected by an answered identification, lost again after the same
// delay; the connected count follows the states.
TEST(EnerModul, WatchdogAndConnectedCount) {
  ModuleBench bench("module 6 energie\nmodule 7 energie\n", kFastModules);
  ASSERT_TRUE(bench.sim->ready());
  EnerModul ener(&bench.link);
  ASSERT_EQ(ener.ENERinit_Comm(0, true), 1);
  ASSERT_EQ(ener.ENERinit_Comm(1, true), 1);
  EXPECT_EQ(ener.ENERtotalConnected(), 2);
  ASSERT_EQ(ener.orvcomm_sendNextCmdToAllENER(), 2);
  bench.sim->command("fault 7 crc");
  bench.advanceClock(299);
  EXPECT_EQ(ener.orvcomm_sendNextCmdToAllENER(), 1);
  EXPECT_EQ(ener.isENERconnected(1), 1);
  bench.advanceClock(2);
  std::string out;
  out = capturedStdout([&] { EXPECT_EQ(ener.orvcomm_sendNextCmdToAllENER(), 1); });
  EXPECT_EQ(ener.isENERconnected(0), 1) << "module 0 answered: its time was renewed";
  EXPECT_EQ(ener.isENERconnected(1), 2);
  EXPECT_EQ(ener.getENERcmdToSend(1), '4');
  EXPECT_EQ(ener.ENERtotalConnected(), 1);
  EXPECT_NE(out.find("ENERGIE_1 Deconnecte via WATCHDOG, erreur RS485"), std::string::npos);

  bench.sim->command("fault 7 none");
  out = capturedStdout([&] { EXPECT_EQ(ener.orvcomm_sendNextCmdToAllENER(), 1); });
  EXPECT_NE(out.find("ENERGIE_1 Reconnecte via WATCHDOG, OK"), std::string::npos);
  EXPECT_EQ(ener.isENERconnected(1), 1);
  EXPECT_EQ(ener.ENERtotalConnected(), 2) << "the count follows the reconnection";
  EXPECT_EQ(ener.isAnyENERconnected(), 1);

  bench.sim->command("fault 6 crc");
  bench.sim->command("fault 7 crc");
  bench.advanceClock(301);
  ener.orvcomm_sendNextCmdToAllENER();
  EXPECT_EQ(ener.isENERconnected(1), 2) << "a module that falls silent again is lost again";
  EXPECT_EQ(ener.ENERtotalConnected(), 0);
  EXPECT_EQ(ener.isAnyENERconnected(), 0);
}

// An enabled input is faulty at its 66th invalid reading in a row (65 leave it clear)
// and clear again with one valid reading; a disabled input is never checked.
TEST(EnerModul, InputFaultLatchesAtThe66thInvalidReading) {
  TestSandbox box;
  ScriptedLine line;
  EnerModul ener(&line);
  line.answer = moduleReply(7, '3', {0, 0, 0, 0x40, 0x40});
  ASSERT_EQ(ener.ENERinit_Comm(1, false), 1);
  const uint8_t on = 1;
  ener.setCFG_struct(1, 188, &on);  // pressure input used; PT100 input not
  line.answer = moduleReply(7, '6', measurements(999.0f, 999.0f));
  for (int i = 0; i < 65; ++i) ASSERT_EQ(ener.orvcomm_sendNextCmdToAllENER(), 1);
  EXPECT_EQ(ener.ENER_sensorError(1, 0), 0);
  ener.orvcomm_sendNextCmdToAllENER();
  EXPECT_EQ(ener.ENER_sensorError(1, 0), 1);
  EXPECT_EQ(ener.ENER_sensorError(1, 1), 0);
  // Acknowledged commands do not count the old measurements again.
  line.answer = moduleReply(7, 'D', {'<'});
  ener.setENERcmdToSend(1, '<');
  ener.orvcomm_sendNextCmdToAllENER();
  EXPECT_EQ(ener.ENER_sensorError(1, 0), 1);
  line.answer = moduleReply(7, '6', measurements(2.0f, 999.0f));
  ener.orvcomm_sendNextCmdToAllENER();
  EXPECT_EQ(ener.ENER_sensorError(1, 0), 0);
}

// Single keys of module n: "z", 6 + n, the suffix, "BP" and the block for block keys, in
// section "Module_Energie_<n>"; "%d" for bytes and integers, "%f" for floats.
TEST(EnerModul, KeysByIdCarryTheModuleAndBlock) {
  ModuleBench bench("");
  EnerModul ener(nullptr);
  const int32_t percent = 50;
  const float reference = 231.5f;
  const uint8_t assignment = 4;
  const uint32_t rating = 150;
  struct Case {
    int module;
    int id;
    const void* value;
    const char* section;
    const char* line;
  } cases[] = {
      {2, 186, &percent, "Module_Energie_2", "z8_ENER_puissance_affectation_percent_BP1=50"},
      {1, 203, &reference, "Module_Energie_1", "z7_ENER_survTension_reference=231.500000"},
      {0, 178, &assignment, "Module_Energie_0", "z6_ENER_puissance_affectation_BP2=4"},
      {1, 181, &rating, "Module_Energie_1", "z7_ENER_puissance_puissanceTI_BP2=150"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ener.setCFG_struct(c.module, c.id, c.value), 1);
    EXPECT_TRUE(bench.configHas(c.section, c.line)) << c.line << "\n" << bench.configText();
  }
  EXPECT_EQ(ener.ENERblocPuissAffect(0, 2), 4);
  EXPECT_EQ(ener.ENERblocPuissAffect(0, 3), -1);
  EXPECT_EQ(ener.ENERblocPuissAffect(3, 0), -1);
  EXPECT_EQ(ener.getCFG_struct(2, 186).intValue, 50);
  EXPECT_EQ(ener.getCFG_struct(0, 174).charValue, 6);
  EXPECT_EQ(ener.getCFG_struct(2, 174).charValue, 8);
  EXPECT_EQ(ener.getCFG_struct(1, 204).intValue, 0);
  // Three blocks assigned 4, of which two measure a power.
  ener_toORV_data_t d{};
  d.block[0].P_kW = 5.0f;
  d.block[2].P_kW = 1.0f;
  ener.setCFG_struct(0, 176, &assignment);
  ener.setCFG_struct(0, 177, &assignment);
  ener.cfg_setENER_Data(0, &d);
  EXPECT_EQ(ener.ENERtotalAffectationON(4), 2);
}

// The screens read the bundles and the compressor count from the GUI thread: a copy
// tells whether it happened, and the count is taken under the client's locks.
TEST(EnerModul, ScreenReadsTellALockNotObtained) {
  ModuleBench bench("");
  EnerModul ener(nullptr);
  const uint8_t compressor = 0;
  ener_toORV_data_t d{};
  d.block[1].P_kW = 4.0f;
  ener.setCFG_struct(0, 176, &compressor);
  ener.setCFG_struct(0, 177, &compressor);
  ener.cfg_setENER_Data(0, &d);
  EXPECT_EQ(ener.ENERtotalAffectationON_locked(0), 1);
  EXPECT_EQ(ener.ENERtotalAffectationON_locked(0), ener.ENERtotalAffectationON(0));

  energyORV_config_t copy;
  std::memset(&copy, 0xAB, sizeof copy);
  EXPECT_EQ(ener.cfg_getAllENER_Config(nullptr), 0);
  EXPECT_EQ(ener.cfg_getAllENER_Data(nullptr), 0);
  energyORV_data_t readings;
  EXPECT_EQ(ener.cfg_getAllENER_Data(&readings), 1);
  EXPECT_EQ(readings.module[0].block[1].P_kW, 4.0f);
  std::thread holder([&ener] {
    ASSERT_EQ(ener.lock_ENERconfig(), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    ener.unlock_ENERconfig();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(ener.cfg_getAllENER_Config(&copy), 0);
  EXPECT_EQ(copy.connectState[0], 0xAB);  // nothing copied
  holder.join();
  EXPECT_EQ(ener.cfg_getAllENER_Config(&copy), 1);
  EXPECT_EQ(copy.cfg[0].module.addr, 6);
}
