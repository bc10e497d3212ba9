#include "Sousrefoidisseur.h"

#include "ui_Sousrefoidisseur.h"
#include "wizardCopy.h"

namespace {
const char kKey[] = "CONFIG_FLAG_REFOIDISSEUR";
const char kGeneral[] = "General";
}  // namespace

Sousrefoidisseur::Sousrefoidisseur(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Sousrefoidisseur), config(config) {
  ui->setupUi(this);
  read_guiCFG();
}

Sousrefoidisseur::~Sousrefoidisseur() { delete ui; }

void Sousrefoidisseur::read_guiCFG() {
  // Any stored value but 0 means a subcooler is there.
  if (config->get<int>(kKey, 0, kGeneral) != 0)
    ui->ouiButton->setChecked(true);
  else
    ui->nonButton->setChecked(true);
}

void Sousrefoidisseur::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void Sousrefoidisseur::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  setWhenChanged(config, kKey, 0, ui->ouiButton->isChecked() ? 1 : 0);
}

void Sousrefoidisseur::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
