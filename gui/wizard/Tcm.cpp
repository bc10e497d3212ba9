#include "Tcm.h"

#include "standInPage.h"

Tcm::Tcm(QWidget* parent, orv_configFile* config) : cConfigurationWidget(parent), config(config) {
  buildStandInBody(
      this, QStringLiteral("Tcm"),
      {{QStringLiteral("nextOffButton"), QString(), [this] { emit OnEnableNextBtn(false); }},
       {QStringLiteral("nextOnButton"), QString(), [this] { emit OnEnableNextBtn(true); }}});
}
