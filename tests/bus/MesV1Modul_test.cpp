// The V1 measurement card client: its fixed ASCII exchange against the simulated card
// (result codes, conversions, ranges), and its counting of out-of-range readings and
// silent exchanges over long runs with a scripted line.
#include "MesV1Modul.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/module_bench.h"

namespace {

const unsigned char kRequest[5] = {0x01, 0x02, 0x39, 0x0D, 0x00};

// The card's answer: header, the five fields as given, CR LF.
std::string answer(const std::string& fields) {
  return std::string("\x01\x02", 2) + fields + "\r\n";
}

// A line on which the card gives `reply` to every request ("" = silence), for the runs of
// dozens of exchanges that would take minutes at 2400 Bd.
class ScriptedLine : public CComRS485 {
public:
  std::string reply;
  int requests = 0;
  int sendWaitForRespAuto(int speed, const char* request, unsigned requestLength, char* out,
                          unsigned replySize, unsigned short tries) override {
    ++requests;
    EXPECT_EQ(speed, 2400);
    EXPECT_EQ(requestLength, 5u);
    EXPECT_EQ(std::memcmp(request, kRequest, 5), 0);
    size_t n = std::min<size_t>(reply.size(), replySize - 1);
    std::memcpy(out, reply.data(), n);
    return static_cast<int>(n);
  }
};

}  // namespace

// One reply per row, in order on one card; out-of-range readings keep the value before.
TEST(MesV1Modul, ExchangeConvertsAndRangeChecksTheFields) {
  ModuleBench bench("module 0 mesv1\n");
  ASSERT_TRUE(bench.sim->ready());
  MesV1Modul card(&bench.link);
  ASSERT_EQ(card.CMV1_initComm(), 1);
  EXPECT_EQ(card.isCMv1connected(), 1);
  struct Case {
    const char* fields;  // weight outlet outside inlet current
    float weight, outlet, outside, inlet, pressure;
  } cases[] = {
      {"01080 07020 05265 04680 12000", 1080, 20.0f, 5.0f, 0.0f, 15.0f},
      {"00000 00585 00000 15795 04000", 0, -35.0f, -40.0f, 95.0f, 0.0f},
      {"00500 15796 07020 07020 03700", 500, -35.0f, 20.0f, 20.0f, -0.5625f},
      {"00500 07020 07020 07020 03699", 500, 20.0f, 20.0f, 20.0f, -0.5625f},
      {"00500 07020 07020 07020 22000", 500, 20.0f, 20.0f, 20.0f, 33.75f},
      {"00500 07020 07020 07020 22001", 500, 20.0f, 20.0f, 20.0f, 33.75f},
      // A weight beginning with '9' is a reading, not the request read back.
      {"95000 07020 07020 07020 12000", 95000, 20.0f, 20.0f, 20.0f, 15.0f},
  };
  for (const Case& c : cases) {
    bench.sim->command(std::string("set 0 fields ") + c.fields);
    EXPECT_EQ(card.CM1_sendTo(), 1) << c.fields;
    const float want[5] = {c.weight, c.outlet, c.outside, c.inlet, c.pressure};
    for (int i = 0; i < 5; ++i)
      EXPECT_FLOAT_EQ(card.CMv1_getMesureValue(i), want[i]) << c.fields << " " << i;
  }
  EXPECT_STREQ(card.replyField(4), "12000");
}

// Replies that are not readings change nothing; only silence counts toward the loss.
TEST(MesV1Modul, FaultyRepliesGiveTheirResultCodes) {
  ModuleBench bench("module 0 mesv1\nset 0 weight 777\n");
  ASSERT_TRUE(bench.sim->ready());
  MesV1Modul card(&bench.link);
  ASSERT_EQ(card.CM1_sendTo(), 1);
  struct Case {
    const char* setting;
    int result;
  } cases[] = {
      {"set 0 header 03 02", -1},
      {"set 0 echo on", -2},
      {"set 0 length 32", -3},  // the short answer costs three read time-outs
  };
  for (const Case& c : cases) {
    bench.sim->command(c.setting);
    card.setCMv1commCounter(10);
    EXPECT_EQ(card.CM1_sendTo(), c.result) << c.setting;
    EXPECT_FLOAT_EQ(card.CMv1_getMesureValue(CMV1_WEIGHT), 777.0f) << c.setting;
    // A headed reply of the right length resets the count of silent exchanges; the echo
    // and a short reply neither count nor reset it.
    EXPECT_EQ(card.CMv1commCounter(), c.result == -1 ? 0 : 10) << c.setting;
    bench.sim->command("set 0 header 01 02");
    bench.sim->command("set 0 echo off");
    bench.sim->command("set 0 length 33");
  }
}

