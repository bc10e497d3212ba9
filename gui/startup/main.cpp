// Entry point of orvQT: display environment, language, translation, splash screen, then
// the main window, whose initialisation starts every service of the device.
#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QSplashScreen>
#include <QString>
#include <QTranslator>

#include <string>

#include "Langue.h"
#include "cORV.h"
#include "orvPanelStyle.h"
#include "orvStartup.h"
#include "orvVersion.h"

int main(int argc, char* argv[]) {
  setDisplayEnvironment();
  QApplication app(argc, argv);
  applyPanelStyle(app);
  // No pointer on the touchscreen (Qt 4 hid it through its window-system server).
  QApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
  QApplication::setWindowIcon(QIcon(QStringLiteral("gui_images/NORVALE_ICONE.png")));
  QTranslator translator;

  const QString version = QString::fromStdString(orv::versionText(orv::kVersionSplashFormat));

  std::string language;
  int found = openConfigFile("/home/ORV/config.conf", language);

  // First start: nothing is stored here, the chosen language travels on to the main window.
  if (found == 0 || language.empty() || language == "*") {
    Langue* languePage = new Langue(0, nullptr);
    languePage->set_Langue(QStringLiteral("fr"));
    languePage->showFullScreen();
    app.exec();  // ends when the page closes itself after a confirmed choice
    language = languePage->getLangue().toUtf8().toStdString();
    delete languePage;
  }

  const QString qmFile =
      QStringLiteral("%1orvQT_%2.qm").arg(QStringLiteral("gui_langues/"), QString::fromStdString(language));
  if (!translator.load(qmFile)) translator.load(qmFile);
  app.installTranslator(&translator);

  QSplashScreen* splash = new QSplashScreen();
  splash->setPixmap(QPixmap(QStringLiteral("gui_images/start_logo.png")));
  splash->showMessage(QStringLiteral("\n\n\nORV en cours de demarrage, veuillez patienter ....\n\n"
                                     "ORV is Starting, please wait...\n\n") +
                          version + QStringLiteral("\n"),
                      Qt::AlignTop | Qt::AlignHCenter, Qt::blue);
  splash->show();

  cORV* mainWindow = new cORV(nullptr);
  // Without a window manager (a bare X server) full screen alone does not size the window.
  if (QScreen* screen = QGuiApplication::primaryScreen()) mainWindow->setGeometry(screen->geometry());
  mainWindow->showFullScreen();
  if (mainWindow->On_initAll(language) != 0) {
    splash->finish(mainWindow);
    delete splash;
  }

  int exitCode = app.exec();
  delete mainWindow;
  return exitCode;
}
