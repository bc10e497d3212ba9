#include "hpfConfig_InfoOnComp.h"

#include "ui_hpfConfig_InfoOnComp.h"

hpfConfig_InfoOnComp::hpfConfig_InfoOnComp(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_InfoOnComp), hpfConfig(config) {
  ui->setupUi(this);
  compOnSource = 0;
  setCompON_InfoMode();
  connect(ui->rb_retour_comp_orv, SIGNAL(toggled(bool)), this, SLOT(retORV(bool)));
  connect(ui->rb_retour_comp_hpf, SIGNAL(toggled(bool)), this, SLOT(retHPF(bool)));
  connect(ui->rb_retour_comp_energie, SIGNAL(toggled(bool)), this, SLOT(retENER(bool)));
}

hpfConfig_InfoOnComp::~hpfConfig_InfoOnComp() { delete ui; }

// Any value but 1 or 2 is the controller's information.
void hpfConfig_InfoOnComp::setCompON_InfoMode() {
  switch (hpfConfig->compOnInfoMode) {
    case 1:
      ui->rb_retour_comp_hpf->setChecked(true);
      compOnSource = 1;
      break;
    case 2:
      ui->rb_retour_comp_energie->setChecked(true);
      compOnSource = 2;
      break;
    default:
      ui->rb_retour_comp_orv->setChecked(true);
      compOnSource = 0;
      break;
  }
}

void hpfConfig_InfoOnComp::retORV(bool checked) {
  if (!checked) return;
  ui->rb_retour_comp_hpf->setChecked(false);
  ui->rb_retour_comp_energie->setChecked(false);
  compOnSource = 0;
}

void hpfConfig_InfoOnComp::retHPF(bool checked) {
  if (!checked) return;
  ui->rb_retour_comp_orv->setChecked(false);
  ui->rb_retour_comp_energie->setChecked(false);
  compOnSource = 1;
}

void hpfConfig_InfoOnComp::retENER(bool checked) {
  if (!checked) return;
  ui->rb_retour_comp_orv->setChecked(false);
  ui->rb_retour_comp_hpf->setChecked(false);
  compOnSource = 2;
}

void hpfConfig_InfoOnComp::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  setCompON_InfoMode();
}

void hpfConfig_InfoOnComp::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  hpfConfig->compOnInfoMode = static_cast<uint8_t>(compOnSource);
}

void hpfConfig_InfoOnComp::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
