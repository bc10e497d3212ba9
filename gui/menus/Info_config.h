// Everything the device is configured with, for a technician: the date, every section and
// entry of the configuration store, the boot script's text and the storage left. The page
// only reads; the list is rebuilt at every show.
#pragma once

#include <memory>

#include "cConfigurationWidget.h"

namespace Ui {
class Info_config;
}

class Info_config : public cConfigurationWidget {
  Q_OBJECT

 public:
  explicit Info_config(QWidget* parent = nullptr);
  ~Info_config() override;

 signals:
  void esc_info_config();

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private slots:
  void on_Esc_clicked();

 private:
  void addItem(const QString& text);
  void addConfigSections();
  void addBootScript();
  void addStorage();

  std::unique_ptr<Ui::Info_config> ui;
};
