// The HPF module client against the simulated module: the frames of each command, the
// plant values exchange, reply checks, the configuration handshake with section
// "Module_HPF", the watchdog, reboot and loader entry, and keys by id.
#include "HpfModul.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "busFrame.h"
#include "lock_holder.h"
#include "support/module_bench.h"

namespace {

using Bytes = std::vector<unsigned char>;

const char kFastModule[] = "[Module_HPF]\nz0_HPF-CONFIG_uart2_cfg_speed=57600\n";

uint32_t payloadU32(const Bytes& p, size_t offset) {
  uint32_t v = 0;
  std::memcpy(&v, p.data() + offset, 4);
  return v;
}

}  // namespace

// Each command's request and the next command after the module's answer; one module,
// the rows in order.
TEST(HpfModul, EachCommandGoesOutAsItsFrameAndSetsTheNextCommand) {
  ModuleBench bench("module 5 hpf configured=1\n", kFastModule);
  ASSERT_TRUE(bench.sim->ready());
  HpfModul hpf(&bench.link);
  hpf.cfg_readHPF_Config_fromFile();
  const unsigned kUnchanged = 'x';
  struct Case {
    char command;
    int result;
    unsigned next;
    size_t payloadSize;  // 0: nothing goes out
  } cases[] = {
      {'f', 0, 'k', 1},         {'h', 0, 'k', 1},         {'i', 0, 'k', 1},
      {'k', 0, 'k', 37},        {'j', 0, 'k', 138},       {'n', 0, kUnchanged, 1},
      {'p', -2, kUnchanged, 1}, {'q', -2, kUnchanged, 1}, {'g', 0, kUnchanged, 0},
      {'z', 0, kUnchanged, 0},
  };
  for (const Case& c : cases) {
    hpf.setHPFcmdToSend(kUnchanged);
    size_t before = bench.requests(5, c.command).size();
    EXPECT_EQ(hpf.orvcomm_sendToHPF(static_cast<unsigned char>(c.command)), c.result) << c.command;
    EXPECT_EQ(hpf.getHPFcmdToSend(), c.next) << c.command;
    auto sent = c.payloadSize == 0 ? bench.requests(5, c.command)
                                   : bench.awaitRequests(5, c.command, before + 1);
    if (c.payloadSize == 0) {
      EXPECT_EQ(sent.size(), before) << c.command << ": something went out";
    } else {
      ASSERT_EQ(sent.size(), before + 1) << c.command;
      EXPECT_EQ(sent.back().size(), c.payloadSize) << c.command;
    }
  }
  EXPECT_EQ(hpf.isHPFconnected(), 1);
  // The module's configuration was taken over ('i', configured byte 1) and the module's
  // byte of 'n' kept; 'p' went out after 'n' without waiting for a reply.
  EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF-CONFIG_ISCONFIGIRED=1")) << bench.configText();
  EXPECT_EQ(hpf.HPFnByte(), 1);
  EXPECT_EQ(bench.requests(5, 'p').size(), 2u);
}

