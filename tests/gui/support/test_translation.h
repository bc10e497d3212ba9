// Test translations of the menu pages: tests/gui/fixtures/orvQT_<code>.ts, turned into
// "gui_langues/orvQT_<code>.qm" of the sandbox's orvQT working directory by lrelease, so
// that a test tells a translated text from its French source without depending on the
// delivered translations.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QTranslator>

#include <cstdlib>
#include <string>

#include "orv_test_sandbox.h"

// Writes the .qm of `code` into "<root>/app/gui_langues/"; returns its path.
inline std::string makeTestQm(const TestSandbox& sandbox, const std::string& code) {
  const std::string dir = sandbox.root() + "/app/gui_langues";
  const std::string qm = dir + "/orvQT_" + code + ".qm";
  const std::string ts = testSourceDir() + "/tests/gui/fixtures/orvQT_" + code + ".ts";
  const std::string lrelease = "$(command -v lrelease || echo /usr/lib/qt5/bin/lrelease)";
  std::system(
      ("mkdir -p '" + dir + "' && " + lrelease + " -silent '" + ts + "' -qm '" + qm + "'").c_str());
  return qm;
}

// The application posts the language-change event to every window; delivers it now.
inline void deliverLanguageChange() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// Installs the test translation of `code` for the scope.
class TestTranslation {
 public:
  TestTranslation(const TestSandbox& sandbox, const std::string& code) {
    loaded_ = translator_.load(QString::fromStdString(makeTestQm(sandbox, code)));
    QCoreApplication::installTranslator(&translator_);
    deliverLanguageChange();
  }
  ~TestTranslation() {
    QCoreApplication::removeTranslator(&translator_);
    deliverLanguageChange();
  }
  TestTranslation(const TestTranslation&) = delete;
  TestTranslation& operator=(const TestTranslation&) = delete;
  bool loaded() const { return loaded_; }

 private:
  QTranslator translator_;
  bool loaded_;
};
