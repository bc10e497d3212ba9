#include "orvPanelStyle.h"

#include <QApplication>
#include <QString>

void applyPanelStyle(QApplication& app) {
  Q_UNUSED(app);
  // The device's look; without the style plugin Qt's default style stays.
  QApplication::setStyle(QStringLiteral("cleanlooks"));
}
