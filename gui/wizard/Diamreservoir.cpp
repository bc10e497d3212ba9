#include "Diamreservoir.h"

#include <QPixmap>

#include "MyScrollStyle.h"
#include "orv_configFile.h"
#include "ui_Diamreservoir.h"

namespace {
const char kDiameterKey[] = "CONFIG_DIAMETRE";
const char kTypeKey[] = "CONFIG_TANK_TYPE";
const char kGeneral[] = "General";
constexpr double kDefaultDiameter = 500;

// Stored as a double; the page works in whole millimetres.
int storedDiameter(orv_configFile* config) {
  return static_cast<int>(config->get<double>(kDiameterKey, kDefaultDiameter, kGeneral));
}

QString millimetres(int value) { return QString::number(value) + QStringLiteral(" mm"); }
}  // namespace

Diamreservoir::Diamreservoir(QWidget* parent, orv_configFile* config)
    : cConfigurationWidget(parent), ui(new Ui_Diamreservoir), config(config) {
  ui->setupUi(this);
  auto* wide = new MyScrollStyle;
  wide->setParent(this);
  ui->horizontalScrollBar->setStyle(wide);
  ui->horizontalScrollBar->setMinimum(100);
  ui->horizontalScrollBar->setMaximum(2000);
  showDiametre();
}

Diamreservoir::~Diamreservoir() { delete ui; }

void Diamreservoir::showDiametre() {
  const int diameter = storedDiameter(config);
  const char type = config->get<char>(kTypeKey, 'V', kGeneral);
  QPixmap picture;
  if (type == 'H')
    picture.load(QStringLiteral("gui_images/RHD2.png"));
  else if (type == 'V')
    picture.load(QStringLiteral("gui_images/RVD.png"));
  ui->horizontalScrollBar->setValue(diameter);
  ui->Diamtext->setText(millimetres(diameter));
  ui->Image_resv->setPixmap(picture);
  if (!picture.isNull()) ui->Image_resv->resize(picture.size());
}

void Diamreservoir::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  showDiametre();
}

void Diamreservoir::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  const int value = ui->horizontalScrollBar->value();
  // A stored fraction survives while the bar shows its whole part.
  if (static_cast<float>(storedDiameter(config)) != static_cast<float>(value))
    config->set<double>(kDiameterKey, value, kGeneral);
}

void Diamreservoir::on_horizontalScrollBar_valueChanged(int value) {
  ui->Diamtext->setText(millimetres(value));
}

void Diamreservoir::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
