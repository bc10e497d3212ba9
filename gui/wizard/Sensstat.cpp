#include "Sensstat.h"

#include "MyScrollStyle.h"
#include "ui_Sensstat.h"
#include "wizardCopy.h"

namespace {
const char kGeneral[] = "General";
const char k3dPositionKey[] = "STAT3J_VALUE";
const char k3dThresholdKey[] = "REGLAGE_ALARM_3JOURS";
const char k3dCheckKey[] = "STAT3J_CHECK";
const char kLpPositionKey[] = "STATLP_VALUE";
const char kLpThresholdKey[] = "REGLAGE_ALARM_GPERIODE";
const char kLpCheckKey[] = "STATLP_CHECK";
const char k103PositionKey[] = "STAT103_VALUE";
const char k103CheckKey[] = "STAT103_CHECK";
const char kSetPointKey[] = "CONFIG_CONSIGNE_BP";
const char kLockKey[] = "z1_VERROU_ORV";
constexpr int kSetPointDefault = -12;
// Below this low-pressure set point (°C) the plant is a low-temperature one: its 3-day
// thresholds run from -3.0 to -5.0 instead of -4.0 to -7.0.
constexpr int kLowTemperatureLimit = -20;

// Thresholds of a bar position (0.01 per step).
float threshold3d(double position) { return static_cast<float>((position + 300.0) / -100.0); }
float thresholdLp(double position) { return static_cast<float>((position + 100.0) / -100.0); }
QString oneDecimal(float value) { return QString::number(static_cast<double>(value), 'f', 1); }

// Positions and thresholds are kept as floats: read as doubles, compared in single
// precision, and written only when they differ.
void setFloatWhenChanged(orv_configFile* config, const char* key, double def, float value) {
  if (static_cast<float>(config->get<double>(key, def, kGeneral)) != value)
    config->set<float>(key, value, kGeneral);
}

bool lowTemperature(orv_configFile* config) {
  return config->get<int>(kSetPointKey, kSetPointDefault, kGeneral) < kLowTemperatureLimit;
}
}  // namespace

Sensstat::Sensstat(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Sensstat), config(config), locked(0),
      initPressed(false) {
  ui->setupUi(this);
  // One wide-bar style for the three bars, freed with the page after them.
  auto* wide = new MyScrollStyle;
  wide->setParent(this);
  ui->stat103ScrollBar->setStyle(wide);
  ui->stat3jScrollBar->setStyle(wide);
  ui->statLPScrollBar->setStyle(wide);
  for (QWidget* hidden :
       {static_cast<QWidget*>(ui->stat3jBox), static_cast<QWidget*>(ui->statLPBox),
        static_cast<QWidget*>(ui->label_9), static_cast<QWidget*>(ui->Val_LP),
        static_cast<QWidget*>(ui->statLPScrollBar), static_cast<QWidget*>(ui->label_2),
        static_cast<QWidget*>(ui->label_5), static_cast<QWidget*>(ui->stat103Box),
        static_cast<QWidget*>(ui->label_10), static_cast<QWidget*>(ui->stat103ScrollBar),
        static_cast<QWidget*>(ui->label_3), static_cast<QWidget*>(ui->label_6)})
    hidden->hide();
  read_guiCFG();
}

Sensstat::~Sensstat() { delete ui; }

void Sensstat::read_guiCFG() {
  initPressed = false;
  locked = config->get<int>(kLockKey, 0, kGeneral);
  float position = static_cast<float>(config->get<double>(k3dPositionKey, 200.0, kGeneral));
  const float threshold = static_cast<float>(config->get<double>(k3dThresholdKey, -5.0, kGeneral));
  // The stored position is corrected so that it agrees with a threshold outside the
  // bar's range: the position goes to the nearer end.
  if (!lowTemperature(config)) {
    ui->stat3jScrollBar->setRange(100, 400);
    if (position < 100) position = 100;
    else if (threshold > -4.0f) position = 100;
    else if (position > 400 || threshold < -7.0f) position = 400;
  } else {
    ui->stat3jScrollBar->setRange(0, 200);
    if (threshold > -3.0f) position = 0;
    else if (position > 200 || threshold < -5.0f) position = 200;
  }
  const double position103 = config->get<double>(k103PositionKey, 0.0, kGeneral);
  const float positionLp = static_cast<float>(config->get<double>(kLpPositionKey, 0.0, kGeneral));

  ui->stat103Box->setChecked(true);  // not tickable: stays unticked
  ui->stat103ScrollBar->setValue(static_cast<int>(position103));
  ui->stat103ScrollBar->setEnabled(false);
  ui->stat3jBox->setChecked(true);
  ui->stat3jScrollBar->setValue(static_cast<int>(position));
  ui->statLPBox->setChecked(true);
  ui->statLPScrollBar->setValue(static_cast<int>(positionLp));
  ui->statLPScrollBar->setEnabled(false);
  // The labels show the thresholds of the positions the bars took, which are the ones
  // written back.
  ui->Val_3j->setText(oneDecimal(threshold3d(ui->stat3jScrollBar->value())));
  ui->Val_LP->setText(oneDecimal(thresholdLp(ui->statLPScrollBar->value())));
  setEnabled(locked == 0);
}

void Sensstat::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  read_guiCFG();
}

void Sensstat::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  if (locked != 0) return;
  setWhenChanged(config, k103CheckKey, 1, ui->stat103Box->isChecked() ? 1 : 0);
  setFloatWhenChanged(config, k103PositionKey, 0.0,
                      static_cast<float>(ui->stat103ScrollBar->value()));
  const int position = ui->stat3jScrollBar->value();
  setWhenChanged(config, k3dCheckKey, 1, ui->stat3jBox->isChecked() ? 1 : 0);
  setFloatWhenChanged(config, k3dPositionKey, 200.0, static_cast<float>(position));
  setFloatWhenChanged(config, k3dThresholdKey, -5.0, threshold3d(position));
  if (!initPressed) return;
  const int positionLp = ui->statLPScrollBar->value();
  setWhenChanged(config, kLpCheckKey, 1, ui->statLPBox->isChecked() ? 1 : 0);
  setFloatWhenChanged(config, kLpPositionKey, 0.0, static_cast<float>(positionLp));
  setFloatWhenChanged(config, kLpThresholdKey, -1.0, thresholdLp(positionLp));
}

void Sensstat::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}

void Sensstat::on_stat3jScrollBar_valueChanged(int value) {
  ui->Val_3j->setText(oneDecimal(threshold3d(value)));
}

void Sensstat::on_statLPScrollBar_valueChanged(int value) {
  ui->Val_LP->setText(oneDecimal(thresholdLp(value)));
}

void Sensstat::on_Init_clicked() {
  if (lowTemperature(config)) {
    ui->statLPScrollBar->setValue(0);
    ui->stat3jScrollBar->setRange(0, 200);
    ui->stat3jScrollBar->setValue(0);
  } else {
    ui->statLPScrollBar->setValue(200);
    ui->stat3jScrollBar->setRange(100, 400);
    ui->stat3jScrollBar->setValue(200);
  }
  initPressed = true;
}
