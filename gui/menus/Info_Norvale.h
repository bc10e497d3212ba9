// The device's about page: program version, the modules found on the bus, the dates of the
// last learning and the last tare, MAC address and device ID (texts composed by the main
// window), a live clock and the maker's contacts over the maker's logo.
#pragma once

#include <QPixmap>

#include <memory>

#include "cConfigurationWidget.h"

class QTimer;

namespace Ui {
class Info_Norvale;
}

class Info_Norvale : public cConfigurationWidget {
  Q_OBJECT

 public:
  static constexpr int kClockRefreshMs = 500;

  explicit Info_Norvale(QWidget* parent = nullptr);
  ~Info_Norvale() override;

  // Module versions and dates/identity texts, shown from the next show on.
  void setCurrentInfo(QString modules, QString dates);

 signals:
  void esc_InfoNorvale();

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void changeEvent(QEvent* e) override;

 private slots:
  void on_accueilButton_clicked();
  void OnTimerRefresh();

 private:
  // The program clock in the French form, whatever the interface language.
  static QString clockText();
  // The maker's notice, ending with the current year.
  QString noticeText() const;

  std::unique_ptr<Ui::Info_Norvale> ui;
  QTimer* refreshTimer;
  QString modulesText;
  QString datesText;
  QPixmap logo;
};
