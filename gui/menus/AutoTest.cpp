#include "AutoTest.h"

#include <QEvent>
#include <QListWidget>
#include <QPushButton>

#include "ORV_core.h"
#include "ORV_fileManip.h"
#include "cAutoTestThread.h"
#include "orv_classPtr.h"
#include "ui_AutoTest.h"
#include "wideScrollBars.h"

namespace {
const char kReportFile[] = "/tmp/autotest.log";
}

AutoTest::AutoTest(QWidget* parent) : QWidget(parent), ui(new Ui::AutoTest) {
  ui->setupUi(this);
  setWideScrollBars(ui->textEdit, this);
}

AutoTest::~AutoTest() {
  // Quitter is disabled during a run; a page deleted from outside still lets its worker
  // end before the thread object goes.
  if (worker) {
    worker->wait();
    delete worker;
  }
}

void AutoTest::on_Esc_clicked() { emit esc_AutoTest(); }

void AutoTest::on_pB_AutoTest_Start_clicked() {
  ui->pB_AutoTest_Start->setEnabled(false);
  ui->Esc->setEnabled(false);
  if (worker) {
    worker->exit(0);
    worker->wait();  // its end notice may arrive before run() has returned
    delete worker;
    worker = nullptr;
  }
  worker = new cAutoTestThread();
  connect(worker, SIGNAL(sig_ThreadEnd()), this, SLOT(On_ThreadEnd()));
  connect(worker, SIGNAL(sig_ThreadUpdText(QString, bool)), this,
          SLOT(On_ThreadUpdText(QString, bool)));
  worker->start(QThread::InheritPriority);
}

void AutoTest::On_ThreadUpdText(QString _msgTxt, bool _writeToFile) {
  ui->textEdit->addItem(_msgTxt);
  ui->textEdit->scrollToBottom();
  if (!_writeToFile) return;
  ORV_core* core = Singleton<orv_classPtr>::ptr()->core;
  if (ORV_fileManip* files = core ? core->ORV_fileManip_Ptr() : nullptr)
    files->writeToFile(kReportFile, _msgTxt.toLocal8Bit().toStdString(), true, false);
}

void AutoTest::On_ThreadEnd() {
  On_ThreadUpdText(tr("\nAutoTest Terminer!\n"), true);
  ui->textEdit->scrollToTop();
  ui->pB_AutoTest_Start->setEnabled(true);
  ui->Esc->setEnabled(true);
}

void AutoTest::showEvent(QShowEvent* e) {
  ui->textEdit->clear();
  QWidget::showEvent(e);
}

void AutoTest::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) ui->retranslateUi(this);
  QWidget::changeEvent(e);
}
