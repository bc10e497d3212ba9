#include "Colonne.h"

#include <string>

#include "orv_configFile.h"
#include "ui_Colonne.h"

namespace {
const char kTypeKey[] = "CONFIG_COLUMN_TYPE";
const char kDiameterKey[] = "CONFIG_DIAM_TUBE";
const char kFluidKey[] = "CONFIG_FLUID";
const char kGeneral[] = "General";
const char kCopper[] = "1 5/8";
const char kCopperK65[] = "1 5/8 K65";
const char kStainless[] = "40x2";
}  // namespace

Colonne::Colonne(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Colonne), config(config) {
  ui->setupUi(this);
  ui->cuivre->setChecked(true);
  read_guiCFG();
}

Colonne::~Colonne() { delete ui; }

void Colonne::read_guiCFG() {
  // The whole text: "1 5/8 K65" holds blanks.
  const std::string type = config->getCString(kTypeKey, kCopper, kGeneral);
  const std::string fluid = config->get<std::string>(kFluidKey, "R404A", kGeneral);
  // CO2 plants run at pressures only the K65 copper tube is made for.
  if (fluid == "CO2" || type == kCopperK65)
    ui->cuivreK65->setChecked(true);
  else if (type == kStainless)
    ui->inox->setChecked(true);
  else
    ui->cuivre->setChecked(true);
}

void Colonne::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void Colonne::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  std::string type = kCopper;
  float diameter = 38.22f;  // inner diameter, mm
  if (ui->cuivreK65->isChecked()) {
    type = kCopperK65;
    diameter = 35.87f;
  } else if (ui->inox->isChecked()) {
    type = kStainless;
    diameter = 36.0f;
  }
  if (type == config->getCString(kTypeKey, kCopper, kGeneral)) return;
  config->set<std::string>(kTypeKey, type, kGeneral);
  config->set<float>(kDiameterKey, diameter, kGeneral);
}

void Colonne::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
