// Taps on a page, and pictures of the pages as a test leaves them: build/screens/<page>-<state>.png, 640x480,
// so that anyone can look at every checked state without running the program.
#pragma once

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <QtTest/QTest>

#include <string>

#include "orv_test_sandbox.h"

// Shows `page` at 640x480 when it is not shown yet, lets it lay out and saves it.
inline void savePageScreen(QWidget& page, const std::string& name) {
  if (!page.isVisible()) {
    page.resize(640, 480);
    page.show();
  }
  QApplication::processEvents();
  const std::string dir = testBuildDir() + "/screens";
  QDir().mkpath(QString::fromStdString(dir));
  page.grab(QRect(0, 0, 640, 480)).save(QString::fromStdString(dir + "/" + name + ".png"));
}

// A tap at `pos` of `page`, delivered to the widget a finger would touch there.
inline void tapAt(QWidget& page, QPoint pos) {
  QWidget* target = page.childAt(pos);
  if (target == nullptr) target = &page;
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&page, pos));
}
