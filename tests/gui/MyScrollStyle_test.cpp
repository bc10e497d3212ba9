// The wide scroll-bar style: 40-pixel bars and slider handles over Cleanlooks, set on the
// widgets that ask for it and never on the whole application.
#include <gtest/gtest.h>

#include <QDir>
#include <QScrollBar>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

#include "MyScrollStyle.h"
#include "support/orvqt_workdir.h"

TEST(MyScrollStyle, FortyPixelBarsAndHandlesOtherwiseCleanlooks) {
  testApplication();
  MyScrollStyle style;
  std::unique_ptr<QStyle> cleanlooks(QStyleFactory::create("Cleanlooks"));
  ASSERT_TRUE(cleanlooks) << "qt5-style-plugins is part of the build machine's packages";
  EXPECT_EQ(style.baseStyle()->objectName().toLower(), "cleanlooks");

  EXPECT_EQ(style.pixelMetric(QStyle::PM_ScrollBarExtent), 40);
  EXPECT_EQ(style.pixelMetric(QStyle::PM_SliderControlThickness), 40);
  for (QStyle::PixelMetric metric :
       {QStyle::PM_DefaultFrameWidth, QStyle::PM_ScrollBarSliderMin, QStyle::PM_ButtonMargin}) {
    SCOPED_TRACE(metric);
    EXPECT_EQ(style.pixelMetric(metric), cleanlooks->pixelMetric(metric));
  }
}

TEST(MyScrollStyle, WidensOnlyTheWidgetsItIsSetOn) {
  QApplication& app = testApplication();
  QStyle* appStyle = app.style();
  const int appExtent = appStyle->pixelMetric(QStyle::PM_ScrollBarExtent);

  QWidget page;
  page.resize(640, 480);
  auto* layout = new QVBoxLayout(&page);
  auto* wide = new QScrollBar(Qt::Horizontal);
  auto* vertical = new QScrollBar(Qt::Vertical);
  auto* plain = new QScrollBar(Qt::Horizontal);
  layout->addWidget(wide);
  layout->addWidget(vertical);
  layout->addWidget(plain);
  auto* style = new MyScrollStyle;  // one object serves several widgets of a page
  wide->setStyle(style);
  vertical->setStyle(style);

  EXPECT_EQ(wide->sizeHint().height(), 40);
  EXPECT_EQ(vertical->sizeHint().width(), 40);
  EXPECT_EQ(plain->sizeHint().height(), appExtent);
  EXPECT_EQ(app.style(), appStyle);

  page.show();
  QDir().mkpath(QString::fromStdString(testBuildDir() + "/screens"));
  page.grab().save(QString::fromStdString(testBuildDir() + "/screens/MyScrollStyle-wide-and-plain.png"));
  page.hide();
  delete style;
}
