// Column weight to liquid level and refrigerant mass, for vertical, horizontal and
// inclined receivers. Expected values are worked by hand from the receiver geometry.
#include <gtest/gtest.h>

#include <cmath>

#include "support/proc_fixture.h"

namespace {

const double kPi = 3.141592653589793;

// Area of the circular segment of depth h in a circle of radius r.
double segmentArea(double r, double h) {
  if (h <= 0) return 0;
  if (h >= 2 * r) return kPi * r * r;
  double theta = std::acos((r - h) / r);
  return r * r * (theta - std::sin(2 * theta) / 2);
}

class MassTest : public ProcFixture {
protected:
  // A V2 card weighing `weightG` with a valid liquid temperature of density rho (kg/L).
  void plant(float weightG, float rho) {
    thread->modsDatas_ = ORV_ProcScriptedModules::v2Card(weightG, 5.641f, 25.0f, 20.0f, 20.0f);
    thread->fluidDatas_[0].val[8] = rho;
  }
};

struct GeometryCase {
  const char* what;
  char type;
  float diameter;   // CONFIG_DIAMETRE, mm
  int height;       // CONFIG_HEIGHT, mm
  int incline;      // CONFIG_INCLINAISON_RESERVOIR, mm
  int tanks;        // CONFIG_TANK_NUMBER
  int tare;         // CONFIG_COLUMN_TARE, g
  float weight;     // g
  float rho;        // kg/L
  int netWeight;    // index 506
  int level;        // index 507, mm
  double mass;      // index 504, kg
};

}  // namespace

TEST_F(MassTest, LevelAndMassByReceiverGeometry) {
  // Column bore 38.22 mm counts as a 19 mm radius: 1 kg of liquid of 1 kg/L stands
  // 1e6 / (19^2 pi) = 881.7 mm high, kept as 881 mm.
  const GeometryCase cases[] = {
      {"vertical, 1 kg net at 1 kg/L", 'V', 500, 1500, 0, 1, 0, 1080, 1.0f, 1000, 881,
       kPi * 25 * 25 * 88.1 / 1000},
      {"vertical, 1 kg net at 1.207 kg/L: same mass within the mm of level", 'V', 500, 1500, 0,
       1, 0, 1080, 1.207f, 1000, 730, kPi * 25 * 25 * 73.0 * 1.207 / 1000},
      {"tare and the 80 g of column contents are deducted", 'V', 500, 1500, 0, 1, 2000, 3080,
       1.0f, 1000, 881, kPi * 25 * 25 * 88.1 / 1000},
      {"below tare + 80 g: empty, not invalid", 'V', 500, 1500, 0, 1, 2000, 2079.9f, 1.0f, 0, 0,
       0.0},
      {"vertical level above the receiver is clamped to its height", 'V', 500, 1500, 0, 1, 0,
       2360, 1.0f, 2280, 1500, kPi * 25 * 25 * 150 / 1000},
      {"two receivers of the same size double the mass", 'V', 500, 1500, 0, 2, 0, 1080, 1.0f,
       1000, 881, 2 * kPi * 25 * 25 * 88.1 / 1000},
      {"horizontal 500 x 1500 filled: level clamped to the diameter, 130 mm of ends", 'H', 500,
       1500, 0, 1, 0, 1080, 1.207f, 1000, 500, kPi * 25 * 25 * 137 * 1.207 / 1000},
      {"horizontal 273 mm filled: 120 mm of ends", 'H', 273, 1500, 0, 1, 0, 1080, 1.0f, 1000,
       273, kPi * 13.65 * 13.65 * 138 / 1000},
      {"horizontal 274 mm filled: 130 mm of ends", 'H', 274, 1500, 0, 1, 0, 1080, 1.0f, 1000,
       274, kPi * 13.7 * 13.7 * 137 / 1000},
      {"horizontal half full", 'H', 500, 1500, 0, 1, 0, 364, 1.0f, 284, 250,
       segmentArea(25, 25) * 137 / 1000},
      {"inclined but filled to the diameter: the whole cylinder", 'H', 500, 1500, 100, 1, 0,
       1080, 1.0f, 1000, 500, kPi * 25 * 25 * 137 / 1000},
      {"unknown receiver type: no mass", 'S', 500, 1500, 0, 1, 0, 1080, 1.0f, 1000, 881, 0.0},
  };
  for (const GeometryCase& c : cases) {
    SCOPED_TRACE(c.what);
    setCfgText(prockey::CONFIG_TANK_TYPE, std::string(1, c.type));
    setCfgFloat(prockey::CONFIG_DIAMETRE, c.diameter);
    setCfg(prockey::CONFIG_HEIGHT, c.height);
    setCfg(prockey::CONFIG_INCLINAISON_RESERVOIR, c.incline);
    setCfg(prockey::CONFIG_TANK_NUMBER, c.tanks);
    setCfg(prockey::CONFIG_COLUMN_TARE, c.tare);
    plant(c.weight, c.rho);
    EXPECT_EQ(thread->conversion_WeightToLevel(), 1);
    EXPECT_EQ(mesInt(procmes::ColumnWeight), static_cast<int>(c.weight));
    EXPECT_EQ(mesInt(procmes::NetWeight), c.netWeight);
    EXPECT_EQ(mesInt(procmes::LiquidLevel), c.level);
    EXPECT_NEAR(mesFloat(procmes::RefrigerantMass), c.mass, 0.01);
  }
}

