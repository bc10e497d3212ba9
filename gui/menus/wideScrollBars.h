// The lists of the information pages scroll under a finger: the list and its two scroll
// bars take one MyScrollStyle, owned by the page and created after its form, so that it
// outlives the widgets it is set on.
#pragma once

#include <QAbstractScrollArea>
#include <QScrollBar>

#include "MyScrollStyle.h"

inline void setWideScrollBars(QAbstractScrollArea* list, QWidget* page) {
  auto* style = new MyScrollStyle;
  style->setParent(page);
  list->setStyle(style);
  list->verticalScrollBar()->setStyle(style);
  list->horizontalScrollBar()->setStyle(style);
}
