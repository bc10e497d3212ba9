#include "changeSrvIpDialog.h"

#include <QEvent>

#include "ZuvVirtualKeyboard.h"
#include "ui_changeSrvIpDialog.h"

changeSrvIpDialog::changeSrvIpDialog(QWidget* parent, QString currentAddress)
    : QDialog(parent), ui(new Ui::changeSrvIpDialog) {
  ui->setupUi(this);
  ui->lineEdit_SrvIP_0->setText(currentAddress);
  keyboard = new ZuvVirtualKeyboard(this);
  keyboard->setObjectName(QStringLiteral("keyboard"));
  keyboard->setMinimumSize(260, 120);
  keyboard->setDisplayNumber();  // addresses are digits and dots
  ui->verticalLayout_keyboard->addWidget(keyboard);
  connect(ui->pushButton_ANNULER, SIGNAL(clicked()), this, SLOT(close()));
  connect(ui->pushButton_SEND, SIGNAL(clicked()), this, SLOT(slotSendIP()));
  // The keyboard's keys go to the focus widget.
  ui->lineEdit_SrvIP_0->setFocus();
}

changeSrvIpDialog::~changeSrvIpDialog() { delete keyboard; }

void changeSrvIpDialog::slotSendIP() {
  emit emit_SendNewIP(ui->lineEdit_SrvIP_0->text());
  close();
}

void changeSrvIpDialog::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) {
    const QString typed = ui->lineEdit_SrvIP_0->text();
    ui->retranslateUi(this);
    ui->lineEdit_SrvIP_0->setText(typed);  // the form's text must not replace the address
  }
  QDialog::changeEvent(e);
}
