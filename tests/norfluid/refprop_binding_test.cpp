// Binding of librefprop.so: name styles, absent routines, missing library, shared handle.
#include <memory>

#include "FLuidsNorvale.h"
#include "norfluid_test_support.h"
#include "refrop_backend.h"

namespace {

class BindingTest : public LibraryTest {};

TEST_F(BindingTest, BindsEachNameStyleAndLeavesAbsentRoutinesNull) {
  struct Case {
    const char* variant;
    refprop::DLLNameManglingStyle style;
    bool hasTherm3, hasTrnprp;
  };
  const Case cases[] = {
      {"scripted", refprop::NO_NAME_MANGLING, true, true},
      {"style2", refprop::LOWERCASE_AND_UNDERSCORE_NAME_MANGLING, true, true},
      {"lacking", refprop::NO_NAME_MANGLING, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.variant);
    useLibrary(mockLibrary(c.variant));
    std::string err;
    ASSERT_TRUE(refprop::load_REFPROP(err, refprop::refpropPath())) << err;
    EXPECT_EQ(c.style, refprop::mangling_style);
    EXPECT_NE(nullptr, refprop::SETUPdll);
    EXPECT_NE(nullptr, refprop::RPVersion);  // looked up in the same style
    EXPECT_EQ(c.hasTherm3, refprop::THERM3dll != nullptr);
    EXPECT_EQ(c.hasTrnprp, refprop::TRNPRPdll != nullptr);
    EXPECT_EQ("mock 0.1", refprop::RPVersion_loaded);
  }
}

TEST_F(BindingTest, LoadingAnOpenLibraryDoesNotReopenIt) {
  useLibrary(mockLibrary("scripted"));
  std::string err;
  ASSERT_TRUE(refprop::load_REFPROP(err, ""));
  ASSERT_TRUE(refprop::load_REFPROP(err, ""));
  EXPECT_EQ(1u, calls("RPVersion").size());
}

TEST_F(BindingTest, MissingLibraryPrintsTheSupportLinesOncePerBridge) {
  useLibrary(sandbox.path("/nowhere/librefprop.so"));
  refrop_backend first;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(first.REFPROP_supported());
  std::string lines = testing::internal::GetCapturedStdout();
  EXPECT_NE(std::string::npos, lines.find("Good news: It is possible to use REFPROP on your system!"));
  EXPECT_NE(std::string::npos, lines.find("to find instructions on how to compile your own version"));
  EXPECT_EQ(7, std::count(lines.begin(), lines.end(), '\n') -
                   3 /* three of the texts end with their own line feed */);

  testing::internal::CaptureStdout();
  EXPECT_FALSE(first.REFPROP_supported());
  EXPECT_EQ("", testing::internal::GetCapturedStdout());

  refrop_backend second;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(second.REFPROP_supported());
  EXPECT_NE("", testing::internal::GetCapturedStdout());

  testing::internal::CaptureStdout();
  try {
    second.select_fluid("R134a");
    ADD_FAILURE() << "set-up without a library must throw";
  } catch (const RefPropBaseError& e) {
    EXPECT_EQ(eLibraryUnusable, e.code());
    EXPECT_STREQ("You cannot use the Norvale REFPROP_Backend.", e.what());
  }
  testing::internal::GetCapturedStdout();
}

TEST_F(BindingTest, LibraryWithoutSetUpRoutineIsClosedAndNeverCalled) {
  useLibrary(mockLibrary("nosetup"));
  std::string err;
  EXPECT_FALSE(refprop::load_REFPROP(err, ""));
  EXPECT_EQ("There was an error setting the REFPROP function pointers, check types and names in "
            "header file.",
            err);
  EXPECT_FALSE(refprop::REFPROP_loaded());
  EXPECT_EQ(nullptr, refprop::WMOLdll);

  FLuidsNorvale fluids;
  testing::internal::CaptureStdout();
  EXPECT_EQ(0, fluids.loadFluid("R134a"));
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(1, fluids.upd_TempQ(0.0, 0));
  EXPECT_TRUE(calls().empty());
}

TEST_F(BindingTest, CallToAnAbsentRoutineThrowsCode4) {
  useLibrary(mockLibrary("lacking"));
  refrop_backend bridge;
  testing::internal::CaptureStdout();
  ASSERT_TRUE(bridge.select_fluid("R134a"));
  testing::internal::GetCapturedStdout();
  try {
    bridge.calc_viscosity();
    ADD_FAILURE() << "absent routine must throw";
  } catch (const RefPropBaseError& e) {
    EXPECT_EQ(eBridgeError, e.code());
    EXPECT_STREQ("routine TRNPRPdll not available", e.what());
  }
}

TEST_F(BindingTest, ClosingTheLibraryUnbindsTheTable) {
  useLibrary(mockLibrary("scripted"));
  {
    refrop_backend bridge;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(bridge.select_fluid("R134a"));
    testing::internal::GetCapturedStdout();
    ASSERT_NE(nullptr, refprop::WMOLdll);
  }
  EXPECT_FALSE(refprop::REFPROP_loaded());
  EXPECT_EQ(nullptr, refprop::WMOLdll);
  EXPECT_EQ("", refprop::LoadedREFPROPRef);
  EXPECT_THROW(REFPROP_CALL(WMOLdll), RefPropBaseError);
}

TEST_F(BindingTest, SecondBridgeLeavesTheLibraryToTheFirst) {
  useLibrary(mockLibrary("scripted"));
  testing::internal::CaptureStdout();
  auto facadeBridge = std::make_unique<refrop_backend>();
  ASSERT_TRUE(facadeBridge->select_fluid("R134a"));
  {
    refrop_backend test;
    test.construct({"R32", "R125"});
    test.set_mass_fractions({0.5, 0.5});
  }
  testing::internal::GetCapturedStdout();
  ASSERT_TRUE(refprop::REFPROP_loaded());
  std::size_t setups = calls("SETUPdll").size();
  facadeBridge->update(PT, 10.0, 25.0);  // sets its own fluid up again, then flashes
  EXPECT_EQ(setups + 1, calls("SETUPdll").size());
  EXPECT_EQ(1u, calls("TPFLSHdll").size());
  facadeBridge.reset();
  EXPECT_FALSE(refprop::REFPROP_loaded());
}

TEST_F(BindingTest, VersionTextFromMessageOrCode) {
  useLibrary(mockLibrary("scripted"));
  script("SETUPdll ierr=0 herr=   10.0 mock build   \n");
  refrop_backend bridge;
  EXPECT_EQ("10.0 mock build", bridge.version());
  EXPECT_EQ("9.1", bridge.version());  // second call: no script line, version code 91000
  std::vector<std::string> setups = calls("SETUPdll");
  ASSERT_EQ(2u, setups.size());
  EXPECT_NE(std::string::npos, setups[0].find("nc=-1 hfiles= hfmix=HMX.BNC hrf=DEF "
                                              "lengths=10000,255,3,255"));
}

TEST_F(BindingTest, DataPathsFollowTheSandboxAndNamesAreUpperCased) {
  EXPECT_EQ(sandbox.root() + "/usr/share/norfluid/fluids/HMX.BNC", refprop::get_REFPROP_HMX_BNC_path());
  EXPECT_EQ(sandbox.root() + "/usr/share/norfluid/mixtures/", refprop::get_REFPROP_mixtures_path_prefix());
  EXPECT_EQ("R404A.MIX", upper("r404a.mix"));
  EXPECT_EQ("R1234ZE(E)-2_X", upper("r1234ze(e)-2_x"));
}

}  // namespace
