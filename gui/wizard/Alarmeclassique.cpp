#include "Alarmeclassique.h"

#include <QPixmap>
#include <QScrollBar>

#include <algorithm>

#include "MyScrollStyle.h"
#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "orv_classPtr.h"
#include "ui_Alarmeclassique.h"
#include "wizardCopy.h"

namespace {
const char kGeneral[] = "General";
const char kDayWeightKey[] = "ALARME_NIVEAU_MINI_G";
const char kDayDelayKey[] = "ALARME_TEMPORISATION";
const char kPumpDownWeightKey[] = "ALARME_NIVEAU_MINI_G_NUIT";
const char kPumpDownDelayKey[] = "ALARME_TEMPORISATION_NUIT";
const char kPumpDownKey[] = "ALARME_PUMPDOWN";
constexpr int kDayWeightDefault = 0;
constexpr int kDayDelayDefault = 20;
constexpr int kPumpDownWeightDefault = 50000;
constexpr int kPumpDownDelayDefault = 30;
constexpr int kMaxDelay = 90;  // minutes
constexpr int kPumpDownEvent = 1030;
constexpr double kPi = 3.14159265358979323846;

QString kilograms(int grams) {
  return QString::number(grams / 1000.0, 'f', 1) + QStringLiteral(" Kg");
}
QString minutes(int value) { return QString::number(value) + QStringLiteral(" min"); }

// 10 % of the water capacity of all receivers in grams (1 g/cm3), lengths in whole
// centimetres. A horizontal receiver loses its dished ends: 3 cm above 273 mm of
// diameter, 2 cm otherwise. 0 for a receiver without a usable size or of unknown type.
float referenceWeight(char type, int heightMm, double diameterMm, int receivers) {
  const int h = heightMm / 10;
  const int di = static_cast<int>(diameterMm);
  const int d = di / 10;
  if (type == 'V') {
    const int r = d / 2;
    return static_cast<float>(r * kPi * r * h / 10.0 * receivers);
  }
  if (type == 'H') {
    const int length = di > 273 ? h - 3 : h - 2;
    if (length <= 0 || d <= 0) return 0.0f;
    const int section = d * d / 4;
    return static_cast<float>(kPi * length * section / 10.0 * receivers);
  }
  return 0.0f;
}

// A threshold never set (0 or less) is proposed as the reference weight; any threshold is
// then held inside the bar's range.
void loadWeight(QScrollBar* bar, int stored, float reference) {
  const int grams = stored <= 0 ? static_cast<int>(reference) : stored;
  bar->setValue(std::max(bar->minimum(), std::min(bar->maximum(), grams)));
}
}  // namespace

Alarmeclassique::Alarmeclassique(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Alarmeclassique), config(config) {
  ui->setupUi(this);
  // One wide-bar style for the four bars, freed with the page after them.
  auto* wide = new MyScrollStyle;
  wide->setParent(this);
  ui->tempsScrollBar->setStyle(wide);
  ui->poidsScrollBar->setStyle(wide);
  ui->tempsScrollBar_nuit->setStyle(wide);
  ui->poidsScrollBar_nuit->setStyle(wide);
  ui->tempsScrollBar->setRange(1, kMaxDelay);
  ui->tempsScrollBar_nuit->setRange(1, kMaxDelay);
  // The pump-down group box's tick, a finger's size: Qt takes a group box's tick from its
  // own rule, not from the check boxes'.
  setStyleSheet(QStringLiteral("QCheckBox::indicator {width: 25px; height: 25px;}"
                               "QGroupBox::indicator {width: 25px; height: 25px;}"));
  showAlarme();
}

Alarmeclassique::~Alarmeclassique() { delete ui; }

