// The refrigerant facade on the stand-in library: the refrigerant list and mixtures file,
// loading by kind of name, states by input pair against published values, flash round
// trips, the CO2 floor and the failure paths.
#include <cmath>
#include <fstream>

#include "FLuidsNorvale.h"
#include "norfluid_test_support.h"

namespace {

const char kMixtures[] = "/home/ORV/fluides.norvale";

class FacadeTest : public LibraryTest {
protected:
  // Builds the facade quietly (its list is read once, at construction).
  std::unique_ptr<FLuidsNorvale> facade() {
    testing::internal::CaptureStdout();
    auto f = std::make_unique<FLuidsNorvale>();
    testing::internal::GetCapturedStdout();
    return f;
  }
  int load(FLuidsNorvale& f, const std::string& name, std::string* console = nullptr) {
    testing::internal::CaptureStdout();
    int rc = f.loadFluid(name);
    std::string out = testing::internal::GetCapturedStdout();
    if (console) *console = out;
    return rc;
  }
};

TEST_F(FacadeTest, BuiltInListAndLookups) {
  auto f = facade();
  EXPECT_EQ(126, f->get_FluidListBaseSize());
  const std::pair<const char*, int> cases[] = {{"R41", 6},   {"R410A", 32},   {"R12", 1},
                                               {"R1234", -1}, {"CO2", 29},   {"BUTANE", 27},
                                               {"R513A", 125}, {"R404A", 30}, {"", -1}};
  for (const auto& c : cases) EXPECT_EQ(c.second, f->isFluidInList(c.first)) << c.first;
  std::vector<std::string> copy{"old"};
  EXPECT_EQ(126, f->get_FluidListVector(&copy));
  EXPECT_EQ("R404A (HP62/FX70)", copy[30]);
  EXPECT_EQ("R414A ())", copy[56]);
  EXPECT_EQ(-1, f->get_FluidListVector(nullptr));
}

TEST_F(FacadeTest, MixturesFileIsReadByWholeLines) {
  struct Case {
    std::string content;
    std::vector<std::string> entries;  // appended after the 126 built-in ones
    const char* lookup;
    int position;
  };
  const std::string longLine = "NV-LONG " + std::string(120, 'R') + "|R125 " + std::string(60, '1');
  const Case cases[] = {
      {"NV-A R32|R125 0.5|0.5\nNV-A R32|R125 0.6|0.4\n",
       {"NV-A R32|R125 0.5|0.5", "NV-A R32|R125 0.6|0.4"}, "NV-A", 127},
      {"NV-AB R32|R125 0.5|0.5", {"NV-AB R32|R125 0.5|0.5"}, "NV-A", -1},  // no final line feed
      {"NV-X R32 1\r\n\nNV-Y R125 1", {"NV-X R32 1", "", "NV-Y R125 1"}, "NV-Y", 128},
      {longLine + "\n", {longLine}, "NV-LONG", 126},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content);
    sandbox.write(kMixtures, c.content);
    auto f = facade();
    std::vector<std::string> list;
    f->get_FluidListVector(&list);
    ASSERT_EQ(126 + c.entries.size(), list.size());
    EXPECT_EQ(c.entries, std::vector<std::string>(list.begin() + 126, list.end()));
    EXPECT_EQ(c.position, f->isFluidInList(c.lookup));
  }
}

TEST_F(FacadeTest, CustomerFormulaIsTestedBeforeItIsAppended) {
  auto f = facade();
  const char* refused[] = {"NV-X R32|R125 0.5", "NV-X R32 R125 0.5 0.5", "NV-X R32|R125 0.5|0.5 ",
                           "NV-X R32|NOSUCH 0.5|0.5"};
  for (const char* line : refused) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(0, f->testMixture(line)) << line;
    testing::internal::GetCapturedStdout();
  }
  EXPECT_FALSE(sandbox.exists(kMixtures));
  testing::internal::CaptureStdout();
  EXPECT_EQ(1, f->testMixture("NV-X R32|R125 0.5|0.5"));
  testing::internal::GetCapturedStdout();
  EXPECT_EQ("NV-X R32|R125 0.5|0.5\n", sandbox.read(kMixtures));
  EXPECT_EQ(126, f->get_FluidListBaseSize());  // enters the list at the next start
  EXPECT_EQ(1, f->write_entryToFluidFile("NV-Y R32 1"));
  EXPECT_EQ("NV-X R32|R125 0.5|0.5\nNV-Y R32 1\n", sandbox.read(kMixtures));
  testing::internal::CaptureStdout();
  EXPECT_TRUE(f->delete_FluidFile());
  EXPECT_FALSE(f->delete_FluidFile());
  testing::internal::GetCapturedStdout();
}

