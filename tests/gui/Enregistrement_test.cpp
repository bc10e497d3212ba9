// The saving page: its title, and the progress bar that any thread may move.
#include <gtest/gtest.h>

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QThread>

#include "Enregistrement.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {
QProgressBar* progress(QWidget& page) { return page.findChild<QProgressBar*>("enrgprogressBar"); }
QLabel* title(QWidget& page) { return page.findChild<QLabel*>("labelentete"); }
}  // namespace

TEST(Enregistrement, TitleAndBarFollowTheReportedProgress) {
  testApplication();
  TestSandbox sandbox;
  WorkingDirectory cwd(prepareOrvqtWorkDir(sandbox));
  Enregistrement page(nullptr);
  EXPECT_EQ(title(page)->text().toStdString(), "Enregistrement de la configuration ");
  EXPECT_EQ(title(page)->font().pointSize(), 18);
  EXPECT_TRUE(title(page)->font().bold());
  EXPECT_EQ(title(page)->alignment(), Qt::AlignCenter);
  EXPECT_EQ(progress(page)->value(), 0);
  EXPECT_EQ(page.size(), QSize(640, 430));
  EXPECT_EQ(page.windowTitle().toStdString(), "Form");

  // From another thread the bar moves once the GUI thread handles the queued call.
  std::unique_ptr<QThread> worker(QThread::create([&page] { page.SetProgressValue(3, 10); }));
  worker->start();
  worker->wait();
  QCoreApplication::processEvents();
  EXPECT_EQ(progress(page)->maximum(), 10);
  EXPECT_EQ(progress(page)->value(), 3);
  page.SetProgressValue(7, 10);  // from the GUI thread: at once
  EXPECT_EQ(progress(page)->value(), 7);

  page.show();
  EXPECT_EQ(progress(page)->value(), 0);
  EXPECT_EQ(progress(page)->maximum(), 10);
  page.SetProgressValue(4, 10);
  saveScreen(&page, "Enregistrement");
  QSignalSpy timeouts(&page, SIGNAL(OnReloadConfTimerSignal(int)));
  page.hide();
  ASSERT_EQ(timeouts.count(), 1);
  EXPECT_EQ(timeouts.at(0).at(0).toInt(), 300000);

  title(page)->setText("x");
  QEvent change(QEvent::LanguageChange);
  QApplication::sendEvent(&page, &change);
  EXPECT_EQ(title(page)->text().toStdString(), "Enregistrement de la configuration ");
}