// The controller's plant values go out with 'k' (44 bytes on the wire) and the module's
// state comes back with 'h'.
TEST(HpfModul, CycleSendsThePlantValuesAndStoresTheModuleState) {
  ModuleBench bench(
      "module 5 hpf\nset 5 compressors 0,1,0,0,0,0\nset 5 fans 1,2,1,0,0,0,0,0,0,0,0,0\n",
      kFastModule);
  ASSERT_TRUE(bench.sim->ready());
  HpfModul hpf(&bench.link);
  ASSERT_EQ(hpf.HPFinit_Comm(true), 1);
  orv_toHP_datas_t plant{};
  plant.compressorsRunning = 1;
  plant.puissanceComp[0] = 3;  // 3.7 kW truncated by the pass
  plant.tempExt = 20.0f;
  plant.tempCondensation = 35.0f;
  plant.pressionHP = 12.5f;
  hpf.cfg_setORV_Data(&plant);
  EXPECT_EQ(hpf.HPF_sendToORV(), 0);
  Bytes wire = bench.lastRequest(5, 'k');
  ASSERT_EQ(wire.size(), 44u);
  EXPECT_EQ(Bytes(wire.begin(), wire.begin() + 4), (Bytes{0x05, 0x25, 0x00, 0x6B}));
  Bytes payload(wire.begin() + 6, wire.end() - 1);
  EXPECT_EQ(payload[0], 1);
  EXPECT_EQ(payloadU32(payload, 1), 3u);
  for (int i = 1; i < 6; ++i) EXPECT_EQ(payloadU32(payload, 1 + 4 * i), 0u);
  EXPECT_FLOAT_EQ(payloadFloat(payload, 25), 20.0f);
  EXPECT_FLOAT_EQ(payloadFloat(payload, 29), 35.0f);
  EXPECT_FLOAT_EQ(payloadFloat(payload, 33), 12.5f);
  EXPECT_NE(bench.sim->log().find("running=1 comp_kw=3,0,0,0,0,0 temp_ext=20 temp_cond=35 hp=12.5"),
            std::string::npos);
  EXPECT_EQ(hpf.getDATA_struct(13).charValue, 0);
  EXPECT_EQ(hpf.getDATA_struct(14).charValue, 1);
  EXPECT_FLOAT_EQ(hpf.getDATA_struct(25).floatValue, 30.0f);
  EXPECT_EQ(hpf.getNumVentilON(), 2) << "a fan byte of 2 does not count";
  EXPECT_EQ(hpf.getNumCompressorON(), 1);

  bench.sim->command("fault 5 address 1");
  bench.sim->command("set 5 compressors 1,1,1,1,1,1");
  EXPECT_EQ(hpf.HPF_sendToORV(), -2) << "an answer from address 6";
  EXPECT_EQ(hpf.getNumCompressorON(), 1) << "the module data stay unchanged";
}

TEST(HpfModul, RepliesAreCheckedBeforeAnythingIsStored) {
  TestSandbox box;
  Bytes config(138, 0);
  struct Case {
    const char* what;
    Bytes frame;
    int result;
    bool configured;  // the configuration was taken over
  } cases[] = {
      {"state with its 36 bytes", moduleReply(5, 'h', Bytes(36, 1)), 0, false},
      {"state from address 6", moduleReply(6, 'h', Bytes(36, 1)), -1, false},
      {"state with 37 bytes", moduleReply(5, 'h', Bytes(37, 1)), -1, false},
      {"identification in a configuration answer", moduleReply(5, 'e', config), -1, false},
      {"configuration of a module not configured", moduleReply(5, 'i', config), 0, false},
      {"unknown code, any size", moduleReply(5, 'y', {1, 2}), 0, false},
  };
  for (const Case& c : cases) {
    HpfModul hpf(nullptr);
    EXPECT_EQ(hpf.orvcomm_parseRX_Datas(c.frame.data(), static_cast<int>(c.frame.size())), c.result)
        << c.what;
    EXPECT_EQ(hpf.HPFcommCounter() > 0, c.result == 0) << c.what;
    EXPECT_EQ(hpf.isHPFconfigured(), c.configured) << c.what;
    EXPECT_EQ(hpf.getNumVentilON(), c.result == 0 && c.frame[3] == 'h' ? 12 : 0) << c.what;
  }
}

TEST(HpfModul, HandshakePullsOrPushesTheConfiguration) {
  const HandshakeCase cases[] = {
      {"module configured, file not: pull", 1, 0, 1, 0,
       " +++ HPF_Receive Config from Modul for new ORV OK"},
      {"file configured, module not: push", 0, 1, 0, 1,
       " +++ HPF_Send Config from ORV to new Modul OK"},
      {"neither configured: nothing", 0, 0, 0, 0, nullptr},
  };
  for (const HandshakeCase& c : cases) {
    ModuleBench bench("module 5 hpf configured=" + std::to_string(c.moduleConfigured) +
                          "\nset 5 config tes 33.5\nset 5 config stage_kw 1=7\n",
                      std::string(kFastModule) + "z0_HPF-CONFIG_ISCONFIGIRED=" +
                          std::to_string(c.fileConfigured) + "\nz0_HPF-CONFIG_HP_Max=40\n");
    ASSERT_TRUE(bench.sim->ready());
    HpfModul hpf(&bench.link);
    expectHandshake(bench, 5, 'i', 'j', c, [&] { return hpf.HPFinit_Comm(true); });
    if (c.pulls) {
      EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF-CONFIG_TES=33.5")) << bench.configText();
      EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF_CONFIG_V_MP_Kw_1=7"));
      EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF-CONFIG_HP_Max=45"));
    }
    if (c.pushes) {
      Bytes sent = bench.requests(5, 'j')[0];
      ASSERT_EQ(sent.size(), 138u);
      EXPECT_EQ(sent[0], 1);
      EXPECT_FLOAT_EQ(payloadFloat(sent, 124), 40.0f);
    }
  }
}