TEST_F(FacadeTest, FormulaTestLeavesTheLoadedRefrigerantUsable) {
  auto f = facade();
  ASSERT_EQ(1, load(*f, "R134a"));
  ASSERT_EQ(0, f->upd_TempQ(0.0, 0));
  double before = f->getFluid_Pressure();
  testing::internal::CaptureStdout();
  EXPECT_EQ(1, f->testMixture("NV-X R32|R125 0.5|0.5"));
  testing::internal::GetCapturedStdout();
  ASSERT_EQ(0, f->upd_TempQ(0.0, 0));
  EXPECT_DOUBLE_EQ(before, f->getFluid_Pressure());
}

TEST_F(FacadeTest, LoadsEachKindOfName) {
  sandbox.write(kMixtures,
                "NV-MIX1 R32|R125 0.5|0.5\nNV-ONE R32 0.7\nNV-BAD R32|R125 0.5\nNV-FEW R32|R125\n"
                "R407Z R32|R125 0.5|0.5\n");
  setenv("NORFLUID_TRACE", sandbox.path("/trace.log").c_str(), 1);
  struct Case {
    const char* name;
    int loaded, components;
    const char* setUp;  // what the library was asked to set up
  };
  const Case cases[] = {
      {"R134a", 1, 1, "fluids/R134A.FLD"}, {"R404A", 1, 1, "fluids/R404A.PPF"},
      {"R41", 1, 1, "fluids/R41.FLD"},     {"R407A", 1, 3, "mixtures/R407A.MIX"},
      {"NV-MIX1", 1, 2, "fluids/R32.FLD|"}, {"NV-ONE", 1, 1, "fluids/R32.FLD"},
      {"R290", 1, 1, "fluids/R290.FLD"},   {"NV-BAD", 0, 2, "fluids/R125.FLD"},
      {"R999", 0, 0, "fluids/R999.ppf"},   {"R407Z", 0, 0, "mixtures/R407Z.MIX"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sandbox.write("/trace.log", "");
    auto f = facade();
    std::string console;
    EXPECT_EQ(c.loaded, load(*f, c.name, &console));
    EXPECT_EQ(c.loaded == 1, f->isFluidLoaded());
    EXPECT_EQ(c.loaded ? c.name : "", f->get_fluideInUseName());
    if (c.components) {
      EXPECT_EQ(c.components, f->getFluid_ComposantNum());
    }
    EXPECT_NE(std::string::npos, sandbox.read("/trace.log").find(c.setUp));
    if (c.loaded) {
      EXPECT_NE(std::string::npos, console.find(std::string("Fluide: ") + c.name + " loaded OK."));
      EXPECT_GT(f->getFluid_PressCritical(), 20.0);
      EXPECT_EQ(0, f->upd_TempQ(-10.0, 1));
    } else {
      EXPECT_DOUBLE_EQ(0.0, f->getFluid_PressCritical());
      EXPECT_EQ(1, f->upd_TempQ(-10.0, 1));
    }
  }
  unsetenv("NORFLUID_TRACE");
}

TEST_F(FacadeTest, PureFluidNeedsTwoSetUpCallsAndFormulaEntriesNeedThreeFields) {
  sandbox.write(kMixtures, "NV-FEW R32|R125\n");
  setenv("NORFLUID_TRACE", sandbox.path("/trace.log").c_str(), 1);
  auto f = facade();
  ASSERT_EQ(1, load(*f, "R134a"));
  std::string trace = sandbox.read("/trace.log");
  EXPECT_NE(std::string::npos, trace.find("fluids/R134A hfmix="));
  EXPECT_NE(std::string::npos, trace.find("fluids/R134A.FLD hfmix="));
  EXPECT_EQ(0, load(*f, "NV-FEW"));
  EXPECT_EQ(0, load(*f, "NV-NONE"));
  // Both early returns keep the previous bridge object and its state.
  EXPECT_EQ(1, f->getFluid_ComposantNum());
  EXPECT_EQ(1, f->upd_TempQ(0.0, 0));
  unsetenv("NORFLUID_TRACE");
}

// Published saturation values (bar absolute, kg/m3, kJ/kg) and the tolerance of each check.
TEST_F(FacadeTest, SaturationStatesMatchPublishedValues) {
  struct Case {
    const char* fluid;
    double tempC;
    int quality;
    double p, rho, h;  // NAN: not checked
    double pTol, rhoTol, hTol;  // relative, relative, absolute kJ/kg
  };
  const Case cases[] = {
      {"R134a", 0.0, 0, 2.9280, 1294.8, 200.0, 0.01, 0.005, 0.01},
      {"R134a", 40.0, 0, 10.166, 1146.7, 256.4, 0.015, 0.01, 2.0},
      {"R134a", -20.0, 0, 1.3273, 1358.3, 173.6, 0.01, 0.005, 1.5},
      {"R134a", 0.0, 1, 2.9280, 14.43, 398.6, 0.01, 0.03, 5.0},
      {"R22", 0.0, 0, 4.980, 1281.5, 200.0, 0.01, 0.005, 0.01},
      {"R22", 40.0, 0, 15.336, 1128.5, NAN, 0.015, 0.01, 0},
      {"CO2", -20.0, 0, 19.696, 1031.7, NAN, 0.01, 0.01, 0},
      {"CO2", 0.0, 0, 34.851, 927.4, 200.0, 0.01, 0.01, 0.01},
      {"AMMONIA", 0.0, 0, 4.294, 638.6, 200.0, 0.01, 0.005, 0.01},
      {"R404A", 25.0, 0, NAN, 1044.6, NAN, 0, 0.015, 0},
      {"R404A", 0.0, 0, 6.10, NAN, 200.0, 0.02, 0, 0.01},
      {"R410A", 0.0, 0, 7.99, NAN, NAN, 0.02, 0, 0},
      {"R448A", -46.1, 0, 1.01325, NAN, NAN, 0.02, 0, 0},
      {"R449A", -46.0, 0, 1.01325, NAN, NAN, 0.02, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.fluid) + " " + std::to_string(c.tempC) + " q" +
                 std::to_string(c.quality));
    auto f = facade();
    ASSERT_EQ(1, load(*f, c.fluid));
    ASSERT_EQ(0, f->upd_TempQ(c.tempC, c.quality));
    if (!std::isnan(c.p)) {
      EXPECT_NEAR(c.p, f->getFluid_Pressure(), c.p * c.pTol);
    }
    if (!std::isnan(c.rho)) {
      EXPECT_NEAR(c.rho, f->getFluid_Density(), c.rho * c.rhoTol);
    }
    if (!std::isnan(c.h)) {
      EXPECT_NEAR(c.h, f->getFluid_Enthalpy() / 1000.0, c.hTol);
    }
    EXPECT_NEAR(c.tempC, f->getFluid_Temperature(), 1e-9);
    EXPECT_GT(f->getFluid_SoundSpeed(), 0.0);
    EXPECT_GT(f->getFluid_Viscosity(), 0.0);
  }
}

