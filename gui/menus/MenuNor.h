// The maker's service menu, reached from the main screen by a hidden tap sequence: the
// weight check with the liquid density and height, and the way back. It only emits signals;
// the main window opens what they ask for.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class MenuNor;
}

class MenuNor : public QWidget {
  Q_OBJECT

 public:
  explicit MenuNor(QWidget* parent = nullptr);
  ~MenuNor() override;

 signals:
  void escape();
  // Always mode 2: the weights with the liquid density and height.
  void sigCtrlPoids(int _mode);

 protected:
  void changeEvent(QEvent* e) override;

 private slots:
  void on_ctrlPoidsButton_clicked();
  void on_Esc_clicked();

 private:
  std::unique_ptr<Ui::MenuNor> ui;
};
