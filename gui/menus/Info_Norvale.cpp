#include "Info_Norvale.h"

#include "standInPage.h"

Info_Norvale::Info_Norvale(QWidget* parent) : QWidget(parent) {
  buildStandInBody(this, QStringLiteral("Info_Norvale"),
                   {{QStringLiteral("esc_InfoNorvaleButton"), QString(),
                     [this] { emit esc_InfoNorvale(); }}});
}

void Info_Norvale::setCurrentInfo(QString modules, QString dates) {
  modulesText = modules;
  datesText = dates;
}
