#include "cORV.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QSplashScreen>

#include "entry_log.h"
#include "orv_classPtr.h"

namespace {
QSplashScreen* splashScreen() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* splash = qobject_cast<QSplashScreen*>(widget)) return splash;
  return nullptr;
}
}  // namespace

cORV::cORV(QWidget* parent) : QWidget(parent) {
  entryLog(QStringLiteral("cORV(parent=%1)").arg(parent ? "set" : "null"));
  Singleton<orv_classPtr>::ptr()->mainWindow = this;
}

cORV::~cORV() { entryLog(QStringLiteral("~cORV")); }

void cORV::showEvent(QShowEvent* event) {
  entryLog(QStringLiteral("cORV shown fullScreen=%1").arg(isFullScreen()));
  QWidget::showEvent(event);
}

int cORV::On_initAll(std::string language) {
  entryLog(QStringLiteral("On_initAll(\"%1\")").arg(QString::fromStdString(language)));
  entryLog(QStringLiteral("registered=%1").arg(Singleton<orv_classPtr>::ptr()->mainWindow == this));
  // The translation the entry point installed, seen through one text of this window.
  entryLog(QStringLiteral("tr(Informations ORV)=") +
           quoted(QCoreApplication::translate("cORV", "Informations ORV")));
  const QCursor* cursor = QApplication::overrideCursor();
  entryLog(QStringLiteral("blankCursor=%1").arg(cursor && cursor->shape() == Qt::BlankCursor));
  entryLog(QStringLiteral("windowIcon=%1").arg(!QApplication::windowIcon().isNull()));
  QSplashScreen* splash = splashScreen();
  entryLog(QStringLiteral("splash visible=%1 picture=%2 message=%3")
               .arg(splash && splash->isVisible())
               .arg(splash && !splash->pixmap().isNull())
               .arg(quoted(splash ? splash->message() : QString())));
  reportFromEventLoop();
  return 1;
}

// When the entry point's last event loop first waits for events (the splash screen's
// finish only processes pending ones), reports whether the splash screen is gone and
// ends that loop with 7.
void cORV::reportFromEventLoop() {
  auto* connection = new QMetaObject::Connection;
  *connection = QObject::connect(
      QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
      [connection] {
        QObject::disconnect(*connection);
        delete connection;
        entryLog(QStringLiteral("event loop: splash=%1").arg(splashScreen() ? "present" : "gone"));
        QCoreApplication::exit(7);
      });
}
