#include "screenMsgBox.h"

#include <QEvent>
#include <QTimer>

#include "ui_screenMsgBox.h"

screenMsgBox::screenMsgBox(QWidget* parent, QString title)
    : QWidget(parent), ui(new Ui::screenMsgBox) {
  ui->setupUi(this);
  ui->pB_Exit->hide();
  ui->progressBar_counter->hide();
  ui->textEdit_msg->hide();
  ui->title_label->setText(title);
  ui->progressBar_counter->setRange(0, 100);
  connect(ui->pB_Exit, SIGNAL(released()), this, SLOT(On_btnExit()));
}

screenMsgBox::~screenMsgBox() { delete ui; }

void screenMsgBox::setBoxTitle(QString boxTitle) { ui->title_label->setText(boxTitle); }

void screenMsgBox::setBoxMessage(QString boxMessage) { appendBoxMessage(boxMessage); }

void screenMsgBox::appendBoxMessage(QString boxMessage) {
  if (ui->textEdit_msg->isHidden()) ui->textEdit_msg->show();
  ui->textEdit_msg->addItem(boxMessage);
  ui->textEdit_msg->scrollToBottom();
}

void screenMsgBox::setBoxProgressBarAll(int progVal, int progMin, int progMax) {
  if (ui->progressBar_counter->isHidden()) ui->progressBar_counter->show();
  ui->progressBar_counter->setMinimum(progMin);
  ui->progressBar_counter->setMaximum(progMax);
  ui->progressBar_counter->setValue(progVal);
}

void screenMsgBox::setBoxProgressBarVal(int progVal) {
  if (ui->progressBar_counter->isHidden()) ui->progressBar_counter->show();
  ui->progressBar_counter->setValue(progVal);
}

void screenMsgBox::setButtonsState(bool _state) { ui->pB_Exit->setVisible(_state); }

void screenMsgBox::clear_label() {
  ui->title_label->clear();
  ui->textEdit_msg->clear();
  ui->progressBar_counter->hide();
  ui->pB_Exit->hide();
}

void screenMsgBox::exit_timer(int _secs) {
  if (exitTimer) return;  // the first deadline stands
  exitTimer = new QTimer(this);
  exitTimer->setInterval(_secs * 1000);
  connect(exitTimer, SIGNAL(timeout()), this, SLOT(On_btnExit()));
  exitTimer->start();
}

void screenMsgBox::On_btnExit() {
  if (exitTimer) {
    exitTimer->stop();
    exitTimer->disconnect();
    // This slot may run from the timer's own timeout: the timer leaves the page now and is
    // deleted once that timeout has returned.
    exitTimer->setParent(nullptr);
    exitTimer->deleteLater();
    exitTimer = nullptr;
  }
  clear_label();
  emit sig_exit();
}

void screenMsgBox::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::LanguageChange) {
    ui->retranslateUi(this);
    ui->title_label->clear();
  }
}
