// The module clients checked from outside: orvcore-cli's v2, v1, hpf and ener groups
// against orvbus-sim, as a technician rehearses a commissioning.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/module_bench.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Every value printed under `key`, in order.
std::vector<std::string> values(const std::string& out, const std::string& key) {
  std::vector<std::string> found;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);)
    if (line.compare(0, key.size() + 1, key + "=") == 0)
      found.push_back(line.substr(key.size() + 1));
  return found;
}

int occurrences(const std::string& out, const std::string& text) {
  int n = 0;
  for (size_t at = out.find(text); at != std::string::npos; at = out.find(text, at + 1)) ++n;
  return n;
}

// Command codes of the requests to `address`, in order.
std::vector<int> codesSent(const ModuleBench& bench, int address) {
  std::vector<int> codes;
  for (const auto& f : bench.sim->frames())
    if (f.direction == "RX" && f.bytes.size() > 3 && f.bytes[0] == address)
      codes.push_back(f.bytes[3]);
  return codes;
}

const char kFastCard[] = "[Module_Mesure_V2]\nz2_CM_UART2_SPEED=57600\n";

}  // namespace

TEST(CliModules, V2InitPullsOrPushesTheConfiguration) {
  {
    ModuleBench bench("module 1 mesv2 configured=1\nset 1 config tare 123.5\n",
                      std::string(kFastCard) + "z2_CM_CONFIGURED=0\n");
    ASSERT_TRUE(bench.sim->ready());
    auto r = bench.box.cli("v2 init");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(codesSent(bench, 1), (std::vector<int>{12, 14}));
    EXPECT_NE(r.out.find(" +++ CMv2_Receive Config from Modul for new ORV OK"), std::string::npos);
    EXPECT_TRUE(bench.configHas("Module_Mesure_V2", "z2_CM_CONFIGURED=1")) << bench.configText();
    EXPECT_TRUE(bench.configHas("Module_Mesure_V2", "z2_CM_JAUGE_TARE_gr=123.5"));
  }
  {
    ModuleBench bench("module 1 mesv2\n",
                      std::string(kFastCard) + "z2_CM_CONFIGURED=1\nz2_CM_JAUGE_TARE_gr=42.5\n");
    ASSERT_TRUE(bench.sim->ready());
    auto r = bench.box.cli("v2 init poll 2");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(codesSent(bench, 1), (std::vector<int>{12, 15, 13, 13}));
    Bytes push = bench.requests(1, 15).at(0);
    ASSERT_EQ(push.size(), 55u);
    EXPECT_EQ(push[1], 1);
    EXPECT_FLOAT_EQ(payloadFloat(push, 11), 42.5f);
    EXPECT_NE(bench.sim->log().find("TX 01 01 00 19"), std::string::npos) << "acknowledged with 25";
  }
}

TEST(CliModules, V2WeightFlagAndRefusedCommand) {
  ModuleBench bench("module 1 mesv2\nset 1 weight -999.0\nset 1 ack 0F 1A\n", kFastCard);
  ASSERT_TRUE(bench.sim->ready());
  auto r = bench.box.cli("v2 init poll 66 --flags");
  auto flags = values(r.out, "flags");
  ASSERT_EQ(flags.size(), 66u) << r.out;
  EXPECT_EQ(flags[64], "0,0,0,0,0");
  EXPECT_EQ(flags[65], "1,0,0,0,0");
  r = bench.box.cli("v2 init queue 15 poll 3");
  EXPECT_EQ(bench.requests(1, 15).size(), 3u);
  EXPECT_EQ(occurrences(r.out, "cmd_CM_error OK"), 3);
}

TEST(CliModules, V1ExchangeAndItsResults) {
  struct Case {
    const char* what;
    const char* scenario;
    const char* args;
    std::vector<std::pair<const char*, std::vector<std::string>>> expect;
  } cases[] = {
      {"the example reply",
       "",
       "v1 init poll 1",
       {{"rc", {"1"}},
        {"weight", {"1080"}},
        {"outlet", {"20"}},
        {"outside", {"5"}},
        {"inlet", {"0"}},
        {"pressure", {"15"}}}},
      {"a weight beginning with 9",
       "set 0 weight 95000\n",
       "v1 poll 1",
       {{"rc", {"1"}}, {"weight", {"95000"}}}},
      {"32 bytes", "set 0 length 32\n", "v1 poll 1", {{"rc", {"-3"}}, {"state", {"0"}}}},
      {"silent at the 65th exchange, then a good reply",
       "fault 0 silent 3\n",
       "v1 silent-count 64 poll 2",
       {{"rc", {"-4", "1"}}, {"state", {"2", "1"}}}},
  };
  for (const Case& c : cases) {
    ModuleBench bench(std::string("module 0 mesv1\n") + c.scenario);
    ASSERT_TRUE(bench.sim->ready());
    auto r = bench.box.cli(c.args);
    EXPECT_EQ(r.status, 0) << c.what << "\n" << r.out;
    for (const auto& e : c.expect)
      EXPECT_EQ(values(r.out, e.first), e.second) << c.what << " " << e.first;
  }
}

