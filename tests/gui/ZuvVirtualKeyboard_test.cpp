// The on-screen keyboard on a page with two fields: its pages and labels, the key events
// it delivers to the page's focused field, shift, the long press with its accent row,
// and the layout and size rules.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <vector>

#include "ZuvVirtualKeyboard.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

// Records the key presses a field receives before it handles them.
class KeyLog : public QObject {
public:
  std::vector<int> codes;
  QStringList texts;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      codes.push_back(key->key());
      texts << key->text();
    }
    return false;
  }
};

// A page as the screens build it: two fields above the keyboard, the second focused.
struct KeyboardPage {
  QWidget page;
  QLineEdit* first;
  QLineEdit* second;
  ZuvVirtualKeyboard* keyboard;
  KeyLog log;

  KeyboardPage() {
    page.resize(640, 480);
    auto* layout = new QVBoxLayout(&page);
    first = new QLineEdit(&page);
    first->setObjectName(QStringLiteral("first"));
    second = new QLineEdit(&page);
    second->setObjectName(QStringLiteral("second"));
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch(1);
    keyboard = new ZuvVirtualKeyboard(&page);
    layout->addWidget(keyboard);
    page.show();
    page.activateWindow();
    second->setFocus();
    QCoreApplication::processEvents();
    second->installEventFilter(&log);
  }

  QPushButton* key(const QString& name) const {
    auto* button = keyboard->findChild<QPushButton*>(name);
    if (!button) button = page.findChild<QPushButton*>(name);
    EXPECT_NE(button, nullptr) << name.toStdString();
    return button;
  }
  QPushButton* key(int i) const { return key(QStringLiteral("key%1").arg(i)); }
  QTimer* longPressTimer() const { return keyboard->findChild<QTimer*>(); }

  // The labels of keys `from` to `to` run together.
  QString labels(int from, int to) const {
    QString all;
    for (int i = from; i <= to; ++i) all += key(i)->text();
    return all;
  }
  // The index of the character key that reads `label` on the page shown.
  QPushButton* keyLabelled(const QString& label) const {
    for (int i = 0; i < 26; ++i)
      if (key(i)->text() == label) return key(i);
    ADD_FAILURE() << "no key " << label.toStdString();
    return key(0);
  }

  static void mouse(QWidget* w, QEvent::Type type) {
    QMouseEvent event(type, QPointF(w->rect().center()), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
  }
  static void tap(QWidget* w) {
    mouse(w, QEvent::MouseButtonPress);
    mouse(w, QEvent::MouseButtonRelease);
  }

  void saveScreen(const char* state) { ::saveScreen(&page, std::string("keyboard-") + state); }
};

// Every test runs in orvQT's working directory so the key pictures load.
class KeyboardTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { testApplication(); }
  TestSandbox sandbox;
  WorkingDirectory cwd{prepareOrvqtWorkDir(sandbox)};
};

TEST_F(KeyboardTest, OpensOnTheAzertyLettersPage) {
  KeyboardPage p;
  EXPECT_EQ(p.labels(0, 25).toStdString(), "AZERTYUIOPQSDFGHJKLMWXCVBN");
  EXPECT_EQ(p.key("keyC3")->text().toStdString(), ".?123");
  EXPECT_EQ(p.key("keyC4")->text().toStdString(), "Space");
  EXPECT_TRUE(p.key("keyC1")->isCheckable());
  EXPECT_FALSE(p.key("keyC1")->isChecked());
  EXPECT_FALSE(p.key("keyC1")->icon().isNull());
  EXPECT_FALSE(p.key("keyC2")->icon().isNull());
  EXPECT_EQ(p.key(0)->font().pointSize(), 16);
  EXPECT_TRUE(p.key(0)->font().bold());
  for (QPushButton* button : p.page.findChildren<QPushButton*>()) {
    SCOPED_TRACE(button->objectName().toStdString());
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  }
  EXPECT_TRUE(p.key("keyPreview")->isHidden());

  // Its own size before a page lays it out: 320 wide, raised to the 150-pixel minimum.
  ZuvVirtualKeyboard alone(nullptr);
  EXPECT_EQ(alone.minimumSize(), QSize(50, 150));
  EXPECT_EQ(alone.width(), 320);
  EXPECT_EQ(alone.height(), 150);
  p.saveScreen("letters");
}

