// A press on the label is reported once and kept from its parent.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "ClickableLabel.h"
#include "support/orvqt_workdir.h"

namespace {

class PressCounter : public QWidget {
public:
  int presses = 0;

protected:
  void mousePressEvent(QMouseEvent*) override { ++presses; }
};

TEST(ClickableLabel, OnePressOneClickAndTheParentGetsNone) {
  testApplication();
  PressCounter parent;
  auto* label = new ClickableLabel(QStringLiteral("12.5"), &parent);
  parent.resize(200, 100);
  label->setGeometry(10, 10, 100, 30);
  parent.show();
  QSignalSpy clicks(label, &ClickableLabel::clicked);

  QTest::mousePress(label, Qt::LeftButton);
  QTest::mouseRelease(label, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(parent.presses, 0);

  label->setTextLabel(QStringLiteral("13.0"));
  label->setLabelStyleSheet(QStringLiteral("color: red;"));
  EXPECT_EQ(label->text().toStdString(), "13.0");
  EXPECT_EQ(label->styleSheet().toStdString(), "color: red;");
}

}  // namespace
