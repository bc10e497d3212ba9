#include "OrvName.h"

#include "standInPage.h"

OrvName::OrvName(QWidget* parent, orv_configFile* config) : cConfigurationWidget(parent), config(config) {
  buildStandInBody(this, QStringLiteral("OrvName"), {

  });
}