TEST(CliModules, HpfInitCycleAndData) {
  ModuleBench bench(
      "module 5 hpf configured=1\nset 5 config tes 33.5\nset 5 compressors 1,0,0,0,0,0\n",
      "[Module_HPF]\nz0_HPF-CONFIG_ISCONFIGIRED=0\n");
  ASSERT_TRUE(bench.sim->ready());
  auto r = bench.box.cli(
      "hpf init cycle --running 1 --comp 3.7,0,0,0,0,0 --text 20 --tcond 35 --hp 12.5 data 13");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(bench.requests(5, 'i').size(), 1u);
  EXPECT_TRUE(bench.configHas("Module_HPF", "z0_HPF-CONFIG_TES=33.5")) << bench.configText();
  Bytes wire = bench.lastRequest(5, 'k');
  ASSERT_EQ(wire.size(), 44u);
  EXPECT_EQ(Bytes(wire.begin(), wire.begin() + 4), (Bytes{0x05, 0x25, 0x00, 0x6B}));
  EXPECT_NE(bench.sim->log().find("running=1 comp_kw=3,0,0,0,0,0 temp_ext=20 temp_cond=35 hp=12.5"),
            std::string::npos);
  EXPECT_EQ(values(r.out, "rc"), (std::vector<std::string>{"0"}));
  EXPECT_EQ(values(r.out, "char"), (std::vector<std::string>{"1"})) << "first compressor byte";

  bench.sim->command("fault 5 address 1");
  r = bench.box.cli("hpf send h");
  EXPECT_EQ(values(r.out, "rc"), (std::vector<std::string>{"-2"})) << "a reply from address 6";
}

// Detection takes a module's configuration over; a value the server could not set either
// (NaN, infinity, outside the screens' lists and ranges) leaves the stored one as it was.
TEST(CliModules, DetectionStoresOnlyModuleValuesTheServerWouldTake) {
  ModuleBench bench(
      "module 5 hpf configured=1\nset 5 config tes nan\nset 5 config dt inf\n"
      "set 5 config variateur 255\nset 5 config regul_mode 255\nset 5 config uart1 4294967295\n"
      "set 5 config tc_min 25\n"
      "module 6 energie configured=1\nset 6 config p_max nan\nset 6 config p_min -inf\n"
      "set 6 config affectation 0=200\nset 6 config ti_rating 4294967295,100,300\n"
      "set 6 config uart1 4294967295\nset 6 config i_calib 3.5\n",
      "[Module_HPF]\nz0_HPF-CONFIG_ISCONFIGIRED=0\nz0_HPF-CONFIG_TES=30\nz0_HPF-CONFIG_Dt=12\n"
      "z0_HPF-CONFIG_RegulMode=1\nz0_HPF-CONFIG_uart1_cfg_speed=19200\n"
      "[Module_Energie_0]\nz6_ENER_isConfigured=0\nz6_ENER_pression_type=10\n"
      "z6_ENER_pression_mini=-0.5\nz6_ENER_puissance_affectation_BP0=4\n");
  ASSERT_TRUE(bench.sim->ready());
  auto r = bench.box.cli("bus detect");
  EXPECT_EQ(r.status, 0) << r.out;
  struct Case {
    const char* section;
    const char* line;
  } stored[] = {
      // Refused: the value stored before stays.
      {"Module_HPF", "z0_HPF-CONFIG_TES=30"},
      {"Module_HPF", "z0_HPF-CONFIG_Dt=12"},
      {"Module_HPF", "z0_HPF-CONFIG_RegulMode=1"},
      {"Module_HPF", "z0_HPF-CONFIG_uart1_cfg_speed=19200"},
      {"Module_Energie_0", "z6_ENER_pression_type=10"},
      {"Module_Energie_0", "z6_ENER_pression_mini=-0.5"},
      {"Module_Energie_0", "z6_ENER_puissance_affectation_BP0=4"},
      // Refused where nothing was stored: the key's default.
      {"Module_HPF", "z0_HPF-CONFIG_Variateur=0"},
      {"Module_Energie_0", "z6_ENER_puissance_puissanceTI_BP0=50"},
      {"Module_Energie_0", "z6_ENER_uart1_cfg_speed=9600"},
      // Taken from the module.
      {"Module_HPF", "z0_HPF-CONFIG_ISCONFIGIRED=1"},
      {"Module_HPF", "z0_HPF-CONFIG_TCmini=25"},
      {"Module_Energie_0", "z6_ENER_isConfigured=1"},
      {"Module_Energie_0", "z6_ENER_puissance_puissanceTI_BP1=100"},
      {"Module_Energie_0", "z6_ENER_puissance_puissanceTI_BP2=300"},
      {"Module_Energie_0", "z6_ENER_current_calibration_value=3.5"},
  };
  for (const Case& c : stored) EXPECT_TRUE(bench.configHas(c.section, c.line)) << c.line;
  const std::string text = bench.configText();
  for (const char* value : {"=nan\n", "=inf\n", "=-inf\n", "=255\n", "=4294967295\n"})
    EXPECT_EQ(text.find(value), std::string::npos) << value << text;
  // Each refusal names the module's section and the field.
  for (const char* refused :
       {"Module_HPF z0_HPF-CONFIG_TES=nan refuse", "Module_HPF z0_HPF-CONFIG_Dt=inf refuse",
        "Module_HPF z0_HPF-CONFIG_Variateur=255 refuse", "Module_HPF z0_HPF-CONFIG_RegulMode=255 refuse",
        "Module_HPF z0_HPF-CONFIG_uart1_cfg_speed=4294967295 refuse",
        "Module_Energie_0 z6_ENER_pression_type=nan refuse",
        "Module_Energie_0 z6_ENER_pression_mini=-inf refuse",
        "Module_Energie_0 z6_ENER_puissance_affectation_BP0=200 refuse",
        "Module_Energie_0 z6_ENER_puissance_puissanceTI_BP0=4294967295 refuse",
        "Module_Energie_0 z6_ENER_uart1_cfg_speed=4294967295 refuse"})
    EXPECT_EQ(occurrences(r.out, refused), 1) << refused << "\n" << r.out;
}