// Values of section "Module_HPF" that no module screen offers go to the module as the
// keys' defaults when the controller's configuration is pushed: no infinity, no wrapped 0.
TEST(HpfModul, PushedConfigurationCarriesTheDefaultsOfRefusedValues) {
  struct Case {
    int id;
    const char* text;
  } cases[] = {
      {146, "1e300"},  // TES
      {148, "-1e39"},  // TCmini
      {153, "1e300"},  // TVM, unsigned
      {147, "nan"},    // Dt
  };
  std::string config = std::string(kFastModule) + "z0_HPF-CONFIG_ISCONFIGIRED=1\n";
  for (const Case& c : cases)
    config += std::string(HPF_KEY_TABLE.find(c.id)->key) + "=" + c.text + "\n";
  ModuleBench bench("module 5 hpf configured=0\n", config);
  ASSERT_TRUE(bench.sim->ready());
  HpfModul hpf(&bench.link);
  ASSERT_EQ(hpf.HPFinit_Comm(true), 1);
  std::vector<Bytes> pushed = bench.requests(5, 'j');
  ASSERT_EQ(pushed.size(), 1u);
  ASSERT_EQ(pushed[0].size(), sizeof(hp_global_config_t));
  for (const Case& c : cases) {
    const ModuleKeyDef& def = *HPF_KEY_TABLE.find(c.id);
    EXPECT_EQ(moduleField(pushed[0].data(), def), static_cast<float>(def.def))
        << def.key << "=" << c.text;
  }
}

// Lost on the first pass more than 240 s after the last valid reply; reconnected by an
// answered identification; lost again after the same delay.
TEST(HpfModul, WatchdogDeclaresTheModuleLostAndReconnectsIt) {
  ModuleBench bench("module 5 hpf\n", kFastModule);
  ASSERT_TRUE(bench.sim->ready());
  HpfModul hpf(&bench.link);
  ASSERT_EQ(hpf.HPFinit_Comm(true), 1);
  ASSERT_EQ(hpf.HPF_sendToORV(), 0);
  bench.sim->command("fault 5 crc");
  bench.advanceClock(239);
  EXPECT_EQ(hpf.HPF_sendToORV(), -2);
  EXPECT_EQ(hpf.isHPFconnected(), 1);
  bench.advanceClock(2);
  std::string out = capturedStdout([&] { hpf.HPF_sendToORV(); });
  EXPECT_EQ(hpf.isHPFconnected(), 2);
  EXPECT_EQ(hpf.getHPFcmdToSend(), static_cast<unsigned>('f'));
  EXPECT_NE(out.find("HPF deconnecte via WATCHDOG, erreur RS485"), std::string::npos);

  bench.sim->command("fault 5 none");
  out = capturedStdout([&] { EXPECT_EQ(hpf.HPF_sendToORV(), -4); });
  EXPECT_EQ(hpf.isHPFconnected(), 1);
  EXPECT_NE(out.find("HPF Reconnecte via WATCHDOG, OK"), std::string::npos);

  bench.sim->command("fault 5 crc");
  bench.advanceClock(241);
  hpf.HPF_sendToORV();
  EXPECT_EQ(hpf.isHPFconnected(), 2) << "a module that falls silent again is lost again";
}

