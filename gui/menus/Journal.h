// The event journal as a list: the last 1000 lines of "/home/ORV/journal.log", one entry
// per line, the event code replaced by its readable name. The page only reads the file,
// which the core appends; it fills itself half a second after it is shown.
#pragma once

#include <memory>

#include "cConfigurationWidget.h"

class QTimer;

namespace Ui {
class Journal;
}

class Journal : public cConfigurationWidget {
  Q_OBJECT

 public:
  static constexpr int kShownLines = 1000;
  static constexpr int kFillDelayMs = 500;

  explicit Journal(QWidget* parent = nullptr);
  ~Journal() override;

  // Readable name of an event code ("Event<code>" for a code without a name).
  QString GetLogString(int code);

 signals:
  void esc_Journal();

 public slots:
  // (Re)fills the list from the journal file.
  void OnTimerShow();

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private slots:
  void on_Esc_clicked();

 private:
  std::unique_ptr<Ui::Journal> ui;
  QTimer* fillTimer;
};
