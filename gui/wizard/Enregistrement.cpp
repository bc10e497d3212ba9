#include "Enregistrement.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QProgressBar>

Enregistrement::Enregistrement(QWidget* parent) : cConfigurationWidget(parent) {
  setObjectName(QStringLiteral("Enregistrement"));
  resize(640, 430);
  setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
  setWindowTitle(tr("Form"));
  labelentete = new QLabel(tr("Enregistrement de la configuration "), this);
  labelentete->setObjectName(QStringLiteral("labelentete"));
  labelentete->setFont(QFont(QStringLiteral("DejaVu Sans"), 18, QFont::Bold));
  labelentete->setAlignment(Qt::AlignCenter);
  labelentete->setTextInteractionFlags(Qt::NoTextInteraction);
  labelentete->setGeometry(20, 20, 600, 45);
  enrgprogressBar = new QProgressBar(this);
  enrgprogressBar->setObjectName(QStringLiteral("enrgprogressBar"));
  enrgprogressBar->setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
  enrgprogressBar->setGeometry(40, 190, 560, 45);
  enrgprogressBar->setValue(0);
  connect(this, &Enregistrement::OnSetProgressValueSignal, this,
          &Enregistrement::OnSetProgressValue);
}

void Enregistrement::SetProgressValue(int value, int maximum) {
  emit OnSetProgressValueSignal(value, maximum);
}

void Enregistrement::OnSetProgressValue(int aValue, int aMax) {
  enrgprogressBar->setMaximum(aMax);
  enrgprogressBar->setValue(aValue);
}

void Enregistrement::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  enrgprogressBar->setValue(0);
}

void Enregistrement::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() != QEvent::LanguageChange) return;
  setWindowTitle(tr("Form"));
  labelentete->setText(tr("Enregistrement de la configuration "));
}
