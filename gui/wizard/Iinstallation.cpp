#include "Iinstallation.h"

#include <string>

#include "MyScrollStyle.h"
#include "ui_Iinstallation.h"
#include "wizardCopy.h"

namespace {
const char kGeneral[] = "General";
const char kCondenserKey[] = "CONFIG_VOLUME_CONDENSEUR";
const char kChargeKey[] = "CONFIG_CHARGE_FLUIDE";
const char kReceiverKey[] = "CONFIG_VOLUME_RESERVOIR";

QString cubicDecimetres(int value) { return QString::number(value) + QStringLiteral(" dm3"); }
QString kilograms(int value) { return QString::number(value) + QStringLiteral(" Kg"); }
}  // namespace

Iinstallation::Iinstallation(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Iinstallation), config(config) {
  ui->setupUi(this);
  auto* wide = new MyScrollStyle;
  wide->setParent(this);
  ui->Condenseur_ScrollBar->setStyle(wide);
  ui->Fluide_ScrollBar->setStyle(wide);
  ui->Volume_ScrollBar->setStyle(wide);
  ui->Condenseur_ScrollBar->setRange(10, 1200);
  ui->Fluide_ScrollBar->setRange(10, 2000);
  ui->Volume_ScrollBar->setRange(10, 1200);
  read_guiCFG();
}

Iinstallation::~Iinstallation() { delete ui; }

void Iinstallation::read_guiCFG() {
  const int condenser = config->get<int>(kCondenserKey, 0, kGeneral);
  const int charge = config->get<int>(kChargeKey, 0, kGeneral);
  const int receiver = config->get<int>(kReceiverKey, 0, kGeneral);
  const int tankNumber = config->get<int>("CONFIG_TANK_NUMBER", 1, kGeneral);
  const std::string fluid = config->get<std::string>("CONFIG_FLUID", "R404A", kGeneral);
  const int transcritical = config->get<int>("CONFIG_TRANSCRITIQUE", 1, kGeneral);

  // A transcritical CO2 plant rejects its heat in a gas cooler.
  ui->VolumeCondenseur_label->setText(fluid == "CO2" && transcritical == 1
                                          ? tr("Volume interne Gas Cooler")
                                          : tr("Volume interne Condenseur(s)"));
  ui->VolumeReservoir_label->setText(tankNumber < 2 ? tr("Volume du reservoir")
                                                    : tr("Volume d'un reservoir"));
  ui->Condenseur_ScrollBar->setValue(condenser);
  ui->Fluide_ScrollBar->setValue(charge);
  ui->Volume_ScrollBar->setValue(receiver);
  // The labels show the stored values, also beyond the bars' ranges.
  ui->Condvalue_label->setText(cubicDecimetres(condenser));
  ui->Fluidevalue_label->setText(kilograms(charge));
  ui->Volume_label->setText(cubicDecimetres(receiver));
}

void Iinstallation::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void Iinstallation::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  setWhenChanged(config, kCondenserKey, 0, ui->Condenseur_ScrollBar->value());
  setWhenChanged(config, kChargeKey, 0, ui->Fluide_ScrollBar->value());
  setWhenChanged(config, kReceiverKey, 0, ui->Volume_ScrollBar->value());
}

void Iinstallation::on_Condenseur_ScrollBar_valueChanged(int value) {
  ui->Condvalue_label->setText(cubicDecimetres(value));
}

void Iinstallation::on_Fluide_ScrollBar_valueChanged(int value) {
  ui->Fluidevalue_label->setText(kilograms(value));
}

void Iinstallation::on_Volume_ScrollBar_valueChanged(int value) {
  ui->Volume_label->setText(cubicDecimetres(value));
}

void Iinstallation::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