// The 65th out-of-range reading in a row latches the fault and the value reads 999.0;
// an in-range reading clears the fault and restarts the count.
TEST(MesV1Modul, OutOfRangeFaultLatchesAtThe65thReadingInARow) {
  TestSandbox box;
  ScriptedLine line;
  MesV1Modul card(&line);
  const std::string good = answer("01000 07020 07020 07020 12000");
  const std::string outletHigh = answer("01000 20000 07020 07020 12000");
  line.reply = good;
  ASSERT_EQ(card.CM1_sendTo(), 1);
  line.reply = outletHigh;
  for (int i = 0; i < 64; ++i) card.CM1_sendTo();
  line.reply = good;
  card.CM1_sendTo();
  line.reply = outletHigh;
  for (int i = 0; i < 64; ++i) card.CM1_sendTo();
  EXPECT_EQ(card.CMv1sensorError(CMV1_OUTLET), 0) << "the in-range reading restarted the count";
  EXPECT_FLOAT_EQ(card.CMv1_getMesureValue(CMV1_OUTLET), 20.0f);
  card.CM1_sendTo();
  EXPECT_EQ(card.CMv1sensorError(CMV1_OUTLET), 1);
  EXPECT_FLOAT_EQ(card.CMv1_getMesureValue(CMV1_OUTLET), 999.0f);
  EXPECT_EQ(card.getDATA_struct(7).charValue, 1);
  EXPECT_EQ(card.CMv1sensorError(CMV1_OUTSIDE), 0);
  for (int i = 0; i < 10; ++i) card.CM1_sendTo();
  EXPECT_FLOAT_EQ(card.CMv1_getMesureValue(CMV1_OUTLET), 999.0f) << "stays latched";
  line.reply = good;
  card.CM1_sendTo();
  EXPECT_EQ(card.CMv1sensorError(CMV1_OUTLET), 0);
  EXPECT_FLOAT_EQ(card.CMv1_getMesureValue(CMV1_OUTLET), 20.0f);
}

// Lost at the 65th exchange in a row without any reply; back at the next good reply.
TEST(MesV1Modul, SilentCardIsLostAtThe65thExchangeAndComesBack) {
  TestSandbox box;
  ScriptedLine line;
  MesV1Modul card(&line);
  line.reply = answer("01000 07020 07020 07020 12000");
  ASSERT_EQ(card.CMV1_initComm(), 1);
  line.reply = "";
  for (int i = 1; i <= 64; ++i) ASSERT_EQ(card.CM1_sendTo(), -4);
  EXPECT_EQ(card.isCMv1connected(), 1);
  EXPECT_EQ(card.CM1_sendTo(), -4);
  EXPECT_EQ(card.isCMv1connected(), 2);
  EXPECT_EQ(card.CMv1commCounter(), 65);
  line.reply = answer("01000 07020 07020 07020 12000");
  EXPECT_EQ(card.CM1_sendTo(), 1);
  EXPECT_EQ(card.isCMv1connected(), 1);
  EXPECT_EQ(card.CMv1commCounter(), 0);
}

// The pressure range comes from the three keys of section "General" and goes back there.
TEST(MesV1Modul, ConfigurationLivesInTheGeneralKeys) {
  ModuleBench bench("module 0 mesv1\n",
                    "[General]\nCONFIG_GAMME_PRESSION=10\nCONFIG_MIN_PRESSION=-1\n");
  ASSERT_TRUE(bench.sim->ready());
  MesV1Modul card(&bench.link);
  ASSERT_EQ(card.CMV1_initComm(), 1);
  ASSERT_EQ(card.CM1_sendTo(), 1);
  // 12000 uA on a 4-20 mA loop over -1..10 bar.
  EXPECT_FLOAT_EQ(card.CMv1_getMesureValue(CMV1_PRESSURE), 4.5f);
  cmV1_config_t cfg;
  card.cfg_getCMv1_Config(&cfg);
  cfg.pressureFullScale = 25.5f;
  card.cfg_setCMv1_Config(&cfg);
  card.cfg_writeCMv1_Config_toFile();
  EXPECT_TRUE(bench.configHas("General", "CONFIG_GAMME_PRESSION=25.5")) << bench.configText();
  EXPECT_TRUE(bench.configHas("General", "CONFIG_UARTBAUDS_MESURE=2400"));
}
