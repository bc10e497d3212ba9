// The indicator square takes the on or off colour at each state change.
#include <gtest/gtest.h>

#include <QLabel>

#include "led_Rect.h"
#include "support/orvqt_workdir.h"

namespace {

TEST(led_Rect, StatePaintsTheSquareWithTheOnOrOffColour) {
  testApplication();
  led_Rect led(nullptr);
  auto* square = led.findChild<QLabel*>(QStringLiteral("label_ledColor"));
  auto* name = led.findChild<QLabel*>(QStringLiteral("label_ledName"));
  ASSERT_TRUE(square && name);
  EXPECT_EQ(led.objectName().toStdString(), "led_Rect");
  EXPECT_EQ(square->size(), QSize(15, 15));
  EXPECT_TRUE(square->autoFillBackground());

  led.setLedState(true);
  EXPECT_EQ(square->palette().color(QPalette::Window), QColor(Qt::green));
  led.setLedState(false);
  EXPECT_EQ(square->palette().color(QPalette::Window), QColor(Qt::gray));

  led.setLedColors(Qt::red, Qt::darkGray);
  EXPECT_EQ(square->palette().color(QPalette::Window), QColor(Qt::gray));  // until the next state
  led.setLedState(true);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    EXPECT_EQ(square->palette().color(group, QPalette::Window), QColor(Qt::red));
  led.setLedState(false);
  EXPECT_EQ(square->palette().color(QPalette::Window), QColor(Qt::darkGray));

  led.setLedName(QStringLiteral("Comp 1"));
  led.setLedNameTextSize(9);
  EXPECT_EQ(name->text().toStdString(), "Comp 1");
  EXPECT_EQ(name->font().pointSize(), 9);
  EXPECT_TRUE(name->font().bold());
}

}  // namespace
