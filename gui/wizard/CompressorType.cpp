#include "CompressorType.h"

#include <string>

#include "ui_CompressorType.h"
#include "wizardCopy.h"

namespace {
const char kTypeKey[] = "z11_CONFIG_TYPE_COMPRESSEUR";
const char kGeneral[] = "General";
}  // namespace

CompressorType::CompressorType(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_CompressorType), config(config), compressorType(0) {
  ui->setupUi(this);
  read_guiCFG();
}

CompressorType::~CompressorType() { delete ui; }

void CompressorType::read_guiCFG() {
  compressorType = config->get<int>(kTypeKey, 0, kGeneral);
  const std::string fluid = config->get<std::string>("CONFIG_FLUID", "R404A", kGeneral);
  if (fluid == "CO2") {
    // CO2 compressors are piston compressors: the other two cannot be chosen.
    ui->piston->setChecked(true);
    ui->vis->setEnabled(false);
    ui->scroll->setEnabled(false);
    return;
  }
  ui->vis->setEnabled(true);
  ui->scroll->setEnabled(true);
  // An unknown code leaves the selection as it is.
  if (compressorType == 0) ui->piston->setChecked(true);
  else if (compressorType == 1) ui->vis->setChecked(true);
  else if (compressorType == 2) ui->scroll->setChecked(true);
}

void CompressorType::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void CompressorType::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  if (ui->piston->isChecked()) compressorType = 0;
  else if (ui->vis->isChecked()) compressorType = 1;
  else if (ui->scroll->isChecked()) compressorType = 2;
  setWhenChanged(config, kTypeKey, 0, compressorType);
}

void CompressorType::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
