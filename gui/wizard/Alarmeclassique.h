// Stand-in until the low-level alarm page (wizard page 10) is built: its constructor, the
// receiver settings it reads from the copy and one wide scroll bar.
#pragma once

#include "cConfigurationWidget.h"

class QLabel;
class orv_configFile;

class Alarmeclassique : public cConfigurationWidget {
  Q_OBJECT

public:
  Alarmeclassique(QWidget* parent, orv_configFile* config);

protected:
  void showEvent(QShowEvent* e) override;

private:
  orv_configFile* config;  // the wizard's copy, not owned
  QLabel* copyValues;
};
