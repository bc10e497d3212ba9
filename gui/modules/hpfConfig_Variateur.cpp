#include "hpfConfig_Variateur.h"

#include "hpfPageSupport.h"
#include "ui_hpfConfig_Variateur.h"

hpfConfig_Variateur::hpfConfig_Variateur(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_Variateur), hpfConfig(config) {
  ui->setupUi(this);
  ui->comboBox_RegulType->addItem(tr("Pas de variateur de vitesse"));
  ui->comboBox_RegulType->addItem(tr("Variation de vitesse sur le premier etage de condensation"));
  ui->comboBox_RegulType->addItem(tr("Variation de vitesse sur tous les etages de ventilation"));
  ui->comboBox_VariaType->addItem(tr("en Volts"));
  ui->comboBox_VariaType->addItem(tr("en mA"));
  ui->comboBox_VariaType->setEnabled(false);
  ui->cb_varia_vitesse_retour->setEnabled(false);
  loadConfig();
  connect(ui->cb_varia_vitesse_retour, SIGNAL(toggled(bool)), this, SLOT(changeVariaReturn(bool)));
  connect(ui->comboBox_RegulType, SIGNAL(currentIndexChanged(int)), this,
          SLOT(onChangeRegulType(int)));
  connect(ui->comboBox_VariaType, SIGNAL(currentIndexChanged(int)), this,
          SLOT(onChangeVariaType(int)));
}

hpfConfig_Variateur::~hpfConfig_Variateur() { delete ui; }

void hpfConfig_Variateur::loadConfig() {
  onChangeRegulType(hpfConfig->regulMode);
  onChangeVariaType(hpfConfig->variateur);
}

void hpfConfig_Variateur::changeRegulMode(bool state) { ui->comboBox_VariaType->setEnabled(state); }

void hpfConfig_Variateur::changeVariaReturn(bool state) {
  ui->label_puissance->setEnabled(state);
  ui->le_puissance_watts->setEnabled(state);
  ui->label_watt->setEnabled(state);
  ui->le_puissance_watts->setText(hpfNumberText(hpfConfig->pMaxVaria));
}

void hpfConfig_Variateur::onChangeVariaType(int typeVaria) {
  ui->cb_varia_vitesse_retour->setChecked(hpfConfig->rInfoVariateur != 0);
  changeVariaReturn(typeVaria == 1);
  ui->cb_varia_vitesse_retour->setEnabled(typeVaria == 1);
  // A stored type outside the list shows, and is stored back as, its first item.
  if (typeVaria < 0 || typeVaria >= ui->comboBox_VariaType->count()) typeVaria = 0;
  ui->comboBox_VariaType->setCurrentIndex(typeVaria);
}

void hpfConfig_Variateur::onChangeRegulType(int typeRegul) {
  if (typeRegul == 0) {
    changeRegulMode(false);
    ui->plainTextEdit->setEnabled(false);
  } else if (typeRegul == 1 || typeRegul == 2) {
    changeRegulMode(true);
    onChangeVariaType(hpfConfig->variateur);
    ui->plainTextEdit->setEnabled(true);
  }
  if (typeRegul < 0 || typeRegul >= ui->comboBox_RegulType->count()) typeRegul = 0;
  ui->comboBox_RegulType->setCurrentIndex(typeRegul);
}

void hpfConfig_Variateur::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  loadConfig();
}

void hpfConfig_Variateur::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  hpfConfig->regulMode = static_cast<uint8_t>(qMax(0, ui->comboBox_RegulType->currentIndex()));
  hpfConfig->variateur = static_cast<uint8_t>(qMax(0, ui->comboBox_VariaType->currentIndex()));
  hpfConfig->rInfoVariateur = ui->cb_varia_vitesse_retour->isChecked() ? 1 : 0;
  hpfConfig->pMaxVaria = hpfTextToFloat(ui->le_puissance_watts->text());
}

void hpfConfig_Variateur::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
