#include "hpfConfig_TCmini.h"

#include "hpfPageSupport.h"
#include "ui_hpfConfig_TCmini.h"

hpfConfig_TCmini::hpfConfig_TCmini(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_TCmini), hpfConfig(config) {
  ui->setupUi(this);
  ui->le_tcmini->setText(hpfNumberText(hpfConfig->TCmini));
}

hpfConfig_TCmini::~hpfConfig_TCmini() { delete ui; }

void hpfConfig_TCmini::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  ui->le_tcmini->setText(hpfNumberText(hpfConfig->TCmini));
}

void hpfConfig_TCmini::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  hpfConfig->TCmini = hpfTextToFloat(ui->le_tcmini->text());
}

void hpfConfig_TCmini::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
