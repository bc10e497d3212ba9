#include "orvQtTranslation.h"

#include <QCoreApplication>
#include <QDebug>
#include <QString>
#include <QTranslator>

bool installQtTranslation(const QString& language) {
  // One catalogue for the whole program, replaced on every language change.
  static QTranslator* qtTexts = new QTranslator;
  QCoreApplication::removeTranslator(qtTexts);
  // Qt's base texts, or the older catalogue of all its modules where only that one exists.
  for (const char* catalogue : {"qtbase_", "qt_"}) {
    const QString file = QStringLiteral("gui_langues/%1%2.qm").arg(QLatin1String(catalogue), language);
    if (qtTexts->load(file)) {
      QCoreApplication::installTranslator(qtTexts);
      return true;
    }
  }
  qDebug() << "no Qt translation for" << language;
  return false;
}
