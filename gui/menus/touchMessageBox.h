// Question boxes of the menu pages are read and answered on the 640 x 480 touch panel:
// a larger text and buttons sized for a finger.
#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QMessageBox>
#include <QSize>

inline void fitForTouch(QMessageBox& box) {
  QFont font = box.font();
  font.setPointSize(16);
  box.setFont(font);
  for (QAbstractButton* button : box.buttons()) button->setMinimumSize(QSize(140, 56));
}
