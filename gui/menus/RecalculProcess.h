// Charge entry asked before a relearn or a reference recalculation: how many kilograms of
// refrigerant were recharged. A window of its own, shown over the relearn menu; its answer
// goes out by one of two signals chosen by its mode.
#pragma once

#include <memory>

#include "cConfigurationWidget.h"

class ZuvVirtualKeyboard;

namespace Ui {
class RecalculProcess;
}

class RecalculProcess : public cConfigurationWidget {
  Q_OBJECT

 public:
  // Recharged mass in kg: up to 999.0 with any number of decimals, leading zeros allowed.
  static const char* const kChargePattern;

  explicit RecalculProcess(QWidget* parent = nullptr);
  ~RecalculProcess() override;

  // Header text and mode (0 recalculation, any other value relearn) of the next answer.
  void setTextReapp(QString text, int mode);

 signals:
  void recalcul(float newCharge);
  void reapprentissage(float newCharge);

 public slots:
  void on_yesButton_clicked();
  void on_noButton_clicked();
  void on_cancelButton_clicked();

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void answer(float charge);

  std::unique_ptr<Ui::RecalculProcess> ui;
  ZuvVirtualKeyboard* keyboard;
  int mode;
};
