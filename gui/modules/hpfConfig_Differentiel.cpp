#include "hpfConfig_Differentiel.h"

#include <QPixmap>

#include "hpfPageSupport.h"
#include "ui_hpfConfig_Differentiel.h"

hpfConfig_Differentiel::hpfConfig_Differentiel(QWidget* parent, hp_global_config_t* config)
    : cConfigurationWidget(parent), ui(new Ui::hpfConfig_Differentiel), hpfConfig(config) {
  ui->setupUi(this);
  diagram.load(QStringLiteral("gui_images/") + QStringLiteral("diff_shemas.png"));
  ui->widget_diagram->installEventFilter(this);
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

namespace {
// The diagram's own size and where its two value labels stand on it, at that size.
const QSize kDiagram(400, 270);
const QPoint kDiffUpAt(318, 88);
const QPoint kDiffDownAt(318, 156);
}  // namespace

// 400 x 270 when the page has the room; smaller, in proportion, when the wizard's keyboard
// takes the lower part of the screen, so that the page's fields stay above it.
bool hpfConfig_Differentiel::eventFilter(QObject* watched, QEvent* e) {
  if (watched == ui->widget_diagram && e->type() == QEvent::Resize) {
    const QSize room = kDiagram.scaled(ui->widget_diagram->size(), Qt::KeepAspectRatio);
    const double scale = double(room.width()) / kDiagram.width();
    ui->label->setGeometry(QRect(QPoint(0, 0), room));
    if (!diagram.isNull())
      ui->label->setPixmap(diagram.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ui->label_diffUp->move(kDiffUpAt * scale);
    ui->label_diffDown->move(kDiffDownAt * scale);
  }
  return cConfigurationWidget::eventFilter(watched, e);
}

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
