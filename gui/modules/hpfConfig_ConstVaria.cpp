#include "hpfConfig_ConstVaria.h"

#include <cmath>

#include "hpfPageSupport.h"
#include "ui_hpfConfig_ConstVaria.h"

namespace {

// The step for the deviation of `item` from the constants as typed (the record is not
// consulted); item 0 is the list's heading and clears the result.
void showStep(QComboBox* list, int item, QLineEdit* const1, QLineEdit* const2, QLabel* result) {
  if (item == 0) {
    result->clear();
    return;
  }
  float deviation = hpfTextToFloat(list->itemText(item));
  float exponent = deviation * hpfTextToFloat(const2->text());
  float step = static_cast<float>(hpfTextToFloat(const1->text()) * std::exp(double(exponent)));
  result->setText(hpfNumberText(step));
}

}  // namespace

hpfConfig_ConstVaria::hpfConfig_ConstVaria(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_ConstVaria), hpfConfig(config) {
  ui->setupUi(this);
  for (QComboBox* list : {ui->comboBox_PasmA, ui->comboBox_PasVolt}) {
    const QStringList items = {tr("Ecart en °C"), "0.1", "0.5", "1", "2", "3", "4", "5", "6"};
    for (int i = 0; i < items.size(); ++i) list->addItem(items[i], i);
  }
  loadConfig();
  connect(ui->comboBox_PasmA, SIGNAL(currentIndexChanged(int)), this, SLOT(calculPas_mA(int)));
  connect(ui->comboBox_PasVolt, SIGNAL(currentIndexChanged(int)), this, SLOT(calculPas_volt(int)));
  connect(ui->pushButton_INIT, SIGNAL(clicked()), this, SLOT(onConstsReINIT()));
}

hpfConfig_ConstVaria::~hpfConfig_ConstVaria() { delete ui; }

void hpfConfig_ConstVaria::loadConfig() {
  ui->le_mAconst1->setText(hpfNumberText(hpfConfig->const1mA));
  ui->le_mAconst2->setText(hpfNumberText(hpfConfig->const2mA));
  ui->le_Voltconst1->setText(hpfNumberText(hpfConfig->const1volt));
  ui->le_Voltconst2->setText(hpfNumberText(hpfConfig->const2volt));
}

void hpfConfig_ConstVaria::calculPas_mA(int item) {
  showStep(ui->comboBox_PasmA, item, ui->le_mAconst1, ui->le_mAconst2, ui->label_PasmA);
}

void hpfConfig_ConstVaria::calculPas_volt(int item) {
  showStep(ui->comboBox_PasVolt, item, ui->le_Voltconst1, ui->le_Voltconst2, ui->label_PasVolt);
}

// Only the fields: the record takes the factory constants when the page is left.
void hpfConfig_ConstVaria::onConstsReINIT() {
  ui->le_mAconst1->setText(QStringLiteral("0.2722"));
  ui->le_mAconst2->setText(QStringLiteral("0.6294"));
  ui->label_PasmA->clear();
  ui->comboBox_PasmA->setCurrentIndex(0);
  ui->le_Voltconst1->setText(QStringLiteral("0.2502"));
  ui->le_Voltconst2->setText(QStringLiteral("0.4473"));
  ui->label_PasVolt->clear();
  ui->comboBox_PasVolt->setCurrentIndex(0);
}

void hpfConfig_ConstVaria::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  loadConfig();
}

void hpfConfig_ConstVaria::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  hpfConfig->const1mA = hpfTextToFloat(ui->le_mAconst1->text());
  hpfConfig->const2mA = hpfTextToFloat(ui->le_mAconst2->text());
  hpfConfig->const1volt = hpfTextToFloat(ui->le_Voltconst1->text());
  hpfConfig->const2volt = hpfTextToFloat(ui->le_Voltconst2->text());
}

void hpfConfig_ConstVaria::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
