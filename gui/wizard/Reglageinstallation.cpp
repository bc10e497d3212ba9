#include "Reglageinstallation.h"

#include "MyScrollStyle.h"
#include "ui_Reglageinstallation.h"
#include "wizardCopy.h"

namespace {
const char kGeneral[] = "General";
const char kRegBp[] = "CONFIG_REG_BP";
const char kRegHp[] = "CONFIG_REG_HP";
const char kSetPointBp[] = "CONFIG_CONSIGNE_BP";
const char kSetPointHp[] = "CONFIG_CONSIGNE_HP";
const char kAlarm3Days[] = "REGLAGE_ALARM_3JOURS";

QString degrees(int value) { return QString::number(value) + QStringLiteral(" °C"); }
}  // namespace

Reglageinstallation::Reglageinstallation(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Reglageinstallation), config(config) {
  ui->setupUi(this);
  auto* wide = new MyScrollStyle;
  wide->setParent(this);
  ui->BPScrollBar->setStyle(wide);
  ui->HPScrollBar->setStyle(wide);
  read_guiCFG();
}

Reglageinstallation::~Reglageinstallation() { delete ui; }

void Reglageinstallation::read_guiCFG() {
  const int regBp = config->get<int>(kRegBp, 0, kGeneral);
  const int regHp = config->get<int>(kRegHp, 0, kGeneral);
  const int setPointBp = config->get<int>(kSetPointBp, -12, kGeneral);
  const int setPointHp = config->get<int>(kSetPointHp, 40, kGeneral);
  ui->BP_checkBox->setChecked(regBp == 1);
  ui->HP_checkBox->setChecked(regHp == 1);
  // The label shows the stored value, also beyond the bar's range.
  ui->Val_HP_label->setText(degrees(setPointHp));
  ui->HPScrollBar->setValue(setPointHp);
  ui->Val_BP_label->setText(degrees(setPointBp));
  ui->BPScrollBar->setValue(setPointBp);
}

void Reglageinstallation::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void Reglageinstallation::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  setWhenChanged(config, kRegBp, 0, ui->BP_checkBox->isChecked() ? 1 : 0);
  setWhenChanged(config, kRegHp, 0, ui->HP_checkBox->isChecked() ? 1 : 0);
  setWhenChanged(config, kSetPointBp, -12, ui->BPScrollBar->value());
  setWhenChanged(config, kSetPointHp, 40, ui->HPScrollBar->value());
  // A plant evaporating below -20 °C gets the wider 3-day alarm threshold.
  setWhenChanged(config, kAlarm3Days, -3.0, ui->BPScrollBar->value() < -20 ? -3.0 : -4.0);
}

void Reglageinstallation::on_HPScrollBar_valueChanged(int value) {
  ui->Val_HP_label->setText(degrees(value));
}

void Reglageinstallation::on_BPScrollBar_valueChanged(int value) {
  ui->Val_BP_label->setText(degrees(value));
}

void Reglageinstallation::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