TEST_F(MassTest, InclinedReceiverFollowsTheFallingDepth) {
  // 500 x 1500 mm receiver tilted by 100 mm over its 1370 mm, level 250 mm at the measured
  // end: the depth falls to 150 mm at the other end. Integrated finely as the reference.
  setCfgText(prockey::CONFIG_TANK_TYPE, "H");
  setCfg(prockey::CONFIG_INCLINAISON_RESERVOIR, 100);
  plant(364, 1.0f);
  thread->conversion_WeightToLevel();
  ASSERT_EQ(mesInt(procmes::LiquidLevel), 250);
  const double length = 1370;
  const double slope = 100 / length;
  double mm3 = 0;
  const int steps = 137000;
  for (int i = 0; i < steps; ++i) {
    double x = (i + 0.5) * length / steps;
    mm3 += segmentArea(250, 250 - slope * x) * length / steps;
  }
  double kg = mm3 / 1e6;
  EXPECT_NEAR(mesFloat(procmes::RefrigerantMass), kg, kg * 0.002);
  EXPECT_LT(mesFloat(procmes::RefrigerantMass), segmentArea(250, 250) * length / 1e6);
}

TEST_F(MassTest, InvalidInputsGiveInvalidLevelAndMass) {
  struct Case {
    const char* what;
    void (*edit)(modules_exchange_t&);
    int column;  // index 505 (999 when invalid; -1: not written by this case)
  };
  const Case cases[] = {
      {"invalid weight -999", [](modules_exchange_t& x) { x.value[modval::Poids] = -999.0f; },
       999},
      {"liquid temperature marker",
       [](modules_exchange_t& x) { x.value[modval::TempSOR] = 999.0f; }, 1080},
      {"liquid temperature fault flag",
       [](modules_exchange_t& x) { x.sensorFault[modval::TempSOR] = 1; }, 1080},
      {"both cards connected", [](modules_exchange_t& x) { x.stateMesV1 = 1; }, 1080},
      {"the card lost", [](modules_exchange_t& x) { x.stateMesV2 = 2; }, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setMes(procmes::ColumnWeight, -1);
    plant(1080, 1.0f);
    c.edit(thread->modsDatas_);
    thread->conversion_WeightToLevel();
    EXPECT_EQ(mesInt(procmes::ColumnWeight), c.column);
    EXPECT_EQ(mesInt(procmes::LiquidLevel), 999);
    EXPECT_FLOAT_EQ(mesFloat(procmes::RefrigerantMass), 999.0f);
  }
  // An invalid weight marks the net weight invalid too.
  plant(-999.0f, 1.0f);
  thread->conversion_WeightToLevel();
  EXPECT_EQ(mesInt(procmes::NetWeight), 999);
}

TEST_F(MassTest, WeightBeyondAnyGaugeIsAnInvalidReading) {
  // None of these converts to whole grams, nor its net weight to mm3.
  struct Case {
    const char* what;
    float weight;  // g
    int tare;      // CONFIG_COLUMN_TARE, g
  };
  const Case cases[] = {
      {"1e10 g", 1e10f, 0},
      {"2^31 g", 2147483648.0f, 0},
      {"3.4e38 g", 3.4e38f, 0},
      {"-3.4e38 g", -3.4e38f, 0},
      {"NaN", std::nanf(""), 0},
      {"infinity", INFINITY, 0},
      {"a net weight of 2.1e9 g", 1080.0f, -2147483000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setMes(procmes::ColumnWeight, -1);
    setMes(procmes::NetWeight, -1);
    setCfg(prockey::CONFIG_COLUMN_TARE, c.tare);
    plant(c.weight, 1.0f);
    EXPECT_EQ(thread->conversion_WeightToLevel(), 1);
    EXPECT_EQ(mesInt(procmes::ColumnWeight), 999);
    EXPECT_EQ(mesInt(procmes::NetWeight), 999);
    EXPECT_EQ(mesInt(procmes::LiquidLevel), 999);
    EXPECT_FLOAT_EQ(mesFloat(procmes::RefrigerantMass), 999.0f);
  }
}

TEST_F(MassTest, WeightFaultFlagGivesAnEmptyColumn) {
  plant(1080, 1.0f);
  thread->modsDatas_.sensorFault[modval::Poids] = 1;
  thread->conversion_WeightToLevel();
  EXPECT_EQ(mesInt(procmes::ColumnWeight), 1080);
  EXPECT_EQ(mesInt(procmes::NetWeight), 0);
  EXPECT_EQ(mesInt(procmes::LiquidLevel), 0);
  EXPECT_FLOAT_EQ(mesFloat(procmes::RefrigerantMass), 0.0f);
}

TEST_F(MassTest, NoDensityYetGivesInvalidRatherThanInfinity) {
  plant(1080, 0.0f);
  thread->conversion_WeightToLevel();
  EXPECT_EQ(mesInt(procmes::LiquidLevel), 999);
  EXPECT_FLOAT_EQ(mesFloat(procmes::RefrigerantMass), 999.0f);
}

TEST(VolumeTest, CircularSegmentTimesLength) {
  struct Case {
    float r, L, h;
    double expected;
  };
  const Case cases[] = {
      {10, 5, 10, 250 * kPi},  // half cylinder
      {10, 5, 0, 0},
      {10, 5, 20, 500 * kPi},  // full
      {10, 5, 21, 500 * kPi},  // a depth past the diameter is a full section
      {10, 5, 5, segmentArea(10, 5) * 5},
      {0, 5, 5, 0},
      {10, 0, 5, 0},
      {10, 5, -1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(ORV_ProcThread::Volume(c.r, c.L, c.h), c.expected, 1e-3 * (1 + c.expected))
        << c.r << " " << c.L << " " << c.h;
  }
}
