// Self-test page: one run checks identity, storage, network, server, modules, memory and
// partitions, pulses both alarm relays and ends with a hexadecimal result code. The checks
// run in the worker cAutoTestThread; each report text comes back by a queued signal, is
// shown as one list item and appended to "/tmp/autotest.log".
#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class cAutoTestThread;

namespace Ui {
class AutoTest;
}

class AutoTest : public QWidget {
  Q_OBJECT

public:
  explicit AutoTest(QWidget* parent = nullptr);
  ~AutoTest() override;

signals:
  void esc_AutoTest();

public slots:
  void On_ThreadUpdText(QString _msgTxt, bool _writeToFile);
  void On_ThreadEnd();

protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

private slots:
  void on_Esc_clicked();
  void on_pB_AutoTest_Start_clicked();

private:
  std::unique_ptr<Ui::AutoTest> ui;
  cAutoTestThread* worker = nullptr;  // the last run's, no parent
};
