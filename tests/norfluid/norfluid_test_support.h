// Shared set-up of the refrigerant tests: a sandbox, the library the bridge opens (the
// stand-in, a mock variant or a missing file) and the mock's script and call log.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "orv_test_sandbox.h"
#include "refprop_binding.h"

inline std::string standInLibrary() {
  return testBuildDir() + "/platform/norfluid/lib/librefprop.so";
}
// Variants: scripted, style2 (setupdll_ names), lacking (no THERM3dll, no TRNPRPdll),
// nosetup (no SETUPdll).
inline std::string mockLibrary(const std::string& variant) {
  return testBuildDir() + "/platform/norfluid/mock-" + variant + "/librefprop.so";
}

class LibraryTest : public ::testing::Test {
protected:
  void SetUp() override { useLibrary(standInLibrary()); }
  void TearDown() override {
    closeLibrary();
    unsetenv("ORV_REFPROP_LIB");
    unsetenv("NORFLUID_MOCK_LOG");
    unsetenv("NORFLUID_MOCK_SCRIPT");
  }

  // The library the next load opens; the mock's log and script live in the sandbox.
  void useLibrary(const std::string& path) {
    closeLibrary();
    setenv("ORV_REFPROP_LIB", path.c_str(), 1);
    setenv("NORFLUID_MOCK_LOG", sandbox.path("/mock_calls.log").c_str(), 1);
    setenv("NORFLUID_MOCK_SCRIPT", sandbox.path("/mock_script.txt").c_str(), 1);
  }
  void script(const std::string& lines) const { sandbox.write("/mock_script.txt", lines); }
  // Calls the mock recorded, one line each ("ROUTINE key=value ...").
  std::vector<std::string> calls(const std::string& routine = "") const {
    std::istringstream in(sandbox.read("/mock_calls.log"));
    std::vector<std::string> out;
    std::string line;
    while (std::getline(in, line))
      if (routine.empty() || line.compare(0, routine.size() + 1, routine + " ") == 0 ||
          line == routine)
        out.push_back(line);
    return out;
  }
  // Closes the library whoever holds it, so that each test starts from a closed library.
  static void closeLibrary() {
    while (refprop::REFPROP_owner_count() > 0) refprop::release_REFPROP();
    refprop::release_REFPROP();
  }

  TestSandbox sandbox;
};
