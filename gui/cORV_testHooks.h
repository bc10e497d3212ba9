// Hooks of the host build that let a test or a rehearsal see what the window shows, off
// unless asked for by the environment (never in the device build):
//  - ORV_SCREENSHOT_DIR=DIR: 500 ms after the window is first shown and after every page
//    change while it is shown, the whole screen goes to DIR/NNN-<page>.png ("[screenshot]
//    <path>" on stdout); SIGUSR1 takes one more, NNN-signal.png.
//  - ORV_UI_DUMP=FILE: at the same moments and on SIGUSR2, FILE is replaced by a dump of the
//    current page (its member name, the inactivity timer, the worker pauses) and of its
//    visible named widgets and the other visible windows, one TAB-separated line each.
//  - with either of them, SIGALRM makes the inactivity timer run out at once, as if the
//    stored timeout had passed.
#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;
class cORV;

class cORVTestHooks : public QObject {
  Q_OBJECT

public:
  // The hooks when one of the two variables is set (host build), otherwise null.
  static cORVTestHooks* installWhenAsked(cORV* window);
  ~cORVTestHooks() override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
  void onPageChanged();
  void onSettled();
  void onSignal();

private:
  cORVTestHooks(cORV* window, const QString& shotDir, const QString& dumpFile);
  void takeScreenshot(const QString& label);
  void writeDump();

  cORV* window_;
  QString shotDir_;
  QString dumpFile_;
  int shots_ = 0;
  bool shown_ = false;
  QTimer* settle_;
  QSocketNotifier* signalNotifier_ = nullptr;
};
