#include "CopyFilesToUSB.h"

#include "standInPage.h"

CopyFilesToUSB::CopyFilesToUSB(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("CopyFilesToUSB"),
                   {
       {QStringLiteral("sig_usbExitButton"), QString(), [this] { emit sig_usbExit(); }}
                   });
}
