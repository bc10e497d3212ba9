// The weight check of the measuring column: the measured weight, the column tare and the
// liquid weight, and in mode 2 (the maker's service menu) the liquid density and height.
// The main window gives the tare once and refreshes the weights while the view is shown.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class PoidsCtrl;
}

class PoidsCtrl : public QWidget {
  Q_OBJECT

 public:
  // Mode 1 shows the three weights; any other mode adds the density and height rows.
  PoidsCtrl(QWidget* parent, int mode);
  ~PoidsCtrl() override;

  void UpdatePoidsConfig(unsigned int tare);
  // Weights in grams, signed: a column reading below its tare is negative.
  void UpdatePoidsCtrl(int weight, int liquidWeight, float density, int height);

  // True from show to hide: the main window refreshes only a shown view.
  bool shown;

 signals:
  void sig_CtrlPoidsExit();

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

 private slots:
  void on_pB_Exit_clicked();

 private:
  std::unique_ptr<Ui::PoidsCtrl> ui;
  int mode;
};
