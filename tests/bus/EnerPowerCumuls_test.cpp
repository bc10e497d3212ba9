#include "EnerPowerCumuls.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "orvPlatform.h"
#include "orv_test_sandbox.h"

namespace {

// Values first..first + n - 1 of the record's 40 floats (puissComp 0, energieComp 14,
// energieGroupe 20, intensiteComp 28, cosPhiComp 34).
std::vector<float> part(const struct_cumul_puissanse& c, int first, int n) {
  float v[40];
  std::memcpy(v, &c, sizeof v);
  return std::vector<float>(v + first, v + first + n);
}

struct_cumul_puissanse zeroCumuls() {
  struct_cumul_puissanse c;
  std::memset(&c, 0, sizeof c);
  return c;
}

TEST(EnerPowerCumuls, compressorSlotsAndGroupSums) {
  // Module 0: a compressor, condenser fans at half share (already divided), a compressor
  // without apparent power; then a rack feed, two pump blocks and lighting.
  std::vector<EnerBlockReading> blocks = {
      {0, 4.0f, 40.0f, 5.0f, 7.0f}, {2, 5.0f, 50.0f, 6.0f, 8.0f}, {0, 3.0f, 30.0f, 0.0f, 9.0f},
      {1, 6.0f, 60.0f, 7.0f, 1.0f}, {3, 2.0f, 20.0f, 3.0f, 1.0f}, {3, 1.5f, 15.0f, 2.0f, 1.0f},
      {7, 0.5f, 5.0f, 1.0f, 1.0f}, {9, 99.0f, 99.0f, 99.0f, 99.0f}};
  struct_cumul_puissanse c = zeroCumuls();
  computePowerCumuls(blocks, &c);
  EXPECT_EQ(part(c, 0, 6), (std::vector<float>{4, 3, 0, 0, 0, 0}));
  EXPECT_EQ(part(c, 14, 6), (std::vector<float>{40, 30, 0, 0, 0, 0}));
  EXPECT_EQ(part(c, 28, 6), (std::vector<float>{7, 9, 0, 0, 0, 0}));
  EXPECT_EQ(part(c, 34, 6), (std::vector<float>{0.8f, 0, 0, 0, 0, 0}));
  EXPECT_FLOAT_EQ(c.puissTotalComp, 13.0f);  // both compressors and the rack
  EXPECT_FLOAT_EQ(c.puissVentilCond, 5.0f);
  EXPECT_FLOAT_EQ(c.puissPompes, 3.5f);
  EXPECT_FLOAT_EQ(c.puissEclairage, 0.5f);
  // The energies of blocks with the same assignment add up, as their powers do.
  EXPECT_EQ(part(c, 20, 8), (std::vector<float>{60, 50, 35, 0, 0, 0, 5, 0}));
}

TEST(EnerPowerCumuls, aSeventhCompressorAddsNothingAndUnfilledEntriesKeepTheirValues) {
  struct_cumul_puissanse c = zeroCumuls();
  c.puissComp[1] = 8.0f;
  c.energieGroupe[4] = 12.0f;
  c.puissVitrines = 3.0f;
  computePowerCumuls(std::vector<EnerBlockReading>(7, {0, 1.0f, 1.0f, 2.0f, 1.0f}), &c);
  EXPECT_EQ(part(c, 0, 6), std::vector<float>(6, 1.0f));
  EXPECT_FLOAT_EQ(c.puissTotalComp, 6.0f);
  EXPECT_FLOAT_EQ(c.energieGroupe[4], 12.0f);  // no block fed group 5 in this call
  EXPECT_FLOAT_EQ(c.puissVitrines, 0.0f);      // the sums are rewritten every call

  computePowerCumuls({{0, 2.0f, 2.0f, 4.0f, 1.0f}}, &c);
  EXPECT_EQ(part(c, 0, 6), (std::vector<float>{2, 1, 1, 1, 1, 1}));
}

TEST(EnerPowerCumuls, shareDivisor) {
  const struct {
    int share;
    float divisor;
  } cases[] = {{100, 1}, {50, 2}, {33, 3}, {25, 4}, {20, 5}, {17, 5}, {1, 100},
               {0, 1},   {-5, 1}, {101, 1}, {250, 1}};
  for (const auto& c : cases) EXPECT_EQ(enerShareDivisor(c.share), c.divisor) << c.share;
  for (int a = -1; a <= 9; ++a) EXPECT_EQ(enerAssignmentShared(a), a == 2 || a == 3 || a == 8) << a;
}

TEST(EnerPowerCumuls, eachNewReadingIsDividedOnce) {
  EnerShareDivision shares;
  const int assignment[3] = {2, 0, 3};
  const int share[3] = {50, 50, 25};
  float reading[enermes::kCount] = {};
  for (int b = 0; b < 3; ++b) {
    reading[enermes::block(b, enermes::ActivePower)] = 10.0f;
    reading[enermes::block(b, enermes::Energy)] = 100.0f;
    reading[enermes::block(b, enermes::Phase1Voltage)] = 230.0f;
  }
  float held[enermes::kCount];
  std::memcpy(held, reading, sizeof held);
  ASSERT_TRUE(shares.divideNewReading(0, held, assignment, share));
  EXPECT_FLOAT_EQ(held[enermes::block(0, enermes::ActivePower)], 5.0f);
  EXPECT_FLOAT_EQ(held[enermes::block(0, enermes::Energy)], 50.0f);
  EXPECT_FLOAT_EQ(held[enermes::block(0, enermes::Phase1Voltage)], 230.0f);
  EXPECT_FLOAT_EQ(held[enermes::block(1, enermes::ActivePower)], 10.0f);  // a compressor
  EXPECT_FLOAT_EQ(held[enermes::block(2, enermes::ActivePower)], 2.5f);

  // The module did not answer since: the values held are those handed back.
  EXPECT_FALSE(shares.divideNewReading(0, held, assignment, share));
  EXPECT_FLOAT_EQ(held[enermes::block(0, enermes::ActivePower)], 5.0f);
  // Another module's reading is its own.
  float other[enermes::kCount];
  std::memcpy(other, held, sizeof other);
  EXPECT_TRUE(shares.divideNewReading(1, other, assignment, share));
  EXPECT_FLOAT_EQ(other[enermes::block(0, enermes::ActivePower)], 2.5f);

  // A fresh reading of the module is divided again, once.
  std::memcpy(held, reading, sizeof held);
  held[enermes::block(0, enermes::ActivePower)] = 12.0f;
  EXPECT_TRUE(shares.divideNewReading(0, held, assignment, share));
  EXPECT_FLOAT_EQ(held[enermes::block(0, enermes::ActivePower)], 6.0f);
}

TEST(VoltageWatch, learnsThenLogsDeviationsAndPhaseLosses) {
  using A = VoltageWatch::Action;
  VoltageWatch watch;
  const struct {
    int tolerance;
    float reference;
    float a, b, c;
    A action;
    int alarm;
  } steps[] = {
      {5, 0.0f, 175.0f, 230, 230, A::Nothing, 0},  // too low to learn
      {5, 0.0f, 229.5f, 230, 230, A::LearnReference, 0},
      {5, 230.0f, 241.4f, 230, 230, A::Nothing, 0},
      {5, 230.0f, 241.6f, 230, 230, A::LogLine, 0},
      {5, 230.0f, 218.4f, 230, 230, A::LogLine, 0},  // a lasting deviation: a line each time
      {5, 230.0f, 0.0f, 230, 230, A::LogLine, 1},    // phase lost
      {5, 230.0f, 0.0f, 250, 230, A::Nothing, 1},    // no deviation line while a phase is lost
      {5, 230.0f, 120.0f, 230, 230, A::LogLine, 0},  // back, at any voltage
      {-1, 230.0f, 0.0f, 0, 0, A::Nothing, 0},       // watch off
      {5, -230.0f, 0.0f, 0, 0, A::Nothing, 0},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(std::to_string(s.a) + " " + std::to_string(s.reference));
    EXPECT_EQ(watch.check(0, s.tolerance, s.reference, s.a, s.b, s.c), s.action);
    EXPECT_EQ(watch.voltageAlarm(0), s.alarm);
  }
  EXPECT_EQ(watch.check(3, 5, 230.0f, 0, 0, 0), A::Nothing);
}

TEST(VoltageLog, headerLinesAndDailyRotation) {
  TestSandbox box;
  setenv("ORV_CLOCK_START", "2026-03-04 05:06:07", 1);
  orv::resetWallClock();
  EXPECT_EQ(ENERmanageDailyPowerLog(), -1);  // no log yet

  EXPECT_EQ(ENERaddToPowerLog(0, 241.6f, 230.0f, 230.0f), 0);
  EXPECT_EQ(ENERaddToPowerLog(2, 0.0f, 229.994f, 1e4f), 0);
  std::string log = box.read("/home/ORV/tension.log");
  const std::string stamp = "2026-03-04_05:06:0";  // the seconds may have moved on
  ASSERT_EQ(log.compare(0, 33, "date;module;phaseA;phaseB;phaseC\n"), 0) << log;
  std::istringstream lines(log.substr(33));
  std::string first, second, extra;
  std::getline(lines, first);
  std::getline(lines, second);
  EXPECT_FALSE(std::getline(lines, extra));
  EXPECT_EQ(first.substr(0, stamp.size()), stamp);
  EXPECT_EQ(first.substr(stamp.size() + 1), ";1;241.60;230.00;230.00");
  EXPECT_EQ(second.substr(stamp.size() + 1), ";3;0.00;229.99;10000.00");

  box.write("/home/ORV/tension-1.log", "yesterday\n");
  EXPECT_EQ(ENERmanageDailyPowerLog(), 0);
  EXPECT_FALSE(box.exists("/home/ORV/tension.log"));
  EXPECT_EQ(box.read("/home/ORV/tension-1.log"), log);
  EXPECT_EQ(ENERmanageDailyPowerLog(), -1);
  EXPECT_TRUE(box.exists("/home/ORV/tension-1.log"));

  // The next event starts a new log with its header.
  EXPECT_EQ(ENERaddToPowerLog(1, 1, 2, 3), 0);
  EXPECT_EQ(box.read("/home/ORV/tension.log").compare(0, 33, "date;module;phaseA;phaseB;phaseC\n"), 0);
  unsetenv("ORV_CLOCK_START");
}

TEST(VoltageLog, aLogThatCannotBeOpenedLosesTheLine) {
  TestSandbox box;
  box.mkdirs("/home/ORV/tension.log");  // a directory where the file should be
  EXPECT_EQ(ENERaddToPowerLog(0, 230, 230, 230), -1);
}

}  // namespace
