#include "Capteurhp.h"

#include <QEvent>
#include <QMessageBox>
#include <QPointer>

#include <string>

#include "cCapteurHPThread.h"
#include "cardWorker.h"
#include "orv_configFile.h"
#include "ui_Capteurhp.h"

namespace {
const char kGeneral[] = "General";
const char kCardSection[] = "Module_Mesure_V2";
const char kOffsetKey[] = "CONFIG_HP_PRESSURE_CALIB";
constexpr int kTimeoutMs = 300000;
constexpr float kNoReading = 999.0f;
// Proposed maximum at the first commissioning: CO2 plants run far above the others.
constexpr int kCO2Maximum = 200;
constexpr int kOtherMaximum = 30;
}  // namespace

Capteurhp::Capteurhp(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Capteurhp), config(config), worker(nullptr),
      pressureMax(0), pressureMin(0), cardType(0) {
  ui->setupUi(this);
  ui->spinBox_PressionMINI->setRange(-1, 0);
  ui->spinBox_PressionMAXI->setMaximum(300);
  connect(ui->pB_CalibPres, &QPushButton::clicked, this, &Capteurhp::onCalib_PRESSclicked);
  connect(ui->pB_CalibPresReset, &QPushButton::clicked, this, &Capteurhp::onReset_PRESSclicked);
  read_guiCFG();
  connect(ui->spinBox_PressionMAXI, QOverload<int>::of(&QSpinBox::valueChanged), this,
          &Capteurhp::onPressionMAXI_ValueChanged);
  connect(ui->spinBox_PressionMINI, QOverload<int>::of(&QSpinBox::valueChanged), this,
          &Capteurhp::onPressionMINI_ValueChanged);
}

Capteurhp::~Capteurhp() {
  finishCardWorker(worker, this);
  delete ui;
}

int Capteurhp::storedRange(bool maximum) {
  if (cardType == 1)
    return maximum ? config->get<int>("CONFIG_GAMME_PRESSION", 30, kGeneral)
                   : config->get<int>("CONFIG_MIN_PRESSION", 0, kGeneral);
  if (cardType == 2)
    return static_cast<int>(
        maximum ? config->get<double>("z2_CM_PRESSURE_TYPE_BARmax", 30.0, kCardSection)
                : config->get<double>("z2_CM_PRESSURE_MINI_BARmin", 0.0, kCardSection));
  return 0;
}

void Capteurhp::read_guiCFG() {
  const int first = config->get<int>("FLAG_PREM_DEMARRAGE", 0, kGeneral);
  cardType = config->get<int>("z2_CM_TYPE", 1, kGeneral);
  QString cardText;
  if (cardType == 1) {
    cardText = tr("Module MesureV1");
  } else if (cardType == 2) {
    cardText = tr("Module MesureV2");
  } else {
    cardText = tr("Aucun Module Mesure");
  }
  pressureMax = storedRange(true);
  pressureMin = storedRange(false);
  ui->label_PressureOffset->setText(
      QString::number(config->get<double>(kOffsetKey, 0.0, kGeneral), 'f', 2));
  if (first == 0)
    pressureMax = config->get<std::string>("CONFIG_FLUID", "R404A", kGeneral) == "CO2"
                      ? kCO2Maximum
                      : kOtherMaximum;
  ui->labelentete->setText(tr("Plage de mesure du capteur HP 4-20 mA"));
  ui->labelmesure->setText(cardText);
  ui->spinBox_PressionMINI->setValue(pressureMin);
  ui->spinBox_PressionMAXI->setValue(pressureMax);
  ui->labelreglage->setText(rangeText(pressureMin, pressureMax));
}

QString Capteurhp::rangeText(int minimum, int maximum) const {
  return tr("De ") + QString::number(minimum) + tr(" A ") + QString::number(maximum) + tr(" Bar");
}

void Capteurhp::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void Capteurhp::hideEvent(QHideEvent* e) {
  // Unlike the other pages, leaving this one asks for no new inactivity timeout.
  QWidget::hideEvent(e);
  // Each box is compared with what the copy holds, so that a maximum proposed at the
  // first commissioning, and a value the box had to clamp, are written as shown.
  const int minimum = ui->spinBox_PressionMINI->value();
  if (minimum != storedRange(false)) {
    pressureMin = minimum;
    if (cardType == 1)
      config->set<int>("CONFIG_MIN_PRESSION", pressureMin, kGeneral);
    else if (cardType == 2)
      config->set<double>("z2_CM_PRESSURE_MINI_BARmin", pressureMin, kCardSection);
  }
  const int maximum = ui->spinBox_PressionMAXI->value();
  if (maximum != storedRange(true)) {
    pressureMax = maximum;
    if (cardType == 1)
      config->set<int>("CONFIG_GAMME_PRESSION", pressureMax, kGeneral);
    else if (cardType == 2)
      config->set<double>("z2_CM_PRESSURE_TYPE_BARmax", pressureMax, kCardSection);
  }
}

void Capteurhp::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}

void Capteurhp::onPressionMINI_ValueChanged(int value) {
  ui->labelreglage->setText(rangeText(value, ui->spinBox_PressionMAXI->value()));
}

void Capteurhp::onPressionMAXI_ValueChanged(int value) {
  ui->labelreglage->setText(rangeText(ui->spinBox_PressionMINI->value(), value));
}

void Capteurhp::onCalib_PRESSclicked() {
  ui->pB_CalibPres->setEnabled(false);
  QMessageBox question(
      QMessageBox::Warning, tr("ATTENTION Lancer le CALIBRAGE de la sonde Pression HP?"),
      tr("Lancer la procedure de Calibrage Pression ?!\nveuillez cliquer sur OK si la sonde est "
         "a la Pression Atmospherique!"),
      QMessageBox::Yes | QMessageBox::No);
  // The wizard, and this page with it, may be left while the question is up.
  const QPointer<Capteurhp> alive(this);
  const int answer = question.exec();
  if (!alive) return;
  if (answer == QMessageBox::No) {
    ui->pB_CalibPres->setEnabled(true);
    return;
  }
  OnReloadTimer(kTimeoutMs);
  dropFinishedWorker(worker);
  worker = nullptr;
  const int speed = cardType == 2 ? config->get<int>("z2_CM_UART2_SPEED", 9600, kCardSection) : 2400;
  worker = new cCapteurHPThread(speed, cardType, pressureMin, pressureMax, this);
  connect(worker, &cCapteurHPThread::OnThreadTerminate, this, &Capteurhp::OnThreadTerminate);
  connect(worker, &cCapteurHPThread::OnThreadAddLine, this, &Capteurhp::OnThreadAddLine);
  worker->start(QThread::InheritPriority);
}

void Capteurhp::onReset_PRESSclicked() {
  ui->label_PressureOffset->setText(QString::number(0.0, 'f', 1));
  // The offset is subtracted from every published pressure: a reset that only changed
  // the label would leave the old one applied.
  config->set<double>(kOffsetKey, 0.0, kGeneral);
}

void Capteurhp::OnThreadAddLine(QString aStr) { ui->labelmesure->setText(aStr); }

void Capteurhp::OnThreadTerminate(bool aStatus, float Val) {
  if (aStatus && Val != kNoReading) {
    const QString shown = QString::number(Val, 'f', 1);
    ui->labelmesure->setText(shown);
    ui->label_PressureOffset->setText(shown);
    config->set<double>(kOffsetKey, Val, kGeneral);
  } else if (aStatus) {
    ui->labelmesure->setText(tr("ERREUR Mesure Pression HP"));
  }
  ui->pB_CalibPres->setEnabled(true);
}