void Alarmeclassique::showAlarme() {
  const int height = config->get<int>("CONFIG_HEIGHT", 1500, kGeneral);
  const double diameter = config->get<double>("CONFIG_DIAMETRE", 500.0, kGeneral);
  const int receivers = config->get<int>("CONFIG_TANK_NUMBER", 1, kGeneral);
  const char type = config->get<char>("CONFIG_TANK_TYPE", 'V', kGeneral);

  ui->gB_PumpDown->setChecked(config->get<int>(kPumpDownKey, 0, kGeneral) != 0);

  const float reference = referenceWeight(type, height, diameter, receivers);
  QPixmap picture;
  if (type == 'V' || type == 'H') {
    const int low = static_cast<int>(reference / 10.0f);
    const int high = static_cast<int>(reference * 9.5f);
    ui->poidsScrollBar->setRange(low, high);
    ui->poidsScrollBar_nuit->setRange(low, high);
    picture.load(type == 'H' ? QStringLiteral("gui_images/NH1A.png")
                             : QStringLiteral("gui_images/RV1Alarme.png"));
  }
  ui->reservoir_image->setPixmap(picture);
  if (!picture.isNull()) ui->reservoir_image->resize(picture.size());

  loadWeight(ui->poidsScrollBar, config->get<int>(kDayWeightKey, kDayWeightDefault, kGeneral),
             reference);
  ui->valpoidslabel->setText(kilograms(ui->poidsScrollBar->value()));
  loadWeight(ui->poidsScrollBar_nuit,
             config->get<int>(kPumpDownWeightKey, kPumpDownWeightDefault, kGeneral), reference);
  ui->valpoidslabel_nuit->setText(kilograms(ui->poidsScrollBar_nuit->value()));

  ui->tempsScrollBar->setValue(
      std::min(kMaxDelay, config->get<int>(kDayDelayKey, kDayDelayDefault, kGeneral)));
  ui->valtmplabel->setText(minutes(ui->tempsScrollBar->value()));
  ui->tempsScrollBar_nuit->setValue(
      std::min(kMaxDelay, config->get<int>(kPumpDownDelayKey, kPumpDownDelayDefault, kGeneral)));
  ui->valtmplabel_nuit->setText(minutes(ui->tempsScrollBar_nuit->value()));
}

void Alarmeclassique::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  showAlarme();
}

void Alarmeclassique::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  setWhenChanged(config, kDayWeightKey, kDayWeightDefault, ui->poidsScrollBar->value());
  setWhenChanged(config, kDayDelayKey, kDayDelayDefault, ui->tempsScrollBar->value());
  setWhenChanged(config, kPumpDownWeightKey, kPumpDownWeightDefault,
                 ui->poidsScrollBar_nuit->value());
  setWhenChanged(config, kPumpDownDelayKey, kPumpDownDelayDefault,
                 ui->tempsScrollBar_nuit->value());

  const bool watched = ui->gB_PumpDown->isChecked();
  if ((config->get<int>(kPumpDownKey, 0, kGeneral) != 0) == watched) return;
  const int value = watched ? 1 : 0;
  config->set<int>(kPumpDownKey, value, kGeneral);
  // Switching the pump-down watch is journalled at once; the journal keeps it even when
  // the wizard is then cancelled.
  ORV_core* core = Singleton<orv_classPtr>::ptr()->core;
  ORV_fileManip* files = core ? core->ORV_fileManip_Ptr() : nullptr;
  if (!files) return;
  const QByteArray text =
      QStringLiteral("%1=%2").arg(QLatin1String(kPumpDownKey)).arg(value).toLatin1();
  files->write_logfile(kPumpDownEvent, text.constData(), "", "");
}

void Alarmeclassique::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}

void Alarmeclassique::on_tempsScrollBar_valueChanged(int value) {
  ui->valtmplabel->setText(minutes(value));
}

void Alarmeclassique::on_poidsScrollBar_valueChanged(int value) {
  ui->valpoidslabel->setText(kilograms(value));
}

void Alarmeclassique::on_tempsScrollBar_nuit_valueChanged(int value) {
  ui->valtmplabel_nuit->setText(minutes(value));
}

void Alarmeclassique::on_poidsScrollBar_nuit_valueChanged(int value) {
  ui->valpoidslabel_nuit->setText(kilograms(value));
}
