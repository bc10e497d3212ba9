// The base of the configuration pages: full screen and blank pointer when shown, one
// 300000 ms timeout request on every hide, and the relay of a page's requests.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>

#include "cConfigurationWidget.h"
#include "support/orvqt_workdir.h"
#include "support/screen_shot.h"

namespace {

// A page as the derived pages are written: the base's show handling runs first.
class SamplePage : public cConfigurationWidget {
public:
  explicit SamplePage(QWidget* parent = nullptr) : cConfigurationWidget(parent) {
    new QLabel(QStringLiteral("SamplePage"), this);
  }
  Qt::WindowStates stateAtReload;
  int reloads = 0;

protected:
  void showEvent(QShowEvent* e) override {
    cConfigurationWidget::showEvent(e);
    stateAtReload = windowState();
    ++reloads;
  }
};

TEST(cConfigurationWidget, ShownInAStackItIsFullScreenBeforeItsReloadWithABlankPointer) {
  testApplication();
  QStackedWidget stack;
  stack.resize(640, 480);
  auto* other = new QWidget;
  auto* page = new SamplePage;
  stack.addWidget(other);
  stack.addWidget(page);
  stack.show();
  QSignalSpy requests(page, &cConfigurationWidget::OnReloadConfTimerSignal);

  stack.setCurrentWidget(page);
  EXPECT_EQ(page->reloads, 1);
  EXPECT_TRUE(page->stateAtReload & Qt::WindowFullScreen);
  EXPECT_EQ(page->cursor().shape(), Qt::BlankCursor);
  saveScreen(&stack, "cConfigurationWidget-shown");

  stack.setCurrentWidget(other);
  ASSERT_EQ(requests.count(), 1);
  EXPECT_EQ(requests.at(0).at(0).toInt(), 300000);
}

TEST(cConfigurationWidget, RelaysTimeoutRequestsWithFiveMinutesByDefault) {
  testApplication();
  cConfigurationWidget frame;
  QSignalSpy requests(&frame, &cConfigurationWidget::OnReloadConfTimerSignal);

  ASSERT_TRUE(QMetaObject::invokeMethod(&frame, "OnReloadTimer"));
  ASSERT_TRUE(QMetaObject::invokeMethod(&frame, "OnReloadTimer", Q_ARG(int, 3600000)));
  ASSERT_EQ(requests.count(), 2);
  EXPECT_EQ(requests.at(0).at(0).toInt(), 300000);
  EXPECT_EQ(requests.at(1).at(0).toInt(), 3600000);

  // A frame's page that hides passes one request through the frame's relay.
  QStackedWidget stack;
  auto* first = new SamplePage;
  auto* second = new SamplePage;
  stack.addWidget(first);
  stack.addWidget(second);
  QObject::connect(first, SIGNAL(OnReloadConfTimerSignal(int)), &frame, SLOT(OnReloadTimer(int)));
  stack.show();
  requests.clear();
  stack.setCurrentWidget(second);
  ASSERT_EQ(requests.count(), 1);
  EXPECT_EQ(requests.at(0).at(0).toInt(), 300000);
}

}  // namespace
