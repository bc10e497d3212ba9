// A modal message box that closes itself after a time-out: the wrong-code notice and the
// relearning notices use it so that an unattended screen never stays behind a box.
#pragma once

#include <QFont>
#include <QMessageBox>

class cMessageBox : public QMessageBox {
  Q_OBJECT

public:
  // What the time-out does to the box: accept it, reject it, or (any other value) close it.
  enum TimeoutAction { TimeoutClose = 0, TimeoutAccept = 1, TimeoutReject = 2 };

  cMessageBox(Icon icon, const QString& title, const QString& text,
              StandardButtons buttons = NoButton, QWidget* parent = nullptr,
              Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

  // Run a box without parent modally until a button is pressed or, when `timeoutMs` is
  // above 0, until the time-out applies `action`. The outcome is not passed back.
  static void critical(const QString& title, const QString& text, StandardButtons buttons,
                       int timeoutMs, TimeoutAction action, const QFont& font);
  static void information(const QString& title, const QString& text, StandardButtons buttons,
                          int timeoutMs, TimeoutAction action, const QFont& font);
  static void warning(const QString& title, const QString& text, StandardButtons buttons,
                      int timeoutMs, TimeoutAction action, const QFont& font);

private:
  static void runWithTimeout(Icon icon, const QString& title, const QString& text,
                             StandardButtons buttons, int timeoutMs, TimeoutAction action,
                             const QFont& font);
};
