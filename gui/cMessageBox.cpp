#include "cMessageBox.h"

#include <QTimer>

cMessageBox::cMessageBox(Icon icon, const QString& title, const QString& text,
                         StandardButtons buttons, QWidget* parent, Qt::WindowFlags flags)
    : QMessageBox(icon, title, text, buttons, parent, flags) {}

void cMessageBox::critical(const QString& title, const QString& text, StandardButtons buttons,
                           int timeoutMs, TimeoutAction action, const QFont& font) {
  runWithTimeout(Critical, title, text, buttons, timeoutMs, action, font);
}

void cMessageBox::information(const QString& title, const QString& text,
                              StandardButtons buttons, int timeoutMs, TimeoutAction action,
                              const QFont& font) {
  runWithTimeout(Information, title, text, buttons, timeoutMs, action, font);
}

void cMessageBox::warning(const QString& title, const QString& text, StandardButtons buttons,
                          int timeoutMs, TimeoutAction action, const QFont& font) {
  runWithTimeout(Warning, title, text, buttons, timeoutMs, action, font);
}

void cMessageBox::runWithTimeout(Icon icon, const QString& title, const QString& text,
                                 StandardButtons buttons, int timeoutMs, TimeoutAction action,
                                 const QFont& font) {
  cMessageBox box(icon, title, text, buttons, nullptr,
                  Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  box.setFont(font);
  if (timeoutMs > 0) {
    // A child of the box, so that it goes with the box whatever ends the dialog.
    auto* timer = new QTimer(&box);
    timer->setSingleShot(true);
    timer->setInterval(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, &box, [&box, action]() {
      switch (action) {
        case TimeoutAccept: box.accept(); break;
        case TimeoutReject: box.reject(); break;
        default: box.close(); break;
      }
    });
    timer->start();
  }
  box.exec();
}
