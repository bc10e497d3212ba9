// orvQT's working directory inside a test sandbox, and the application object of the
// in-process screen tests.
//
// "<root>/app" gets copies of the pictures and translations of the build tree (so that a
// test may remove one) and, as "./checkIfConfigFileExists.sh" and "./traceroute", the
// recording stub that appends its name and arguments to the sandbox's platform_calls.log.
#pragma once

#include <QApplication>
#include <QTranslator>

#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "orvPanelStyle.h"
#include "orv_test_sandbox.h"

inline std::string orvqtBuildDir() { return testBuildDir() + "/gui"; }

// The program's languages, by the code of their catalogues "orvQT_<code>".
inline constexpr const char* kPanelLanguages[] = {"fr", "en", "de", "es", "it", "nl", "hu", "ru"};

// One of those catalogues of the build tree, installed while the object lives (a
// QTranslator takes itself off the application when it is destroyed).
struct PanelLanguage {
  explicit PanelLanguage(const char* code) {
    loaded = translator.load(QStringLiteral("orvQT_%1").arg(QLatin1String(code)),
                             QString::fromStdString(orvqtBuildDir() + "/gui_langues")) &&
             QCoreApplication::installTranslator(&translator);
  }
  QTranslator translator;
  bool loaded = false;
};

inline std::string prepareOrvqtWorkDir(const TestSandbox& sandbox) {
  const std::string app = sandbox.root() + "/app";
  const std::string build = orvqtBuildDir();
  std::system(("mkdir -p '" + app + "' && cp -r '" + build + "/gui_langues' '" + build +
               "/gui_images' '" + app + "/' && ln -sf '" + testSourceDir() +
               "/platform/stubs/orv-stub' '" + app + "/checkIfConfigFileExists.sh' && ln -sf '" +
               testSourceDir() + "/platform/stubs/orv-stub' '" + app + "/traceroute'")
                  .c_str());
  return app;
}

// Replaces the script stand-in by `body` (sh), run with $ORV_ROOT set.
inline void writeCheckScript(const TestSandbox& sandbox, const std::string& body) {
  const std::string script = sandbox.root() + "/app/checkIfConfigFileExists.sh";
  std::system(("rm -f '" + script + "'").c_str());
  std::ofstream(script) << "#!/bin/sh\n" << body << "\n";
  std::system(("chmod +x '" + script + "'").c_str());
}

// How many times the script stand-in ran in this sandbox.
inline int checkScriptRuns(const TestSandbox& sandbox) {
  std::istringstream log(sandbox.platformCalls());
  int runs = 0;
  for (std::string line; std::getline(log, line);)
    if (line == "checkIfConfigFileExists.sh") ++runs;
  return runs;
}

// Runs the test's body in another working directory and comes back.
class WorkingDirectory {
public:
  explicit WorkingDirectory(const std::string& dir) {
    char cwd[4096];
    previous_ = getcwd(cwd, sizeof cwd) ? cwd : "/";
    if (chdir(dir.c_str()) != 0) previous_.clear();
  }
  ~WorkingDirectory() {
    if (!previous_.empty() && chdir(previous_.c_str()) != 0) std::abort();
  }
  WorkingDirectory(const WorkingDirectory&) = delete;
  WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
  std::string previous_;
};

// One offscreen application object for the whole test program.
inline QApplication& testApplication() {
  static int argc = 1;
  static char name[] = "orvqt-gui-test";
  static char* argv[] = {name, nullptr};
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Fonts at the panel's 72 dpi, as orvQT draws them on the board.
  setenv("QT_FONT_DPI", "72", 1);
  static QApplication* app = [] {
    auto* created = new QApplication(argc, argv);
    applyPanelStyle(*created);
    return created;
  }();
  return *app;
}
