// The date and time page: five spin boxes for the local date and time. Leaving it sets the
// program clock, the system date and the hardware clock when the technician changed
// anything, and restarts the controller through the core when the date changed.
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class FuseauHorraire;
}

class FuseauHorraire : public QWidget {
  Q_OBJECT

 public:
  // What sig_fushorraireExit sends when nothing was changed (no time zone to apply).
  static constexpr int kNothingChanged = 15;

  explicit FuseauHorraire(QWidget* parent = nullptr);
  ~FuseauHorraire() override;

  // The stored time-zone offset in hours (z11_CONFIG_FUSEAU_HORRAIRE).
  void setCfgFusHorraire(int offset);

 signals:
  // kNothingChanged, or after the clock was set the stored offset, which the main window
  // links again as the local time zone.
  void sig_fushorraireExit(int _newFusHorraire);

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private slots:
  void on_pB_Exit_clicked();
  // The day box stops at the last day of the month and year shown.
  void limitDayToMonth();

 private:
  // Sets the clocks from the five boxes, with 0 seconds.
  void setClockFromBoxes();

  std::unique_ptr<Ui::FuseauHorraire> ui;
  int fuseauHorraire;
  // What the boxes were given at the last show.
  int gmtHour;
  int localHour;
  int localMinute;
  int day;
  int month;
  int year;
};
