#include "hpfConfig_Ventil.h"

#include "HpfModul.h"
#include "hpfPageSupport.h"
#include "ui_hpfConfig_Ventil.h"

namespace {
constexpr int kRelayCards = 172;
constexpr int kStagesPerCard = 4;
constexpr int kStages = 12;  // stage powers in the record
// A power above this typed before another stage is chosen is not taken (leaving the page
// stores the field as typed).
constexpr int kStageChangeMaxWatts = 9998;
}  // namespace

hpfConfig_Ventil::hpfConfig_Ventil(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_Ventil), hpfConfig(config) {
  ui->setupUi(this);
  int cards = 0;
  if (HpfModul* hpf = hpfClient())
    cards = static_cast<unsigned char>(hpf->getCFG_struct(kRelayCards).charValue);
  // More than two extra cards would offer stages the record does not hold.
  ui->spinBox_VentilNum->setMaximum(qMin((cards + 1) * kStagesPerCard, kStages));
  showStage(1);
}

hpfConfig_Ventil::~hpfConfig_Ventil() { delete ui; }

void hpfConfig_Ventil::showStage(int stage) {
  ui->spinBox_VentilNum->setValue(stage);
  currentStage = stage;
  ui->lineEdit_watts->setText(QStringLiteral("%1").arg(hpfConfig->ventilPowerKw[stage - 1]));
}

void hpfConfig_Ventil::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  showStage(1);
  connect(ui->spinBox_VentilNum, SIGNAL(valueChanged(int)), this,
          SLOT(onVentilNumValueChanged(int)), Qt::UniqueConnection);
}

void hpfConfig_Ventil::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  disconnect(ui->spinBox_VentilNum, SIGNAL(valueChanged(int)), this,
             SLOT(onVentilNumValueChanged(int)));
  hpfConfig->ventilPowerKw[ui->spinBox_VentilNum->value() - 1] =
      hpfTextToInt(ui->lineEdit_watts->text());
}

void hpfConfig_Ventil::onVentilNumValueChanged(int ventilID) {
  int watts = hpfTextToInt(ui->lineEdit_watts->text());
  if (watts <= kStageChangeMaxWatts) hpfConfig->ventilPowerKw[currentStage - 1] = watts;
  ui->lineEdit_watts->setText(QStringLiteral("%1").arg(hpfConfig->ventilPowerKw[ventilID - 1]));
  currentStage = ventilID;
}

void hpfConfig_Ventil::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
