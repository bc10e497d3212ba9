#include "Alarmeclassique.h"

#include <QScrollBar>

#include "MyScrollStyle.h"
#include "standInPage.h"
#include "wizardStandIn.h"

Alarmeclassique::Alarmeclassique(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), config(config) {
  buildStandInBody(this, QStringLiteral("Alarmeclassique"), {});
  copyValues = addCopyValuesLabel(this);
  auto* bar = new QScrollBar(Qt::Horizontal, this);
  bar->setObjectName(QStringLiteral("poidsScrollBar"));
  bar->setGeometry(12, 380, 616, 45);
  auto* wide = new MyScrollStyle;
  wide->setParent(this);
  bar->setStyle(wide);
}

void Alarmeclassique::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  showCopyValues(copyValues, config,
                 {"CONFIG_TANK_TYPE", "CONFIG_TANK_NUMBER", "CONFIG_HEIGHT", "CONFIG_DIAMETRE"});
}
