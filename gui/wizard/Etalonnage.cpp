#include "Etalonnage.h"

#include <QEvent>
#include <QFont>

#include <cmath>

#include "MesV1Modul.h"
#include "MesV2Modul.h"
#include "ModulsCenter.h"
#include "cEtalonnageThread.h"
#include "cMessageBox.h"
#include "cardWorker.h"
#include "orv_configFile.h"
#include "ui_Etalonnage.h"

namespace {
const char kGeneral[] = "General";
const char kCardSection[] = "Module_Mesure_V2";
const char kRadioKey[] = "z2_CM_RADIO_ENABLED";
// A calibration keeps the screen an hour: the resistors take time to fit.
constexpr int kCalibrationTimeoutMs = 3600000;
constexpr int kNoReplyBoxMs = 5000;
// The 3 m probe cable reads this much above the probe.
constexpr double kCableCorrection = 3.6;
// The cards' mark of a missing reading.
constexpr float kNoReading = 999.0f;
constexpr int kV1Value[3] = {3, 4, 2};
constexpr int kV1Flag[3] = {8, 9, 7};
constexpr int kV2Value[3] = {4, 2, 3};
const QString kNone = QStringLiteral("---");

// Finger-sized check-box indicators and spin-box buttons (minus at the left, plus at the
// right; the value's field lies between them).
const char kPageStyle[] =
    "QCheckBox::indicator { width: 20px; height: 20px; }"
    "QDoubleSpinBox::down-button { subcontrol-origin: border; subcontrol-position: left;"
    " width: 30px; height: 25px; }"
    "QDoubleSpinBox::up-button { subcontrol-origin: border; subcontrol-position: right;"
    " width: 30px; height: 25px; }";

QString oneDecimal(double value) { return QString::number(value, 'f', 1); }
}  // namespace

Etalonnage::Etalonnage(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Etalonnage), config(config), worker(nullptr),
      cardType(0) {
  ui->setupUi(this);
  setStyleSheet(QString::fromLatin1(kPageStyle));
  inputs[0] = {ui->labelstext, ui->checkBox_tempEXT, ui->checkBox_PT100correctionEXT,
               ui->label_6, ui->stextmesure, ui->label_9, ui->label_7, ui->stextcorrection,
               ui->label_10, ui->pB_reset_stextcorrection, ui->label_8,
               ui->dS_PT100correctionManuelEXT, "CONFIG_TEXT_CORRECTION",
               "CONFIG_TEXT_MANUEL_CORRECTION", "CONFIG_TEXT_CORR_CAB3M"};
  inputs[1] = {ui->labelstlin, ui->checkBox_tempENT, ui->checkBox_PT100correctionENT,
               ui->label_11, ui->stliqmesure, ui->label_14, ui->label_12, ui->stlecorrection,
               ui->label_13, ui->pB_reset_stlecorrection, ui->label_15,
               ui->dS_PT100correctionManuelENT, "CONFIG_TENT_CORRECTION",
               "CONFIG_TENT_MANUEL_CORRECTION", "CONFIG_TENT_CORR_CAB3M"};
  inputs[2] = {ui->labelstls, ui->checkBox_tempSOR, ui->checkBox_PT100correctionSOR,
               ui->label_16, ui->stliqsmesure, ui->label_17, ui->label_18, ui->stlscorrection,
               ui->label_19, ui->pB_reset_stlscorrection, ui->label_20,
               ui->dS_PT100correctionManuelSOR, "CONFIG_TLIQ_CORRECTION",
               "CONFIG_TLIQ_MANUEL_CORRECTION", "CONFIG_TLIQ_CORR_CAB3M"};
  showRow(inputs[0], false);
  for (int k = 1; k < 3; ++k) {
    const Input& in = inputs[k];
    for (QWidget* w : {static_cast<QWidget*>(in.caption), static_cast<QWidget*>(in.calibration),
                       static_cast<QWidget*>(in.cable), static_cast<QWidget*>(in.measured),
                       static_cast<QWidget*>(in.correction), static_cast<QWidget*>(in.manualCaption),
                       static_cast<QWidget*>(in.manual)})
      w->hide();
  }
  ui->Etalonnage_Button->hide();
  ui->checkBox_ThermoRadioEnab->hide();
  read_guiCFG();
  for (int k = 0; k < 3; ++k)
    connect(inputs[k].calibration, &QCheckBox::stateChanged, this,
            &Etalonnage::onCheckBoxStateChanged);
  connect(ui->checkBox_ThermoRadioEnab, &QCheckBox::stateChanged, this,
          &Etalonnage::onThermoRadioStateChanged);
  connect(ui->pB_reset_stextcorrection, &QPushButton::released, this,
          &Etalonnage::On_ResetExtTempCorr);
  connect(ui->pB_reset_stlecorrection, &QPushButton::released, this,
          &Etalonnage::On_ResetEntTempCorr);
  connect(ui->pB_reset_stlscorrection, &QPushButton::released, this,
          &Etalonnage::On_ResetSorTempCorr);
}

