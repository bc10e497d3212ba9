#include "AutoTest.h"

#include "standInPage.h"

AutoTest::AutoTest(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("AutoTest"),
                   {
       {QStringLiteral("esc_AutoTestButton"), QString(), [this] { emit esc_AutoTest(); }}
                   });
}
