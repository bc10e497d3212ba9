// Code entry: an information text set by the main window, a masked field of at most six
// characters filled from the on-screen keyboard, "Validation" and "Annulation". The page
// never judges a code; the main window compares what it emits. The main window keeps two
// of them: the menu and network code page and the time-challenge page.
#pragma once

#include <QWidget>

#include <memory>

class ZuvVirtualKeyboard;

namespace Ui {
class cPassword;
}

class cPassword : public QWidget {
  Q_OBJECT

 public:
  explicit cPassword(QWidget* parent = nullptr);
  ~cPassword() override;

  // Information text above the field (rich text recognised).
  void setText(QString text);

 signals:
  void OnValidationSignal(QString aPassword);
  void OnAnnulationSignal();
  // Declared for the main window's wiring of its permanent pages; never emitted.
  void OnReloadConfTimerSignal(int aTimeout);

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private slots:
  void on_pushButtonValidation_clicked();
  void on_pushButtonAnnulation_clicked();

 private:
  std::unique_ptr<Ui::cPassword> ui;
  ZuvVirtualKeyboard* virtualKeyboard;
};
