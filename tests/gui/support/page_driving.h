// Driving a page as a technician does: a tap goes to the widget on top at that place, as
// on the touch screen (so a test also checks what covers what), and a picture is taken
// once the page has laid out the texts it was just given.
#pragma once

#include <QApplication>
#include <QPoint>
#include <QWidget>
#include <QtTest/QTest>

#include <string>

#include "support/screen_shot.h"

inline void tapAt(QWidget& page, QPoint pos) {
  QWidget* target = page.childAt(pos);
  if (target == nullptr) target = &page;
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&page, pos));
}

// saveScreen after the pending layout requests: a label given a longer text is widened
// by its layout only then.
inline void saveSettledScreen(QWidget& page, const std::string& name) {
  QApplication::processEvents();
  saveScreen(&page, name);
}
