#include "Etalonnage.h"

#include "standInPage.h"

namespace {
// The calibration keeps the screen an hour.
constexpr int kCalibrationTimeoutMs = 3600000;
}  // namespace

Etalonnage::Etalonnage(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), config(config) {
  buildStandInBody(this, QStringLiteral("Etalonnage"),
                   {{QStringLiteral("calibStartButton"), QString(),
                     [this] { OnReloadTimer(kCalibrationTimeoutMs); }}});
}

void Etalonnage::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  OnReloadTimer(kCalibrationTimeoutMs);
}
