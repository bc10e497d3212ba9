#include "cPassword.h"

#include <QEvent>

#include "ui_cPassword.h"
#include "ZuvVirtualKeyboard.h"

cPassword::cPassword(QWidget* parent) : QWidget(parent), ui(new Ui::cPassword) {
  ui->setupUi(this);
  virtualKeyboard = new ZuvVirtualKeyboard(this);
  virtualKeyboard->setObjectName(QStringLiteral("virtualKeyboard"));
  virtualKeyboard->setMinimumSize(50, 150);
  virtualKeyboard->setKeyboardLayout(1);  // AZERTY letters
  virtualKeyboard->setDisplayNumber();    // codes are digits
  ui->virtKeybordLayout->addWidget(virtualKeyboard);
}

cPassword::~cPassword() { delete virtualKeyboard; }

void cPassword::setText(QString text) { ui->TxtLabel->setText(text); }

void cPassword::showEvent(QShowEvent* e) {
  // No code survives a visit: every showing starts from an empty field that takes the keys.
  ui->linePassword->clear();
  ui->linePassword->setFocus();
  QWidget::showEvent(e);
}

void cPassword::changeEvent(QEvent* e) {
  // The form's information text is empty: a language change clears the shown one.
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  QWidget::changeEvent(e);
}

void cPassword::on_pushButtonValidation_clicked() {
  ui->linePassword->setFocus();
  const QString code = ui->linePassword->text();
  // The main window's comparison runs inside this emission (direct connection).
  emit OnValidationSignal(code);
  ui->linePassword->clear();
}

void cPassword::on_pushButtonAnnulation_clicked() { emit OnAnnulationSignal(); }
