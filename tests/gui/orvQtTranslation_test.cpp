// Qt's own texts (the standard buttons of the boxes) follow the panel's language; a
// language whose catalogue the device lacks shows Qt's English texts, whatever was
// installed before it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>

#include <cstdio>
#include <string>

#include "orvQtTranslation.h"
#include "support/orvqt_workdir.h"

namespace {

struct LanguageCase {
  const char* language;
  bool installed;
  const char* yes;
  const char* no;
};

TEST(orvQtTranslation, TheBoxButtonsSpeakTheChosenLanguage) {
  testApplication();
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  for (const char* catalogue : {"qtbase_it.qm", "qt_it.qm"})
    std::remove((sandbox.root() + "/app/gui_langues/" + catalogue).c_str());

  const LanguageCase cases[] = {{"fr", true, "&Oui", "&Non"},
                                {"de", true, "&Ja", "&Nein"},
                                {"it", false, "&Yes", "&No"},
                                {"hu", true, "&Igen", "&Nem"}};
  for (const LanguageCase& c : cases) {
    SCOPED_TRACE(c.language);
    EXPECT_EQ(installQtTranslation(QString::fromLatin1(c.language)), c.installed);
    QMessageBox box(QMessageBox::Warning, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), c.yes);
    EXPECT_EQ(box.button(QMessageBox::No)->text().toStdString(), c.no);
  }
  installQtTranslation(QStringLiteral("en"));
}

}  // namespace