Etalonnage::~Etalonnage() {
  finishCardWorker(worker, this);
  delete ui;
}

void Etalonnage::showRow(const Input& in, bool shown) {
  for (QWidget* w :
       {static_cast<QWidget*>(in.caption), static_cast<QWidget*>(in.calibration),
        static_cast<QWidget*>(in.cable), static_cast<QWidget*>(in.measureCaption),
        static_cast<QWidget*>(in.measured), static_cast<QWidget*>(in.measureUnit),
        static_cast<QWidget*>(in.correctionCaption), static_cast<QWidget*>(in.correction),
        static_cast<QWidget*>(in.correctionUnit), static_cast<QWidget*>(in.reset),
        static_cast<QWidget*>(in.manualCaption), static_cast<QWidget*>(in.manual)})
    w->setVisible(shown);
}

void Etalonnage::read_guiCFG() {
  cardType = config->get<int>("z2_CM_TYPE", 1, kGeneral);
  onChangeCarteMesure_type(cardType);
  OnReloadTimer(kCalibrationTimeoutMs);
  // A stored cable correction of 0 stays unticked: ticking it would write 3.6 back.
  for (const Input& in : inputs)
    in.cable->setChecked(config->get<double>(in.cableKey, kCableCorrection, kGeneral) != 0.0);
}

void Etalonnage::onChangeCarteMesure_type(int _cardType) {
  cardType = _cardType;
  for (const Input& in : inputs) {
    in.measured->setText(kNone);
    in.correction->setText(kNone);
  }
  showRow(inputs[1], true);
  showRow(inputs[2], true);
  ui->Etalonnage_Button->show();
  for (const Input& in : inputs) {
    in.correction->setText(
        oneDecimal(static_cast<float>(config->get<double>(in.correctionKey, 0.0, kGeneral))));
    in.manual->setValue(static_cast<float>(config->get<double>(in.manualKey, 0.0, kGeneral)));
  }
  const Input& outdoor = inputs[0];
  for (QWidget* w : {static_cast<QWidget*>(outdoor.caption), static_cast<QWidget*>(outdoor.measured),
                     static_cast<QWidget*>(outdoor.correction), static_cast<QWidget*>(outdoor.reset),
                     static_cast<QWidget*>(outdoor.calibration), static_cast<QWidget*>(outdoor.cable)})
    w->show();
  for (QWidget* w : {static_cast<QWidget*>(outdoor.correction),
                     static_cast<QWidget*>(outdoor.calibration), static_cast<QWidget*>(outdoor.cable)})
    w->setEnabled(true);

  int radio = -1;
  if (_cardType == 2) {
    radio = config->get<int>(kRadioKey, 0, kCardSection);
    if (radio == 1) {
      ui->checkBox_ThermoRadioEnab->setText(tr("Thermometre Radio ON"));
      ui->checkBox_ThermoRadioEnab->setChecked(true);
      outdoor.caption->setText(tr("Sonde Exterieure Radio:"));
      for (QWidget* w : {static_cast<QWidget*>(outdoor.measureCaption),
                         static_cast<QWidget*>(outdoor.measured), static_cast<QWidget*>(outdoor.measureUnit)})
        w->show();
      for (QWidget* w : {static_cast<QWidget*>(outdoor.correctionCaption),
                         static_cast<QWidget*>(outdoor.correctionUnit), static_cast<QWidget*>(outdoor.reset),
                         static_cast<QWidget*>(outdoor.manualCaption), static_cast<QWidget*>(outdoor.manual)})
        w->hide();
      for (QWidget* w : {static_cast<QWidget*>(outdoor.correction),
                         static_cast<QWidget*>(outdoor.calibration), static_cast<QWidget*>(outdoor.cable)})
        w->setEnabled(false);
    } else {
      ui->checkBox_ThermoRadioEnab->setText(tr("Thermometre Radio OFF"));
      ui->checkBox_ThermoRadioEnab->setChecked(false);
      outdoor.caption->setText(tr("Sonde Exterieure PT100:"));
      outdoor.cable->setChecked(config->get<double>(outdoor.cableKey, kCableCorrection, kGeneral) != 0.0);
      showRow(outdoor, true);
    }
  } else if (_cardType == 1) {
    outdoor.caption->setText(tr("Temperature exterieure:"));
    ui->checkBox_ThermoRadioEnab->hide();
    showRow(outdoor, true);
  }
  showLiveReadings();

  if (_cardType <= 0 || config->get<int>("FLAG_PREM_DEMARRAGE", 0, kGeneral) != 0) {
    ui->Etalonnage_Button->setEnabled(false);
    for (const Input& in : inputs) in.calibration->setChecked(false);
    onCheckBoxStateChanged(0);
    return;
  }
  applyFirstCommissioningRule(radio);
}

