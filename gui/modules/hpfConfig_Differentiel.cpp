#include "hpfConfig_Differentiel.h"

#include <QPixmap>

#include "hpfPageSupport.h"
#include "ui_hpfConfig_Differentiel.h"

hpfConfig_Differentiel::hpfConfig_Differentiel(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_Differentiel), hpfConfig(config) {
  ui->setupUi(this);
  QPixmap diagram(QStringLiteral("gui_images/") + QStringLiteral("diff_shemas.png"));
  if (!diagram.isNull())
    ui->label->setPixmap(diagram.scaled(400, 270, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  // The spin boxes keep a value inside 0.5..3.0, rounded to one decimal.
  ui->doubleSpinBox_diffUp->setValue(hpfConfig->difUp);
  ui->doubleSpinBox_diffDown->setValue(hpfConfig->difDown);
  onDiffUPvalueChanged(ui->doubleSpinBox_diffUp->value());
  onDiffDOWNvalueChanged(ui->doubleSpinBox_diffDown->value());
  connect(ui->doubleSpinBox_diffUp, SIGNAL(valueChanged(double)), this,
          SLOT(onDiffUPvalueChanged(double)));
  connect(ui->doubleSpinBox_diffDown, SIGNAL(valueChanged(double)), this,
          SLOT(onDiffDOWNvalueChanged(double)));
}

hpfConfig_Differentiel::~hpfConfig_Differentiel() { delete ui; }

void hpfConfig_Differentiel::onDiffUPvalueChanged(double value) {
  ui->label_diffUp->setText(hpfNumberText(value) + QStringLiteral("°C"));
}

void hpfConfig_Differentiel::onDiffDOWNvalueChanged(double value) {
  ui->label_diffDown->setText(hpfNumberText(value) + QStringLiteral("°C"));
}

void hpfConfig_Differentiel::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  ui->doubleSpinBox_diffUp->setValue(hpfConfig->difUp);
  ui->doubleSpinBox_diffDown->setValue(hpfConfig->difDown);
}

void hpfConfig_Differentiel::hideEvent(QHideEvent* e) {
  cConfigurationWidget::hideEvent(e);
  hpfConfig->difUp = static_cast<float>(ui->doubleSpinBox_diffUp->value());
  hpfConfig->difDown = static_cast<float>(ui->doubleSpinBox_diffDown->value());
}

void hpfConfig_Differentiel::changeEvent(QEvent* e) {
  cConfigurationWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}
