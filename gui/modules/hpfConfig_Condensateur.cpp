#include "hpfConfig_Condensateur.h"

#include "hpfPageSupport.h"
#include "ui_hpfConfig_Condensateur.h"

hpfConfig_Condensateur::hpfConfig_Condensateur(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_Condensateur), hpfConfig(config) {
  ui->setupUi(this);
  loadConfig();
}

hpfConfig_Condensateur::~hpfConfig_Condensateur() { delete ui; }

void hpfConfig_Condensateur::loadConfig() {
  ui->le_temp_ext->setText(hpfNumberText(hpfConfig->TES));
  ui->le_dt_reel->setText(hpfNumberText(hpfConfig->Dt));
}

void hpfConfig_Condensateur::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  loadConfig();
}

void hpfConfig_Condensateur::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  hpfConfig->TES = hpfTextToFloat(ui->le_temp_ext->text());
  hpfConfig->Dt = hpfTextToFloat(ui->le_dt_reel->text());
}

void hpfConfig_Condensateur::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