void Etalonnage::applyFirstCommissioningRule(int radio) {
  // At the first commissioning every PT100 input is calibrated; a radio thermometer is not
  // a PT100.
  inputs[0].calibration->setChecked(cardType == 2 && radio == 0);
  inputs[1].calibration->setChecked(true);
  inputs[2].calibration->setChecked(true);
  ui->Etalonnage_Button->setEnabled(true);
  onCheckBoxStateChanged(0);
}

// The card client's last readings, without a bus exchange.
void Etalonnage::showLiveReadings() {
  ModulsCenter* modules = cardModules();
  if (!modules) return;
  if (cardType == 2 && modules->isModulMesV2_connected() == 1 && modules->mesV2_ptr()) {
    for (int k = 0; k < 3; ++k) {
      const float value = modules->mesV2_ptr()->CM_getMesureValue(kV2Value[k]);
      if (value != kNoReading) inputs[k].measured->setText(oneDecimal(value - kCableCorrection));
    }
  } else if (cardType == 1 && modules->isModulMesV1_connected() == 1 && modules->mesV1_ptr()) {
    MesV1Modul* card = modules->mesV1_ptr();
    for (int k = 0; k < 3; ++k)
      if (card->getDATA_struct(kV1Flag[k]).charValue == 0)
        inputs[k].measured->setText(oneDecimal(card->getDATA_struct(kV1Value[k]).floatValue));
  }
}

void Etalonnage::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void Etalonnage::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  for (const Input& in : inputs) {
    const double manual = in.manual->value();
    if (manual != config->get<double>(in.manualKey, 0.0, kGeneral))
      config->set<float>(in.manualKey, static_cast<float>(manual), kGeneral);
    const double cable = in.cable->isChecked() ? kCableCorrection : 0.0;
    if (cable != config->get<double>(in.cableKey, kCableCorrection, kGeneral))
      config->set<float>(in.cableKey, static_cast<float>(cable), kGeneral);
  }
  if (cardType == 2) {
    const int radio = ui->checkBox_ThermoRadioEnab->isChecked() ? 1 : 0;
    if (radio != config->get<int>(kRadioKey, 0, kCardSection))
      config->set<int>(kRadioKey, radio, kCardSection);
  }
}

void Etalonnage::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}

void Etalonnage::onCheckBoxStateChanged(int) {
  bool any = false;
  for (const Input& in : inputs) any = any || in.calibration->isChecked();
  ui->Etalonnage_Button->setEnabled(any);
}

