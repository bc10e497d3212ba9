#include "Capteurhp.h"

#include "standInPage.h"

Capteurhp::Capteurhp(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), config(config) {
  buildStandInBody(this, QStringLiteral("Capteurhp"),
                   {

                   });
}
