// Access-mode choice, the first page behind the main screen's menu button: configuration
// (guarded by the menu code), consultation, or leave. Each button only emits its signal;
// the main window does the navigation.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class Choix;
}

class Choix : public QWidget {
  Q_OBJECT

 public:
  explicit Choix(QWidget* parent = nullptr);
  ~Choix() override;

 signals:
  void okConfig();
  void okVisualisation();
  void escButtonSignal();
  // Declared for the main window's wiring of its permanent pages; this page never asks
  // for another inactivity timeout.
  void OnReloadConfTimerSignal(int aTimeout);

 protected:
  void changeEvent(QEvent* e) override;

 private slots:
  void on_paramButton_clicked();
  void on_visualisationButton_clicked();
  void on_escButton_clicked();

 private:
  std::unique_ptr<Ui::Choix> ui;
};