// A reboot answered with its own code makes the module lost for a pass; the loader entry
// answered with 'o' leaves it absent.
TEST(HpfModul, RebootAndLoaderEntry) {
  ModuleBench bench("module 5 hpf\nset 5 reboot-silence 1500\n", kFastModule);
  ASSERT_TRUE(bench.sim->ready());
  HpfModul hpf(&bench.link);
  ASSERT_EQ(hpf.HPFinit_Comm(true), 1);
  hpf.rebootMODUL();
  EXPECT_EQ(hpf.HPF_sendToORV(), 0);
  EXPECT_EQ(bench.requests(5, 'l').size(), 1u);
  EXPECT_EQ(hpf.isHPFconnected(), 2);
  EXPECT_EQ(hpf.HPF_sendToORV(), -4);
  EXPECT_EQ(hpf.isHPFconnected(), 1);

  EXPECT_EQ(hpf.HPFstart_FirmUpdate(), 1);
  EXPECT_EQ(hpf.isHPFconnected(), 0);
  EXPECT_NE(bench.sim->command("status 5").find("type=bootloader"), std::string::npos);
  EXPECT_EQ(hpf.HPF_sendToORV(), -4);
  EXPECT_EQ(hpf.HPFstart_FirmUpdate(), 0) << "only a connected module";
}

TEST(HpfModul, KeysByIdAndTheirFileForms) {
  ModuleBench bench("");
  HpfModul hpf(nullptr);
  const int32_t stage = 12;
  const float tes = 31.25f;
  const uint32_t speed = 19200;
  const uint8_t relays = 3;
  struct Case {
    int id;
    const void* value;
    const char* line;
  } cases[] = {
      {135, &stage, "z0_HPF_CONFIG_V_MP_Kw_1=12"},
      {146, &tes, "z0_HPF-CONFIG_TES=31.250000"},
      {171, &speed, "z0_HPF-CONFIG_uart2_cfg_speed=19200"},
      {172, &relays, "z0_HPF-CONFIG_RelayCardNum=3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(hpf.setCFG_struct(c.id, c.value), 1);
    EXPECT_TRUE(bench.configHas("Module_HPF", c.line)) << c.line << "\n" << bench.configText();
  }
  std::string before = bench.configText();
  hpf.setCFG_struct(135, &stage);
  EXPECT_EQ(bench.configText(), before) << "an unchanged value writes nothing";
  EXPECT_EQ(hpf.getCFG_struct(171).intValue, 19200);
  EXPECT_EQ(hpf.getCFG_struct(170).intValue, 9600);
  EXPECT_EQ(hpf.getCFG_struct(132).charValue, 5);
  EXPECT_EQ(hpf.getCFG_struct(173).intValue, 0);
  EXPECT_EQ(hpf.getCFG_struct(173).floatValue, 0.0f);
}

// Writing the section reports whether it happened: 1 when the store wrote it, 0 without a
// store or when the client's lock or the store's key lock is not obtained in time (the file
// is then left as it was).
TEST(HpfModul, SectionWriteReportsWhetherTheFileWasWritten) {
  ModuleBench bench("", "[Module_HPF]\nz0_HPF_CONFIG_V_MP_Kw_0=100\n");
  HpfModul hpf(nullptr);
  hpf.cfg_readHPF_Config_fromFile();
  hp_global_config_t cfg;
  hpf.cfg_getHPF_Config(&cfg);
  cfg.ventilPowerKw[0] = 250;
  hpf.cfg_setHPF_Config(false, &cfg);

  // Each lock held by another thread until the write has given up waiting for it.
  std::string before = bench.configText();
  {
    LockHeldElsewhere held([&] { return bench.store->lock_ORVconfig() == 1; },
                           [&] { bench.store->unlock_ORVconfig(); });
    EXPECT_EQ(hpf.cfg_writeHPF_Config_toFile(), 0) << "store's lock";
  }
  EXPECT_EQ(bench.configText(), before);
  {
    LockHeldElsewhere held([&] { return hpf.lock_HPFconfig() == 1; },
                           [&] { hpf.unlock_HPFconfig(); });
    EXPECT_EQ(hpf.cfg_writeHPF_Config_toFile(), 0) << "client's lock";
  }
  EXPECT_EQ(bench.configText(), before);

  EXPECT_EQ(hpf.cfg_writeHPF_Config_toFile(), 1);
  EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF_CONFIG_V_MP_Kw_0=250")) << bench.configText();

  Singleton<orv_classPtr>::ptr()->datas = nullptr;
  EXPECT_EQ(hpf.cfg_writeHPF_Config_toFile(), 0) << "no store";
}
