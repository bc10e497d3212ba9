// The device and site names page: both names typed on the on-screen keyboard, written
// only when changed, with nothing created for an untouched name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextCodec>

#include "OrvName.h"
#include "ZuvVirtualKeyboard.h"
#include "orv_configFile.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"
#include "support/wizard_copy.h"

namespace {

struct NamesPage {
  explicit NamesPage(WizardCopy& copy) : NamesPage(copy.ptr()) {}
  explicit NamesPage(orv_configFile* config) : page(&slot, config) { slot.put(&page); }
  QLineEdit* device() { return page.findChild<QLineEdit*>("lE_orvname"); }
  QLineEdit* site() { return page.findChild<QLineEdit*>("LineEClientSiteName"); }
  // Taps the keyboard's own key that reads `label`, as a finger does.
  void tapKey(const QString& label) {
    auto* keyboard = page.findChild<ZuvVirtualKeyboard*>();
    for (QPushButton* key : keyboard->findChildren<QPushButton*>()) {
      if (key->text() != label || !key->isVisible()) continue;
      const QPointF at(key->rect().center());
      QMouseEvent press(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
      QMouseEvent release(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
      QApplication::sendEvent(key, &press);
      QApplication::sendEvent(key, &release);
      return;
    }
    ADD_FAILURE() << "no key " << label.toStdString();
  }
  WizardSlot slot;
  OrvName page;
};

class OrvNameTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { testApplication(); }
  TestSandbox sandbox;
  WorkingDirectory cwd{prepareOrvqtWorkDir(sandbox)};
};

}  // namespace

TEST_F(OrvNameTest, KeyboardTypesIntoTheSiteFieldAndOnlyTheChangedNameIsWritten) {
  WizardCopy copy;
  NamesPage p(copy);
  arrive(p.page);
  QApplication::setActiveWindow(p.slot.window());
  EXPECT_EQ(p.device()->text().toStdString(), "Nom_du_ORV");
  EXPECT_EQ(p.site()->text().toStdString(), "Nom_du_client_sur_site");
  EXPECT_EQ(p.device()->maxLength(), 20);
  EXPECT_EQ(p.site()->maxLength(), 40);
  EXPECT_EQ(p.page.size(), QSize(640, 430));
  ASSERT_NE(p.page.findChild<ZuvVirtualKeyboard*>(), nullptr);
  EXPECT_FALSE(copy.has("CONFIG_ORV_NAME"));
  EXPECT_FALSE(copy.has("CONFIG_NOM_CLIENT_DU_SITE"));
  saveScreen(&p.slot, "OrvName-keyboard");

  EXPECT_EQ(p.page.focusWidget(), p.site());
  p.site()->clear();
  for (const char* key : {"P", "A", "U", "L"}) p.tapKey(QString::fromLatin1(key));
  EXPECT_EQ(p.site()->text().toStdString(), "paul");
  QSignalSpy timeouts(&p.page, SIGNAL(OnReloadConfTimerSignal(int)));
  leave(p.page);
  ASSERT_EQ(timeouts.count(), 1);
  EXPECT_EQ(timeouts.at(0).at(0).toInt(), 300000);
  EXPECT_EQ(copy.get("CONFIG_NOM_CLIENT_DU_SITE"), "paul");
  EXPECT_FALSE(copy.has("CONFIG_ORV_NAME"));
}

TEST_F(OrvNameTest, LongStoredNameIsCutAndEmptiedNameIsStoredEmpty) {
  WizardCopy copy;
  copy.set("CONFIG_ORV_NAME", "ABCDEFGHIJKLMNOPQRSTUVWXY");
  copy.set("CONFIG_NOM_CLIENT_DU_SITE", "Chez Paul #3");
  NamesPage p(copy);
  arrive(p.page);
  EXPECT_EQ(p.device()->text().toStdString(), "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(p.site()->text().toStdString(), "Chez Paul #3");
  p.device()->setFocus();
  QTest::keyClick(p.device(), Qt::Key_Z);  // a 21st character has no effect
  EXPECT_EQ(p.device()->text().size(), 20);
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(&p.page, &change);
  EXPECT_EQ(p.device()->text().toStdString(), "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(p.page.findChild<QLabel*>("label_2")->text().toStdString(), " * 40 Caracteres Maximum");
  leave(p.page);
  EXPECT_EQ(copy.get("CONFIG_ORV_NAME"), "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(copy.get("CONFIG_NOM_CLIENT_DU_SITE"), "Chez Paul #3");

  arrive(p.page);
  p.site()->clear();
  leave(p.page);
  EXPECT_EQ(copy.get("CONFIG_NOM_CLIENT_DU_SITE"), "");
  arrive(p.page);
  EXPECT_EQ(p.site()->text().toStdString(), "");
}

// The device runs on the C locale, whose 8-bit codec has no accented letter.
TEST_F(OrvNameTest, AccentedNamesRoundTripThroughTheFileOnTheCLocale) {
  struct CLocale {
    CLocale() { QTextCodec::setCodecForLocale(QTextCodec::codecForName("US-ASCII")); }
    ~CLocale() { QTextCodec::setCodecForLocale(before); }
    QTextCodec* const before = QTextCodec::codecForLocale();
  } cLocale;
  const QString site = QStringLiteral("Caf\u00e9 M\u00fcller");
  const std::string file = sandbox.path("/config.conf");
  {
    orv_configFile config("");
    NamesPage p(&config);
    arrive(p.page);
    p.site()->clear();
    for (const QChar letter : site) {  // as the keyboard sends its keys, accents included
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
      QApplication::sendEvent(p.site(), &key);
    }
    ASSERT_EQ(p.site()->text(), site);
    leave(p.page);
    config.writeFile(file);
  }
  EXPECT_NE(sandbox.read("/config.conf").find("Caf\xc3\xa9 M\xc3\xbcller"), std::string::npos)
      << sandbox.read("/config.conf");
  orv_configFile stored(file);
  NamesPage back(&stored);
  arrive(back.page);
  EXPECT_EQ(back.site()->text(), site);
}
