// Wizard page 3: the compressor technology of the plant (piston, screw or scroll), kept in
// z11_CONFIG_TYPE_COMPRESSEUR of the wizard's copy. A CO2 plant always has pistons.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;
class Ui_CompressorType;

class CompressorType : public cConfigurationWidget {
  Q_OBJECT

public:
  CompressorType(QWidget* parent, orv_configFile* config);
  ~CompressorType() override;

  void read_guiCFG();

protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

private:
  Ui_CompressorType* ui;
  orv_configFile* config;  // the wizard's copy, not owned
  int compressorType;      // code last read or taken from the buttons: 0 piston, 1 vis, 2 scroll
};
