#include "Langue.h"

#include <QTimer>

#include <cstdlib>

#include "entry_log.h"

Langue::Langue(int mode, QWidget* parent) : QWidget(parent) {
  entryLog(QStringLiteral("Langue(%1, parent=%2)").arg(mode).arg(parent ? "set" : "null"));
}

Langue::~Langue() { entryLog(QStringLiteral("~Langue")); }

void Langue::set_Langue(QString code) {
  entryLog(QStringLiteral("set_Langue(\"%1\")").arg(code));
  langueCode = code;
}

void Langue::showEvent(QShowEvent* event) {
  entryLog(QStringLiteral("Langue shown fullScreen=%1 langue=\"%2\"").arg(isFullScreen()).arg(langueCode));
  QWidget::showEvent(event);
  QTimer::singleShot(0, this, [this] {
    const char* choice = std::getenv("ORV_TEST_LANGUE_CHOICE");
    if (choice && *choice) langueCode = QString::fromUtf8(choice);
    entryLog(QStringLiteral("Langue confirmed \"%1\"").arg(langueCode));
    close();
  });
}