// Every update of the processing thread, on pure fluids and blends: a state set from
// (P, T) is found again from (P, h) and (P, s); bubble and dew points bracket the glide.
TEST_F(FacadeTest, UpdatesByInputPairAgree) {
  struct Case {
    const char* fluid;
    double p, tC;  // bar absolute, degC
  };
  const Case cases[] = {
      {"R134a", 2.0, 10.0},  {"R134a", 12.0, 20.0},  // superheated vapour, subcooled liquid
      {"R404A", 3.0, 0.0},   {"R404A", 18.0, 25.0},   {"CO2", 30.0, 10.0},
      {"CO2", 90.0, 60.0},   {"R407A", 4.0, 5.0},     {"R407A", 20.0, 30.0},
      {"NV-MIX1", 6.0, 10.0}, {"AMMONIA", 3.0, 20.0},
  };
  sandbox.write(kMixtures, "NV-MIX1 R32|R125 0.5|0.5\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.fluid) + " " + std::to_string(c.p) + " bar " + std::to_string(c.tC));
    auto f = facade();
    ASSERT_EQ(1, load(*f, c.fluid));
    ASSERT_EQ(0, f->upd_PressTemp(c.p, c.tC));
    EXPECT_NEAR(c.p, f->getFluid_Pressure(), 1e-12);
    double h = f->getFluid_Enthalpy(), s = f->getFluid_Entropy();
    double rho = f->getFluid_Density();
    EXPECT_NEAR(1.0 / rho, f->getFluid_Volume(), 1e-12);
    ASSERT_EQ(0, f->upd_PressEntha(c.p, h));
    EXPECT_NEAR(c.tC, f->getFluid_Temperature(), 1e-3);
    EXPECT_NEAR(s, f->getFluid_Entropy(), 1e-3);
    ASSERT_EQ(0, f->upd_PressEntro(c.p, s));
    EXPECT_NEAR(c.tC, f->getFluid_Temperature(), 1e-3);
    EXPECT_NEAR(rho, f->getFluid_Density(), rho * 1e-6);
    if (c.p < f->getFluid_PressCritical()) {
      ASSERT_EQ(0, f->upd_PressQ(c.p, 0));
      double tBubble = f->getFluid_Temperature(), hL = f->getFluid_Enthalpy();
      ASSERT_EQ(0, f->upd_PressQ(c.p, 1));
      double tDew = f->getFluid_Temperature(), hV = f->getFluid_Enthalpy();
      EXPECT_GE(tDew, tBubble - 1e-9);
      EXPECT_GT(hV, hL);
      ASSERT_EQ(0, f->upd_PressEntha(c.p, 0.5 * (hL + hV)));
      EXPECT_GE(f->getFluid_Temperature(), tBubble - 1e-6);
      EXPECT_LE(f->getFluid_Temperature(), tDew + 1e-6);
      ASSERT_EQ(0, f->upd_TempQ(tBubble, 0));
      EXPECT_NEAR(c.p, f->getFluid_Pressure(), c.p * 1e-6);
    }
  }
}

