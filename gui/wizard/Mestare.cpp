#include "Mestare.h"

#include "standInPage.h"
#include "wizardStandIn.h"

Mestare::Mestare(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), config(config) {
  buildStandInBody(
      this, QStringLiteral("Mestare"),
      {{QStringLiteral("nextOffButton"), QString(), [this] { emit OnEnableNextBtn(false); }},
       {QStringLiteral("nextOnButton"), QString(), [this] { emit OnEnableNextBtn(true); }}});
  copyValues = addCopyValuesLabel(this);
}

void Mestare::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  showCopyValues(copyValues, config,
                 {"CONFIG_TANK_TYPE", "CONFIG_HEIGHT", "CONFIG_DIAMETRE", "CONFIG_COLUMN_TYPE"});
}
