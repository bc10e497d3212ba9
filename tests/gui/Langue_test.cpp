// The first-start language page: the selection rules of set_Langue and the confirmation
// that installs the translation and closes the page.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

#include "Langue.h"
#include "support/orvqt_workdir.h"

namespace {

struct SelectCase {
  const char* code;
  const char* langue;  // getLangue() afterwards
  const char* button;  // the checked button
};

const SelectCase kSelectCases[] = {
    {"", "fr", "Francais"},   {"*", "fr", "Francais"},  {"pt", "fr", "Francais"},
    {"en", "en", "Anglais"},  {"de", "de", "Allemand"}, {"es", "es", "Espagnol"},
    {"it", "it", "Italien"},  {"nl", "nl", "Nederland"}, {"ru", "ru", "Russia"},
    {"hu", "hu", "Hungary"},
};

TEST(Langue, SetLangueSelectsOneOfTheEightOrFrench) {
  testApplication();
  Langue page(0, nullptr);
  for (const SelectCase& c : kSelectCases) {
    SCOPED_TRACE(c.code);
    page.set_Langue(QString::fromUtf8(c.code));
    EXPECT_EQ(page.getLangue().toStdString(), c.langue);
    int checked = 0;
    for (QAbstractButton* button : page.findChildren<QAbstractButton*>()) {
      if (!button->isChecked()) continue;
      ++checked;
      EXPECT_EQ(button->objectName().toStdString(), c.button);
    }
    EXPECT_EQ(checked, 1);
  }
}

// Answers the confirmation box with `answer` as soon as it is up.
void answerConfirmation(QMessageBox::StandardButton answer) {
  QTimer::singleShot(0, [answer] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return answerConfirmation(answer);
    box->button(answer)->click();
  });
}

TEST(Langue, FirstStartPageClosesOnlyAfterAConfirmedChoice) {
  testApplication();
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  Langue page(0, nullptr);
  int escaped = 0;
  QObject::connect(&page, &Langue::esc_langue, [&escaped] { ++escaped; });
  page.set_Langue(QStringLiteral("nl"));
  page.show();
  auto click = [&page](const char* name) {
    page.findChild<QAbstractButton*>(QLatin1String(name))->click();
  };

  click("EscButton");  // nothing listens at first start
  EXPECT_EQ(escaped, 1);
  EXPECT_TRUE(page.isVisible());

  answerConfirmation(QMessageBox::Cancel);
  click("ValidButton");
  EXPECT_TRUE(page.isVisible());
  EXPECT_EQ(QCoreApplication::translate("Langue", "Valider").toStdString(), "Valider");

  answerConfirmation(QMessageBox::Ok);
  click("ValidButton");
  EXPECT_FALSE(page.isVisible());
  EXPECT_EQ(page.getLangue().toStdString(), "nl");
  EXPECT_EQ(QCoreApplication::translate("Langue", "Valider").toStdString(), "Bevestigen");
  EXPECT_FALSE(sandbox.exists("/home/ORV/config.conf"));  // nothing stored without a store
}

}  // namespace