TEST_F(FacadeTest, Co2PressureFloorAppliesToPressureInputsOnly) {
  auto f = facade();
  ASSERT_EQ(1, load(*f, "CO2"));
  ASSERT_EQ(0, f->upd_PressQ(3.0, 1));
  EXPECT_DOUBLE_EQ(4.17, f->getFluid_Pressure());
  double tFloor = f->getFluid_Temperature();
  EXPECT_LT(tFloor, -56.56);  // below the triple point: the equation extrapolated
  EXPECT_GT(tFloor, -70.0);
  ASSERT_EQ(0, f->upd_PressTemp(3.0, 0.0));
  EXPECT_DOUBLE_EQ(4.17, f->getFluid_Pressure());
  double h = f->getFluid_Enthalpy(), s = f->getFluid_Entropy();
  ASSERT_EQ(0, f->upd_PressEntha(3.0, h));
  EXPECT_NEAR(0.0, f->getFluid_Temperature(), 1e-3);
  ASSERT_EQ(0, f->upd_PressEntro(2.0, s));
  EXPECT_DOUBLE_EQ(4.17, f->getFluid_Pressure());
  ASSERT_EQ(0, f->upd_TempQ(-65.0, 1));
  EXPECT_LT(f->getFluid_Pressure(), 4.17);
}

TEST_F(FacadeTest, UpdatesFailWithoutALoadedRefrigerant) {
  auto f = facade();
  EXPECT_EQ(-1, f->getFluid_ComposantNum());
  EXPECT_EQ(1, f->upd_PressTemp(2.0, 10.0));
  EXPECT_EQ(1, f->upd_TempQ(0.0, 0));
  EXPECT_DOUBLE_EQ(0.0, f->getFluid_Density());
  EXPECT_DOUBLE_EQ(0.0, f->getFluid_Viscosity());
  EXPECT_EQ("", f->refprop_version());
  ASSERT_EQ(1, load(*f, "R134a"));
  EXPECT_EQ(0, f->upd_TempQ(0.0, 0));
  EXPECT_EQ(0, load(*f, "NOSUCHFLUID"));
  EXPECT_FALSE(f->isFluidLoaded());
  EXPECT_EQ("", f->get_fluideInUseName());
  EXPECT_DOUBLE_EQ(0.0, f->getFluid_TempCritical());
  for (int rc : {f->upd_PressTemp(2.0, 10.0), f->upd_PressQ(2.0, 1), f->upd_TempQ(0.0, 0),
                 f->upd_PressEntro(2.0, 1700.0), f->upd_PressEntha(2.0, 400000.0)})
    EXPECT_EQ(1, rc);
}

TEST_F(FacadeTest, UnusableInputsFailInsteadOfGivingNumbers) {
  auto f = facade();
  ASSERT_EQ(1, load(*f, "R134a"));
  const double nan = std::nan("");
  for (int rc : {f->upd_PressTemp(nan, 10.0), f->upd_PressTemp(-1.0, 10.0), f->upd_PressQ(nan, 1),
                 f->upd_TempQ(nan, 0), f->upd_TempQ(150.0, 0) /* above Tc */,
                 f->upd_PressEntha(2.0, nan), f->upd_PressEntro(nan, 1700.0)})
    EXPECT_EQ(1, rc);
}

TEST_F(FacadeTest, VapourShare) {
  auto f = facade();
  const double cases[][4] = {{100, 300, 150, 25}, {100, 300, 100, 0}, {100, 300, 350, 125},
                             {100, 300, 50, 0},   {100, 100, 150, 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(c[3], f->getFluid_gazPercentInLiquid(c[0], c[1], c[2]));
}

}  // namespace
