#include "cPassword.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "standInPage.h"

cPassword::cPassword(QWidget* parent) : QWidget(parent) {
  std::vector<QPushButton*> buttons = buildStandInBody(
      this, QStringLiteral("cPassword"),
      {{QStringLiteral("pushButtonAnnulation"), tr("Annulation"),
        [this] { emit OnAnnulationSignal(); }},
       {QStringLiteral("pushButtonValidation"), tr("Validation"), [this] {
          linePassword->setFocus();
          const QString code = linePassword->text();
          emit OnValidationSignal(code);
          linePassword->clear();
        }}});
  buttons[0]->setGeometry(12, 400, 302, 60);
  buttons[1]->setGeometry(326, 400, 302, 60);

  TxtLabel = new QLabel(this);
  TxtLabel->setObjectName(QStringLiteral("TxtLabel"));
  TxtLabel->setTextFormat(Qt::AutoText);
  TxtLabel->setAlignment(Qt::AlignCenter);
  TxtLabel->setWordWrap(true);
  TxtLabel->setFrameShape(QFrame::Box);
  TxtLabel->setGeometry(12, 60, 616, 180);

  linePassword = new QLineEdit(this);
  linePassword->setObjectName(QStringLiteral("linePassword"));
  linePassword->setMaxLength(6);
  linePassword->setEchoMode(QLineEdit::Password);
  linePassword->setFont(QFont(QStringLiteral("DejaVu Sans"), 24, QFont::Bold));
  linePassword->setGeometry(170, 280, 300, 60);
}

void cPassword::setText(QString text) { TxtLabel->setText(text); }

void cPassword::showEvent(QShowEvent* event) {
  linePassword->clear();
  linePassword->setFocus();
  QWidget::showEvent(event);
}
