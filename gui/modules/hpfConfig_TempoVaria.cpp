#include "hpfConfig_TempoVaria.h"

#include "hpfPageSupport.h"
#include "ui_hpfConfig_TempoVaria.h"

hpfConfig_TempoVaria::hpfConfig_TempoVaria(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_TempoVaria), hpfConfig(config) {
  ui->setupUi(this);
  loadConfig();
}

hpfConfig_TempoVaria::~hpfConfig_TempoVaria() { delete ui; }

void hpfConfig_TempoVaria::loadConfig() {
  ui->le_TVM->setText(QStringLiteral("%1").arg(hpfConfig->TVM));
  ui->le_TVD->setText(QStringLiteral("%1").arg(hpfConfig->TVD));
}

void hpfConfig_TempoVaria::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  emit OnEnableNextBtn(true);
  loadConfig();
}

void hpfConfig_TempoVaria::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  hpfConfig->TVM = hpfTextToUInt(ui->le_TVM->text());
  hpfConfig->TVD = hpfTextToUInt(ui->le_TVD->text());
}

void hpfConfig_TempoVaria::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
