#include "RecalculProcess.h"

#include <QEvent>
#include <QRegExp>
#include <QRegExpValidator>

#include <cstdio>

#include "ui_RecalculProcess.h"
#include "ZuvVirtualKeyboard.h"

const char* const RecalculProcess::kChargePattern =
    "^0*(?:(?!999\\.9\\d*$)\\d{0,3}(?:\\.\\d*)?|999\\.0*)$";

RecalculProcess::RecalculProcess(QWidget* parent)
    : cConfigurationWidget(parent), ui(new Ui::RecalculProcess), mode(0) {
  ui->setupUi(this);
  ui->lineEdit_charge->setValidator(new QRegExpValidator(
      QRegExp(QLatin1String(kChargePattern), Qt::CaseSensitive), ui->lineEdit_charge));
  keyboard = new ZuvVirtualKeyboard(this);
  keyboard->setObjectName(QStringLiteral("keyboard"));
  ui->verticalLayout_keyboard->addWidget(keyboard);
}

RecalculProcess::~RecalculProcess() { delete keyboard; }

void RecalculProcess::setTextReapp(QString text, int newMode) {
  ui->labelentete->clear();
  ui->labelentete->setText(text);
  mode = newMode;
}

void RecalculProcess::showEvent(QShowEvent* e) {
  cConfigurationWidget::showEvent(e);
  // The on-screen keyboard types into the focus widget: the charge field.
  ui->lineEdit_charge->setFocus();
}

void RecalculProcess::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  cConfigurationWidget::changeEvent(e);
}

// The receiver runs its tests, starts or refuses the action and closes this dialog inside
// the emission; every answer then returns to recalculation mode.
void RecalculProcess::answer(float charge) {
  const bool relearn = mode != 0;
  if (relearn)
    emit reapprentissage(charge);
  else
    emit recalcul(charge);
  std::printf("%s %g\n",
              relearn ? "-------------reapprentissage ------------------"
                      : "-------------recalcul ------------------",
              ui->lineEdit_charge->text().toFloat());
  std::fflush(stdout);
  mode = 0;
}

void RecalculProcess::on_yesButton_clicked() {
  // An empty or unreadable entry counts as no recharge.
  answer(ui->lineEdit_charge->text().toFloat());
}

void RecalculProcess::on_noButton_clicked() { answer(0.0f); }

void RecalculProcess::on_cancelButton_clicked() {
  std::printf("Cancel button clicked\n");
  std::fflush(stdout);
  close();
  mode = 0;
}
