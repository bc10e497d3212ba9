#include "Sensstat.h"

#include "standInPage.h"
#include "wizardStandIn.h"

Sensstat::Sensstat(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), config(config) {
  buildStandInBody(this, QStringLiteral("Sensstat"), {});
  copyValues = addCopyValuesLabel(this);
}

void Sensstat::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  showCopyValues(copyValues, config, {"CONFIG_CONSIGNE_BP", "REGLAGE_ALARM_3JOURS"});
}