TEST_F(KeyboardTest, LettersGoLowerCaseUnlessShiftAndShiftStaysOn) {
  KeyboardPage p;
  p.tap(p.key(0));  // A
  EXPECT_EQ(p.second->text().toStdString(), "a");
  ASSERT_EQ(p.log.codes.size(), 1u);
  EXPECT_EQ(p.log.codes[0], 0x61);
  EXPECT_TRUE(p.key("keyPreview")->isHidden());

  p.tap(p.key("keyC1"));
  EXPECT_TRUE(p.key("keyC1")->isChecked());
  p.tap(p.key(0));
  EXPECT_EQ(p.second->text().toStdString(), "aA");
  EXPECT_TRUE(p.key("keyC1")->isChecked());
  // With shift on no long press is timed.
  p.mouse(p.key(2), QEvent::MouseButtonPress);
  EXPECT_FALSE(p.longPressTimer()->isActive());
  p.mouse(p.key(2), QEvent::MouseButtonRelease);
  EXPECT_EQ(p.second->text().toStdString(), "aAE");
  EXPECT_TRUE(p.first->text().isEmpty());
}

TEST_F(KeyboardTest, LongPressOnEOffersItsAccentsAboveTheKey) {
  KeyboardPage p;
  QPushButton* e = p.key(2);
  p.mouse(e, QEvent::MouseButtonPress);
  QPushButton* preview = p.key("keyPreview");
  EXPECT_TRUE(preview->isVisible());
  EXPECT_EQ(preview->text().toStdString(), "e");
  EXPECT_EQ(preview->size(), QSize(32, 32));
  const QPoint keyAt = e->mapTo(&p.page, QPoint(0, 0));
  EXPECT_EQ(preview->geometry().bottom(), keyAt.y() - 4);
  EXPECT_TRUE(p.longPressTimer()->isActive());
  EXPECT_EQ(p.longPressTimer()->interval(), 1000);

  ASSERT_TRUE(QMetaObject::invokeMethod(p.keyboard, "displayAccentedChar"));
  EXPECT_FALSE(p.longPressTimer()->isActive());
  EXPECT_FALSE(preview->isVisible());
  const QString accents = QString::fromUtf8("éèêë");
  for (int i = 0; i < 10; ++i) {
    QPushButton* accent = p.key(QStringLiteral("keyAccent%1").arg(i));
    SCOPED_TRACE(i);
    EXPECT_EQ(accent->isVisible(), i < 4);
    if (i < 4) {
      EXPECT_EQ(accent->text(), QString(accents.at(i)));
      EXPECT_LT(accent->mapTo(&p.page, QPoint(0, accent->height())).y(), keyAt.y());
    }
  }
  p.saveScreen("accents-E");

  p.mouse(e, QEvent::MouseButtonRelease);  // the release after a long press types nothing
  EXPECT_TRUE(p.second->text().isEmpty());
  p.tap(p.key("keyAccent1"));
  EXPECT_EQ(p.second->text(), QString::fromUtf8("è"));
  EXPECT_FALSE(p.key("keyAccent0")->isVisible());

  // A key without accents: the timer runs on and the release types the letter.
  QPushButton* b = p.keyLabelled(QStringLiteral("B"));
  p.mouse(b, QEvent::MouseButtonPress);
  ASSERT_TRUE(QMetaObject::invokeMethod(p.keyboard, "displayAccentedChar"));
  EXPECT_TRUE(p.longPressTimer()->isActive());
  EXPECT_FALSE(p.key("keyAccent0")->isVisible());
  p.mouse(b, QEvent::MouseButtonRelease);
  EXPECT_EQ(p.second->text(), QString::fromUtf8("èb"));
  EXPECT_FALSE(p.longPressTimer()->isActive());
}

