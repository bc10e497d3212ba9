#include "Choix.h"

#include <QEvent>

#include "ui_Choix.h"

Choix::Choix(QWidget* parent) : QWidget(parent), ui(new Ui::Choix) { ui->setupUi(this); }

Choix::~Choix() = default;

void Choix::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  QWidget::changeEvent(e);
}

void Choix::on_paramButton_clicked() { emit okConfig(); }
void Choix::on_visualisationButton_clicked() { emit okVisualisation(); }
void Choix::on_escButton_clicked() { emit escButtonSignal(); }
