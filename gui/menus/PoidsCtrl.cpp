#include "PoidsCtrl.h"

#include <QEvent>

#include "ui_PoidsCtrl.h"

namespace {
constexpr int kWeightsOnly = 1;
constexpr int kWeightsWithLiquid = 2;
}  // namespace

PoidsCtrl::PoidsCtrl(QWidget* parent, int mode)
    : QWidget(parent), shown(false), ui(new Ui::PoidsCtrl), mode(mode) {
  ui->setupUi(this);
  if (mode == kWeightsOnly) {
    const QList<QLabel*> liquidRows = {ui->label_5, ui->labelDensiteLiquide, ui->label_9,
                                       ui->label_6, ui->labelHauteurLiquide, ui->label_10};
    for (QLabel* label : liquidRows) label->hide();
  }
}

PoidsCtrl::~PoidsCtrl() = default;

void PoidsCtrl::UpdatePoidsConfig(unsigned int tare) {
  ui->labelTarePoids->setText(QString::number(tare));
}

void PoidsCtrl::UpdatePoidsCtrl(int weight, int liquidWeight, float density, int height) {
  ui->labelpoidmesure->setText(QString::number(weight));
  ui->labelpoidliquide->setText(QString::number(liquidWeight));
  if (mode == kWeightsWithLiquid) {
    ui->labelDensiteLiquide->setText(QString::number(density, 'f', 1));
    ui->labelHauteurLiquide->setText(QString::number(height));
  }
}

void PoidsCtrl::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  shown = true;
}

void PoidsCtrl::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  shown = false;
}

void PoidsCtrl::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
}

void PoidsCtrl::on_pB_Exit_clicked() { emit sig_CtrlPoidsExit(); }