TEST_F(KeyboardTest, DigitsAndSpecialPages) {
  KeyboardPage p;
  p.tap(p.key("keyC1"));  // shift on, then cleared by the change of page
  p.tap(p.key("keyC3"));
  EXPECT_EQ(p.key("keyC3")->text().toStdString(), "ABC");
  EXPECT_EQ(p.key("keyC1")->text().toStdString(), "#+=");
  EXPECT_FALSE(p.key("keyC1")->isCheckable());
  EXPECT_TRUE(p.key("keyC1")->icon().isNull());
  EXPECT_EQ(p.labels(0, 25), QString::fromUtf8("1234567890-+:;()€&&@\".,?!'²"));
  p.saveScreen("digits");

  QPushButton* ampersand = p.key(17);
  EXPECT_EQ(ampersand->text().toStdString(), "&&");
  p.tap(ampersand);
  EXPECT_EQ(p.second->text().toStdString(), "&");
  p.tap(p.key(0));
  EXPECT_EQ(p.second->text().toStdString(), "&1");

  p.tap(p.key("keyC1"));
  EXPECT_EQ(p.key("keyC1")->text().toStdString(), "123");
  EXPECT_FALSE(p.key("keyC1")->isCheckable());
  EXPECT_EQ(p.labels(0, 23).toStdString(), "[]{}#%^-+=_|~<>$/\\.;,?!*");
  EXPECT_EQ(p.key(24)->text().toStdString(), "'");
  EXPECT_EQ(p.key(25)->text(), QString::fromUtf8("²"));
  p.saveScreen("special");
  p.tap(p.key(3));
  EXPECT_EQ(p.second->text().toStdString(), "&1}");

  p.tap(p.key("keyC1"));
  EXPECT_EQ(p.key("keyC1")->text().toStdString(), "#+=");
  EXPECT_EQ(p.key(0)->text().toStdString(), "1");
  // Back to the letters: C1 is the shift key again, off.
  p.tap(p.key("keyC3"));
  EXPECT_EQ(p.key("keyC3")->text().toStdString(), ".?123");
  EXPECT_TRUE(p.key("keyC1")->isCheckable());
  EXPECT_FALSE(p.key("keyC1")->isChecked());
  EXPECT_FALSE(p.key("keyC1")->icon().isNull());

  // The code pages open on the digits page with C1 as it was.
  p.keyboard->setDisplayNumber();
  EXPECT_EQ(p.key("keyC3")->text().toStdString(), "ABC");
  EXPECT_EQ(p.key(4)->text().toStdString(), "5");
}

TEST_F(KeyboardTest, FunctionKeysAndTheReceiverOfTheKeys) {
  KeyboardPage p;
  p.second->setText(QStringLiteral("ab"));
  p.tap(p.key("keyC2"));
  p.tap(p.key("keyC4"));
  EXPECT_EQ(p.second->text().toStdString(), "a ");
  ASSERT_EQ(p.log.codes.size(), 2u);
  EXPECT_EQ(p.log.codes[0], int(Qt::Key_Backspace));
  EXPECT_EQ(p.log.texts[0], QString(QChar(8)));
  EXPECT_EQ(p.log.codes[1], int(Qt::Key_Space));

  // Another page with a focused field: the keys stay on the keyboard's own page.
  QWidget other;
  QLineEdit otherField(&other);
  other.show();
  otherField.setFocus();
  p.first->setFocus();
  p.tap(p.key(1));
  EXPECT_EQ(p.first->text().toStdString(), "z");
  EXPECT_TRUE(otherField.text().isEmpty());

  // No focus widget on the owning page: the key is dropped.
  QWidget bare;
  ZuvVirtualKeyboard* keyboard = new ZuvVirtualKeyboard(&bare);
  bare.show();
  ASSERT_EQ(bare.focusWidget(), nullptr);
  KeyboardPage::tap(keyboard->findChild<QPushButton*>(QStringLiteral("key0")));
  KeyboardPage::tap(keyboard->findChild<QPushButton*>(QStringLiteral("keyC2")));
  EXPECT_TRUE(otherField.text().isEmpty());
  EXPECT_EQ(p.first->text().toStdString(), "z");
}

