// The main window's part of the start-up: registration in the object registry and the
// language step of On_initAll with its report lines.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPlainTextEdit>

#include "cORV.h"
#include "orv_classPtr.h"
#include "support/orvqt_workdir.h"

namespace {

struct LanguageCase {
  const char* language;
  const char* reportTail;  // the last report lines, the OK line in the loaded language
  const char* title;       // "Informations ORV" through the installed translation
};

const LanguageCase kLanguageCases[] = {
    {"de", "Chargement de la LANGUE:\n ++ SPRACHE [de] geladen OK", "ORV-Informationen"},
    {"*",
     "Chargement de la LANGUE:\n -- Reconfiguration de la LANGUE necessaire\n"
     " ++ Chargement LANGUE [fr] OK",
     "Informations ORV"},
    {"",
     "Chargement de la LANGUE:\n -- Reconfiguration de la LANGUE necessaire\n"
     " ++ Chargement LANGUE [fr] OK",
     "Informations ORV"},
    {"pt", "Chargement de la LANGUE:\n -- ERREUR Chargement fichier LANGUE [pt]",
     "Informations ORV"},
};

TEST(cORV, InitAllLoadsTheLanguageIntoTheWindowsTranslator) {
  testApplication();
  for (const LanguageCase& c : kLanguageCases) {
    SCOPED_TRACE(c.language);
    TestSandbox sandbox;
    WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));

    cORV window(nullptr);
    EXPECT_EQ(window.On_initAll(c.language), 1);

    auto* report = window.findChild<QPlainTextEdit*>(QStringLiteral("msgBoxText"));
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->toPlainText().toStdString(),
              std::string("Demarrage du ORV v10.4.5\n") + c.reportTail);
    EXPECT_EQ(QCoreApplication::translate("cORV", "Informations ORV").toStdString(), c.title);
  }
  // The window's translator went with the window.
  EXPECT_EQ(QCoreApplication::translate("cORV", "Informations ORV").toStdString(),
            "Informations ORV");
}

TEST(cORV, RegistersAsTheMainWindowForItsLifetime) {
  testApplication();
  orv_classPtr* registry = Singleton<orv_classPtr>::ptr();
  {
    cORV window(nullptr);
    EXPECT_EQ(registry->mainWindow, &window);
    // The core knows the window only as a QObject and takes that at the slot's address.
    EXPECT_EQ(reinterpret_cast<QObject*>(registry->mainWindow), static_cast<QObject*>(&window));
  }
  EXPECT_EQ(registry->mainWindow, nullptr);
}

}  // namespace
