// The language pre-scan of the entry point: which CONFIG_LANGUE line counts, what the
// result says, and when "./checkIfConfigFileExists.sh" runs.
#include <gtest/gtest.h>

#include "orvStartup.h"
#include "support/orvqt_workdir.h"

namespace {

const char kAbsent[] = "<absent>";

struct PrescanCase {
  const char* name;
  const char* config;  // content of /home/ORV/config.conf, or kAbsent
  int result;
  const char* language;  // after the scan, which starts from "keep"
};

const PrescanCase kPrescanCases[] = {
    {"german", "[General]\nCONFIG_LANGUE=de\n", 1, "de"},
    {"star", "[General]\nCONFIG_LANGUE=*\n", 1, "*"},
    {"nothing after the sign", "[General]\nCONFIG_LANGUE=\n", 1, ""},
    {"empty value as the writer quotes it", "[General]\nCONFIG_LANGUE=\"\"\n", 1, ""},
    {"no language line", "[General]\nFLAG_ALARM=1\n", 1, "keep"},
    {"later section wins", "[General]\nCONFIG_LANGUE=en\n[Module_HPF]\nCONFIG_LANGUE=nl\n", 1,
     "nl"},
    {"comment ignored", "[General]\nCONFIG_LANGUE=es\n#CONFIG_LANGUE=ru\n", 1, "es"},
    {"value taken untrimmed", "CONFIG_LANGUE=it \n", 1, "it "},
    {"key must match exactly", "CONFIG_LANGUE =hu\nXCONFIG_LANGUE=ru\n", 1, "keep"},
    {"last line without line feed", "FLAG_ALARM=1\nCONFIG_LANGUE=ru", 1, "ru"},
    {"no file", kAbsent, 0, "keep"},
};

TEST(orvStartup, PrescanTakesTheLastLanguageLineAndRunsTheScriptOnce) {
  for (const PrescanCase& c : kPrescanCases) {
    SCOPED_TRACE(c.name);
    TestSandbox sandbox;
    WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
    if (std::string(c.config) != kAbsent) sandbox.write("/home/ORV/config.conf", c.config);

    std::string language = "keep";
    testing::internal::CaptureStderr();
    int result = openConfigFile("/home/ORV/config.conf", language);
    std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(result, c.result);
    EXPECT_EQ(language, c.language);
    EXPECT_EQ(checkScriptRuns(sandbox), 1);
    EXPECT_EQ(err.find("Couldn't open config file for reading.\n") != std::string::npos,
              c.result == 0);
  }
}

TEST(orvStartup, MissingFileFallsBackToTheDeviceConfigurationAfterTheScript) {
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));

  // Another name that cannot be opened: the second attempt reads /home/ORV/config.conf.
  sandbox.write("/home/ORV/config.conf", "CONFIG_LANGUE=hu\n");
  std::string language;
  testing::internal::CaptureStderr();
  EXPECT_EQ(openConfigFile("/home/ORV/missing.conf", language), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Couldn't open config file for reading.\n");
  EXPECT_EQ(language, "hu");
  EXPECT_EQ(checkScriptRuns(sandbox), 1);
}

TEST(orvStartup, ScriptRunsBeforeTheSecondAttempt) {
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  // A file that the script puts in place is read by the second attempt.
  writeCheckScript(sandbox, "mkdir -p \"$ORV_ROOT/home/ORV\"\n"
                            "printf 'CONFIG_LANGUE=it\\n' > \"$ORV_ROOT/home/ORV/config.conf\"");
  std::string language;
  testing::internal::CaptureStderr();
  EXPECT_EQ(openConfigFile("/home/ORV/config.conf", language), 1);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(language, "it");
}

}  // namespace