TEST_F(KeyboardTest, QwertyRowsAndWidthOfThePageKey) {
  KeyboardPage p;
  auto rowOf = [&p](int i) { return p.key(i)->mapTo(&p.page, QPoint(0, 0)).y(); };
  auto row3Text = [&p, &rowOf] {
    // Letters of the third row, left to right.
    std::vector<std::pair<int, QString>> row;
    for (int i = 0; i < 26; ++i)
      if (rowOf(i) == rowOf(25))
        row.push_back({p.key(i)->mapTo(&p.page, QPoint(0, 0)).x(), p.key(i)->text()});
    std::sort(row.begin(), row.end());
    QString text;
    for (const auto& k : row) text += k.second;
    return text.toStdString();
  };

  p.keyboard->setKeyboardLayout(0);
  p.page.layout()->activate();
  QCoreApplication::processEvents();
  EXPECT_EQ(p.labels(0, 25).toStdString(), "QWERTYUIOPASDFGHJKLZXCVBNM");
  EXPECT_EQ(row3Text(), "ZXCVBNM");
  p.saveScreen("qwerty");

  // The digits page puts key 19 (the double quote) back at the end of row 2.
  p.tap(p.key("keyC3"));
  QCoreApplication::processEvents();
  EXPECT_EQ(p.key(19)->text().toStdString(), "\"");
  EXPECT_EQ(rowOf(19), rowOf(10));
  EXPECT_GT(p.key(19)->x(), p.key(18)->x());
  p.tap(p.key("keyC3"));
  p.keyboard->setKeyboardLayout(1);
  QCoreApplication::processEvents();
  EXPECT_EQ(row3Text(), "WXCVBN");

  ZuvVirtualKeyboard alone(nullptr);
  alone.resize(400, 150);
  alone.show();
  EXPECT_EQ(alone.findChild<QPushButton*>(QStringLiteral("keyC3"))->maximumWidth(), 76);
}

// The four rows share the height a page gives the keyboard: from 200 pixels on, every
// key (the page and space keys too) is at least 40 high, and the rows differ by a pixel
// at most; the page and space keys carry the character keys' font.
TEST_F(KeyboardTest, RowsShareTheKeyboardsHeight) {
  for (int height : {200, 307, 400}) {
    SCOPED_TRACE(height);
    QWidget page;
    page.resize(640, 480);
    auto* keyboard = new ZuvVirtualKeyboard(&page);
    keyboard->setGeometry(0, 480 - height, 640, height);
    page.show();
    QCoreApplication::processEvents();
    int lowest = height, highest = 0;
    for (QPushButton* key : keyboard->findChildren<QPushButton*>()) {
      if (key->isHidden()) continue;
      SCOPED_TRACE(key->objectName().toStdString());
      lowest = std::min(lowest, key->height());
      highest = std::max(highest, key->height());
      EXPECT_EQ(key->font().pointSize(), 16);
    }
    EXPECT_GE(lowest, 40);
    EXPECT_LE(highest - lowest, 1);
    if (height == 307) ::saveScreen(&page, "keyboard-307-high");
  }
}

TEST_F(KeyboardTest, OwnerMayDeleteThePreviewBeforeTheKeyboard) {
  // A page that puts the keyboard into a frame made after it: the owner deletes the
  // preview and the accent row first, the keyboard afterwards.
  auto page = std::make_unique<QWidget>();
  auto* keyboard = new ZuvVirtualKeyboard(page.get());
  auto* frame = new QWidget(page.get());
  (new QHBoxLayout(frame))->addWidget(keyboard);
  page->show();
  KeyboardPage::tap(keyboard->findChild<QPushButton*>(QStringLiteral("key0")));
  page.reset();
  SUCCEED();
}

}  // namespace
