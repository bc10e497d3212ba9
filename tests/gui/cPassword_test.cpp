// The code entry page: a masked field of at most six characters filled from the on-screen
// keyboard, emptied at every showing and after every validation; the page never judges
// the code it emits.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "ZuvVirtualKeyboard.h"
#include "cPassword.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/test_translation.h"

namespace {

struct Page {
  Page() {
    page.show();
    QApplication::setActiveWindow(&page);
    field = page.findChild<QLineEdit*>(QStringLiteral("linePassword"));
    info = page.findChild<QLabel*>(QStringLiteral("TxtLabel"));
  }
  void click(const char* name) { page.findChild<QPushButton*>(QLatin1String(name))->click(); }
  // The keyboard key showing `label`.
  QPushButton* key(const QString& label) {
    for (QPushButton* b : page.findChild<ZuvVirtualKeyboard*>()->findChildren<QPushButton*>())
      if (b->text() == label && b->isVisible()) return b;
    return nullptr;
  }
  QApplication& app = testApplication();
  // The program's working directory, where its keyboard finds its pictures.
  TestSandbox box;
  WorkingDirectory cwd{prepareOrvqtWorkDir(box)};
  cPassword page{nullptr};
  QLineEdit* field;
  QLabel* info;
};

TEST(cPassword, FormAndKeyboardOnItsDigits) {
  Page p;
  EXPECT_EQ(p.info->text().toStdString(), "");
  EXPECT_TRUE(p.info->wordWrap());
  EXPECT_GE(p.info->minimumHeight(), 50);
  EXPECT_EQ(p.field->maxLength(), 6);
  EXPECT_EQ(p.field->echoMode(), QLineEdit::Password);
  EXPECT_EQ(p.field->validator(), nullptr);
  EXPECT_TRUE(p.field->hasFocus());
  auto* keyboard = p.page.findChild<ZuvVirtualKeyboard*>();
  ASSERT_NE(keyboard, nullptr);
  EXPECT_EQ(keyboard->parentWidget(), &p.page);
  EXPECT_GE(keyboard->minimumHeight(), 150);
  EXPECT_NE(p.key(QStringLiteral("ABC")), nullptr);  // the digits panel is up
  p.page.setText(QStringLiteral("<b>905</b>"));
  saveScreen(&p.page, "cPassword-challenge");
}

TEST(cPassword, ValidationEmitsAtMostSixCharactersThenEmptiesTheField) {
  Page p;
  QSignalSpy validated(&p.page, &cPassword::OnValidationSignal);
  QSignalSpy cancelled(&p.page, &cPassword::OnAnnulationSignal);
  QString textAtEmission;
  QObject::connect(&p.page, &cPassword::OnValidationSignal,
                   [&](const QString&) { textAtEmission = p.field->text(); });

  QTest::keyClicks(p.field, QStringLiteral("1234567"));
  EXPECT_EQ(p.field->text().toStdString(), "123456");
  saveScreen(&p.page, "cPassword-typed");
  p.click("pushButtonValidation");
  ASSERT_EQ(validated.count(), 1);
  EXPECT_EQ(validated.at(0).at(0).toString().toStdString(), "123456");
  EXPECT_EQ(textAtEmission.toStdString(), "123456");  // the receiver still sees it
  EXPECT_TRUE(p.field->text().isEmpty());

  p.click("pushButtonValidation");
  EXPECT_EQ(validated.at(1).at(0).toString().toStdString(), "");

  QTest::keyClicks(p.field, QStringLiteral("42"));
  p.click("pushButtonAnnulation");
  EXPECT_EQ(cancelled.count(), 1);
  EXPECT_EQ(validated.count(), 2);
  EXPECT_EQ(p.field->text().toStdString(), "42");  // until the next showing
  p.page.hide();
  p.page.show();
  QApplication::setActiveWindow(&p.page);
  EXPECT_TRUE(p.field->text().isEmpty());
  EXPECT_TRUE(p.field->hasFocus());
}

TEST(cPassword, TheKeyboardsOwnKeysTypeIntoTheField) {
  Page p;
  for (const char* digit : {"5", "0", "8", "6"}) {
    QPushButton* key = p.key(QLatin1String(digit));
    ASSERT_NE(key, nullptr) << digit;
    QTest::mouseClick(key, Qt::LeftButton);
  }
  EXPECT_EQ(p.field->text().toStdString(), "5086");
}

TEST(cPassword, LanguageChangeEmptiesTheInformationText) {
  Page p;
  p.page.setText(QStringLiteral("Pour avoir le code indiquer le numero : 905"));
  TestTranslation english(p.box, "en");
  EXPECT_TRUE(p.info->text().isEmpty());
  EXPECT_EQ(
      p.page.findChild<QPushButton*>(QStringLiteral("pushButtonValidation"))->text().toStdString(),
      "Confirm");
}

}  // namespace
