// The bridge object against the scripted mock library: set-up calls, composition, the
// state update's conversions and saturation path, further properties and their errors.
#include <cmath>

#include "norfluid_test_support.h"
#include "refrop_backend.h"

namespace {

const double kUnset = 3.4028234663852886e38;

class BackendTest : public LibraryTest {
protected:
  void SetUp() override { useLibrary(mockLibrary("scripted")); }
  // Runs `fn`, expecting a RefPropError of code 4 with exactly `message`.
  template <typename Fn>
  void expectError(Fn fn, const std::string& message) {
    try {
      fn();
      ADD_FAILURE() << "expected: " << message;
    } catch (const RefPropBaseError& e) {
      EXPECT_EQ(eBridgeError, e.code());
      EXPECT_EQ(message, e.what());
    }
  }
  void quiet() { testing::internal::CaptureStdout(); }
  std::string spoken() { return testing::internal::GetCapturedStdout(); }
  refrop_backend bridge;
};

TEST_F(BackendTest, FluidFileSuffixesAreTriedInTurn) {
  script("SETUPdll ierr=101 herr=no such file\n");
  quiet();
  ASSERT_TRUE(bridge.select_fluid("R134a"));
  std::string out = spoken();
  std::vector<std::string> setups = calls("SETUPdll");
  ASSERT_EQ(2u, setups.size());
  std::string prefix = refprop::get_REFPROP_fluid_path_prefix();
  EXPECT_NE(std::string::npos, setups[0].find("nc=1 hfiles=" + prefix + "R134A hfmix=" +
                                              refprop::get_REFPROP_HMX_BNC_path() + " hrf=DEF"));
  EXPECT_NE(std::string::npos, setups[1].find("hfiles=" + prefix + "R134A.FLD "));
  EXPECT_NE(std::string::npos, out.find(" --- Successfully loaded Norvale Pur/Pseudo-Pur fluid: " +
                                        prefix + "R134A.FLD"));
  EXPECT_EQ(1, bridge.get_NumComp());
  EXPECT_EQ(std::vector<double>{1.0}, bridge.get_mole_fractions());
}

TEST_F(BackendTest, AllSuffixesRefusedThrows) {
  std::string refusals;
  for (int i = 0; i < 5; ++i) refusals += "SETUPdll ierr=1\n";
  script(refusals);
  quiet();
  expectError([&] { bridge.select_fluid("R999"); }, "Could not load these fluids: R999");
  spoken();
  EXPECT_EQ(5u, calls("SETUPdll").size());
  EXPECT_EQ(1, bridge.check_ErrorRegister());
}

TEST_F(BackendTest, MixtureFileGivesComponentsAndComposition) {
  script("SETMIXdll ncc=3 x=0.2,0.3,0.5\n");
  quiet();
  ASSERT_TRUE(bridge.select_fluid("R407A.MIX"));
  EXPECT_NE(std::string::npos, spoken().find(" --- Successfully loaded Norvale Mixture fluid: R407A.MIX"));
  std::vector<std::string> mix = calls("SETMIXdll");
  ASSERT_EQ(1u, mix.size());
  EXPECT_NE(std::string::npos,
            mix[0].find("hmxnme=" + refprop::get_REFPROP_mixtures_path_prefix() + "R407A.MIX"));
  EXPECT_TRUE(calls("SETUPdll").empty());
  EXPECT_EQ(3, bridge.get_NumComp());
  EXPECT_EQ((std::vector<double>{0.2, 0.3, 0.5}), bridge.get_mole_fractions());
  EXPECT_EQ(std::vector<std::string>{"R407A.MIX"}, bridge.get_fluid_names());
}

TEST_F(BackendTest, MixtureFileRefusals) {
  struct Case {
    const char* script;
    const char* message;
  };
  const Case cases[] = {
      {"SETMIXdll ierr=101 herr=missing\n", "Unable to load mixture: R4XX.MIX"},
      {"SETMIXdll ncc=21\n", "Unable to load mixture: R4XX.MIX has 21 components (1 to 20 allowed)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    sandbox.write("/mock_calls.log", "");
    script(c.script);
    refrop_backend b;
    quiet();
    expectError([&] { b.select_fluid("R4XX.MIX"); }, c.message);
    spoken();
  }
}

TEST_F(BackendTest, CompositionSizesAreChecked) {
  quiet();
  bridge.construct({"R32", "R125"});
  spoken();
  expectError([&] { bridge.set_mass_fractions({0.2, 0.3, 0.5}); },
              "size of mass fraction vector [3] does not equal that of component vector [2]");
  expectError([&] { bridge.set_mole_fractions({1.0}); },
              "size of mole fraction vector [1] does not equal that of component vector [2]");
  expectError([&] { bridge.set_mass_fractions({0.0, 0.0}); }, "mass fractions sum to zero");
  bridge.set_mass_fractions({0.5, 0.5});
  std::vector<double> x = bridge.get_mole_fractions();
  ASSERT_EQ(2u, x.size());
  EXPECT_NEAR(0.6976, x[0], 1e-4);  // R32 has the smaller molar mass
  EXPECT_NEAR(1.0, x[0] + x[1], 1e-12);
  std::vector<double> w = bridge.calc_mass_fractions();
  EXPECT_NEAR(0.5, w[0], 1e-12);
  EXPECT_NEAR(0.5, w[1], 1e-12);
}

TEST_F(BackendTest, RepeatedSetUpOfTheLoadedFluidSendsNothing) {
  quiet();
  ASSERT_TRUE(bridge.select_fluid("R134a"));
  bridge.check_loaded_fluid();
  bridge.construct({"R32", "R125"});  // its own set-up is still the loaded one
  spoken();
  EXPECT_EQ(1u, calls("SETUPdll").size());
  EXPECT_EQ(1, bridge.get_NumComp());
}

TEST_F(BackendTest, UpdateConvertsUnitsAndKeepsGivenValues) {
  quiet();
  ASSERT_TRUE(bridge.select_fluid("R134a"));
  spoken();
  const double M = 0.052024;  // the mock's molar mass of component 1, kg/mol

  bridge.update(PT, 1.01325, 0.0);
  EXPECT_NE(std::string::npos, calls("TPFLSHdll").back().find("t=273.15 p=101.325"));
  EXPECT_DOUBLE_EQ(0.0, bridge.calc_T());
  EXPECT_DOUBLE_EQ(1.01325, bridge.calc_P());
  EXPECT_DOUBLE_EQ(10000.0, bridge.calc_rhomolar());  // 10 mol/L
  EXPECT_DOUBLE_EQ(20000.0 / M, bridge.calc_enthalpy());
  EXPECT_DOUBLE_EQ(10000.0 * M, bridge.calc_density());
  EXPECT_DOUBLE_EQ(1.0 / (10000.0 * M), bridge.calc_volume());

  bridge.update(HmassP, 250000.0, 12.0);
  EXPECT_NE(std::string::npos, calls("PHFLSHdll").back().find("p=1200 h=13006"));
  EXPECT_DOUBLE_EQ(12.0, bridge.calc_P());
  EXPECT_NEAR(250000.0, bridge.calc_enthalpy(), 1e-6);
  EXPECT_DOUBLE_EQ(300.0 - 273.15, bridge.calc_T());  // written by the routine

  bridge.update(PSmass, 3.0, 1700.0);
  EXPECT_NE(std::string::npos, calls("PSFLSHdll").back().find("p=300 sv=88.4408"));
  EXPECT_NEAR(1700.0, bridge.calc_entropy(), 1e-9);
  EXPECT_DOUBLE_EQ(20000.0 / M, bridge.calc_enthalpy());
}

TEST_F(BackendTest, QualityNearZeroOrOneTakesTheSaturationRoutine) {
  quiet();
  ASSERT_TRUE(bridge.select_fluid("R134a"));
  spoken();
  bridge.update(QT, 1e-11, 25.0);
  ASSERT_EQ(1u, calls("SATTPdll").size());
  EXPECT_NE(std::string::npos, calls("SATTPdll")[0].find("iflsh=1 iguess=0"));
  EXPECT_EQ(1u, calls("THERMdll").size());
  EXPECT_DOUBLE_EQ(6.0, bridge.calc_P());  // THERMdll's 600 kPa
  EXPECT_DOUBLE_EQ(0.0, bridge.calc_state());

  bridge.update(QT, 2e-10, 25.0);
  EXPECT_EQ(1u, calls("SATTPdll").size());
  EXPECT_EQ(1u, calls("TQFLSHdll").size());

  bridge.update(PQ, 2.0, 1.0);
  EXPECT_NE(std::string::npos, calls("SATTPdll").back().find("p=200 iflsh=4"));
  EXPECT_DOUBLE_EQ(2.0, bridge.calc_P());
  EXPECT_DOUBLE_EQ(1.0, bridge.calc_state());
}

TEST_F(BackendTest, SaturationResultCodes) {
  // Error: the quality flash takes over. Warning: completed by THERMdll, never left unset.
  script("SATTPdll ierr=2 herr=no convergence\nSATTPdll ierr=-1 herr=warning\n"
         "PQFLSHdll h=30000\n");
  quiet();
  ASSERT_TRUE(bridge.select_fluid("R134a"));
  spoken();
  bridge.update(PQ, 2.0, 1.0);
  EXPECT_EQ(1u, calls("PQFLSHdll").size());
  EXPECT_DOUBLE_EQ(30000.0 / 0.052024, bridge.calc_enthalpy());

  bridge.update(PQ, 2.0, 1.0);
  EXPECT_EQ(1u, calls("PQFLSHdll").size());
  EXPECT_EQ(1u, calls("THERMdll").size());
  EXPECT_DOUBLE_EQ(21000.0 / 0.052024, bridge.calc_enthalpy());
  EXPECT_LT(bridge.calc_soundSpeed(), kUnset);
}

TEST_F(BackendTest, FlashResultCodesAndPairErrors) {
  script("TPFLSHdll ierr=-5 h=5000 herr=warning\nTPFLSHdll ierr=5 herr=too cold\n"
         "TQFLSHdll ierr=3 herr=bad quality\n");
  quiet();
  ASSERT_TRUE(bridge.select_fluid("R134a"));
  spoken();
  bridge.update(PT, 1.0, 0.0);
  EXPECT_DOUBLE_EQ(5000.0 / 0.052024, bridge.calc_enthalpy());
  expectError([&] { bridge.update(PT, 1.0, 0.0); }, "PT: too cold");
  expectError([&] { bridge.update(QT, 0.5, 0.0); },
              "TQ(" + refprop::LoadedREFPROPRef + "): bad quality");
  for (int pair : {0, 5, 36}) {
    SCOPED_TRACE(pair);
    expectError([&] { bridge.update(static_cast<input_pairs>(pair), 1.0, 1.0); },
                "This pair of inputs is not yet supported");
  }
  quiet();
  refrop_backend noComposition;
  noComposition.construct({"R32", "R125"});
  spoken();
  expectError([&] { noComposition.update(static_cast<input_pairs>(5), 1.0, 1.0); },
              "Mole fractions not yet set");
}

TEST_F(BackendTest, ClearedStateIsTheUnsetMarker) {
  bridge.clear();
  EXPECT_DOUBLE_EQ(-kUnset - 273.15, bridge.calc_T());
  EXPECT_DOUBLE_EQ(1.0 / -kUnset, bridge.calc_volume());
}

TEST_F(BackendTest, FurtherPropertiesConvertTheLibraryValues) {
  script("TRNPRPdll ierr=1 herr=out of range\n");
  quiet();
  ASSERT_TRUE(bridge.select_fluid("R134a"));
  spoken();
  bridge.update(PT, 1.0, 0.0);
  EXPECT_DOUBLE_EQ(40.0, bridge.calc_p_critical());
  EXPECT_NEAR(101.06, bridge.calc_T_critical(), 1e-9);
  EXPECT_DOUBLE_EQ(5000.0, bridge.calc_rhomolar_critical());
  expectError([&] { bridge.calc_viscosity(); }, "out of range");
  EXPECT_DOUBLE_EQ(200e-6, bridge.calc_viscosity());
  EXPECT_DOUBLE_EQ(0.08, bridge.calc_conductivity());
  EXPECT_DOUBLE_EQ(170.0, bridge.calc_Ttriple());
  EXPECT_DOUBLE_EQ(2.0 * 3.33564e-30, bridge.calc_dipole_moment());
  EXPECT_DOUBLE_EQ(700.0, bridge.calc_pmax());
  EXPECT_DOUBLE_EQ(2.0 - 10.0 * (3.0 / 4.0 - 1.0 / 2.0), bridge.calc_PIP());
  EXPECT_DOUBLE_EQ(-0.5e-3, bridge.calc_Bvirial());
  EXPECT_DOUBLE_EQ(100000.0, bridge.calc_fugacity(0));
  expectError([&] { bridge.calc_fugacity(1); }, "component index 1 outside the 1 components");
}

TEST_F(BackendTest, TransportErrorsAndMixtureLimits) {
  script("TRNPRPdll ierr=1 herr=out of range\n");
  quiet();
  ASSERT_TRUE(bridge.select_fluid("R134a"));
  spoken();
  EXPECT_THROW(bridge.calc_conductivity(), RefPropBaseError);
  // A mixture has no dipole moment, and its triple point is the lower limit in K.
  quiet();
  refrop_backend mixture;
  mixture.construct({"R32", "R125"});
  mixture.set_mass_fractions({0.5, 0.5});
  spoken();
  expectError([&] { mixture.calc_dipole_moment(); }, "dipole moment is only available for pure fluids");
  EXPECT_DOUBLE_EQ(170.0, mixture.calc_Ttriple());  // the lower limit, in K
}

TEST_F(BackendTest, BinaryInteractionParameters) {
  script("GETKTVdll\nGETKTVdll\nGETKTVdll\nGETKTVdll model=XYZ\n");
  quiet();
  bridge.construct({"R32", "R125"});
  bridge.set_mass_fractions({0.5, 0.5});
  spoken();
  EXPECT_DOUBLE_EQ(1.3, bridge.get_binary_interaction_double(0, 1, "betaV"));
  expectError([&] { bridge.get_binary_interaction_double(0, 1, "BETAV"); },
              " I don't know what to do with your parameter [BETAV]");
  bridge.set_binary_interaction_double(0, 1, "Fij", 0.25);
  std::vector<std::string> sets = calls("SETKTVdll");
  ASSERT_EQ(1u, sets.size());
  EXPECT_NE(std::string::npos, sets[0].find("i=1 j=2 model=KW0 fij=1.1,1.2,1.3,1.4,0.25,0 hfmix=mock.BNC"));
  expectError([&] { bridge.set_binary_interaction_double(0, 1, "Fij", 0.1); },
              "For now, model [XYZ] must start with KW or GE");
  EXPECT_EQ("100-01-0&200-02-0", bridge.fluid_param_string("CAS"));
  EXPECT_EQ(2u, bridge.match_CAS("200-02-0"));
  expectError([&] { bridge.match_CAS("1-2-3"); }, "Unable to match CAS number [1-2-3]");
  expectError([&] { bridge.fluid_param_string("formula"); },
              "parameter to fluid_param_string is invalid: formula");
}

}  // namespace