void Etalonnage::onThermoRadioStateChanged(int state) {
  const Input& outdoor = inputs[0];
  if (state == 0) {
    ui->checkBox_ThermoRadioEnab->setText(tr("Thermometre Radio OFF"));
    ui->checkBox_ThermoRadioEnab->setChecked(false);
    showRow(outdoor, true);
    return;
  }
  ui->checkBox_ThermoRadioEnab->setText(tr("Thermometre Radio ON"));
  for (QWidget* w : {static_cast<QWidget*>(outdoor.caption), static_cast<QWidget*>(outdoor.measureCaption),
                     static_cast<QWidget*>(outdoor.measured), static_cast<QWidget*>(outdoor.measureUnit)})
    w->show();
  for (QWidget* w :
       {static_cast<QWidget*>(outdoor.correction), static_cast<QWidget*>(outdoor.reset),
        static_cast<QWidget*>(outdoor.correctionCaption), static_cast<QWidget*>(outdoor.correctionUnit),
        static_cast<QWidget*>(outdoor.calibration), static_cast<QWidget*>(outdoor.cable),
        static_cast<QWidget*>(outdoor.manualCaption), static_cast<QWidget*>(outdoor.manual)})
    w->hide();
  ui->checkBox_ThermoRadioEnab->setChecked(true);
}

void Etalonnage::on_Etalonnage_Button_clicked() {
  bool any = false;
  for (const Input& in : inputs) any = any || in.calibration->isChecked();
  if (!any) return;
  ui->Etalonnage_Button->setEnabled(false);
  OnReloadTimer(kCalibrationTimeoutMs);
  dropFinishedWorker(worker);
  worker = nullptr;
  const int speed = cardType == 2 ? config->get<int>("z2_CM_UART2_SPEED", 9600, kCardSection) : 2400;
  worker = new cEtalonnageThread(speed, cardType, this);
  connect(worker, &cEtalonnageThread::OnThreadTerminate, this, &Etalonnage::OnThreadTerminate);
  connect(worker, &cEtalonnageThread::OnThreadAddLine, this, &Etalonnage::OnThreadAddLine);
  worker->start(QThread::InheritPriority);
}

void Etalonnage::OnThreadAddLine(QString aStr, int Ind) {
  if (Ind == 0) {
    // The card's no-reply text: a box that closes itself, so that an unattended screen
    // never stays behind it.
    cMessageBox::warning(tr("Etalonnage"), aStr, QMessageBox::Ok, kNoReplyBoxMs,
                         cMessageBox::TimeoutClose, font());
    return;
  }
  if (Ind < 1 || Ind > 3) return;
  QLabel* label = inputs[Ind - 1].measured;
  if (aStr.contains(QStringLiteral("999"))) {
    label->setText(aStr);
    return;
  }
  // Corrections are kept in tenths of a degree; a result that rounds to zero shows "0".
  double value = std::round((aStr.toFloat() - kCableCorrection) * 10.0) / 10.0;
  if (value == 0.0) value = 0.0;
  label->setText(QString::number(value, 'g', 6));
}

void Etalonnage::OnThreadTerminate(bool aStatus, int) {
  if (aStatus) {
    for (const Input& in : inputs) {
      if (!in.calibration->isChecked()) continue;
      const float value = in.measured->text().toFloat();
      in.correction->setText(oneDecimal(value));
      if (value != kNoReading) config->set<float>(in.correctionKey, value, kGeneral);
    }
  }
  ui->Etalonnage_Button->setEnabled(true);
}

void Etalonnage::resetCorrection(int input) {
  inputs[input].correction->setText(oneDecimal(0.0));
  config->set<float>(inputs[input].correctionKey, 0.0f, kGeneral);
}

void Etalonnage::On_ResetExtTempCorr() { resetCorrection(0); }
void Etalonnage::On_ResetEntTempCorr() { resetCorrection(1); }
void Etalonnage::On_ResetSorTempCorr() { resetCorrection(2); }
