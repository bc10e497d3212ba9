#include "Calc_Method.h"

#include <QEvent>
#include <QLabel>

#include "ui_Calc_Method.h"

namespace {

// What a module reading or a computation marks as not valid: shown as it is.
constexpr float kInvalidReading = 999.0f;
// Without ENERGIE module 1 the low pressure in the record is the saturation pressure at the
// set point, absolute; the view shows gauge pressures.
constexpr float kAtmosphereBar = 1.01325f;

void showValue(QLabel* label, float value) { label->setText(QString::number(value, 'f', 1)); }

// Watts to kilowatts, an invalid reading unconverted.
float kilowatts(float watts) { return watts == kInvalidReading ? watts : watts / 1000.0f; }

}  // namespace

Calc_Method::Calc_Method(QWidget* parent)
    : QWidget(parent), shown(false), ui(new Ui::Calc_Method) {
  ui->setupUi(this);
}

Calc_Method::~Calc_Method() { shown = false; }

void Calc_Method::UpdateCalcValues(struct_mesure& record) {
  const modules_exchange_t& m = record.modules;
  const float* cycle = record.valCalcul.val;          // indexes 567..577
  const float* liquid = record.fluid[0].val;          // 578..592
  const float* highPressure = record.fluid[1].val;    // 593..607
  const float* suction = record.fluid[2].val;         // 608..622

  float lowPressure = m.value[modval::BP];
  if (m.stateEner[0] == 0 && lowPressure != kInvalidReading) lowPressure -= kAtmosphereBar;

  showValue(ui->val_BPpression, lowPressure);
  showValue(ui->val_BPtemp, suction[0]);                      // 608
  showValue(ui->val_TempGazAspire, m.value[modval::TempASP]);
  showValue(ui->val_TempLiquideMes, m.value[modval::TempSOR]);
  showValue(ui->val_BPentropy, suction[12]);                  // 620
  showValue(ui->val_BPenthalpy, suction[13]);                 // 621
  showValue(ui->val_RendementIsebtrop, cycle[10]);            // 577
  showValue(ui->val_PuissanceComps, kilowatts(cycle[2]));     // 569
  showValue(ui->val_COPtheo_Comps, cycle[3]);                 // 570
  showValue(ui->val_COPtheo_CompsVentil, cycle[4]);           // 571
  showValue(ui->val_COPtheo_CompsVentilPomp, cycle[5]);       // 572

  showValue(ui->val_HPpression, m.value[modval::HP]);
  showValue(ui->val_HPtemp, highPressure[0]);                 // 593
  showValue(ui->val_HPliq_enthalpy, liquid[13]);              // 591
  showValue(ui->val_TempRefoulementMesure, m.value[modval::TempREF]);
  showValue(ui->val_TempRefoulementIsentrop, record.isentropicDischargeTemp);  // 562
  showValue(ui->val_TempRefoulement, cycle[6]);               // 573
  showValue(ui->val_EnthalpiRefoul, cycle[0]);                // 567
  showValue(ui->val_TauxCompression, cycle[9]);               // 576
  showValue(ui->val_EnthalpiReelRefoul, cycle[1]);            // 568
  showValue(ui->val_DebitMassqique, cycle[7]);                // 574
  showValue(ui->val_PuissanceFrigo, kilowatts(cycle[8]));     // 575
}

void Calc_Method::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  shown = true;
}

void Calc_Method::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  shown = false;
}

void Calc_Method::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}

void Calc_Method::on_accueilButton_clicked() { emit esc_CalcMethod(); }