TEST(CliModules, EnerInitPushesTheConfigurationAndReadsTheBlocks) {
  ModuleBench bench("module 6 energie\nmodule 7 energie\nmodule 8 energie\nset 7 b0_V2 231.5\n",
                    "[Module_Energie_1]\nz7_ENER_isConfigured=1\n");
  ASSERT_TRUE(bench.sim->ready());
  auto r = bench.box.cli("ener init poll 1 data 1 16");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(values(r.out, "found"), (std::vector<std::string>{"3"}));
  Bytes wire = bench.lastRequest(7, '8');
  ASSERT_EQ(wire.size(), 77u);
  EXPECT_EQ(Bytes(wire.begin(), wire.begin() + 4), (Bytes{0x07, 0x46, 0x00, 0x38}));
  EXPECT_NE(r.out.find(" +++ ENER[1]_Send Config from ORV to new Modul OK"), std::string::npos);
  EXPECT_EQ(codesSent(bench, 7), (std::vector<int>{'4', '8', '6'}));
  EXPECT_EQ(values(r.out, "float"), (std::vector<std::string>{"231.5"}));
}

// The program's clock moved on past each module's watchdog while its next command gets
// no answer; the answered identification reconnects it, and the same delay loses it again.
TEST(CliModules, WatchdogsLoseAndReconnectTheModules) {
  ModuleBench bench(
      "module 1 mesv2\nmodule 5 hpf\nmodule 6 energie\nmodule 7 energie\nmodule 8 energie\n",
      kFastCard);
  ASSERT_TRUE(bench.sim->ready());
  struct Case {
    const char* args;
    const char* lost;
    const char* back;
  } cases[] = {
      {"v2 init queue 25 clock +180 poll 1 clock +1 poll 1 poll 1 queue 25 clock +181 poll 1",
       "MESUREv2 Deconnecte via WATCHDOG, erreur RS485", "MESUREv2 Reconnecte via WATCHDOG, OK"},
      {"hpf init queue p clock +240 cycle clock +1 cycle cycle queue p clock +241 cycle",
       "HPF deconnecte via WATCHDOG, erreur RS485", "HPF Reconnecte via WATCHDOG, OK"},
      {"ener init queue 1 C clock +300 poll 1 clock +1 poll 1 poll 1 queue 1 C clock +301 poll 1",
       "ENERGIE_1 Deconnecte via WATCHDOG, erreur RS485", "ENERGIE_1 Reconnecte via WATCHDOG, OK"},
  };
  for (const Case& c : cases) {
    auto r = bench.box.cli(c.args);
    EXPECT_EQ(r.status, 0) << c.args << "\n" << r.out;
    EXPECT_EQ(occurrences(r.out, c.lost), 2) << c.args << "\n" << r.out;
    EXPECT_EQ(occurrences(r.out, c.back), 1) << c.args;
    // The lines come in the order of the passes: lost, back, lost again.
    EXPECT_LT(r.out.find(c.lost), r.out.find(c.back)) << c.args;
    EXPECT_LT(r.out.find(c.back), r.out.rfind(c.lost)) << c.args;
    EXPECT_EQ(r.out.find("ENERGIE_0 Deconnecte"), std::string::npos) << "module 0 kept answering";
  }
}
