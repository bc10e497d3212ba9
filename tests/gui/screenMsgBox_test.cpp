// The message page: what shows after each call, the single self-close timer, the exit by
// button or timer, and the language change.
#include <gtest/gtest.h>

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "screenMsgBox.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

struct Page {
  screenMsgBox box{nullptr, QStringLiteral("Informations ORV")};
  QLabel* title = box.findChild<QLabel*>(QStringLiteral("title_label"));
  QListWidget* lines = box.findChild<QListWidget*>(QStringLiteral("textEdit_msg"));
  QProgressBar* bar = box.findChild<QProgressBar*>(QStringLiteral("progressBar_counter"));
  QPushButton* exit = box.findChild<QPushButton*>(QStringLiteral("pB_Exit"));

  Page() {
    box.resize(640, 480);
    box.show();
  }
  std::vector<std::string> items() const {
    std::vector<std::string> out;
    for (int i = 0; i < lines->count(); ++i) out.push_back(lines->item(i)->text().toStdString());
    return out;
  }
  QList<QTimer*> timers() const { return box.findChildren<QTimer*>(); }
};

TEST(screenMsgBox, ShowsWhatWasSetSinceTheLastClearing) {
  testApplication();
  Page page;
  ASSERT_TRUE(page.title && page.lines && page.bar && page.exit);
  EXPECT_EQ(page.title->text().toStdString(), "Informations ORV");
  EXPECT_FALSE(page.lines->isVisible());
  EXPECT_FALSE(page.bar->isVisible());
  EXPECT_FALSE(page.exit->isVisible());
  EXPECT_EQ(page.bar->minimum(), 0);
  EXPECT_EQ(page.bar->maximum(), 100);
  EXPECT_EQ(page.exit->text().toStdString(), "Quitter");
  EXPECT_EQ(page.lines->editTriggers(), QAbstractItemView::NoEditTriggers);

  page.box.setBoxMessage(QStringLiteral("Demarrage du ORV v10.4.5"));
  page.box.appendBoxMessage(QStringLiteral("Chargement de la LANGUE:"));
  page.box.setBoxProgressBarAll(40, 0, 80);
  page.box.setButtonsState(true);
  EXPECT_TRUE(page.lines->isVisible());
  EXPECT_EQ(page.items(), (std::vector<std::string>{"Demarrage du ORV v10.4.5",
                                                    "Chargement de la LANGUE:"}));
  EXPECT_TRUE(page.bar->isVisible());
  EXPECT_EQ(page.bar->maximum(), 80);
  EXPECT_EQ(page.bar->value(), 40);
  page.box.setBoxProgressBarVal(60);
  EXPECT_EQ(page.bar->value(), 60);
  EXPECT_TRUE(page.exit->isVisible());
  saveScreen(&page.box, "screenMsgBox-lines-bar-button");

  page.box.clear_label();
  EXPECT_EQ(page.title->text().toStdString(), "");
  EXPECT_TRUE(page.lines->isVisible());
  EXPECT_EQ(page.lines->count(), 0);
  EXPECT_FALSE(page.bar->isVisible());
  EXPECT_FALSE(page.exit->isVisible());
  page.box.setBoxMessage(QStringLiteral("Analyse en cours..."));
  EXPECT_EQ(page.items(), (std::vector<std::string>{"Analyse en cours..."}));
}

TEST(screenMsgBox, OneSelfCloseAtATimeAndTheButtonEndsIt) {
  testApplication();
  Page page;
  QSignalSpy exits(&page.box, &screenMsgBox::sig_exit);

  page.box.exit_timer(8);
  page.box.exit_timer(900);  // the first deadline stands
  ASSERT_EQ(page.timers().size(), 1);
  EXPECT_EQ(page.timers().at(0)->interval(), 8000);
  EXPECT_TRUE(page.timers().at(0)->isActive());

  page.box.setBoxMessage(QStringLiteral("line"));
  page.box.setButtonsState(true);
  QTest::mouseClick(page.exit, Qt::LeftButton);
  EXPECT_EQ(exits.count(), 1);
  EXPECT_TRUE(page.timers().isEmpty());
  EXPECT_EQ(page.lines->count(), 0);
  EXPECT_FALSE(page.exit->isVisible());

  // A new self-close after that; its time-out ends the page like the button.
  page.box.exit_timer(900);
  ASSERT_EQ(page.timers().size(), 1);
  EXPECT_EQ(page.timers().at(0)->interval(), 900000);
  page.timers().at(0)->start(1);
  EXPECT_TRUE(exits.wait(2000));
  EXPECT_EQ(exits.count(), 2);
  EXPECT_TRUE(page.timers().isEmpty());
}

TEST(screenMsgBox, LanguageChangeEmptiesTheTitleAndKeepsTheLines) {
  testApplication();
  Page page;
  page.box.setBoxMessage(QStringLiteral("Demarrage du ORV v10.4.5"));
  QEvent change(QEvent::LanguageChange);
  QCoreApplication::sendEvent(&page.box, &change);
  EXPECT_EQ(page.title->text().toStdString(), "");
  EXPECT_EQ(page.items(), (std::vector<std::string>{"Demarrage du ORV v10.4.5"}));
  EXPECT_EQ(page.exit->text().toStdString(), "Quitter");
}

}  // namespace
