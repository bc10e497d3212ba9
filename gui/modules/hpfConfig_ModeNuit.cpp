#include "hpfConfig_ModeNuit.h"

#include <cmath>

#include "hpfPageSupport.h"
#include "ui_hpfConfig_ModeNuit.h"

namespace {
constexpr int kAllStagesVariation = 2;  // regulation mode the night-mode limits apply to
}  // namespace

hpfConfig_ModeNuit::hpfConfig_ModeNuit(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_ModeNuit), hpfConfig(config) {
  ui->setupUi(this);
  loadConfig();
  connect(ui->spinBox_mA_Volts, SIGNAL(valueChanged(int)), this, SLOT(onMaxiValueChanged(int)));
}

hpfConfig_ModeNuit::~hpfConfig_ModeNuit() { delete ui; }

// 100 % is 20 mA or 10 V; the limits set from the percentage are whole numbers.
void hpfConfig_ModeNuit::onMaxiValueChanged(int value) {
  ui->le_mA_max->setText(QStringLiteral("%1").arg(value / 5));
  ui->le_volt_max->setText(QStringLiteral("%1").arg(value / 10));
}

// The record holds no percentage: it is derived from the mA limit at every load. A
// percentage equal to the one shown leaves the two fields as loaded.
void hpfConfig_ModeNuit::loadConfig() {
  ui->le_mA_max->setText(hpfNumberText(hpfConfig->mAMax));
  ui->le_volt_max->setText(hpfNumberText(hpfConfig->voltMax));
  // Truncated toward zero; a value no int holds (a damaged file) shows the minimum.
  float percent = hpfConfig->mAMax * 5.0f;
  bool usable = std::isfinite(percent) && std::fabs(percent) < 1e6f;
  ui->spinBox_mA_Volts->setValue(usable ? static_cast<int>(percent) : 0);
  ui->doubleSpinBox_HPmaxNuit->setValue(hpfConfig->hpMax);
  setEnabled(hpfConfig->regulMode == kAllStagesVariation);
}

void hpfConfig_ModeNuit::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  emit OnEnableNextBtn(true);
  loadConfig();
}

void hpfConfig_ModeNuit::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  hpfConfig->mAMax = hpfTextToFloat(ui->le_mA_max->text());
  hpfConfig->voltMax = hpfTextToFloat(ui->le_volt_max->text());
  hpfConfig->hpMax = static_cast<float>(ui->doubleSpinBox_HPmaxNuit->value());
}

void hpfConfig_ModeNuit::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
