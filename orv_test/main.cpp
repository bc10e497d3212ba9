// orv_test: the factory bench-test program that a new controller runs in place of orvQT
// until its three bench runs have passed.
#include <QApplication>

#include "MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // A touchscreen: no pointer on the panel.
  QApplication::setOverrideCursor(Qt::BlankCursor);
  MainWindow window;
  window.show();
  return app.exec();
}
