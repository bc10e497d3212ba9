// Wizard page 1: the device name (20 characters at most) and the customer's site name
// (40 characters at most), typed on the on-screen keyboard into the wizard's copy.
#pragma once

#include <QString>

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_OrvName;
class ZuvVirtualKeyboard;

class OrvName : public cConfigurationWidget {
  Q_OBJECT

public:
  OrvName(QWidget* parent, orv_configFile* config);
  ~OrvName() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  Ui_OrvName* ui;
  orv_configFile* config;  // the wizard's copy, not owned
  ZuvVirtualKeyboard* keyboard;
  // The names as last loaded from or written to the copy: a field is written back only
  // when its text differs.
  QString deviceName;
  QString siteName;
};
