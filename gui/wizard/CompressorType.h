// Stand-in until the compressor type page (wizard page 3) is built: its constructor and signals.
#pragma once

#include "cConfigurationWidget.h"

class orv_configFile;

class CompressorType : public cConfigurationWidget {
  Q_OBJECT

public:
  CompressorType(QWidget* parent, orv_configFile* config);

private:
  orv_configFile* config;  // the wizard's copy, not owned
};
