// The orvQT entry point as a whole program: orvqt-entry is the real entry point linked
// with logging stand-ins of the main window and the language page (tests/gui/entry).
// It runs offscreen in a sandbox whose "app" folder is its working directory.
#include <gtest/gtest.h>

#include "support/orvqt_workdir.h"

namespace {

struct EntryRun {
  int status;
  std::string out;
  std::string err;
};

// Runs orvqt-entry to the end of its event loop (the stand-in main window ends it with 7).
EntryRun runEntry(const TestSandbox& sandbox, const std::string& env = "") {
  const std::string errFile = sandbox.root() + "/entry.err";
  const std::string cmd = "cd '" + sandbox.root() + "/app' && " + env +
                          " QT_QPA_PLATFORM=offscreen timeout 60 '" + orvqtBuildDir() +
                          "/orvqt-entry' 2>'" + errFile + "'";
  TestSandbox::CliResult result = sandbox.run(cmd);
  return EntryRun{result.status, result.out, sandbox.read("/entry.err")};
}

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(orvqt_entry, ConfiguredLanguageGoesStraightToTheMainWindow) {
  TestSandbox sandbox;
  prepareOrvqtWorkDir(sandbox);
  sandbox.write("/home/ORV/config.conf", "[General]\nFLAG_ALARM=1\nCONFIG_LANGUE=de\n");

  EntryRun run = runEntry(sandbox);

  EXPECT_EQ(run.status, 7) << run.out << run.err;  // the event loop's exit code
  EXPECT_FALSE(has(run.out, "Langue(")) << run.out;
  EXPECT_TRUE(has(run.out, "cORV(parent=null)\ncORV shown fullScreen=1\nOn_initAll(\"de\")\n"))
      << run.out;
  // gui_langues/orvQT_de.qm is the installed translation.
  EXPECT_TRUE(has(run.out, "tr(Informations ORV)=\"ORV-Informationen\"")) << run.out;
  EXPECT_TRUE(has(run.out, "registered=1\n")) << run.out;
  EXPECT_EQ(checkScriptRuns(sandbox), 1);
  EXPECT_FALSE(has(run.err, "Couldn't open config file")) << run.err;
  // Start-up decoration of the port: blank pointer, icon, splash until the init returned.
  EXPECT_TRUE(has(run.out, "blankCursor=1\nwindowIcon=1\n")) << run.out;
  EXPECT_TRUE(has(run.out,
                  "splash visible=1 picture=1 message=\"\\n\\n\\nORV en cours de demarrage, "
                  "veuillez patienter ....\\n\\nORV is Starting, please wait...\\n\\n10.04.05\\n\""))
      << run.out;
  EXPECT_TRUE(has(run.out, "event loop: splash=gone\n~cORV\n")) << run.out;
}

struct FirstStartCase {
  const char* name;
  const char* config;  // nullptr: no configuration file
};

const FirstStartCase kFirstStartCases[] = {
    {"star", "[General]\nCONFIG_LANGUE=*\n"},
    {"empty value", "[General]\nCONFIG_LANGUE=\n"},
    {"no language line", "[General]\nFLAG_ALARM=1\n"},
    {"no configuration file", nullptr},
};

TEST(orvqt_entry, WithoutALanguageThePageAsksPreselectedOnFrench) {
  for (const FirstStartCase& c : kFirstStartCases) {
    SCOPED_TRACE(c.name);
    TestSandbox sandbox;
    prepareOrvqtWorkDir(sandbox);
    if (c.config) sandbox.write("/home/ORV/config.conf", c.config);

    EntryRun run = runEntry(sandbox);

    EXPECT_EQ(run.status, 7) << run.out << run.err;
    EXPECT_TRUE(has(run.out, "Langue(0, parent=null)\nset_Langue(\"fr\")\n"
                             "Langue shown fullScreen=1 langue=\"fr\"\n"
                             "Langue confirmed \"fr\"\n~Langue\ncORV(parent=null)\n"))
        << run.out;
    EXPECT_TRUE(has(run.out, "On_initAll(\"fr\")\n")) << run.out;
    EXPECT_TRUE(has(run.out, "tr(Informations ORV)=\"Informations ORV\"")) << run.out;
    EXPECT_EQ(checkScriptRuns(sandbox), 1);
    EXPECT_EQ(has(run.err, "Couldn't open config file for reading.\n"), c.config == nullptr)
        << run.err;
  }
}

TEST(orvqt_entry, ChosenLanguageTravelsOnWithoutBeingStored) {
  TestSandbox sandbox;
  prepareOrvqtWorkDir(sandbox);
  const std::string config = "[General]\nCONFIG_LANGUE=*\n";
  sandbox.write("/home/ORV/config.conf", config);

  EntryRun run = runEntry(sandbox, "ORV_TEST_LANGUE_CHOICE=ru");

  EXPECT_EQ(run.status, 7) << run.out << run.err;
  EXPECT_TRUE(has(run.out, "Langue confirmed \"ru\"\n")) << run.out;
  EXPECT_TRUE(has(run.out, "On_initAll(\"ru\")\n")) << run.out;
  EXPECT_TRUE(has(run.out, "tr(Informations ORV)=\"Информация ORV\"")) << run.out;
  EXPECT_EQ(sandbox.read("/home/ORV/config.conf"), config);
}

TEST(orvqt_entry, ScriptThatPlacesTheFileSparesTheLanguagePage) {
  TestSandbox sandbox;
  prepareOrvqtWorkDir(sandbox);
  writeCheckScript(sandbox, "echo checkIfConfigFileExists.sh >> \"$ORV_ROOT/platform_calls.log\"\n"
                            "mkdir -p \"$ORV_ROOT/home/ORV\"\n"
                            "printf 'CONFIG_LANGUE=it\\n' > \"$ORV_ROOT/home/ORV/config.conf\"");

  EntryRun run = runEntry(sandbox);

  EXPECT_EQ(run.status, 7) << run.out << run.err;
  EXPECT_TRUE(has(run.err, "Couldn't open config file for reading.\n")) << run.err;
  EXPECT_EQ(checkScriptRuns(sandbox), 1);
  EXPECT_FALSE(has(run.out, "Langue(")) << run.out;
  EXPECT_TRUE(has(run.out, "On_initAll(\"it\")\n")) << run.out;
  EXPECT_TRUE(has(run.out, "tr(Informations ORV)=\"Informazioni ORV\"")) << run.out;
}

TEST(orvqt_entry, MissingTranslationLeavesTheFrenchTexts) {
  TestSandbox sandbox;
  prepareOrvqtWorkDir(sandbox);
  std::remove((sandbox.root() + "/app/gui_langues/orvQT_de.qm").c_str());
  sandbox.write("/home/ORV/config.conf", "CONFIG_LANGUE=de\n");

  EntryRun run = runEntry(sandbox);

  EXPECT_EQ(run.status, 7) << run.out << run.err;
  EXPECT_TRUE(has(run.out, "On_initAll(\"de\")\n")) << run.out;
  EXPECT_TRUE(has(run.out, "tr(Informations ORV)=\"Informations ORV\"")) << run.out;
}

}  // namespace
