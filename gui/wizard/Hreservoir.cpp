#include "Hreservoir.h"

#include <QPixmap>

#include <cmath>

#include "MyScrollStyle.h"
#include "ui_Hreservoir.h"
#include "wizardCopy.h"

namespace {
const char kHeightKey[] = "CONFIG_HEIGHT";
const char kInclinationKey[] = "CONFIG_INCLINAISON_RESERVOIR";
const char kTypeKey[] = "CONFIG_TANK_TYPE";
const char kGeneral[] = "General";
constexpr int kMaxInclination = 300;  // mm, the top of the inclination bar
constexpr double kDegreesPerRadian = 57.29577951308232;

QString millimetres(int value) { return QString::number(value) + QStringLiteral(" mm"); }

// Inclination angle of a horizontal receiver. An inclination larger than the length has no
// angle: the page shows the fault mark of the screens instead of "nan".
QString angleText(int inclination, int length) {
  float angle = 0;
  if (inclination > 0 && length > 0) {
    const float ratio = static_cast<float>(inclination) / static_cast<float>(length);
    if (ratio > 1.0f) return QStringLiteral("- - -");
    angle = static_cast<float>(std::asin(static_cast<double>(ratio)) * kDegreesPerRadian);
  }
  return QString::number(static_cast<double>(angle), 'f', 1) + QStringLiteral("°");
}
}  // namespace

Hreservoir::Hreservoir(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Hreservoir), config(config), tankType(0) {
  ui->setupUi(this);
  auto* wide = new MyScrollStyle;
  wide->setParent(this);
  ui->HauteurScrollBar->setStyle(wide);
  ui->InclinaisonScrollBar->setStyle(wide);
  ui->HauteurScrollBar->setRange(150, 5000);
  showHauteur();
}

Hreservoir::~Hreservoir() { delete ui; }

int Hreservoir::heightFromBar(int value) const {
  const QScrollBar* bar = ui->HauteurScrollBar;
  return tankType == 'V' ? bar->maximum() + bar->minimum() - value : value;
}

int Hreservoir::inclinationFromBar() const {
  return kMaxInclination - ui->InclinaisonScrollBar->value();
}

void Hreservoir::showAngle(int inclination, int length) {
  ui->label_Angle->setText(angleText(inclination, length));
}

void Hreservoir::showHauteur() {
  const int height = config->get<int>(kHeightKey, 1500, kGeneral);
  const int inclination = config->get<int>(kInclinationKey, 0, kGeneral);
  tankType = config->get<char>(kTypeKey, 'V', kGeneral);
  QScrollBar* bar = ui->HauteurScrollBar;
  QPixmap picture;
  int barValue = 0;
  if (tankType == 'H') {
    ui->InclinaisonScrollBar->setOrientation(Qt::Vertical);
    ui->InclinaisonScrollBar->setInvertedAppearance(false);
    ui->InclinaisonScrollBar->setInvertedControls(false);
    picture.load(QStringLiteral("gui_images/RHL_RHI.png"));
    ui->label_inclinaison->show();
    ui->label_Inclinaison_txt->show();
    ui->InclinaisonScrollBar->show();
    ui->label_Angle->show();
    showAngle(inclination, height);
    ui->label_inclinaison->setText(millimetres(inclination));
    ui->InclinaisonScrollBar->setValue(kMaxInclination - inclination);
    ui->label_hauteur->move(60, 110);
    ui->label_entete->setText(tr("Longueur du Reservoir"));
    ui->label_5->setText(tr("Mesurer entre les deux extremes"));
    bar->setOrientation(Qt::Horizontal);
    bar->setFixedSize(320, 45);
    bar->move(280, 90);
    barValue = height;
  } else if (tankType == 'V') {
    ui->label_inclinaison->hide();
    ui->InclinaisonScrollBar->hide();
    ui->label_Inclinaison_txt->hide();
    bar->setOrientation(Qt::Vertical);
    bar->setInvertedAppearance(false);
    bar->setInvertedControls(true);
    picture.load(QStringLiteral("gui_images/RVH.png"));
    ui->label_Angle->hide();
    ui->label_hauteur->move(170, 170);
    ui->label_entete->setText(tr("Hauteur Colonne"));
    ui->label_5->setText(tr("Mesurer entre les axes des raccords des flexibles"));
    bar->setFixedSize(45, 300);
    bar->move(410, 100);
    barValue = bar->maximum() + bar->minimum() - height;
  }
  bar->setValue(barValue);
  ui->label_hauteur->setText(millimetres(height));
  ui->imagBox->setPixmap(picture);
  if (!picture.isNull()) ui->imagBox->resize(picture.size());
}

void Hreservoir::on_HauteurScrollBar_valueChanged(int value) {
  if (tankType != 'V') showAngle(inclinationFromBar(), value);
  ui->label_hauteur->setText(millimetres(heightFromBar(value)));
}

void Hreservoir::on_InclinaisonScrollBar_valueChanged(int value) {
  const int inclination = kMaxInclination - value;
  showAngle(inclination, ui->HauteurScrollBar->value());
  ui->label_inclinaison->setText(millimetres(inclination));
}

void Hreservoir::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  showHauteur();
}

void Hreservoir::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  const int height = heightFromBar(ui->HauteurScrollBar->value());
  // Vertical receivers stand straight: no inclination.
  const int inclination = tankType == 'V' ? 0 : inclinationFromBar();
  setWhenChanged(config, kHeightKey, 1500, height);
  setWhenChanged(config, kInclinationKey, 0, inclination);
}

void Hreservoir::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
