// The panel's look of every message box: with no window manager the box draws its own
// frame and shows its title inside; its buttons and text are sized for a finger at arm's
// length, and a box given a larger font keeps it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <string>

#include "cMessageBox.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

struct BoxCase {
  const char* screen;
  std::function<void()> show;  // runs the box modally
  const char* family;          // the font the box was given, "" for the application's
  int pointSize;
};

void question() {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("ATTENTION Lancer la TARE ?"),
                  QStringLiteral("Lancer la procedure de TARE ?!\netes vous sûr?"),
                  QMessageBox::Yes | QMessageBox::No);
  box.exec();
}

void notice() {
  cMessageBox::information(QStringLiteral("Informations"), QStringLiteral("Operation Terminee"),
                           QMessageBox::Ok, 0, cMessageBox::TimeoutClose,
                           QFont(QStringLiteral("Times"), 18, QFont::Bold));
}

void threeAnswers() {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Acquittement process"),
                  QStringLiteral("Avez-vous localise et repare une fuite ?"));
  for (const char* answer : {"&Yes", "&No", "&Cancel"})
    box.addButton(QString::fromLatin1(answer), QMessageBox::ActionRole);
  box.exec();
}

// The box's picture has a dark line all round, where the page behind would show through.
void expectFrame(QMessageBox* box) {
  const QImage picture = box->grab().toImage();
  const int w = picture.width(), h = picture.height();
  for (QPoint edge : {QPoint(0, h / 2), QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)}) {
    SCOPED_TRACE(edge.x() * 10000 + edge.y());
    EXPECT_LT(qGray(picture.pixel(edge)), 96);
  }
}

void expectPanelLook(QMessageBox* box, const BoxCase& c) {
  for (QAbstractButton* button : box->buttons()) {
    SCOPED_TRACE(button->text().toStdString());
    EXPECT_GE(button->width(), 120);
    EXPECT_GE(button->height(), 48);
    EXPECT_GE(QFontInfo(button->font()).pixelSize(), 16);
  }
  auto* text = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  ASSERT_NE(text, nullptr);
  EXPECT_GE(QFontInfo(text->font()).pixelSize(), 16);
  if (*c.family) {
    EXPECT_EQ(text->font().family().toStdString(), c.family);
    EXPECT_EQ(text->font().pointSize(), c.pointSize);
    EXPECT_TRUE(text->font().bold());
  }
  // The title: a shown label of the box, above its text and inside its edges.
  const QLabel* title = nullptr;
  for (QLabel* label : box->findChildren<QLabel*>())
    if (label->isVisible() && label->text() == box->windowTitle()) title = label;
  ASSERT_NE(title, nullptr);
  EXPECT_TRUE(box->rect().contains(title->geometry()));
  EXPECT_LE(title->geometry().bottom(), text->geometry().top());
  EXPECT_GE(QFontInfo(title->font()).pixelSize(), 16);
  expectFrame(box);
}

TEST(orvPanelStyle, EveryBoxHasAFrameItsTitleInsideAndButtonsForAFinger) {
  testApplication();
  const BoxCase cases[] = {{"panel-box-question", question, "", 0},
                           {"panel-box-notice", notice, "Times", 18},
                           {"panel-box-three-answers", threeAnswers, "", 0}};
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.screen);
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen = true;
      expectPanelLook(box, c);
      saveScreen(box, c.screen);
      box->reject();
    });
    c.show();
    EXPECT_TRUE(seen);
  }
}

}  // namespace
